// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

#include <QElapsedTimer>

class QLabel;
class QTimer;
class Random;

// What the six exercise screens share: the random generator, seeded at every
// loading, and the verdict label lblmess that tmrtempo empties.
class Exercise : public Page
{
    Q_OBJECT

public:
    Exercise(Registry &registry, const QString &name, const QString &caption,
             const QColor &background);

    void Form_Load() override;

protected:
    // Builds lblmess: centred, italic, empty at start.
    QLabel *message(int left, int top, int width, int height, const Font &font, const QColor &text);

    // Writes a verdict into lblmess and has a screen reader speak it. The caller enables tmrtempo
    // where its check says so; enabling restarts the period, so every verdict stays readable for
    // the full interval.
    void say(const QString &verdict);

    // The task on the screen, the way a teacher reads it aloud.
    virtual QString spokenTask() const = 0;
    // Has a screen reader speak the task now on the screen.
    void speakTask() { speak(spokenTask()); }
    // A press of Conferma has drawn a new task: it is spoken, and a second
    // press that follows within the double-click interval belongs to the
    // same double click, so it must not judge the new, empty task.
    void newTaskByConferma();
    bool isSecondPressOfADoubleClick() const;

    void tmrtempo_Timer();

    // The registry's generator, asked for at every draw, so that a test can
    // hand in a scripted one at any time.
    Random &rnd() const;

    QLabel *lblmess = nullptr;
    QTimer *tmrtempo = nullptr;

private:
    QElapsedTimer m_newTaskByConferma;
};

// A typed answer or a copied caption is right only when it is exactly the
// plain decimal text of the expected number: nothing is trimmed or parsed.
bool matches(const QString &text, int expected);
