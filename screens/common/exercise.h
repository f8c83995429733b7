// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help.h"
#include "page.h"
#include "settings.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>

#include <functional>

class HelpPanel;
class PadKeys;
class QLabel;
class QLineEdit;
class TimesTable;
class QTimer;
class Random;
class Registry;

// What the six exercise screens share: the random generator, seeded at every
// loading, the verdict label lblmess that tmrtempo empties, and the whole of
// a press of Conferma, and the help for a child who is stuck. A screen draws
// its task, hands its answer to the lesson's judgement and says what help
// the lesson gives.
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

    // The task, then the help when it shows.
    QString reading() const override;

    // The help on the screen; level 0 when none shows.
    Help shownHelp() const;
    // A new task is on the screen: the help starts again.
    void taskChanged();

    QPushButton *cmdconferma = nullptr;

    // The times table, shown and hidden with F2, where the screen has one.
    bool timesTableShown() const;

    // The rectangle, in twips, where the screen's aids may go: the number
    // pad, the help, the times table. Usually the illustration's place, more
    // where the screen has room; nothing the child reads or presses lies in
    // it. The aids are placed within it by placeAids (aidarea.h).
    virtual QRect aidArea() const = 0;

    void setZoom(qreal factor) override;

    // F1, and the pad's "?", show the next level of help; F2 and "×" the
    // times table, where the teacher allowed it; F3 the teacher's form.
    bool programKey(KeyAction action, bool run) override;
    // What F3 opens: the teacher's form, where the screen has one.
    void setTeacherTask(std::function<void()> open) { m_teacherTask = std::move(open); }

    // What the number pad types into the answer boxes, besides "Cancella".
    // "?" asks for help, as F1 does; "×" shows the times table, as F2 does.
    QStringList padKeys() const override;

protected:
    void setPadKeys(const QStringList &keys) { m_padKeys = keys; }

    // Builds lblmess: centred, italic, empty at start.
    QLabel *message(int left, int top, int width, int height, const Font &font, const QColor &text);
    // Builds "&Conferma", which runs cmdconferma_Click.
    void confermaButton(int left, int top, int width, int height, const Font &font, int tabIndex);

    // The outcome of judging an answer: what lblmess says, whether the
    // answer was fully right, so that a new task follows, and what the
    // lesson found wrong.
    struct Verdict
    {
        QString text;
        bool right;
        Judgement judgement;
    };
    // Judges the answer on the screen; a wrong box is emptied here.
    virtual Verdict judge() = 0;
    // The verdict on a judgement, with the screen's words for right and wrong.
    static Verdict verdict(const Judgement &judgement, const QString &right, const QString &wrong)
    {
        return {judgement.allRight() ? right : wrong, judgement.allRight(), judgement};
    }
    // Empties the boxes, listed as the judgement lists them, that it found wrong.
    static void emptyWrong(const Judgement &judgement, const std::vector<QLineEdit *> &boxes);

    // The task on the screen, the way a teacher reads it aloud.
    virtual QString spokenTask() const = 0;

    // The help at a level for the task on the screen, about what the last
    // judgement found wrong.
    virtual Help helpAt(int level, const Judgement &last) const = 0;
    // Marks the pair the help is about while it shows; -1 takes the mark
    // away. A screen whose help names no pair has nothing to mark.
    virtual void markHelped(int /*pair*/) { }
    // The row of the times table that answers the task; a screen without a
    // table gives row 0.
    virtual int timesTableRow() const { return 0; }

    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // What the help says follows the task, as when the order asked for
    // changes; the level stays.
    void helpChanged();

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
    // Shows the help at a level, and says it when it is new.
    void showHelp(int level);
    void toggleTimesTable();
    bool timesTableAllowed() const;
    // The pad, the help and the table within the aid area, clear of each
    // other, or taking turns where they do not all fit.
    void arrangeAids();

    // When Conferma last brought a new task: a second press within the
    // double-click interval belongs to the same double click, so it must
    // not judge the new, empty task.
    QElapsedTimer m_newTaskByConferma;
    // The help for the task on the screen, when the teacher has not switched
    // it off for a test in class: how often it was answered wrong,
    // the last judgement and the level reached. Nothing outlives the task.
    int m_wrong = 0;
    int m_helpLevel = 0;
    Judgement m_last;
    QPointer<HelpPanel> m_help;
    QPointer<TimesTable> m_table;
    QPointer<PadKeys> m_pad;
    // Whether F2 asked for the table, and whether it was asked for after
    // the help, so that it shows when the two take turns.
    bool m_tableWanted = false;
    bool m_tableInFront = false;
    bool m_turns = false;
    std::function<void()> m_teacherTask;
    // The digits, as a telephone's keypad has them.
    QStringList m_padKeys {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                           QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("0")};
};
