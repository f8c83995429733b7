// SPDX-License-Identifier: GPL-3.0-or-later

// The ordering exercise: five fractions that share a term, clicked down into
// five answer places in ascending or descending order.
#include "clickarea.h"
#include "frmordine.h"
#include "line.h"
#include "picture.h"
#include "shape.h"
#include "testing.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace {

const QString ordine = QStringLiteral("frmordine");
const QString right = QStringLiteral("Esatto, complimenti!");
const QString wrong = QStringLiteral("Sbagliato, riprova!");

using Values = std::vector<int>;

// The draws of one successful attempt: the kind, the shared value, then the
// five varying values by position.
void queueTask(ScriptedRandom &random, int tipo, int shared, const Values &varying)
{
    random.then(tipo, 2).then(shared, 99);
    for (int value : varying)
        random.then(value, 99);
}

QStringList texts(const std::array<QLabel *, 5> &labels)
{
    QStringList result;
    for (const QLabel *label : labels)
        result << label->text();
    return result;
}

QStringList fractions(const std::array<QLabel *, 5> &numerators,
                      const std::array<QLabel *, 5> &denominators)
{
    QStringList result;
    for (int k = 0; k < 5; ++k)
        result << numerators[k]->text() + '/' + denominators[k]->text();
    return result;
}

QStringList topRow(const frmordine *screen)
{
    return fractions(screen->lbln, screen->lbld);
}

QStringList answerRow(const frmordine *screen)
{
    return fractions(screen->lblrn, screen->lblrd);
}

QStringList split(const char *list)
{
    return QString::fromLatin1(list).split(' ');
}

} // namespace

class OrdineTest : public ExerciseTest
{
    Q_OBJECT

private:
    frmordine *openScreen() { return show<frmordine>(ordine); }

    // Opens the exercise on a task of the given kind; more tasks may be
    // queued afterwards for the draws that right answers make.
    frmordine *openWith(int tipo, int shared, const Values &varying,
                        ScriptedRandom **dice = nullptr)
    {
        ScriptedRandom &random = freshScript();
        random.strict = true;
        queueTask(random, tipo, shared, varying);
        if (dice)
            *dice = &random;
        return openScreen();
    }

    // A click where the child sees top fraction K (1 … 5): on its numerator.
    void clickTop(frmordine *screen, int k)
    {
        const QPoint centre = screen->lbln[k - 1]->geometry().center();
        QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, centre);
    }

    void clickTops(frmordine *screen, const Values &order)
    {
        for (int k : order)
            clickTop(screen, k);
    }

    void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Every fraction is either in the top row (numbers, line and click area
    // all shown) or copied into exactly one place; places fill from the left.
    void verifyBoard(const frmordine *screen)
    {
        QStringList placedTops;
        for (int k = 0; k < 5; ++k) {
            const bool inTop = !screen->img[k]->isHidden();
            QCOMPARE(!screen->lbln[k]->isHidden(), inTop);
            QCOMPARE(!screen->lbld[k]->isHidden(), inTop);
            QCOMPARE(!screen->topLine[k]->isHidden(), inTop);
            QVERIFY(!screen->lbln[k]->text().isEmpty());
            QVERIFY(!screen->lbld[k]->text().isEmpty());
            if (!inTop)
                placedTops << topRow(screen).at(k);
        }
        QStringList placed;
        for (int s = 0; s < 5; ++s) {
            const bool filled = !screen->placeLine[s]->isHidden();
            QCOMPARE(filled, s < placedTops.size());
            if (filled) {
                placed << answerRow(screen).at(s);
            } else {
                QVERIFY(screen->lblrn[s]->text().isEmpty());
                QVERIFY(screen->lblrd[s]->text().isEmpty());
            }
        }
        placedTops.sort();
        placed.sort();
        QCOMPARE(placed, placedTops);
    }

    void verifyFreshBoard(const frmordine *screen)
    {
        verifyBoard(screen);
        for (const ClickArea *area : screen->img)
            QVERIFY(!area->isHidden());
    }

private slots:
    void screenMatchesItsTable()
    {
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9});
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Metto in ordine le quotelle"));
        QCOMPARE(screen->size(), QSize(708, 479));
        QCOMPARE(screen->palette().color(QPalette::Window), QColor(255, 192, 192));
        QCOMPARE(screen->Picture1->geometry(), QRect(80, 16, 545, 57));
        QCOMPARE(screen->Picture2->geometry(), QRect(480, 104, 193, 217));
        QVERIFY(screen->Picture1->isValid() && screen->Picture2->isValid());
        for (int k = 0; k < 5; ++k) {
            const int x = 48 + 80 * k;
            QCOMPARE(screen->lbln[k]->objectName(), QStringLiteral("lbln%1").arg(k + 1));
            QCOMPARE(screen->lbln[k]->geometry(), QRect(x, 120, 41, 33));
            QCOMPARE(screen->lbld[k]->geometry(), QRect(x, 168, 41, 33));
            QCOMPARE(screen->img[k]->geometry(), QRect(x - 8, 112, 57, 97));
            QCOMPARE(screen->lblrn[k]->geometry(), QRect(x, 248, 41, 33));
            QCOMPARE(screen->lblrd[k]->geometry(), QRect(x, 296, 41, 33));
            QCOMPARE(screen->topLine[k]->objectName(), QStringLiteral("line%1").arg(k + 6));
            QCOMPARE(screen->placeLine[k]->objectName(), QStringLiteral("line%1").arg(k + 1));
            const QPoint top = screen->topLine[k]->pos();
            QCOMPARE(screen->topLine[k]->from() + top, QPointF(x - 8, 160));
            QCOMPARE(screen->topLine[k]->to() + top, QPointF(x + 48, 160));
            const QPoint place = screen->placeLine[k]->pos();
            QCOMPARE(screen->placeLine[k]->from() + place, QPointF(x - 8, 288));
            QCOMPARE(screen->placeLine[k]->to() + place, QPointF(x + 48, 288));
            QCOMPARE(screen->topLine[k]->lineWidth(), 3);
            QCOMPARE(screen->placeLine[k]->lineWidth(), 3);
            QVERIFY(!screen->topLine[k]->isHidden());
            QVERIFY(screen->placeLine[k]->isHidden());
            for (QLabel *label :
                 {screen->lbln[k], screen->lbld[k], screen->lblrn[k], screen->lblrd[k]}) {
                QCOMPARE(label->font().pointSizeF(), 24.0);
                QVERIFY(label->alignment() & Qt::AlignHCenter);
            }
            QCOMPARE(screen->lbln[k]->palette().color(QPalette::Window), QColor(255, 192, 192));
            QCOMPARE(screen->lblrn[k]->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(screen->lblrd[k]->text(), QString());
            QCOMPARE(screen->shapes[k]->objectName(), QStringLiteral("Shape%1").arg(k + 1));
            QCOMPARE(screen->shapes[k]->lineWidth(), 2);
        }
        // Shape2 frames the first place, Shape1 the second.
        QCOMPARE(screen->shapes[1]->geometry(), QRect(32, 240, 73, 97));
        QCOMPARE(screen->shapes[0]->geometry(), QRect(112, 240, 73, 97));
        QCOMPARE(screen->shapes[4]->geometry(), QRect(352, 240, 73, 97));

        auto *lblmess = control<QLabel>(screen, "lblmess");
        QVERIFY(lblmess);
        QCOMPARE(lblmess->geometry(), QRect(48, 368, 361, 49));
        QVERIFY(lblmess->font().italic());
        QCOMPARE(lblmess->font().pointSizeF(), 24.0);
        QCOMPARE(lblmess->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(lblmess->text(), QString());
        QCOMPARE(screen->cmdconferma->text(), QStringLiteral("&Conferma"));
        QCOMPARE(screen->cmdconferma->geometry(), QRect(424, 368, 81, 33));
        QCOMPARE(screen->cmdconferma->font().pointSizeF(), 9.75);
        QCOMPARE(screen->cmdannulla->text(), QStringLiteral("&Annulla"));
        QCOMPARE(screen->cmdannulla->geometry(), QRect(424, 408, 81, 33));
        auto *cmdfine = control<QPushButton>(screen, "cmdfine");
        QVERIFY(cmdfine);
        QCOMPARE(cmdfine->text(), QStringLiteral("&Fine"));
        QCOMPARE(screen->Frame1->title(), QStringLiteral("Ordine"));
        QCOMPARE(screen->Frame1->geometry(), QRect(528, 352, 161, 105));
        QCOMPARE(screen->Frame1->font().pointSizeF(), 14.25);
        QCOMPARE(screen->optcre->text(), QStringLiteral("Crescente"));
        QCOMPARE(screen->optcre->parentWidget(), screen->Frame1);
        QCOMPARE(screen->optcre->geometry(), QRect(16, 32, 121, 25));
        QCOMPARE(screen->optdecre->text(), QStringLiteral("Decrescente"));
        QCOMPARE(screen->optdecre->geometry(), QRect(16, 64, 137, 25));
        QCOMPARE(screen->optdecre->palette().color(screen->optdecre->backgroundRole()),
                 QColor(255, 192, 192));
        auto *tmrtempo = screen->findChild<QTimer *>(QStringLiteral("tmrtempo"));
        QVERIFY(tmrtempo);
        QCOMPARE(tmrtempo->interval(), 3000);
        QVERIFY(!tmrtempo->isActive());

        // "Crescente" is selected and has the focus; Tab then goes through
        // the buttons in their order.
        QVERIFY(screen->optcre->isChecked());
        QVERIFY(!screen->optdecre->isChecked());
        QCOMPARE(screen->focusWidget(), screen->optcre);
        QWidget *afterOptions = nextFocusable(screen->optcre);
        if (afterOptions == screen->optdecre)
            afterOptions = nextFocusable(screen->optdecre);
        QCOMPARE(afterOptions, cmdfine);
        QCOMPARE(nextFocusable(cmdfine), screen->cmdannulla);
        // The fractions, one stop, come just before Conferma.
        QCOMPARE(nextFocusable(screen->cmdannulla), screen->img[0]);
        QCOMPARE(nextFocusable(screen->img[0]), screen->cmdconferma);
    }

    void topRowShowsTheDrawInItsOrder()
    {
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9});
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
        QCOMPARE(answerRow(screen), split("/ / / / /"));
        QCOMPARE(screen->img[3]->accessibleName(), QStringLiteral("3 quarantesimi"));
        verifyFreshBoard(screen);

        screen = openWith(2, 50, {17, 3, 44, 20, 8});
        QCOMPARE(topRow(screen), split("17/50 3/50 44/50 20/50 8/50"));
    }

    void failedAttemptsAreDrawnAgainWhole()
    {
        ScriptedRandom &random = freshScript();
        random.strict = true;
        random.then(1, 2);
        // A repeated denominator, then a denominator equal to the numerator,
        // then one smaller: each attempt is drawn again from its shared value.
        for (const Values &attempt : {Values {3, 7, 12, 5, 7, 9}, Values {3, 7, 12, 5, 3, 9},
                                      Values {4, 7, 12, 2, 40, 9}, Values {3, 7, 12, 5, 40, 9}}) {
            for (int value : attempt)
                random.then(value, 99);
        }
        frmordine *screen = openScreen();
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
        QVERIFY(random.exhausted());
        QCOMPARE(random.underruns(), 0);

        ScriptedRandom &again = freshScript();
        again.strict = true;
        again.then(2, 2);
        for (const Values &attempt : {Values {50, 17, 3, 50, 20, 8}, Values {50, 17, 3, 44, 3, 8},
                                      Values {10, 9, 3, 4, 2, 1}}) {
            for (int value : attempt)
                again.then(value, 99);
        }
        screen = openScreen();
        QCOMPARE(topRow(screen), split("9/10 3/10 4/10 2/10 1/10"));
        QVERIFY(again.exhausted());
        QCOMPARE(again.underruns(), 0);
    }

    void clicksFillThePlacesFromTheLeft()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        queueTask(*random, 2, 50, {17, 3, 44, 20, 8});
        const Values clicks {4, 2, 5, 1, 3};
        const QStringList expected = split("3/40 3/12 3/9 3/7 3/5");
        for (int n = 0; n < 5; ++n) {
            const int k = clicks[n] - 1;
            clickTop(screen, clicks[n]);
            QVERIFY(screen->lbln[k]->isHidden());
            QVERIFY(screen->lbld[k]->isHidden());
            QVERIFY(screen->topLine[k]->isHidden());
            QVERIFY(screen->img[k]->isHidden());
            QVERIFY(!screen->placeLine[n]->isHidden());
            QCOMPARE(answerRow(screen).at(n), expected.at(n));
            verifyBoard(screen);
        }
        QCOMPARE(answerRow(screen), expected);
        // Nothing is judged on a click.
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QString());

        // No click area is left: a sixth click lands on nothing that moves.
        for (int k = 1; k <= 5; ++k)
            clickTop(screen, k);
        QCOMPARE(answerRow(screen), expected);
        verifyBoard(screen);

        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
        QVERIFY(screen->findChild<QTimer *>(QStringLiteral("tmrtempo"))->isActive());
        QCOMPARE(topRow(screen), split("17/50 3/50 44/50 20/50 8/50"));
        verifyFreshBoard(screen);
        QCOMPARE(answerRow(screen), split("/ / / / /"));
        QVERIFY(random->exhausted());
    }

    void sameDenominatorAscendsByNumerator()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(2, 50, {17, 3, 44, 20, 8}, &random);
        queueTask(*random, 1, 3, {7, 12, 5, 40, 9});
        clickTops(screen, {2, 5, 1, 4, 3});
        QCOMPARE(answerRow(screen), split("3/50 8/50 17/50 20/50 44/50"));
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
    }

    void decrescenteReversesTheExpectedOrder()
    {
        // Chosen before placing: largest first is right.
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        press(screen->optdecre);
        QVERIFY(screen->optdecre->isChecked() && !screen->optcre->isChecked());
        clickTops(screen, {3, 1, 5, 2});
        queueTask(*random, 2, 50, {17, 3, 44, 20, 8});
        clickTop(screen, 4);
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);

        // The next task is judged descending without choosing again.
        QCOMPARE(topRow(screen), split("17/50 3/50 44/50 20/50 8/50"));
        QVERIFY(screen->optdecre->isChecked());
        queueTask(*random, 1, 1, {2, 3, 4, 5, 6});
        clickTops(screen, {3, 4, 1, 5, 2});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
        QVERIFY(random->exhausted());
    }

    void largestFirstIsWrongWhileCrescente()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        clickTops(screen, {3, 1, 5, 2, 4});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), wrong);
        // The same task comes back from the start.
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
        verifyFreshBoard(screen);
        clickTops(screen, {3, 1, 5, 2, 4});
        press(screen->optdecre);
        queueTask(*random, 1, 1, {2, 3, 4, 5, 6});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
    }

    void optionsDuringPlacingMoveNothing()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(2, 50, {17, 3, 44, 20, 8}, &random);
        clickTops(screen, {3, 4});
        const QStringList before = answerRow(screen);
        press(screen->optdecre);
        QCOMPARE(answerRow(screen), before);
        QCOMPARE(topRow(screen), split("17/50 3/50 44/50 20/50 8/50"));
        verifyBoard(screen);
        clickTops(screen, {1, 5, 2});
        QCOMPARE(answerRow(screen), split("44/50 20/50 17/50 8/50 3/50"));

        // Back to "Crescente": the same row is now wrong.
        press(screen->optcre);
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), wrong);

        press(screen->optdecre);
        press(screen->optcre);
        queueTask(*random, 1, 3, {7, 12, 5, 40, 9});
        clickTops(screen, {2, 5, 1, 4, 3});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
    }

    void emptyOrPartialRowIsWrong()
    {
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), wrong);
        QVERIFY(screen->findChild<QTimer *>(QStringLiteral("tmrtempo"))->isActive());
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));

        // Four right places are still wrong, and the four come back.
        clickTops(screen, {4, 2, 5, 1});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), wrong);
        verifyFreshBoard(screen);
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
    }

    void secondConfermaJudgesAnEmptyRow()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        queueTask(*random, 2, 50, {17, 3, 44, 20, 8});
        clickTops(screen, {4, 2, 5, 1, 3});
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), wrong);
        QCOMPARE(topRow(screen), split("17/50 3/50 44/50 20/50 8/50"));
        QVERIFY(random->exhausted());
    }

    void annullaPutsEverythingBack()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        auto *lblmess = control<QLabel>(screen, "lblmess");
        auto *tmrtempo = screen->findChild<QTimer *>(QStringLiteral("tmrtempo"));

        // With nothing placed it changes nothing and shows no message.
        press(screen->cmdannulla);
        QCOMPARE(lblmess->text(), QString());
        QVERIFY(!tmrtempo->isActive());
        verifyFreshBoard(screen);

        press(screen->cmdconferma);
        QCOMPARE(lblmess->text(), wrong);
        press(screen->cmdannulla);
        QCOMPARE(lblmess->text(), wrong);

        clickTops(screen, {5, 1, 3});
        press(screen->cmdannulla);
        verifyFreshBoard(screen);
        QCOMPARE(topRow(screen), split("3/7 3/12 3/5 3/40 3/9"));
        QCOMPARE(answerRow(screen), split("/ / / / /"));
        QCOMPARE(lblmess->text(), wrong);

        // The task and its order survive an undo.
        queueTask(*random, 2, 50, {17, 3, 44, 20, 8});
        clickTops(screen, {4, 2, 5, 1, 3});
        press(screen->cmdconferma);
        QCOMPARE(lblmess->text(), right);
    }

    void eachKindIsJudgedByItsVaryingTerm()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        queueTask(*random, 1, 1, {2, 3, 4, 5, 6});
        clickTops(screen, {4, 2, 5, 1, 3});
        screen->lblrn[0]->setText(QStringLiteral("8"));
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);

        screen = openWith(2, 50, {17, 3, 44, 20, 8}, &random);
        queueTask(*random, 1, 1, {2, 3, 4, 5, 6});
        clickTops(screen, {2, 5, 1, 4, 3});
        screen->lblrd[2]->setText(QStringLiteral("51"));
        press(screen->cmdconferma);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
    }

    void keyboardPressesTheButtons()
    {
        ScriptedRandom *random = nullptr;
        frmordine *screen = openWith(1, 3, {7, 12, 5, 40, 9}, &random);
        queueTask(*random, 1, 1, {2, 3, 4, 5, 6});
        auto *lblmess = control<QLabel>(screen, "lblmess");
        clickTops(screen, {1, 2});
        QTest::keyClick(screen, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!screen->img[0]->isHidden());
        QTest::keyClick(screen, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(lblmess->text(), wrong);
        // The arrow keys move the selection, and the order with it.
        screen->optcre->setFocus();
        QTest::keyClick(screen->optcre, Qt::Key_Down);
        QVERIFY(screen->optdecre->isChecked());
        clickTops(screen, {3, 1, 5, 2, 4});
        QTest::keyClick(screen, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(lblmess->text(), right);
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
    }

    void reopeningStartsAfresh()
    {
        registry = makeRegistry();
        registry->setRandom(std::make_unique<Random>(20260512));
        frmordine *screen = openScreen();
        const QStringList first = topRow(screen);
        press(screen->optdecre);
        clickTops(screen, {2, 4});
        press(screen->cmdconferma);
        QTest::keyClick(screen, Qt::Key_Escape);
        flushUnloaded();
        QVERIFY(!registry->screen(ordine));

        // Every load seeds the generator again: the fixed seed gives the
        // same first task.
        screen = openScreen();
        QCOMPARE(topRow(screen), first);
        QVERIFY(screen->optcre->isChecked());
        QVERIFY(!screen->optdecre->isChecked());
        QCOMPARE(screen->focusWidget(), screen->optcre);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QString());
        QVERIFY(!screen->findChild<QTimer *>(QStringLiteral("tmrtempo"))->isActive());
        verifyFreshBoard(screen);
    }

    // Any clicks, as fast as they come, on fractions, places, options and
    // buttons: after each, every fraction is in the top row or in exactly
    // one place.
    void noClickSequenceLosesAFraction()
    {
        registry = makeRegistry();
        registry->setRandom(std::make_unique<Random>(20260512));
        frmordine *screen = openScreen();
        QWindow *window = screen->windowHandle();
        std::mt19937 dice(7);
        auto pick = [&dice](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(dice);
        };
        auto centreOf = [screen](QWidget *control) {
            return control->mapTo(screen, control->rect().center());
        };
        int rightAnswers = 0;
        for (int event = 0; event < 1500; ++event) {
            const int action = pick(0, 9);
            if (action <= 3) {
                // Anywhere over the two rows of fractions.
                const QPoint where(pick(30, 430), pick(110, 340));
                if (action == 3)
                    QTest::mouseDClick(window, Qt::LeftButton, {}, where);
                else
                    QTest::mouseClick(window, Qt::LeftButton, {}, where);
            } else if (action == 4) {
                QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(screen->optcre));
            } else if (action == 5) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, centreOf(screen->optdecre));
            } else if (action == 6) {
                QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(screen->cmdannulla));
            } else if (action == 7) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, centreOf(screen->cmdconferma));
            } else if (action == 8) {
                QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(screen->cmdconferma));
            } else {
                // A child who knows the answer: the remaining fractions in
                // the expected order, then "&Conferma".
                press(screen->cmdannulla);
                const bool ascending = screen->optcre->isChecked();
                Values order {1, 2, 3, 4, 5};
                const auto value = [screen](int k) {
                    return screen->task().fractions.tipo == 1 ? -screen->lbld[k - 1]->text().toInt()
                                                              : screen->lbln[k - 1]->text().toInt();
                };
                std::sort(order.begin(), order.end(), [&](int a, int b) {
                    return ascending ? value(a) < value(b) : value(a) > value(b);
                });
                clickTops(screen, order);
                verifyBoard(screen);
                press(screen->cmdconferma);
                QCOMPARE(control<QLabel>(screen, "lblmess")->text(), right);
                ++rightAnswers;
            }
            verifyBoard(screen);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after event %1").arg(event)));
        }
        QVERIFY(rightAnswers > 0);
        QCOMPARE(registry->screen(ordine), screen);
    }

    // With the real generator: every task is valid and both kinds come up
    // about equally often. Tolerances are over five standard deviations, so
    // a correct program fails less than once in a million runs.
    void drawsFollowTheRules()
    {
        registry = makeRegistry();
        frmordine *screen = openScreen();
        constexpr int tasks = 4000;
        int kindOne = 0;
        std::array<int, 5> smallestAt {};
        double sharedNumeratorSum = 0;
        for (int n = 0; n < tasks; ++n) {
            screen->estrai();
            const bool sameNumerator = screen->task().fractions.tipo == 1;
            kindOne += sameNumerator;
            const QStringList shared = texts(sameNumerator ? screen->lbln : screen->lbld);
            const QStringList varying = texts(sameNumerator ? screen->lbld : screen->lbln);
            std::set<int> values;
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(shared.at(k), shared.at(0));
                const int value = varying.at(k).toInt();
                QCOMPARE(varying.at(k), QString::number(value));
                QVERIFY(value >= 1 && value <= 99);
                values.insert(value);
            }
            const int common = shared.at(0).toInt();
            QCOMPARE(shared.at(0), QString::number(common));
            QCOMPARE(values.size(), std::size_t(5));
            if (sameNumerator) {
                QVERIFY(*values.begin() > common);
                sharedNumeratorSum += common;
            } else {
                QVERIFY(*values.rbegin() < common);
            }
            // The smallest fraction: largest denominator or smallest numerator.
            const int smallest = sameNumerator ? *values.rbegin() : *values.begin();
            ++smallestAt[varying.indexOf(QString::number(smallest))];

            // Sorting moves the values into the places they are expected in.
            screen->ordina(frmordine::Direction::Ascending);
            Values expected(values.begin(), values.end());
            if (sameNumerator)
                std::reverse(expected.begin(), expected.end());
            for (int k = 0; k < 5; ++k)
                QCOMPARE(sameNumerator ? screen->task().expected()[k].denominator
                                       : screen->task().expected()[k].numerator,
                         expected[k]);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY2(std::abs(kindOne - tasks / 2) <= 160, qPrintable(QString::number(kindOne)));
        // The top row is in draw order: the smallest fraction stands
        // anywhere, each position about a fifth of the time.
        for (int count : smallestAt)
            QVERIFY2(std::abs(count - tasks / 5) <= 140, qPrintable(QString::number(count)));

        // An attempt redraws its shared numerator too, so small numerators,
        // which leave room for five larger denominators, win: numerator n
        // weighs (99 - n)(98 - n)(97 - n)(96 - n)(95 - n).
        double weight = 0, mean = 0, square = 0;
        for (int n = 1; n <= 94; ++n) {
            const double w = double(99 - n) * (98 - n) * (97 - n) * (96 - n) * (95 - n);
            weight += w;
            mean += w * n;
            square += w * n * n;
        }
        mean /= weight;
        const double spread = std::sqrt(square / weight - mean * mean);
        const double observed = sharedNumeratorSum / kindOne;
        QVERIFY2(std::abs(observed - mean) <= 6 * spread / std::sqrt(kindOne),
                 qPrintable(QStringLiteral("%1 against %2").arg(observed).arg(mean)));
    }
};

QTEST_MAIN(OrdineTest)
#include "tst_ordine.moc"
