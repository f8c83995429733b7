// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "settings.h"
#include "speechservice.h"

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The program's own voice, for a child who reads with difficulty: with
// --voce it reads each task, verdict and rules page aloud as a teacher
// would, and Ctrl+L reads the screen again at any time, on or off. One
// voice at a time: a new utterance cuts the last one short, a screen that
// goes stops what it was saying, and while a screen reader runs the voice
// leaves the speaking to it. The speech service is only reached once the
// voice is first needed.
class Voice : public QObject
{
    Q_OBJECT

public:
    // A speaker that finds it cannot speak calls failed, from any thread.
    using SpeakerFactory = std::function<std::unique_ptr<Speaker>(std::function<void()> failed)>;

    explicit Voice(QObject *parent = nullptr);
    ~Voice() override;

    bool isOn() const { return m_on; }
    // Turning it on reaches for the speech service at once, so that the
    // first task is not kept waiting.
    void setOn(bool on);
    // How fast it speaks from now on; normal is a child's pace.
    void setPace(Pace pace);

    // Says text for the screen from, when the voice is on.
    void speak(const QString &text, const QObject *from);
    // Says text for the screen from, on or off: the child asked for it.
    void read(const QString &text, const QObject *from);
    // Stops what the screen from was saying, if it is still being said.
    void stop(const QObject *from);

    // Where the voice comes from; the desktop's speech service unless set.
    void setSpeakerFactory(SpeakerFactory factory);

public slots:
    void setScreenReaderRunning(bool running);

signals:
    // The speech service is missing or does not answer: on the GUI thread,
    // whichever thread found it out.
    void unavailable();

private slots:
    void accessibilityStatusChanged(const QString &interface, const QVariantMap &changed);

private:
    Speaker &speaker();
    void watchScreenReader();

    bool m_on = false;
    bool m_screenReader = false;
    bool m_watching = false;
    double m_rate;
    SpeakerFactory m_factory;
    std::unique_ptr<Speaker> m_speaker;
    QPointer<const QObject> m_speaking;
};
