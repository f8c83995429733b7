// SPDX-License-Identifier: GPL-3.0-or-later

// The larger-fraction exercise: four fractions, the ring, the check.
#include "application.h"
#include "clickarea.h"
#include "frmmax.h"
#include "line.h"
#include "picture.h"
#include "shape.h"
#include "spoken.h"
#include "testing.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>
#include <random>
#include <set>

namespace {

const QString screenName = QStringLiteral("frmmax");
const QString right = QStringLiteral("Esatto, complimenti!");
const QString wrong = QStringLiteral("Hai sbagliato, riprova!");

// Queues one accepted attempt: the kind, the shared value, then the four others.
void queueTask(ScriptedRandom &script, int tipo, int shared, const std::array<int, 4> &values)
{
    script.then(tipo, 2).then(shared, 99);
    for (int value : values)
        script.then(value, 99);
}

} // namespace

class MaxTest : public ExerciseTest
{
    Q_OBJECT

private:
    frmmax *openWith(int tipo, int shared, const std::array<int, 4> &values)
    {
        ScriptedRandom &scripted = freshScript();
        queueTask(scripted, tipo, shared, values);
        registry->show(screenName);
        if (!scripted.exhausted() || scripted.underruns() != 0)
            return nullptr;
        return loadedAs<frmmax>(*registry, screenName);
    }

    static QStringList fractions(frmmax *screen)
    {
        QStringList texts;
        for (int k = 0; k < 4; ++k)
            texts << screen->lbln[k]->text() + QLatin1Char('/') + screen->lbld[k]->text();
        return texts;
    }

    static QList<bool> rings(frmmax *screen)
    {
        QList<bool> visible;
        for (Shape *ring : screen->cer)
            visible << ring->isVisibleTo(screen);
        return visible;
    }

    static int ringCount(frmmax *screen) { return int(rings(screen).count(true)); }

    static QString message(frmmax *screen) { return ExerciseTest::message(screen)->text(); }

    // Clicks the screen where the child would, on whatever lies on top there.
    static void clickAt(frmmax *screen, QPoint position)
    {
        QWidget *target = screen->childAt(position);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(screen, position));
    }

private slots:
    void layoutMatchesItsTables()
    {
        frmmax *screen = openWith(1, 5, {12, 7, 30, 9});
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Trovo la frazione maggiore"));
        QCOMPARE(screen->size(), QSize(708, 479));
        QCOMPARE(screen->palette().color(QPalette::Window), QColor(192, 192, 255));
        QCOMPARE(screen->Picture2->geometry(), QRect(24, 16, 657, 57));
        QCOMPARE(screen->Picture1->geometry(), QRect(448, 104, 209, 265));
        QVERIFY(screen->Picture1->isValid() && screen->Picture2->isValid());
        QCOMPARE(screen->Label1->text(), QStringLiteral("Fai clic con il mouse"));
        QCOMPARE(screen->Label1->geometry(), QRect(24, 88, 217, 33));
        QCOMPARE(screen->Label1->font().pointSizeF(), 15.75);
        QVERIFY(screen->Label1->font().bold());

        // Fraction k: numerator (left, top), bar y, ring corner, in twips.
        const int numeratorLeft[4] = {1440, 3600, 1440, 3600};
        const int numeratorTop[4] = {2520, 2520, 4560, 4560};
        const int denominatorTop[4] = {3240, 3240, 5280, 5280};
        const int barY[4] = {3120, 3120, 5160, 5160};
        const int ringLeft[4] = {1200, 3360, 1200, 3360};
        const int ringTop[4] = {2280, 2280, 4320, 4320};
        for (int k = 0; k < 4; ++k) {
            const QString number = QString::number(k + 1);
            QCOMPARE(screen->lbln[k]->objectName(), QStringLiteral("lbln") + number);
            QCOMPARE(screen->lbld[k]->objectName(), QStringLiteral("lbld") + number);
            QCOMPARE(screen->lbln[k]->geometry(),
                     QRect(numeratorLeft[k] / 15, numeratorTop[k] / 15, 41, 33));
            QCOMPARE(screen->lbld[k]->geometry(),
                     QRect(numeratorLeft[k] / 15, denominatorTop[k] / 15, 41, 33));
            QCOMPARE(screen->lbln[k]->font().pointSizeF(), 24.0);
            QVERIFY(screen->lbld[k]->alignment() & Qt::AlignHCenter);
            Line *bar = screen->bars[k];
            QCOMPARE(bar->objectName(), QStringLiteral("Line") + number);
            QCOMPARE(bar->geometry().topLeft() + bar->from(),
                     QPointF((numeratorLeft[k] - 120) / 15.0, barY[k] / 15.0));
            QCOMPARE(bar->geometry().topLeft() + bar->to(),
                     QPointF((numeratorLeft[k] + 720) / 15.0, barY[k] / 15.0));
            QCOMPARE(bar->lineWidth(), 3);
            const QRect around(ringLeft[k] / 15, ringTop[k] / 15, 73, 113);
            QCOMPARE(screen->cer[k]->objectName(), QStringLiteral("cer") + number);
            QCOMPARE(screen->cer[k]->geometry(), around);
            QCOMPARE(screen->cer[k]->colour(), QColor(255, 0, 0));
            QCOMPARE(screen->cer[k]->lineWidth(), 3);
            QCOMPARE(screen->sel[k]->objectName(), QStringLiteral("sel") + number);
            QCOMPARE(screen->sel[k]->geometry(), around);
            // The mouse never gives a fraction the focus; Tab reaches the first.
            QCOMPARE(screen->sel[k]->focusPolicy(), k == 0 ? Qt::TabFocus : Qt::NoFocus);
            const QStringList fraction = fractions(screen)[k].split(QLatin1Char('/'));
            QCOMPARE(screen->sel[k]->accessibleName(),
                     spokenFraction(fraction[0].toInt(), fraction[1].toInt()));
        }
        QCOMPARE(rings(screen), QList<bool>({false, false, false, false}));
        QCOMPARE(screen->cmdconferma->text(), QStringLiteral("&Conferma"));
        QCOMPARE(screen->cmdconferma->geometry(), QRect(320, 256, 89, 33));
        auto *fine = control<QPushButton>(screen, "cmdfine");
        QVERIFY(fine);
        QCOMPARE(fine->geometry(), QRect(16, 440, 57, 25));
        auto *lblmess = control<QLabel>(screen, "lblmess");
        QCOMPARE(lblmess->geometry(), QRect(384, 392, 281, 41));
        QCOMPARE(lblmess->font().pointSizeF(), 18.0);
        QVERIFY(lblmess->font().bold() && lblmess->font().italic());
        QCOMPARE(lblmess->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(lblmess->text().isEmpty());
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QCOMPARE(tmrtempo->interval(), 3000);
        QVERIFY(!tmrtempo->isActive());

        // Conferma has the focus; the fractions are one stop before it.
        QCOMPARE(screen->focusWidget(), screen->cmdconferma);
        QCOMPARE(nextFocusable(screen->cmdconferma), fine);
        QCOMPARE(nextFocusable(fine), screen->sel[0]);
        QCOMPARE(nextFocusable(screen->sel[0]), screen->cmdconferma);
    }

    void onlyTheLargestIsRight_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("shared");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("largest");
        QTest::newRow("5/12 5/7 5/30 5/9") << 1 << 5 << QList<int> {12, 7, 30, 9}
                                           << QStringList {"5/12", "5/7", "5/30", "5/9"} << 2;
        QTest::newRow("8/25 19/25 3/25 11/25")
            << 2 << 25 << QList<int> {8, 19, 3, 11}
            << QStringList {"8/25", "19/25", "3/25", "11/25"} << 2;
        QTest::newRow("denominators 9 12 45 10")
            << 1 << 7 << QList<int> {9, 12, 45, 10} << QStringList {"7/9", "7/12", "7/45", "7/10"}
            << 1;
        QTest::newRow("numerators 9 12 45 10")
            << 2 << 50 << QList<int> {9, 12, 45, 10}
            << QStringList {"9/50", "12/50", "45/50", "10/50"} << 3;
        QTest::newRow("95 over 96 to 99") << 1 << 95 << QList<int> {99, 97, 98, 96}
                                          << QStringList {"95/99", "95/97", "95/98", "95/96"} << 4;
    }

    // Every fraction is tried by clicking on its numerator; only the largest
    // brings praise and a new task, the others leave the task as it was.
    void onlyTheLargestIsRight()
    {
        QFETCH(int, tipo);
        QFETCH(int, shared);
        QFETCH(QList<int>, values);
        QFETCH(QStringList, shown);
        QFETCH(int, largest);
        for (int k = 1; k <= 4; ++k) {
            frmmax *screen = openWith(tipo, shared, {values[0], values[1], values[2], values[3]});
            QVERIFY(screen);
            QCOMPARE(fractions(screen), shown);
            auto &scripted = static_cast<ScriptedRandom &>(registry->random());
            queueTask(scripted, 2, 10, {1, 2, 3, 4});
            clickAt(screen, screen->lbln[k - 1]->geometry().center());
            QCOMPARE(ringCount(screen), 1);
            QVERIFY(screen->cer[k - 1]->isVisibleTo(screen));
            QVERIFY(message(screen).isEmpty());
            QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
            QCOMPARE(ringCount(screen), 0);
            QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());
            if (k == largest) {
                QCOMPARE(message(screen), right);
                QCOMPARE(fractions(screen), QStringList({"1/10", "2/10", "3/10", "4/10"}));
                QVERIFY(scripted.exhausted());
            } else {
                QCOMPARE(message(screen), wrong);
                QCOMPARE(fractions(screen), shown);
            }
            cleanup();
        }
    }

    void noRingIsAWrongAnswer()
    {
        frmmax *screen = openWith(1, 5, {12, 7, 30, 9});
        QVERIFY(screen);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen), wrong);
        QCOMPARE(fractions(screen), QStringList({"5/12", "5/7", "5/30", "5/9"}));
        QCOMPARE(ringCount(screen), 0);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());
        // Nothing more was drawn.
        QCOMPARE(static_cast<ScriptedRandom &>(registry->random()).underruns(), 0);
    }

    void onlyTheLastClickCounts()
    {
        // 5/6, fraction 3, is the largest: clicking 3, then 1, judges 1.
        frmmax *screen = openWith(1, 5, {7, 12, 6, 9});
        QVERIFY(screen);
        clickAt(screen, screen->lbld[2]->geometry().center());
        QCOMPARE(rings(screen), QList<bool>({false, false, true, false}));
        clickAt(screen, screen->sel[0]->geometry().topLeft() + QPoint(2, 2));
        QCOMPARE(rings(screen), QList<bool>({true, false, false, false}));
        clickAt(screen, screen->sel[0]->geometry().bottomRight() - QPoint(2, 2));
        QCOMPARE(rings(screen), QList<bool>({true, false, false, false}));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen), wrong);
        QCOMPARE(ringCount(screen), 0);

        // The same clicks the other way round find the largest, 5/6.
        clickAt(screen, screen->lbln[0]->geometry().center());
        clickAt(screen, screen->bars[2]->geometry().center());
        QCOMPARE(rings(screen), QList<bool>({false, false, true, false}));
        auto &scripted = static_cast<ScriptedRandom &>(registry->random());
        queueTask(scripted, 1, 1, {2, 3, 4, 5});
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen), right);
        QCOMPARE(ringCount(screen), 0);
    }

    // The kind is drawn once; a rejected attempt draws all five numbers again.
    void rejectedAttemptsDrawAgainAndKeepTheKind()
    {
        ScriptedRandom &scripted = freshScript();
        scripted.then(1, 2);
        // 40/40 is not proper; then 40/41 comes twice; then four good ones.
        for (int value : {40, 50, 60, 40, 70, 40, 41, 42, 41, 43, 40, 44, 43, 42, 41})
            scripted.then(value, 99);
        auto *screen = show<frmmax>(screenName);
        QVERIFY(screen);
        QVERIFY(scripted.exhausted());
        QCOMPARE(scripted.underruns(), 0);
        QCOMPARE(fractions(screen), QStringList({"40/44", "40/43", "40/42", "40/41"}));

        // Kind 2: a numerator equal to the denominator, then two equal ones.
        scripted.then(2, 2);
        for (int value : {5, 1, 2, 3, 5, 5, 1, 2, 3, 3, 5, 4, 2, 3, 1})
            scripted.then(value, 99);
        clickAt(screen, screen->lbln[3]->geometry().center());
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen), right);
        QVERIFY(scripted.exhausted());
        QCOMPARE(scripted.underruns(), 0);
        QCOMPARE(fractions(screen), QStringList({"4/5", "2/5", "3/5", "1/5"}));
        QCOMPARE(scripted.seeds, 1);
    }

    void theVerdictGoesAndTheTaskStays()
    {
        frmmax *screen = openWith(2, 25, {8, 19, 3, 11});
        QVERIFY(screen);
        clickAt(screen, screen->lbln[0]->geometry().center());
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen), wrong);
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QCOMPARE(tmrtempo->interval(), 3000);
        // Shorten the wait; the tick itself is what is under test.
        tmrtempo->setInterval(20);
        QTRY_VERIFY(message(screen).isEmpty());
        QCOMPARE(fractions(screen), QStringList({"8/25", "19/25", "3/25", "11/25"}));
    }

    // Clicks anywhere and keys of every sort, fast and in any order: at most
    // one ring, and the screen stays open.
    void anyClicksAndKeysLeaveAtMostOneRing()
    {
        registry = makeRegistry();
        auto *screen = show<frmmax>(screenName);
        QVERIFY(screen);
        auto *fine = control<QPushButton>(screen, "cmdfine");
        std::mt19937 pick(20261208);
        const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                                Qt::Key_1,    Qt::Key_Left,    Qt::Key_Down,  Qt::Key_C,
                                Qt::Key_Plus, Qt::Key_Enter};
        for (int step = 0; step < 3000; ++step) {
            switch (pick() % 4) {
            case 0:
            case 1: {
                // Fine would end the test by leaving the screen.
                const QPoint at(int(pick() % screen->width()), int(pick() % screen->height()));
                QWidget *target = screen->childAt(at);
                if (target && target != fine)
                    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(screen, at));
                break;
            }
            case 2: {
                QWidget *focused = screen->focusWidget() ? screen->focusWidget() : screen;
                Qt::Key key = keys[pick() % std::size(keys)];
                if (focused == fine && key != Qt::Key_C && key != Qt::Key_1)
                    key = Qt::Key_Tab;
                QTest::keyClick(focused, key, pick() % 3 == 0 ? Qt::AltModifier : Qt::NoModifier);
                break;
            }
            default:
                screen->cmdconferma->click();
                break;
            }
            QVERIFY(ringCount(screen) <= 1);
        }
        QCOMPARE(registry->loaded(), QStringList {screenName});
    }

    void escapeGoesBackToTheMenu()
    {
        frmmax *screen = openWith(1, 5, {12, 7, 30, 9});
        QVERIFY(screen);
        clickAt(screen, screen->lbln[1]->geometry().center());
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
    }

    // Every task the real generator makes: four different proper fractions
    // sharing one term, the judge agreeing with cross-multiplication, both
    // kinds equally often and every number from 1 to 99 in its place.
    void theRealGeneratorKeepsEveryTaskValid()
    {
        registry = makeRegistry();
        auto *screen = show<frmmax>(screenName);
        QVERIFY(screen);
        // Rarest are numerator 98 and denominator 2, each on about one task
        // in 970: 20000 tasks miss one with a chance below 1e-8.
        const int tasks = 20000;
        int sharedNumerator = 0;
        std::set<int> numerators;
        std::set<int> denominators;
        for (int task = 0; task < tasks; ++task) {
            std::array<int, 4> n {}, d {};
            for (int k = 0; k < 4; ++k) {
                n[k] = screen->lbln[k]->text().toInt();
                d[k] = screen->lbld[k]->text().toInt();
                QVERIFY(n[k] >= 1 && n[k] < d[k] && d[k] <= 99);
                numerators.insert(n[k]);
                denominators.insert(d[k]);
            }
            const bool kind1 = n[0] == n[1] && n[1] == n[2] && n[2] == n[3];
            const bool kind2 = d[0] == d[1] && d[1] == d[2] && d[2] == d[3];
            QVERIFY(kind1 != kind2);
            sharedNumerator += kind1;
            const std::array<int, 4> &differing = kind1 ? d : n;
            QCOMPARE(std::set<int>(differing.begin(), differing.end()).size(), std::size_t(4));
            int largest = 0;
            for (int k = 1; k < 4; ++k) {
                if (n[k] * d[largest] > n[largest] * d[k])
                    largest = k;
            }
            QTest::mouseClick(screen->sel[largest], Qt::LeftButton);
            screen->cmdconferma->click();
            QCOMPARE(message(screen), right);
        }
        QCOMPARE(numerators.size(), std::size_t(98));
        QCOMPARE(*numerators.begin(), 1);
        QCOMPARE(denominators.size(), std::size_t(98));
        QCOMPARE(*denominators.begin(), 2);
        // Six standard deviations of a fair coin: once in 10^8 runs.
        const double sigma = std::sqrt(tasks * 0.25);
        QVERIFY2(std::abs(sharedNumerator - tasks / 2.0) < 6 * sigma,
                 qPrintable(QString::number(sharedNumerator)));
    }
};

QTEST_MAIN(MaxTest)
#include "tst_max.moc"
