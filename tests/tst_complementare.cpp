// SPDX-License-Identifier: GPL-3.0-or-later

// The complementary fraction, frmcomplementare.
#include "frmcomplementare.h"
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

namespace {

const QString menu = QStringLiteral("frminizio");
const QString name = QStringLiteral("frmcomplementare");

using Terms = std::pair<int, int>;

} // namespace

class ComplementareTest : public ExerciseTest
{
    Q_OBJECT

private:
    // Opens the screen with a scripted generator; `attempts` are the draws,
    // numerator first.
    frmcomplementare *open(std::initializer_list<Terms> attempts)
    {
        ScriptedRandom &random = freshScript();
        for (const auto &[num, den] : attempts)
            random.then(num, 99).then(den, 99);
        return show<frmcomplementare>(name);
    }

    static QString shownTask(frmcomplementare *screen)
    {
        return screen->lbln->text() + '/' + screen->lbld->text();
    }

    static QList<QLineEdit *> boxes(frmcomplementare *screen)
    {
        return {screen->txtn1, screen->txtd1, screen->txtn2, screen->txtd2};
    }

    static void type(frmcomplementare *screen, const QStringList &texts)
    {
        const QList<QLineEdit *> all = boxes(screen);
        for (qsizetype i = 0; i < texts.size(); ++i)
            QTest::keyClicks(all[i], texts[i]);
    }

    static QStringList texts(frmcomplementare *screen)
    {
        QStringList result;
        for (QLineEdit *box : boxes(screen))
            result << box->text();
        return result;
    }

private slots:
    void screenMatchesItsTable()
    {
        frmcomplementare *screen = open({{3, 8}});
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Trovo la frazione complementare"));
        QCOMPARE(screen->size(), QSize(708, 479));
        const QColor pink(255, 192, 255);
        QCOMPARE(screen->palette().color(QPalette::Window), pink);
        QCOMPARE(screen->Picture1->geometry(), QRect(88, 16, 521, 129));
        QCOMPARE(screen->Picture2->geometry(), QRect(64, 160, 161, 265));
        for (Picture *picture : {screen->Picture1, screen->Picture2}) {
            QVERIFY(picture->isValid());
            QVERIFY(picture->naturalSize().width() <= picture->width());
            QVERIFY(picture->naturalSize().height() <= picture->height());
            QCOMPARE(picture->palette().color(QPalette::Window), pink);
        }
        QCOMPARE(screen->lbln->geometry(), QRect(280, 192, 41, 33));
        QCOMPARE(screen->txtn1->geometry(), QRect(392, 184, 57, 41));
        QCOMPARE(screen->txtd2->geometry(), QRect(520, 240, 57, 41));
        QCOMPARE(screen->Line2->mapToParent(screen->Line2->from()), QPointF(384, 232));
        QCOMPARE(screen->Line3->mapToParent(screen->Line3->to()), QPointF(584, 232));
        for (Line *bar : {screen->Line1, screen->Line2, screen->Line3})
            QCOMPARE(bar->lineWidth(), 3);
        QCOMPARE(screen->Label5->text(), QStringLiteral("+"));
        QCOMPARE(screen->Label6->text(), QStringLiteral("="));
        QCOMPARE(screen->Label1->text(), QStringLiteral("="));
        QCOMPARE(screen->Label2->text(), QStringLiteral("1"));
        QCOMPARE(screen->Label2->font().pointSizeF(), 24.0);
        QCOMPARE(screen->txtn1->font().pointSizeF(), 24.0);
        QCOMPARE(screen->lbld->palette().color(QPalette::Window), pink);
        QLabel *lblmess = message(screen);
        QCOMPARE(lblmess->geometry(), QRect(280, 328, 377, 49));
        QVERIFY(lblmess->font().italic());
        QCOMPARE(lblmess->font().pointSizeF(), 21.75);
        QCOMPARE(lblmess->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(screen->cmdconferma->text(), QStringLiteral("&Conferma"));
        QCOMPARE(screen->cmdconferma->geometry(), QRect(424, 408, 89, 33));

        QCOMPARE(shownTask(screen), QStringLiteral("3/8"));
        QVERIFY(lblmess->text().isEmpty());
        QCOMPARE(texts(screen), QStringList(4, QString()));
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QVERIFY(!tmrtempo->isActive());
        QCOMPARE(tmrtempo->interval(), 3000);
        QCOMPARE(screen->focusWidget(), screen->txtn1);
        QWidget *expected[] = {screen->txtd1,
                               screen->txtn2,
                               screen->txtd2,
                               screen->cmdconferma,
                               control<QPushButton>(screen, "cmdfine"),
                               screen->txtn1};
        QWidget *at = screen->txtn1;
        for (QWidget *next : expected) {
            QCOMPARE(nextFocusable(at), next);
            at = next;
        }
    }

    void rightAnswerDrawsANewTask_data()
    {
        QTest::addColumn<int>("num");
        QTest::addColumn<int>("den");
        QTest::addColumn<QStringList>("entry");
        QTest::newRow("3/8") << 3 << 8 << QStringList {"5", "8", "8", "8"};
        QTest::newRow("1/2") << 1 << 2 << QStringList {"1", "2", "2", "2"};
        QTest::newRow("98/99") << 98 << 99 << QStringList {"1", "99", "99", "99"};
        QTest::newRow("1/99") << 1 << 99 << QStringList {"98", "99", "99", "99"};
    }
    void rightAnswerDrawsANewTask()
    {
        QFETCH(int, num);
        QFETCH(int, den);
        QFETCH(QStringList, entry);
        frmcomplementare *screen = open({{num, den}, {37, 94}});
        type(screen, entry);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
        QCOMPARE(texts(screen), QStringList(4, QString()));
        QCOMPARE(shownTask(screen), QStringLiteral("37/94"));
        QCOMPARE(screen->focusWidget(), screen->txtn1);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());
        QVERIFY(scripted().exhausted());
        QCOMPARE(scripted().underruns(), 0);
    }

    void wrongAnswerKeepsTheTask_data()
    {
        QTest::addColumn<QStringList>("entry");
        QTest::addColumn<QStringList>("kept");
        const QString none;
        QTest::newRow("5 8 1 1") << QStringList {"5", "8", "1", "1"}
                                 << QStringList {"5", "8", none, none};
        QTest::newRow("all empty") << QStringList {} << QStringList(4, none);
        QTest::newRow("letters") << QStringList {"cinque", "8", "otto", "8"}
                                 << QStringList {none, "8", none, "8"};
        QTest::newRow("leading zero")
            << QStringList {"05", "8", "8", "08"} << QStringList {none, "8", "8", none};
        QTest::newRow("equivalent fraction")
            << QStringList {"10", "16", "8", "8"} << QStringList {none, none, "8", "8"};
        QTest::newRow("the whole as 1/1")
            << QStringList {"5", "8", "1", "1"} << QStringList {"5", "8", none, none};
        QTest::newRow("the given fraction")
            << QStringList {"3", "8", "8", "8"} << QStringList {none, "8", "8", "8"};
        QTest::newRow("spaces and signs")
            << QStringList {" 5", "8 ", "+8", "8,0"} << QStringList(4, none);
    }
    void wrongAnswerKeepsTheTask()
    {
        QFETCH(QStringList, entry);
        QFETCH(QStringList, kept);
        frmcomplementare *screen = open({{3, 8}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        type(screen, entry);
        // A wrong answer leaves the focus where the child had it.
        screen->txtd2->setFocus();
        QTest::keyClick(screen->txtd2, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(texts(screen), kept);
        QCOMPARE(shownTask(screen), QStringLiteral("3/8"));
        QCOMPARE(screen->focusWidget(), screen->txtd2);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());

        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(screen->focusWidget(), screen->cmdconferma);
        QCOMPARE(scripted().underruns(), 0);
    }

    void completingAWrongAnswerIsRight()
    {
        frmcomplementare *screen = open({{3, 8}, {1, 2}});
        type(screen, {"5", "8", "1", "1"});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QTest::keyClicks(screen->txtn2, QStringLiteral("8"));
        screen->txtd2->setFocus();
        QTest::keyClicks(screen->txtd2, QStringLiteral("8"));
        // Enter in a box presses nothing: no screen has a default button.
        QTest::keyClick(screen->txtd2, Qt::Key_Return);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
        QCOMPARE(shownTask(screen), QStringLiteral("1/2"));
    }

    void drawRejectsUntilTheFractionIsProper_data()
    {
        QTest::addColumn<QList<int>>("attempts"); // numerator, denominator, ...
        QTest::addColumn<QString>("shown");
        // The numerator comes first: 50, 3 is 50/3, not 3/50.
        QTest::newRow("equal, improper") << QList<int> {5, 5, 50, 3, 37, 94} << "37/94";
        QTest::newRow("extremes") << QList<int> {99, 99, 99, 1, 1, 1, 98, 99} << "98/99";
    }
    void drawRejectsUntilTheFractionIsProper()
    {
        QFETCH(QList<int>, attempts);
        QFETCH(QString, shown);
        ScriptedRandom &random = freshScript();
        for (int value : attempts)
            random.then(value, 99);
        auto *screen = show<frmcomplementare>(name);
        QCOMPARE(shownTask(screen), shown);
        QVERIFY(random.exhausted());
        QCOMPARE(random.underruns(), 0);
    }

    void leavingAndComingBackStartsAfresh()
    {
        ScriptedRandom &random = freshScript();
        random.then(3, 99).then(8, 99).then(1, 99).then(2, 99);
        registry->start();
        QTest::mouseClick(control<QPushButton>(registry->screen(menu), "cmdtrovo"), Qt::LeftButton);
        auto *screen = loadedAs<frmcomplementare>(*registry, name);
        QVERIFY(screen);
        QCOMPARE(random.seeds, 1);
        type(screen, {"5", "8", "8", "8"});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(shownTask(screen), QStringLiteral("1/2"));
        QCOMPARE(random.seeds, 1);
        QTest::keyClicks(screen->txtn1, QStringLiteral("1"));

        QTest::keyClick(screen->txtn1, Qt::Key_Escape);
        QCOMPARE(registry->loaded(), QStringList {menu});
        flushUnloaded();

        random.then(37, 99).then(94, 99);
        QTest::mouseClick(control<QPushButton>(registry->screen(menu), "cmdtrovo"), Qt::LeftButton);
        screen = loadedAs<frmcomplementare>(*registry, name);
        QCOMPARE(random.seeds, 2);
        QCOMPARE(shownTask(screen), QStringLiteral("37/94"));
        QVERIFY(message(screen)->text().isEmpty());
        QVERIFY(!control<QTimer>(screen, "tmrtempo")->isActive());
        QCOMPARE(texts(screen), QStringList(4, QString()));
        QCOMPARE(screen->focusWidget(), screen->txtn1);
        QCOMPARE(random.underruns(), 0);
    }

    void timerEmptiesTheMessageAfterANewTask()
    {
        frmcomplementare *screen = open({{3, 8}, {1, 2}});
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        type(screen, {"5", "8", "8", "8"});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
        QVERIFY(tmrtempo->isActive());
        QVERIFY(tmrtempo->remainingTime() > 2500);
        QTRY_VERIFY_WITH_TIMEOUT(message(screen)->text().isEmpty(), 5000);
        QCOMPARE(shownTask(screen), QStringLiteral("1/2"));
        QVERIFY(tmrtempo->isActive());
    }

    void anythingTypedIsJustWrong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("10,000 digits") << QString(10000, '5') << true;
        QTest::newRow("spaces") << QStringLiteral("   ") << false;
        QTest::newRow("arabic-indic digit") << QStringLiteral("\u0665") << true;
        QTest::newRow("full-width digit") << QStringLiteral("\uff15") << true;
        QTest::newRow("emoji") << QStringLiteral("\U0001f600") << true;
        QTest::newRow("lone surrogate") << QString(QChar(0xdc00)) << true;
        QTest::newRow("nul") << QStringLiteral("5") + QChar(0) << true;
        QTest::newRow("line break") << QStringLiteral("5\r\n") << true;
        QTest::newRow("fraction") << QStringLiteral("5/8") << false;
        QTest::newRow("vulgar fraction") << QStringLiteral("\u215d") << true;
        QTest::newRow("minus") << QStringLiteral("-5") << false;
    }
    void anythingTypedIsJustWrong()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        frmcomplementare *screen = open({{3, 8}});
        type(screen, {QString(), "8", "8", "8"});
        if (pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(screen->txtn1, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(screen->txtn1, text);
        }
        QVERIFY(!screen->txtn1->text().isEmpty());
        QVERIFY(screen->txtn1->text() != QLatin1String("5"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(texts(screen), (QStringList {QString(), "8", "8", "8"}));
        QCOMPARE(shownTask(screen), QStringLiteral("3/8"));
    }

    // Reports how long a check of four boxes full of pasted text takes; the
    // figure is for the record, not an assertion a slow machine could fail.
    void checkTimeWithLongText()
    {
        frmcomplementare *screen = open({{3, 8}});
        const QString pasted = QString(9999, '8') + QChar(0x00e8);
        std::vector<qint64> times;
        for (int round = 0; round < 60; ++round) {
            for (QLineEdit *box : boxes(screen))
                box->setText(pasted);
            // As on the screen: the pasted text has been laid out and shown.
            QCoreApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            screen->cmdconferma->click();
            times.push_back(clock.nsecsElapsed());
            QCOMPARE(texts(screen), QStringList(4, QString()));
        }
        std::sort(times.begin(), times.end());
        qInfo("check of four 10,000-character boxes: median %.1f us, 9 in 10 within %.1f us",
              times[times.size() / 2] / 1000.0, times[times.size() * 9 / 10] / 1000.0);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
    }

    // The real clock-seeded generator, sampled through the screen's own draw:
    // every task is a proper fraction with denominator up to 99, every one of
    // them turns up (the chance that a fair draw misses one is below 1e-7),
    // and they come up equally often (chi-square, see chiSquareLimit).
    void drawsCoverTheValidTasksUniformly()
    {
        std::set<Terms> valid;
        for (int den = 1; den <= 99; ++den)
            for (int num = 1; num < den; ++num)
                valid.emplace(num, den);
        QCOMPARE(int(valid.size()), 4851);

        registry = makeRegistry();
        auto *screen = show<frmcomplementare>(name);
        QVERIFY(screen);
        const int draws = 130000;
        std::map<Terms, int> counts;
        int broken = 0;
        for (int i = 0; i < draws; ++i) {
            screen->estrai();
            const int num = screen->lbln->text().toInt();
            const int den = screen->lbld->text().toInt();
            if (!(1 <= num && num < den && den <= 99))
                ++broken;
            ++counts[{num, den}];
        }
        QCOMPARE(broken, 0);
        std::set<Terms> seen;
        for (const auto &[task, count] : counts)
            seen.insert(task);
        QCOMPARE(seen.size(), valid.size());
        QVERIFY(seen == valid);
        const double statistic = chiSquare(counts, 4851, draws);
        qInfo("chi-square %.1f over 4851 tasks, limit %.1f", statistic, chiSquareLimit(4851));
        QVERIFY(statistic < chiSquareLimit(4851));
    }
};

QTEST_MAIN(ComplementareTest)
#include "tst_complementare.moc"
