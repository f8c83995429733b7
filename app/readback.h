// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QLineEdit;
class Screen;
class Voice;

// Numbers read back, for a child who turns 72 into 27 without seeing it:
// with the voice on, the number in an answer box is said as the child
// leaves the box, if it changed since the box took the focus. Leaving for
// Conferma says nothing, so that the verdict is heard alone and at once.
class ReadBack : public QObject
{
    Q_OBJECT

public:
    explicit ReadBack(Voice &voice, QObject *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

    // Listens to the answer boxes of a screen that has just loaded.
    void attach(Screen *screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Voice &m_voice;
    bool m_on = true;
    // Each box's text when it took the focus.
    QHash<const QLineEdit *, QString> m_entered;
};
