// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"
#include "settings.h"

#include <QElapsedTimer>
#include <QStringList>

class QLabel;
class QTimer;
class Random;
class Registry;

// What the six exercise screens share: the random generator, seeded at every
// loading, the verdict label lblmess that tmrtempo empties, and the whole of
// a press of Conferma. A screen judges its own answer and draws its own task.
class Exercise : public Page
{
    Q_OBJECT

public:
    Exercise(Registry &registry, const QString &name, const QString &caption,
             const QColor &background);

    // Seeds the generator, then draws the first task and speaks it.
    void Form_Load() override;

    // Draws a new task and shows it.
    virtual void estrai() = 0;

    QString reading() const override { return spokenTask(); }

    QPushButton *cmdconferma = nullptr;

    // What the number pad types into the answer boxes, besides "Cancella".
    QStringList padKeys() const override { return m_padKeys; }

protected:
    void setPadKeys(const QStringList &keys) { m_padKeys = keys; }

    // Builds lblmess: centred, italic, empty at start.
    QLabel *message(int left, int top, int width, int height, const Font &font, const QColor &text);
    // Builds "&Conferma", which runs cmdconferma_Click.
    void confermaButton(int left, int top, int width, int height, const Font &font, int tabIndex);

    // The outcome of judging an answer: what lblmess says, and whether the
    // answer was fully right, so that a new task follows.
    struct Verdict
    {
        QString text;
        bool right;
    };
    // Judges the answer on the screen; a wrong box is emptied here.
    virtual Verdict judge() = 0;

    // The task on the screen, the way a teacher reads it aloud.
    virtual QString spokenTask() const = 0;

    // The registry's generator, asked for at every draw, so that a test can
    // hand in a scripted one at any time.
    Random &rnd() const;
    // The teacher's settings in force, asked for at every draw.
    const Settings &settings() const;

    QLabel *lblmess = nullptr;
    QTimer *tmrtempo = nullptr;

private:
    Registry &m_registry;

    // Judges, writes and speaks the verdict and restarts tmrtempo, so that
    // every verdict stays readable for the full interval; after a fully
    // right answer it draws and speaks a new task.
    void cmdconferma_Click();
    void tmrtempo_Timer();

    // When Conferma last brought a new task: a second press within the
    // double-click interval belongs to the same double click, so it must
    // not judge the new, empty task.
    QElapsedTimer m_newTaskByConferma;
    // The digits, as a telephone's keypad has them.
    QStringList m_padKeys {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                           QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("0")};
};
