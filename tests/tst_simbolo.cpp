// SPDX-License-Identifier: GPL-3.0-or-later

// The right-symbol exercise: six pairs, the symbol between them, the check.
#include "frmsimbolo.h"
#include "line.h"
#include "picture.h"
#include "testing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>
#include <set>

namespace {

const QString screenName = QStringLiteral("frmsimbolo");

struct Pair
{
    int a, b, c, d; // a/b and c/d
};

// Queues one accepted attempt of inventa for the pair, with its kind.
void queuePair(ScriptedRandom &script, const Pair &pair)
{
    if (pair.a == pair.c) {
        // The second numerator is drawn and then overwritten.
        script.then(1, 2).then(pair.a, 9).then(pair.b, 99).then(9, 9).then(pair.d, 99);
    } else {
        script.then(2, 2).then(pair.a, 9).then(pair.b, 99).then(pair.c, 9).then(1, 99);
    }
}

const std::array<Pair, 6> fixedPairs = {
    {{3, 7, 3, 45}, {2, 9, 2, 12}, {1, 20, 7, 20}, {8, 11, 8, 10}, {4, 9, 4, 9}, {2, 15, 7, 15}}};
const std::array<QString, 6> fixedAnswers = {">", ">", "<", "<", "=", "<"};

// The larger of two fractions found by cross-multiplying, not by the rules.
QString byValue(const Pair &p)
{
    const int left = p.a * p.d;
    const int right = p.c * p.b;
    return left < right ? QStringLiteral("<")
                        : (left > right ? QStringLiteral(">") : QStringLiteral("="));
}

} // namespace

class SimboloTest : public ExerciseTest
{
    Q_OBJECT

private:
    frmsimbolo *open() { return show<frmsimbolo>(screenName); }

    frmsimbolo *openWith(const std::array<Pair, 6> &pairs)
    {
        ScriptedRandom &scripted = freshScript();
        for (const Pair &pair : pairs)
            queuePair(scripted, pair);
        frmsimbolo *screen = open();
        if (!scripted.exhausted() || scripted.underruns() != 0)
            return nullptr;
        // The six pairs that a right answer brings next.
        for (const Pair &pair : fixedPairs)
            queuePair(scripted, pair);
        return screen;
    }

    static Pair shown(frmsimbolo *screen, int p)
    {
        return {screen->lbln[p][0]->text().toInt(), screen->lbld[p][0]->text().toInt(),
                screen->lbln[p][1]->text().toInt(), screen->lbld[p][1]->text().toInt()};
    }

    static QStringList captions(frmsimbolo *screen)
    {
        QStringList texts;
        for (int p = 0; p < 6; ++p)
            texts << screen->lbln[p][0]->text() << screen->lbld[p][0]->text()
                  << screen->lbln[p][1]->text() << screen->lbld[p][1]->text();
        return texts;
    }

    static QStringList answers(frmsimbolo *screen)
    {
        QStringList texts;
        for (QLineEdit *box : screen->txtsim)
            texts << box->text();
        return texts;
    }

    static void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

private slots:
    void layoutMatchesItsTables()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Inserisci il simbolo giusto"));
        QCOMPARE(screen->size(), QSize(708, 479));
        QCOMPARE(screen->palette().color(QPalette::Window), QColor(255, 192, 128));
        QCOMPARE(screen->Picture2->geometry(), QRect(16, 24, 673, 41));
        QCOMPARE(screen->Picture1->geometry(), QRect(16, 80, 193, 281));
        QVERIFY(screen->Picture1->isValid() && screen->Picture2->isValid());

        // Left of the first fraction, top of its numerator, per pair (twips).
        const int pairLeft[6] = {4320, 7680, 4320, 7680, 4320, 7680};
        const int pairTop[6] = {1560, 1560, 3000, 3000, 4440, 4440};
        const int barY[6] = {2160, 2160, 3600, 3600, 5040, 5040};
        const int boxLeft[6] = {5160, 8520, 5160, 8520, 5160, 8520};
        const int boxTop[6] = {1920, 1920, 3240, 3240, 4800, 4800};
        for (int p = 0; p < 6; ++p) {
            const QString pair = QStringLiteral("pair %1").arg(p + 1);
            for (int f = 0; f < 2; ++f) {
                const int left = pairLeft[p] + 1800 * f;
                const QString number = QStringLiteral("%1%2").arg(p + 1).arg(f + 1);
                QLabel *numerator = screen->lbln[p][f];
                QLabel *denominator = screen->lbld[p][f];
                QCOMPARE(numerator->objectName(), QStringLiteral("lbln") + number);
                QCOMPARE(denominator->objectName(), QStringLiteral("lbld") + number);
                QCOMPARE(numerator->geometry(), QRect(left / 15, pairTop[p] / 15, 41, 33));
                QCOMPARE(denominator->geometry(),
                         QRect(left / 15, (pairTop[p] + 720) / 15, 41, 33));
                QCOMPARE(numerator->font().pointSizeF(), 24.0);
                QVERIFY(numerator->alignment() & Qt::AlignHCenter);
                QVERIFY(denominator->alignment() & Qt::AlignHCenter);
                Line *bar = screen->bars[2 * p + f];
                QCOMPARE(bar->objectName(), QStringLiteral("Line%1").arg(2 * p + f + 1));
                const QPointF from = bar->geometry().topLeft() + bar->from();
                const QPointF to = bar->geometry().topLeft() + bar->to();
                QCOMPARE(from, QPointF((left - 120) / 15.0, barY[p] / 15.0));
                QCOMPARE(to, QPointF((left + 720) / 15.0, barY[p] / 15.0));
                QCOMPARE(bar->lineWidth(), 3);
                QCOMPARE(bar->colour(), QColor(Qt::black));
            }
            QLineEdit *box = screen->txtsim[p];
            QCOMPARE(box->objectName(), QStringLiteral("txtsim%1").arg(p + 1));
            QVERIFY2(box->geometry() == QRect(boxLeft[p] / 15, boxTop[p] / 15, 49, 37),
                     qPrintable(pair));
            QCOMPARE(box->font().pointSizeF(), 24.0);
            QVERIFY(box->alignment() & Qt::AlignHCenter);
            QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(screen->cmdconferma->text(), QStringLiteral("&Conferma"));
        QCOMPARE(screen->cmdconferma->geometry(), QRect(56, 384, 113, 33));
        auto *fine = control<QPushButton>(screen, "cmdfine");
        QVERIFY(fine);
        QCOMPARE(fine->text(), QStringLiteral("&Fine"));
        QCOMPARE(fine->geometry(), QRect(16, 440, 57, 25));
        auto *lblmess = control<QLabel>(screen, "lblmess");
        QVERIFY(lblmess);
        QCOMPARE(lblmess->geometry(), QRect(288, 408, 385, 41));
        QCOMPARE(lblmess->font().pointSizeF(), 21.75);
        QVERIFY(lblmess->font().italic());
        QVERIFY(lblmess->alignment() & Qt::AlignHCenter);
        QCOMPARE(lblmess->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(lblmess->text().isEmpty());
        auto *tmrtempo = screen->findChild<QTimer *>(QStringLiteral("tmrtempo"));
        QVERIFY(tmrtempo);
        QCOMPARE(tmrtempo->interval(), 3000);
        QVERIFY(!tmrtempo->isActive());

        // The pairs as drawn, in the order the labels are filled.
        QCOMPARE(captions(screen),
                 QStringList({"3", "7",  "3", "45", "2", "9", "2", "12", "1", "20", "7", "20",
                              "8", "11", "8", "10", "4", "9", "4", "9",  "2", "15", "7", "15"}));

        // Tab runs through the six boxes, then Conferma and Fine.
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
        QWidget *at = screen->txtsim[0];
        for (int p = 1; p < 6; ++p) {
            at = nextFocusable(at);
            QCOMPARE(at, screen->txtsim[p]);
        }
        QCOMPARE(nextFocusable(at), screen->cmdconferma);
        QCOMPARE(nextFocusable(screen->cmdconferma), fine);
    }

    void eachPairExpectsItsSymbol_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("3/7 3/45") << 3 << 7 << 3 << 45 << ">";
        QTest::newRow("2/9 2/12") << 2 << 9 << 2 << 12 << ">";
        QTest::newRow("1/20 7/20") << 1 << 20 << 7 << 20 << "<";
        QTest::newRow("8/11 8/10") << 8 << 11 << 8 << 10 << "<";
        QTest::newRow("4/9 4/9") << 4 << 9 << 4 << 9 << "=";
        QTest::newRow("3/7 3/12") << 3 << 7 << 3 << 12 << ">";
        QTest::newRow("2/15 7/15") << 2 << 15 << 7 << 15 << "<";
        QTest::newRow("9/10 1/10") << 9 << 10 << 1 << 10 << ">";
        QTest::newRow("1/99 1/2") << 1 << 99 << 1 << 2 << "<";
    }

    // Only the one symbol is right; the wrong ones are emptied.
    void eachPairExpectsItsSymbol()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, d);
        QFETCH(QString, symbol);
        std::array<Pair, 6> pairs = fixedPairs;
        pairs[3] = {a, b, c, d};
        std::array<QString, 6> right = fixedAnswers;
        right[3] = symbol;
        for (const QString &tried :
             {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("=")}) {
            frmsimbolo *screen = openWith(pairs);
            QVERIFY(screen);
            for (int p = 0; p < 6; ++p)
                type(screen->txtsim[p], p == 3 ? tried : right[p]);
            QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
            auto *lblmess = control<QLabel>(screen, "lblmess");
            if (tried == symbol) {
                QCOMPARE(lblmess->text(), QStringLiteral("Bravissimo!"));
            } else {
                QCOMPARE(lblmess->text(), QStringLiteral("Sbagliato, riprova!"));
                QVERIFY(screen->txtsim[3]->text().isEmpty());
                QCOMPARE(shown(screen, 3).b, b);
            }
            cleanup();
        }
    }

    void spacesOrExtraCharactersMakeAnAnswerWrong_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("space before") << QStringLiteral(" <");
        QTest::newRow("space after") << QStringLiteral("< ");
        QTest::newRow("space only") << QStringLiteral(" ");
        QTest::newRow("two symbols") << QStringLiteral("<<");
        QTest::newRow("less or equal") << QStringLiteral("<=");
        QTest::newRow("letter") << QStringLiteral("m");
        QTest::newRow("digit") << QStringLiteral("1");
        QTest::newRow("fraction") << QStringLiteral("3/7");
        QTest::newRow("math sign") << QStringLiteral("≤");
        QTest::newRow("full width") << QStringLiteral("＜");
        QTest::newRow("emoji") << QStringLiteral("😀<");
        QTest::newRow("right to left") << QStringLiteral("\u202e<");
        QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("<");
    }

    // Pair 3 expects "<"; anything else is wrong, emptied, and nothing breaks.
    void spacesOrExtraCharactersMakeAnAnswerWrong()
    {
        QFETCH(QString, typed);
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        const QStringList before = captions(screen);
        screen->txtsim[2]->setText(typed);
        for (int p : {0, 1, 3, 4, 5})
            type(screen->txtsim[p], fixedAnswers[p]);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato, riprova!"));
        QVERIFY(screen->txtsim[2]->text().isEmpty());
        QCOMPARE(captions(screen), before);
    }

    void tenThousandCharactersAreJustWrong()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        for (int p = 0; p < 6; ++p)
            screen->txtsim[p]->setText(QString(10000, QLatin1Char('<')));
        type(screen->txtsim[0], QStringLiteral("x"));
        QCOMPARE(screen->txtsim[0]->text().size(), 10001);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(answers(screen), QStringList(6, QString()));
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato, riprova!"));
    }

    void allBoxesEmptyIsWrongAndKeepsThePairs()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        const QStringList before = captions(screen);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(captions(screen), before);
        QCOMPARE(answers(screen), QStringList(6, QString()));
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
    }

    void fiveRightAndOneWrong()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        const QStringList before = captions(screen);
        for (int p = 0; p < 6; ++p)
            type(screen->txtsim[p], p == 4 ? QStringLiteral("<") : fixedAnswers[p]);
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(answers(screen), QStringList({">", ">", "<", "<", "", "<"}));
        QCOMPARE(captions(screen), before);
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());

        // The child corrects the empty box; all six are judged again.
        type(screen->txtsim[4], QStringLiteral("="));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Bravissimo!"));
    }

    // Typing and pressing Conferma by its access key, as a child does.
    void allSixRightBringSixNewPairs()
    {
        ScriptedRandom &scripted = freshScript();
        for (const Pair &pair : fixedPairs)
            queuePair(scripted, pair);
        const std::array<Pair, 6> next = {{{5, 6, 5, 8},
                                           {1, 2, 1, 3},
                                           {3, 4, 2, 4},
                                           {6, 99, 6, 98},
                                           {1, 2, 1, 2},
                                           {9, 98, 8, 98}}};
        for (const Pair &pair : next)
            queuePair(scripted, pair);
        frmsimbolo *screen = open();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(scripted.seeds, 1);
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
        for (int p = 0; p < 6; ++p) {
            QTest::keyClicks(screen->focusWidget(), fixedAnswers[p]);
            QTest::keyClick(screen->focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(answers(screen), QStringList(fixedAnswers.begin(), fixedAnswers.end()));
        QTest::keyClick(screen, Qt::Key_C, Qt::AltModifier);
        auto *lblmess = control<QLabel>(screen, "lblmess");
        QTRY_COMPARE(lblmess->text(), QStringLiteral("Bravissimo!"));
        QCOMPARE(captions(screen),
                 QStringList({"5", "6",  "5", "8",  "1", "2", "1", "3", "3", "4",  "2", "4",
                              "6", "99", "6", "98", "1", "2", "1", "2", "9", "98", "8", "98"}));
        QCOMPARE(answers(screen), QStringList(6, QString()));
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
        QVERIFY(scripted.exhausted());
        QCOMPARE(scripted.underruns(), 0);
        QCOMPARE(scripted.seeds, 1);
    }

    // The kind is drawn once per pair; every attempt draws four numbers,
    // also the one that the kind then overwrites.
    void rejectedAttemptsDrawFourNumbersAgain()
    {
        ScriptedRandom &scripted = freshScript();
        // Kind 2: 5/4 is improper, then 9/8 is; 3/8 and 5/8 pass.
        scripted.then(2, 2).then(5, 9).then(4, 99).then(3, 9).then(60, 99);
        scripted.then(3, 9).then(8, 99).then(9, 9).then(77, 99);
        scripted.then(3, 9).then(8, 99).then(5, 9).then(2, 99);
        // Kind 1: 9/9 is improper, then 9/50 and 9/1; 1/2 and 1/3 pass.
        scripted.then(1, 2).then(9, 9).then(50, 99).then(1, 9).then(9, 99);
        scripted.then(9, 9).then(50, 99).then(4, 9).then(1, 99);
        scripted.then(1, 9).then(2, 99).then(7, 9).then(3, 99);
        for (int p = 2; p < 6; ++p)
            queuePair(scripted, fixedPairs[p]);
        frmsimbolo *screen = open();
        QVERIFY(screen);
        QVERIFY(scripted.exhausted());
        QCOMPARE(scripted.underruns(), 0);
        QCOMPARE(captions(screen).mid(0, 12),
                 QStringList({"3", "8", "5", "8", "1", "2", "1", "3", "1", "20", "7", "20"}));
    }

    void theVerdictGoesAndTheAnswersStay()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        type(screen->txtsim[0], QStringLiteral(">"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        auto *lblmess = control<QLabel>(screen, "lblmess");
        auto *tmrtempo = control<QTimer>(screen, "tmrtempo");
        QCOMPARE(lblmess->text(), QStringLiteral("Sbagliato, riprova!"));
        QVERIFY(tmrtempo->isActive());
        QCOMPARE(tmrtempo->interval(), 3000);
        // Shorten the wait; the tick itself is what is under test.
        tmrtempo->setInterval(20);
        QTRY_VERIFY(lblmess->text().isEmpty());
        QCOMPARE(screen->txtsim[0]->text(), QStringLiteral(">"));
        QCOMPARE(captions(screen).first(), QStringLiteral("3"));
        QVERIFY(tmrtempo->isActive());
    }

    // Fine, then the exercise again: a fresh screen with new pairs.
    void comingBackStartsAfresh()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        auto &scripted = static_cast<ScriptedRandom &>(registry->random());
        type(screen->txtsim[0], QStringLiteral("="));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(screen, "cmdfine"), Qt::LeftButton);
        QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
        flushUnloaded();
        screen = open();
        QVERIFY(screen);
        QVERIFY(scripted.exhausted());
        QCOMPARE(scripted.underruns(), 0);
        QCOMPARE(captions(screen).mid(0, 4), QStringList({"3", "7", "3", "45"}));
        QCOMPARE(answers(screen), QStringList(6, QString()));
        QVERIFY(control<QLabel>(screen, "lblmess")->text().isEmpty());
        QVERIFY(!control<QTimer>(screen, "tmrtempo")->isActive());
        QCOMPARE(screen->focusWidget(), screen->txtsim[0]);
    }

    void escapeGoesBackToTheMenu()
    {
        frmsimbolo *screen = openWith(fixedPairs);
        QVERIFY(screen);
        QTest::keyClick(screen->txtsim[2], Qt::Key_Escape);
        QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
    }

    // Every pair the real generator makes is proper and shares a term; both
    // kinds come up equally often and every number of the ranges appears.
    void theRealGeneratorKeepsEveryPairValid()
    {
        registry = makeRegistry();
        frmsimbolo *screen = open();
        QVERIFY(screen);
        auto *lblmess = control<QLabel>(screen, "lblmess");
        // The rarest number, denominator 2, is on about 1 pair in 774:
        // 18000 pairs miss it with a chance below 1e-10.
        const int checks = 3000;
        int sharedNumerator = 0;
        int sharedDenominator = 0;
        int identical = 0;
        std::set<int> numerators;
        std::set<int> denominators;
        for (int round = 0; round < checks; ++round) {
            for (int p = 0; p < 6; ++p) {
                const Pair pair = shown(screen, p);
                QVERIFY(pair.a >= 1 && pair.c >= 1 && pair.a <= 9 && pair.c <= 9);
                QVERIFY(pair.b <= 99 && pair.d <= 99);
                QVERIFY(pair.a < pair.b && pair.c < pair.d);
                QVERIFY(pair.a == pair.c || pair.b == pair.d);
                if (pair.a == pair.c && pair.b == pair.d)
                    ++identical;
                else if (pair.a == pair.c)
                    ++sharedNumerator;
                else
                    ++sharedDenominator;
                numerators.insert({pair.a, pair.c});
                denominators.insert({pair.b, pair.d});
                screen->txtsim[p]->setText(byValue(pair));
            }
            screen->cmdconferma->click();
            QCOMPARE(lblmess->text(), QStringLiteral("Bravissimo!"));
        }
        QCOMPARE(numerators.size(), std::size_t(9));
        QCOMPARE(*numerators.begin(), 1);
        QCOMPARE(denominators.size(), std::size_t(98));
        QCOMPARE(*denominators.begin(), 2);

        // A kind-1 pair has equal denominators, and a kind-2 pair equal
        // numerators, as often as these counts of accepted attempts say.
        double kind1 = 0, kind1Same = 0, kind2 = 0, kind2Same = 0;
        for (int n = 1; n <= 9; ++n) {
            kind1 += (99.0 - n) * (99.0 - n);
            kind1Same += 99.0 - n;
        }
        for (int d = 2; d <= 99; ++d) {
            const double below = std::min(9, d - 1);
            kind2 += below * below;
            kind2Same += below;
        }
        const double total = 6.0 * checks;
        const double expected[3] = {0.5 * (1 - kind1Same / kind1), 0.5 * (1 - kind2Same / kind2),
                                    0.5 * (kind1Same / kind1 + kind2Same / kind2)};
        const int counted[3] = {sharedNumerator, sharedDenominator, identical};
        // Six standard deviations: a sound program fails once in 10^8 runs.
        for (int kind = 0; kind < 3; ++kind) {
            const double mean = total * expected[kind];
            const double sigma = std::sqrt(total * expected[kind] * (1 - expected[kind]));
            QVERIFY2(std::abs(counted[kind] - mean) < 6 * sigma,
                     qPrintable(QStringLiteral("kind %1: %2, expected %3")
                                    .arg(kind)
                                    .arg(counted[kind])
                                    .arg(mean)));
        }
    }
};

QTEST_MAIN(SimboloTest)
#include "tst_simbolo.moc"
