// SPDX-License-Identifier: GPL-3.0-or-later

// The fraction of a number, within 100 (frmcalcolo99) and within 1000 (frmcalcolo).
#include "frmcalcolo.h"
#include "line.h"
#include "picture.h"
#include "statistics.h"
#include "testing.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

const QString menu = QStringLiteral("frminizio");

// Queues one attempt of the draw, in the order the screen draws its values.
void queueTask(ScriptedRandom &random, int quotients, int sris, int num, int den)
{
    random.then(sris, quotients).then(num, 9).then(den, 9);
}

int quotientsOf(const QString &name)
{
    return name == QLatin1String("frmcalcolo") ? 999 : 99;
}

// The seven boxes in their tab order.
const char *const boxNames[] = {"txtiniz", "txtden",  "txtsris", "txtsris2",
                                "txtnum",  "txtris2", "txtris"};

// The fully right entry for 3/4 of 80.
const std::map<QString, QString> rightFor80 = {
    {"txtiniz", "80"}, {"txtden", "4"},   {"txtsris", "20"}, {"txtsris2", "20"},
    {"txtnum", "3"},   {"txtris2", "60"}, {"txtris", "60"}};

using Task = std::tuple<int, int, int>; // starting number, numerator, denominator

} // namespace

class CalcoloTest : public ExerciseTest
{
    Q_OBJECT

private:
    // Opens the screen with a scripted generator; `tasks` are the attempts
    // of the draw, each as quotient, numerator, denominator.
    frmcalcolo *open(const QString &name, std::initializer_list<Task> tasks)
    {
        ScriptedRandom &random = freshScript();
        for (const auto &[sris, num, den] : tasks)
            queueTask(random, quotientsOf(name), sris, num, den);
        return show<frmcalcolo>(name);
    }

    static QLineEdit *box(frmcalcolo *screen, const QString &name)
    {
        return control<QLineEdit>(screen, qPrintable(name));
    }

    static void type(frmcalcolo *screen, const std::map<QString, QString> &entry)
    {
        for (const auto &[name, text] : entry)
            QTest::keyClicks(box(screen, name), text);
    }

    static QString shownTask(frmcalcolo *screen)
    {
        return screen->lblnum->text() + '/' + screen->lblden->text() + QStringLiteral(" di ")
            + screen->lbliniz->text();
    }

    static void ranges()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("within 1000") << QStringLiteral("frmcalcolo");
        QTest::newRow("within 100") << QStringLiteral("frmcalcolo99");
    }

private slots:
    void screenMatchesItsTable_data() { ranges(); }
    void screenMatchesItsTable()
    {
        QFETCH(QString, name);
        frmcalcolo *screen = open(name, {{20, 3, 4}});
        QVERIFY(screen);
        const bool within1000 = name == QLatin1String("frmcalcolo");
        QCOMPARE(screen->windowTitle(),
                 within1000 ? QStringLiteral("Calcolo le quotelle entro il 1000")
                            : QStringLiteral("Calcolo le quotelle entro il 100"));
        QCOMPARE(screen->size(), QSize(708, 479));
        const QColor background = within1000 ? QColor(192, 255, 255) : QColor(192, 255, 192);
        QCOMPARE(screen->palette().color(QPalette::Window), background);
        QCOMPARE(screen->Picture2->geometry(), QRect(16, 24, 673, 57));
        QCOMPARE(screen->Picture1->geometry(),
                 within1000 ? QRect(504, 120, 145, 329) : QRect(480, 128, 169, 289));
        for (Picture *picture : {screen->Picture1, screen->Picture2}) {
            QVERIFY(picture->isValid());
            QVERIFY(picture->naturalSize().width() <= picture->width());
            QVERIFY(picture->naturalSize().height() <= picture->height());
            QCOMPARE(picture->palette().color(QPalette::Window), background);
        }
        QCOMPARE(screen->txtiniz->geometry(), QRect(80, 208, 65, 41));
        QCOMPARE(screen->txtris->geometry(), QRect(288, 128, 73, 41));
        QCOMPARE(screen->Label1->geometry(), QRect(216, 216, 41, 33));
        QCOMPARE(screen->Line1->mapToParent(screen->Line1->from()), QPointF(72, 144));
        QCOMPARE(screen->Line1->mapToParent(screen->Line1->to()), QPointF(128, 144));
        QCOMPARE(screen->Line1->lineWidth(), 3);
        QCOMPARE(screen->Label5->text(), QStringLiteral("di"));
        QCOMPARE(screen->Label7->text(), QStringLiteral("="));
        QCOMPARE(screen->Label8->text(), QStringLiteral(":"));
        QCOMPARE(screen->Label9->text(), QStringLiteral("x"));
        // The signs between the boxes overlap them by a pixel; the boxes win.
        for (QLineEdit *box : {screen->txtiniz, screen->txtden, screen->txtsris2, screen->txtnum})
            QCOMPARE(screen->childAt(box->geometry().right(), box->geometry().center().y()), box);
        QCOMPARE(screen->lbliniz->font().pointSizeF(), 24.0);
        QCOMPARE(screen->txtnum->font().pointSizeF(), 24.0);
        QCOMPARE(screen->txtnum->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(screen->lbliniz->palette().color(QPalette::Window), background);
        QLabel *lblmess = message(screen);
        QCOMPARE(lblmess->geometry(), QRect(80, 336, 241, 49));
        QVERIFY(lblmess->font().italic());
        QCOMPARE(lblmess->font().pointSizeF(), 24.0);
        QCOMPARE(lblmess->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(screen->cmdconferma->text(), QStringLiteral("&Conferma"));
        QCOMPARE(screen->cmdconferma->geometry(), QRect(152, 400, 97, 33));

        // What the child finds on opening: the task, empty boxes and message,
        // the timer still, the cursor in txtiniz.
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
        QVERIFY(lblmess->text().isEmpty());
        for (const char *name : boxNames)
            QVERIFY2(box(screen, name)->text().isEmpty(), name);
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QVERIFY(!tmrtempo->isActive());
        QCOMPARE(tmrtempo->interval(), 3000);
        QCOMPARE(screen->focusWidget(), screen->txtiniz);

        // Tab walks the three rows as they are written, then the buttons.
        QWidget *expected[] = {screen->txtden,      screen->txtsris,
                               screen->txtsris2,    screen->txtnum,
                               screen->txtris2,     screen->txtris,
                               screen->cmdconferma, control<QPushButton>(screen, "cmdfine"),
                               screen->txtiniz};
        QWidget *at = screen->txtiniz;
        for (QWidget *next : expected) {
            QCOMPARE(nextFocusable(at), next);
            at = next;
        }
    }

    void rightAnswerDrawsANewTask_data() { ranges(); }
    void rightAnswerDrawsANewTask()
    {
        QFETCH(QString, name);
        frmcalcolo *screen = open(name, {{20, 3, 4}, {7, 2, 5}});
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
        type(screen, rightFor80);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Bravissimo!"));
        for (const char *name : boxNames)
            QVERIFY2(box(screen, name)->text().isEmpty(), name);
        QCOMPARE(shownTask(screen), QStringLiteral("2/5 di 35"));
        QCOMPARE(screen->focusWidget(), screen->txtiniz);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());
        QVERIFY(scripted().exhausted());
        QCOMPARE(scripted().underruns(), 0);

        // The new task is judged against its own numbers.
        scripted().then(20, quotientsOf(name)).then(3, 9).then(4, 9);
        type(screen,
             {{"txtiniz", "35"},
              {"txtden", "5"},
              {"txtsris", "7"},
              {"txtsris2", "7"},
              {"txtnum", "2"},
              {"txtris2", "14"},
              {"txtris", "14"}});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Bravissimo!"));
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
    }

    void swappedFactorsAreRightWhenEqual()
    {
        // 3/4 of 12: the quotient is 3, the same as the numerator.
        frmcalcolo *screen = open(QStringLiteral("frmcalcolo99"), {{3, 3, 4}, {20, 3, 4}});
        type(screen,
             {{"txtiniz", "12"},
              {"txtden", "4"},
              {"txtsris", "3"},
              {"txtsris2", "3"},
              {"txtnum", "3"},
              {"txtris2", "9"},
              {"txtris", "9"}});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Bravissimo!"));
    }

    void wrongAnswerKeepsTheTask_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("changed"); // box=text, replacing the right entry
        QTest::addColumn<QStringList>("emptied");
        for (const char *range : {"frmcalcolo", "frmcalcolo99"}) {
            auto row = [range](const char *tag, QStringList changed, QStringList emptied) {
                QTest::addRow("%s: %s", range, tag)
                    << QString::fromLatin1(range) << changed << emptied;
            };
            row("060 in txtris2", {"txtris2=060"}, {"txtris2"});
            row("leading zero in txtiniz", {"txtiniz=080"}, {"txtiniz"});
            row("swapped division", {"txtiniz=4", "txtden=80"}, {"txtiniz", "txtden"});
            row("letters", {"txtden=quattro", "txtris=sessanta"}, {"txtden", "txtris"});
            row("sign", {"txtris=+60"}, {"txtris"});
            row("leading space", {"txtsris= 20"}, {"txtsris"});
            row("trailing space", {"txtsris=20 "}, {"txtsris"});
            row("decimal comma", {"txtris2=60,0"}, {"txtris2"});
            row("decimal point", {"txtris2=60.0"}, {"txtris2"});
            row("unreduced denominator", {"txtden=8"}, {"txtden"});
            row("all empty",
                {"txtiniz=", "txtden=", "txtsris=", "txtsris2=", "txtnum=", "txtris2=", "txtris="},
                {});
        }
    }
    void wrongAnswerKeepsTheTask()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, changed);
        QFETCH(QStringList, emptied);
        frmcalcolo *screen = open(name, {{20, 3, 4}});
        std::map<QString, QString> entry = rightFor80;
        for (const QString &change : changed)
            entry[change.section('=', 0, 0)] = change.section('=', 1);
        type(screen, entry);
        // The mouse leaves the focus on the button; the check takes it back.
        screen->txtris->setFocus();
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato!"));
        for (const auto &[box, text] : entry) {
            const QString expected = emptied.contains(box) ? QString() : text;
            QCOMPARE(this->box(screen, box)->text(), expected);
        }
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
        QCOMPARE(screen->focusWidget(), screen->txtiniz);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());
        QCOMPARE(scripted().underruns(), 0);
    }

    void accessKeyChecksFromAnyBox()
    {
        frmcalcolo *screen = open(QStringLiteral("frmcalcolo"), {{20, 3, 4}, {7, 2, 5}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClicks(screen->txtiniz, QStringLiteral("80"));
        screen->txtnum->setFocus();
        QTest::keyClick(screen->txtnum, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(message(screen)->text(), QStringLiteral("Sbagliato!"));
        QCOMPARE(screen->txtiniz->text(), QStringLiteral("80"));
        QCOMPARE(screen->focusWidget(), screen->txtiniz);

        // Enter in a box presses nothing: no screen has a default button.
        message(screen)->clear();
        type(screen,
             {{"txtden", "4"},
              {"txtsris", "20"},
              {"txtsris2", "20"},
              {"txtnum", "3"},
              {"txtris2", "60"},
              {"txtris", "60"}});
        screen->txtris->setFocus();
        QTest::keyClick(screen->txtris, Qt::Key_Return);
        QVERIFY(message(screen)->text().isEmpty());
        QTest::keyClick(screen->txtris, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(message(screen)->text(), QStringLiteral("Bravissimo!"));
        QCOMPARE(shownTask(screen), QStringLiteral("2/5 di 35"));
    }

    void drawRejectsUntilBothTestsHold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("attempts"); // quotient, numerator, denominator, ...
        QTest::addColumn<QString>("shown");
        // A numerator drawn before the denominator: 2, 9, 5 is 9/5, not 5/9.
        QTest::newRow("100: improper, equal, at the limit")
            << QStringLiteral("frmcalcolo99")
            << QList<int> {2, 9, 5, 20, 4, 4, 25, 3, 4, 50, 1, 2, 11, 8, 9} << "8/9 di 99";
        QTest::newRow("1000: at the limit, then the largest")
            << QStringLiteral("frmcalcolo") << QList<int> {250, 1, 4, 500, 1, 2, 111, 8, 9}
            << "8/9 di 999";
        QTest::newRow("1000: the smallest")
            << QStringLiteral("frmcalcolo") << QList<int> {1, 1, 1, 1, 2, 1, 1, 1, 2} << "1/2 di 2";
        QTest::newRow("100: largest quotient")
            << QStringLiteral("frmcalcolo99") << QList<int> {99, 1, 2, 49, 1, 2} << "1/2 di 98";
    }
    void drawRejectsUntilBothTestsHold()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, attempts);
        QFETCH(QString, shown);
        ScriptedRandom &random = freshScript();
        for (qsizetype i = 0; i < attempts.size(); i += 3)
            queueTask(random, quotientsOf(name), attempts[i], attempts[i + 1], attempts[i + 2]);
        auto *screen = show<frmcalcolo>(name);
        QCOMPARE(shownTask(screen), shown);
        QVERIFY(random.exhausted());
        QCOMPARE(random.underruns(), 0);
    }

    void leavingAndComingBackStartsAfresh()
    {
        ScriptedRandom &random = freshScript();
        queueTask(random, 999, 20, 3, 4);
        queueTask(random, 999, 7, 2, 5);
        registry->start();
        QTest::mouseClick(control<QPushButton>(registry->screen(menu), "cmdcalcolo"),
                          Qt::LeftButton);
        QTest::mouseClick(
            control<QPushButton>(registry->screen(QStringLiteral("frmscelta")), "cmd1000"),
            Qt::LeftButton);
        auto *screen = loadedAs<frmcalcolo>(*registry, QStringLiteral("frmcalcolo"));
        QVERIFY(screen);
        QCOMPARE(random.seeds, 1);
        type(screen, rightFor80);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(shownTask(screen), QStringLiteral("2/5 di 35"));
        // A new task after a right answer comes from the same seed.
        QCOMPARE(random.seeds, 1);
        QTest::keyClicks(screen->txtiniz, QStringLiteral("35"));

        QTest::keyClick(screen->txtiniz, Qt::Key_Escape);
        QCOMPARE(registry->loaded(), QStringList {menu});
        flushUnloaded();

        queueTask(random, 999, 111, 8, 9);
        QTest::mouseClick(control<QPushButton>(registry->screen(menu), "cmdcalcolo"),
                          Qt::LeftButton);
        QTest::mouseClick(
            control<QPushButton>(registry->screen(QStringLiteral("frmscelta")), "cmd1000"),
            Qt::LeftButton);
        screen = loadedAs<frmcalcolo>(*registry, QStringLiteral("frmcalcolo"));
        QCOMPARE(random.seeds, 2);
        QCOMPARE(shownTask(screen), QStringLiteral("8/9 di 999"));
        QVERIFY(message(screen)->text().isEmpty());
        QVERIFY(!control<QTimer>(screen, "tmrtempo")->isActive());
        for (const char *name : boxNames)
            QVERIFY2(box(screen, name)->text().isEmpty(), name);
        QCOMPARE(screen->focusWidget(), screen->txtiniz);
        QCOMPARE(random.underruns(), 0);
    }

    void timerEmptiesTheMessageAfterANewTask()
    {
        frmcalcolo *screen = open(QStringLiteral("frmcalcolo99"), {{20, 3, 4}, {7, 2, 5}});
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato!"));
        type(screen, rightFor80);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Bravissimo!"));
        // The verdict restarted the period: it is read for the full 3 seconds.
        QVERIFY(tmrtempo->isActive());
        QVERIFY(tmrtempo->remainingTime() > 2500);
        QTRY_VERIFY_WITH_TIMEOUT(message(screen)->text().isEmpty(), 5000);
        // The tick empties the message and nothing else.
        QCOMPARE(shownTask(screen), QStringLiteral("2/5 di 35"));
        QVERIFY(tmrtempo->isActive());
    }

    void anythingTypedIsJustWrong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("10,000 digits") << QString(10000, '8') << true;
        QTest::newRow("the answer and 9,998 more")
            << QStringLiteral("80") + QString(9998, '0') << true;
        QTest::newRow("spaces") << QStringLiteral("   ") << false;
        QTest::newRow("a space inside") << QStringLiteral("8 0") << false;
        QTest::newRow("no-break space") << QStringLiteral("80\u00a0") << true;
        QTest::newRow("arabic-indic digits") << QStringLiteral("\u0668\u0660") << true;
        QTest::newRow("full-width digits") << QStringLiteral("\uff18\uff10") << true;
        QTest::newRow("superscript digits") << QStringLiteral("\u2078\u2070") << true;
        QTest::newRow("zero-width space") << QStringLiteral("8\u200b0") << true;
        QTest::newRow("right-to-left mark") << QStringLiteral("\u200f80") << true;
        QTest::newRow("combining accent") << QStringLiteral("80\u0301") << true;
        QTest::newRow("emoji") << QStringLiteral("\U0001f600") << true;
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << true;
        QTest::newRow("nul") << QStringLiteral("8") + QChar(0) + QStringLiteral("0") << true;
        QTest::newRow("tab") << QStringLiteral("\t80") << true;
        QTest::newRow("line break") << QStringLiteral("80\n") << true;
        QTest::newRow("escape and bell") << QStringLiteral("\x1b\a80") << true;
        QTest::newRow("minus") << QStringLiteral("-80") << false;
        QTest::newRow("hexadecimal") << QStringLiteral("0x50") << false;
        QTest::newRow("exponent") << QStringLiteral("8e1") << false;
        QTest::newRow("a sum") << QStringLiteral("20*4") << false;
    }
    void anythingTypedIsJustWrong()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        frmcalcolo *screen = open(QStringLiteral("frmcalcolo"), {{20, 3, 4}});
        std::map<QString, QString> entry = rightFor80;
        entry.erase(QStringLiteral("txtiniz"));
        type(screen, entry);
        if (pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(screen->txtiniz, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(screen->txtiniz, text);
        }
        QVERIFY(!screen->txtiniz->text().isEmpty());
        QVERIFY(screen->txtiniz->text() != QLatin1String("80"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato!"));
        QVERIFY(screen->txtiniz->text().isEmpty());
        for (const auto &[name, right] : entry)
            QCOMPARE(box(screen, name)->text(), right);
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
    }

    // Reports how long a check of seven boxes full of pasted text takes; the
    // figure is for the record, not an assertion a slow machine could fail.
    void checkTimeWithLongText()
    {
        frmcalcolo *screen = open(QStringLiteral("frmcalcolo"), {{20, 3, 4}});
        const QString pasted = QString(9999, '8') + QChar(0x00e8);
        std::vector<qint64> times;
        for (int round = 0; round < 60; ++round) {
            for (const char *name : boxNames)
                box(screen, name)->setText(pasted);
            // As on the screen: the pasted text has been laid out and shown.
            QCoreApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            screen->cmdconferma->click();
            times.push_back(clock.nsecsElapsed());
            QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato!"));
            QVERIFY(screen->txtiniz->text().isEmpty());
        }
        std::sort(times.begin(), times.end());
        qInfo("check of seven 10,000-character boxes: median %.1f us, 9 in 10 within %.1f us",
              times[times.size() / 2] / 1000.0, times[times.size() * 9 / 10] / 1000.0);
        QCOMPARE(shownTask(screen), QStringLiteral("3/4 di 80"));
    }

    // The real clock-seeded generator, sampled through the screen's own draw:
    // every task satisfies the invariants, every valid task turns up (the
    // chance that a fair draw misses one is below 1e-7), and they come up
    // equally often (chi-square, see chiSquareLimit).
    void drawsCoverTheValidTasksUniformly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("validTasks");
        QTest::addColumn<int>("draws");
        QTest::newRow("within 1000") << QStringLiteral("frmcalcolo") << 1000 << 6146 << 160000;
        QTest::newRow("within 100") << QStringLiteral("frmcalcolo99") << 100 << 599 << 20000;
    }
    void drawsCoverTheValidTasksUniformly()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        QFETCH(int, validTasks);
        QFETCH(int, draws);
        std::set<Task> valid;
        for (int den = 1; den <= 9; ++den)
            for (int num = 1; num < den; ++num)
                for (int start = den; start < limit; start += den)
                    valid.emplace(start, num, den);
        QCOMPARE(int(valid.size()), validTasks);

        registry = makeRegistry();
        auto *screen = show<frmcalcolo>(name);
        QVERIFY(screen);
        std::map<Task, int> counts;
        int broken = 0;
        for (int i = 0; i < draws; ++i) {
            screen->estrai();
            const int start = screen->lbliniz->text().toInt();
            const int num = screen->lblnum->text().toInt();
            const int den = screen->lblden->text().toInt();
            if (!(1 <= num && num < den && den <= 9 && start % den == 0 && start >= 2
                  && start < limit))
                ++broken;
            ++counts[{start, num, den}];
        }
        QCOMPARE(broken, 0);
        std::set<Task> seen;
        for (const auto &[task, count] : counts)
            seen.insert(task);
        QCOMPARE(seen.size(), valid.size());
        QVERIFY(seen == valid);
        const double statistic = chiSquare(counts, validTasks, draws);
        qInfo("chi-square %.1f over %d tasks, limit %.1f", statistic, validTasks,
              chiSquareLimit(validTasks));
        QVERIFY(statistic < chiSquareLimit(validTasks));
    }
};

QTEST_MAIN(CalcoloTest)
#include "tst_calcolo.moc"
