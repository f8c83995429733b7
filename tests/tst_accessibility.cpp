// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "application.h"
#include "clickarea.h"
#include "testing.h"
#include "voice.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

using Draws = std::vector<std::pair<int, int>>;

// What a screen reader is told to say without being asked, in order: an
// announcement is spoken each time it is shown.
QStringList heard;

class Listener : public QObject
{
public:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (auto *announcer = qobject_cast<Announcer *>(object);
            announcer && event->type() == QEvent::Show)
            heard << announcer->text();
        return false;
    }
};

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<Registry> registry;
    Listener listener;

    QAccessibleInterface *accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    QWidget *open(const char *name, const Draws &draws)
    {
        registry = makeRegistry();
        ScriptedRandom &scripted = script(*registry);
        for (const auto &[k, n] : draws)
            scripted.then(k, n);
        registry->show(QString::fromLatin1(name));
        return registry->screen(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
        qApp->installEventFilter(&listener);
    }
    void init() { heard.clear(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

    void picturesButtonsAndScreensAreNamed()
    {
        QWidget *menu = open("frminizio", {});
        QAccessibleInterface *window = accessible(menu);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Le quotelle"));
        for (const char *name : {"cmdcalcolo", "cmdconfronto", "cmdtrovo", "cmdripassa"}) {
            auto *button = control<QPushButton>(menu, name);
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(accessible(button)->text(QAccessible::Name), button->toolTip());
        }
        QCOMPARE(accessible(control<QPushButton>(menu, "cmdesci"))->text(QAccessible::Name),
                 QStringLiteral("Esci"));
    }

    void eachTaskIsSpokenAsItAppears_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("spoken");
        Draws symbols;
        for (int p = 0; p < 6; ++p)
            symbols.insert(symbols.end(), {{1, 2}, {3, 9}, {7, 99}, {5, 9}, {12, 99}});
        QTest::newRow("frmcalcolo")
            << "frmcalcolo" << Draws {{20, 999}, {3, 9}, {4, 9}} << "3 quarti di 80";
        QTest::newRow("frmcalcolo99")
            << "frmcalcolo99" << Draws {{2, 99}, {1, 9}, {2, 9}} << "un mezzo di 4";
        QTest::newRow("frmcomplementare")
            << "frmcomplementare" << Draws {{3, 99}, {7, 99}} << "3 settimi";
        QTest::newRow("frmsimbolo") << "frmsimbolo" << symbols
                                    << QStringList(6, QStringLiteral("3 settimi e 3 dodicesimi"))
                                           .join(QStringLiteral("; "));
        QTest::newRow("frmmax") << "frmmax"
                                << Draws {{1, 2}, {5, 99}, {12, 99}, {7, 99}, {30, 99}, {9, 99}}
                                << "5 dodicesimi, 5 settimi, 5 trentesimi, 5 noni";
        QTest::newRow("frmordine")
            << "frmordine"
            << Draws {{2, 2}, {50, 99}, {17, 99}, {3, 99}, {44, 99}, {20, 99}, {8, 99}}
            << "17 cinquantesimi, 3 cinquantesimi, 44 cinquantesimi, 20 cinquantesimi, "
               "8 cinquantesimi; in ordine crescente";
        QTest::newRow("frmintero") << "frmintero" << Draws {{20, 999}, {8, 9}, {9, 9}}
                                   << "Gli 8 noni di un numero sono 160.";
        QTest::newRow("frmdecimali")
            << "frmdecimali" << Draws {{2, 3}, {37, 999}} << "trentasette centesimi";
        QTest::newRow("frmpercentuale")
            << "frmpercentuale" << Draws {{80, 1000}, {25, 99}} << "25 per cento di 80";
    }

    void eachTaskIsSpokenAsItAppears()
    {
        QFETCH(QString, screen);
        QFETCH(Draws, draws);
        QFETCH(QString, spoken);
        QVERIFY(QTest::qWaitForWindowActive(open(qPrintable(screen), draws)));
        QTRY_COMPARE(heard, QStringList {spoken});
    }

    // Under a screen reader: the order being built, Ctrl+L, the end of the help.
    void eachStepIsHeard()
    {
        QWidget *screen =
            open("frmordine", {{1, 2}, {3, 99}, {7, 99}, {12, 99}, {5, 99}, {40, 99}, {9, 99}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        registry->voice().setScreenReaderRunning(true);
        for (const auto &[step, last] :
             {std::pair {"img1", "3 settimi al primo posto"},
              {"img4", "3 quarantesimi al secondo posto"},
              {"Ctrl+L", "crescente. In ordine finora: 3 settimi, 3 quarantesimi."},
              {"cmdannulla", "I posti sono di nuovo vuoti."},
              {"F1, F1, F1", "Questo è tutto l’aiuto."}}) {
            if (auto *clicked = screen->findChild<QWidget *>(QLatin1String(step)))
                QTest::mouseClick(clicked, Qt::LeftButton);
            else
                QTest::keySequence(screen, QKeySequence(QLatin1String(step)));
            QTRY_VERIFY2(heard.last().endsWith(QString::fromUtf8(last)), qPrintable(heard.last()));
        }
    }

    void theRulesAreReadWhenAPageOpens()
    {
        const struct
        {
            const char *page;
            const char *opening;
            const char *fractions;
        } pages[] = {
            {"frmregolecalcola", "Disegno: la frazione 2 terzi, con le frecce",
             "dividerlo: 2 terzi di 12, 12 diviso 3 uguale a 4, In questo modo ottengo un terzo di "
             "12. Poi devo guardare il numeratore per sapere quante parti sono state considerate "
             "e quindi moltiplicare 4 per 2 uguale a 8."},
            {"frmregolecomplementare",
             "Disegno: un quadrato diviso in 4 parti uguali, ognuna un quarto; una parte è "
             "colorata di blu. La parte colorata rappresenta un quarto dell'intero.",
             "un quarto più 3 quarti uguale a 4 quarti uguale a 1"},
            {"frmregoleconfronto", "Disegno: tre pentagoni, ognuno diviso in 5 parti uguali",
             "il numeratore più grande: 3 quinti"},
        };
        for (const auto &page : pages) {
            heard.clear();
            QVERIFY(QTest::qWaitForWindowActive(open(page.page, {})));
            QTRY_COMPARE(heard.size(), 1);
            QVERIFY2(heard[0].startsWith(QString::fromUtf8(page.opening)), qPrintable(heard[0]));
            QVERIFY2(heard[0].contains(QString::fromUtf8(page.fractions)), qPrintable(heard[0]));
        }
    }

    void everyVerdictIsSpokenOnceWithTheNewTask()
    {
        // 3/4 of 20, then 1/2 of 8.
        QWidget *screen = open("frmcalcolo", {{5, 999}, {3, 9}, {4, 9}, {4, 999}, {1, 9}, {2, 9}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTRY_COMPARE(heard, QStringList {QStringLiteral("3 quarti di 20")});
        auto *cmdconferma = control<QPushButton>(screen, "cmdconferma");
        QTest::mouseClick(cmdconferma, Qt::LeftButton);
        QTRY_COMPARE(heard.size(), 2);
        QCOMPARE(heard.last(),
                 QStringLiteral("Sbagliato! Controlla la divisione. "
                                "Ora in divisione, dividendo: vuota."));
        // The boxes as Tab reaches them, from the first, each answered as
        // its name says: 20 : 4 = 5, 5 x 3 = 15, 15.
        for (const auto &[name, answer] :
             {std::pair {"divisione, dividendo", "20"}, std::pair {"divisione, divisore", "4"},
              std::pair {"divisione, quoziente", "5"},
              std::pair {"moltiplicazione, primo fattore", "5"},
              std::pair {"moltiplicazione, secondo fattore", "3"},
              std::pair {"moltiplicazione, prodotto", "15"}, std::pair {"risultato", "15"}}) {
            QWidget *box = QApplication::focusWidget();
            QCOMPARE(accessible(box)->text(QAccessible::Name), QString::fromUtf8(name));
            QTest::keyClicks(box, QString::fromLatin1(answer));
            QTest::keyClick(box, Qt::Key_Tab);
        }
        QTest::mouseClick(cmdconferma, Qt::LeftButton);
        QTRY_COMPARE(heard.size(), 3);
        QCOMPARE(heard.last(), QStringLiteral("Bravissimo! un mezzo di 8"));
        // The timer empties the label without a word.
        control<QTimer>(screen, "tmrtempo")->setInterval(10);
        QTRY_COMPARE(control<QLabel>(screen, "lblmess")->text(), QString());
        QTest::qWait(50);
        QCOMPARE(heard.size(), 3);

        // Four wrong boxes make one verdict.
        heard.clear();
        screen = open("frmcomplementare", {{3, 99}, {7, 99}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTRY_COMPARE(heard.size(), 1);
        for (const char *box : {"txtn1", "txtd1", "txtn2", "txtd2"})
            QTest::keyClicks(control<QLineEdit>(screen, box), QStringLiteral("0"));
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(heard,
                 (QStringList {QStringLiteral("3 settimi"),
                               QStringLiteral("Sbagliato, riprova! Controlla il numeratore.")}));
    }

    void theFractionsToChooseAreOneStopForTheKeyboard()
    {
        // Shared numerator 5 over 12, 7, 30, 9.
        QWidget *screen = open("frmmax", {{1, 2}, {5, 99}, {12, 99}, {7, 99}, {30, 99}, {9, 99}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        auto *cmdconferma = control<QPushButton>(screen, "cmdconferma");
        auto *sel1 = control<QWidget>(screen, "sel1");
        auto *sel2 = control<QWidget>(screen, "sel2");
        QCOMPARE(QApplication::focusWidget(), cmdconferma);
        const QImage unmarked = screen->grab(sel2->geometry()).toImage();

        // The mouse chooses without taking the focus, so nothing is marked.
        QTest::mouseClick(sel2, Qt::LeftButton);
        QVERIFY(control<QWidget>(screen, "cer2")->isVisibleTo(screen));
        QCOMPARE(QApplication::focusWidget(), cmdconferma);

        // The fractions come just before Conferma; the arrows go round them.
        QTest::keyClick(cmdconferma, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), sel1);
        QTest::keyClick(sel1, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(screen, "sel4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), sel1);
        QTest::keyClick(sel1, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), sel2);
        QVERIFY(screen->grab(sel2->geometry()).toImage() != unmarked);
        QTest::keyClick(sel2, Qt::Key_Up);
        QTest::keyClick(sel1, Qt::Key_Space);
        QVERIFY(control<QWidget>(screen, "cer1")->isVisibleTo(screen));
        QVERIFY(!control<QWidget>(screen, "cer2")->isVisibleTo(screen));
        // Who cannot see the ring hears the choice as a toggle that is on.
        QVERIFY(accessible(sel1)->state().checkable && accessible(sel1)->state().checked);
        QVERIFY(accessible(sel2)->state().checkable && !accessible(sel2)->state().checked);
        // Tab leaves the group, and comes back where it left.
        QTest::keyClick(sel1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cmdconferma);
        QCOMPARE(screen->grab(sel2->geometry()).toImage(), unmarked);
        QTest::keyClick(cmdconferma, Qt::Key_Return);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(),
                 QStringLiteral("Hai sbagliato, riprova!"));
        QTest::keyClick(cmdconferma, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), sel1);
        QTest::keyClick(sel1, Qt::Key_Right);
        QTest::keyClick(sel2, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(sel2, Qt::Key_Tab);
        QTest::keyClick(cmdconferma, Qt::Key_Space);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(),
                 QStringLiteral("Esatto, complimenti!"));
    }

    void aChosenFractionHandsTheFocusOn()
    {
        QWidget *screen =
            open("frmordine", {{1, 2}, {3, 99}, {7, 99}, {12, 99}, {5, 99}, {40, 99}, {9, 99}});
        QVERIFY(QTest::qWaitForWindowActive(screen));
        auto *cmdconferma = control<QPushButton>(screen, "cmdconferma");
        cmdconferma->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cmdconferma, Qt::Key_Backtab);
        // In ascending order: 3/40, 3/12, 3/9, 3/7, 3/5.
        for (const int k : {4, 2, 5, 1, 3}) {
            auto *area = control<QWidget>(screen, qPrintable(QStringLiteral("img%1").arg(k)));
            while (QApplication::focusWidget() != area) {
                QVERIFY(qobject_cast<ClickArea *>(QApplication::focusWidget()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            }
            QTest::keyClick(area, Qt::Key_Space);
            QVERIFY(area->isHidden());
        }
        QCOMPARE(QApplication::focusWidget(), cmdconferma);
        QTest::keyClick(cmdconferma, Qt::Key_Return);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(),
                 QStringLiteral("Esatto, complimenti!"));
    }

    void aDoubleClickOnConfermaJudgesOnce()
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(200);
        // 3/4 of 20, then 1/2 of 8.
        QWidget *screen = open("frmcalcolo", {{5, 999}, {3, 9}, {4, 9}, {4, 999}, {1, 9}, {2, 9}});
        auto *cmdconferma = control<QPushButton>(screen, "cmdconferma");
        auto *lblmess = control<QLabel>(screen, "lblmess");
        for (const auto &[box, answer] :
             {std::pair {"txtiniz", "20"}, std::pair {"txtden", "4"}, std::pair {"txtsris", "5"},
              std::pair {"txtsris2", "5"}, std::pair {"txtnum", "3"}, std::pair {"txtris2", "15"},
              std::pair {"txtris", "15"}})
            QTest::keyClicks(control<QLineEdit>(screen, box), QString::fromLatin1(answer));
        // A double click is two clicks, as the window system delivers it.
        const auto doubleClick = [&cmdconferma] {
            QTest::mouseClick(cmdconferma, Qt::LeftButton);
            QTest::mouseClick(cmdconferma, Qt::LeftButton);
        };
        doubleClick();
        QCOMPARE(lblmess->text(), QStringLiteral("Bravissimo!"));
        QCOMPARE(control<QLabel>(screen, "lbliniz")->text(), QStringLiteral("8"));
        // Later, an empty answer is judged as ever.
        QTest::qWait(250);
        QTest::mouseClick(cmdconferma, Qt::LeftButton);
        QCOMPARE(lblmess->text(), QStringLiteral("Sbagliato!"));
        // A press that drew no new task silences nothing.
        lblmess->clear();
        doubleClick();
        QCOMPARE(lblmess->text(), QStringLiteral("Sbagliato!"));

        // Enter twice on Conferma, after a right choice.
        screen = open("frmmax", {{1, 2}, {5, 99}, {12, 99}, {7, 99}, {30, 99}, {9, 99}});
        cmdconferma = control<QPushButton>(screen, "cmdconferma");
        lblmess = control<QLabel>(screen, "lblmess");
        QTest::mouseClick(control<QWidget>(screen, "sel2"), Qt::LeftButton);
        QTest::keyClick(cmdconferma, Qt::Key_Return);
        QTest::keyClick(cmdconferma, Qt::Key_Return);
        QCOMPARE(lblmess->text(), QStringLiteral("Esatto, complimenti!"));
        QTest::qWait(250);
        QTest::keyClick(cmdconferma, Qt::Key_Return);
        QCOMPARE(lblmess->text(), QStringLiteral("Hai sbagliato, riprova!"));
    }

    void aFractionToChooseCanBePressedByName()
    {
        // Shared numerator 5 over 12, 7, 30, 9; then, once that is solved,
        // shared denominator 50 under 17, 3, 44, 20.
        QWidget *screen = open("frmmax",
                               {{1, 2},
                                {5, 99},
                                {12, 99},
                                {7, 99},
                                {30, 99},
                                {9, 99},
                                {2, 2},
                                {50, 99},
                                {17, 99},
                                {3, 99},
                                {44, 99},
                                {20, 99}});
        QAccessibleInterface *area = accessible(control<QWidget>(screen, "sel2"));
        QCOMPARE(area->role(), QAccessible::RadioButton);
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("5 settimi"));
        QAccessibleActionInterface *actions = area->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(control<QWidget>(screen, "cer2")->isVisibleTo(screen));
        QVERIFY(!control<QWidget>(screen, "cer1")->isVisibleTo(screen));
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QCOMPARE(accessible(control<QLabel>(screen, "lblmess"))->text(QAccessible::Name),
                 QStringLiteral("Esatto, complimenti!"));
        // The names follow the new task.
        QCOMPARE(accessible(control<QWidget>(screen, "sel1"))->text(QAccessible::Name),
                 QStringLiteral("17 cinquantesimi"));
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("3 cinquantesimi"));
    }

    void theFractionReadOutFollowsEveryTask()
    {
        // 3/7, then 5/12 once it is completed.
        QWidget *screen = open("frmcomplementare", {{3, 99}, {7, 99}, {5, 99}, {12, 99}});
        auto *lbln = control<QLabel>(screen, "lbln");
        QCOMPARE(accessible(lbln)->text(QAccessible::Description), QStringLiteral("3 settimi"));
        QCOMPARE(accessible(control<QLineEdit>(screen, "txtn1"))->text(QAccessible::Name),
                 QStringLiteral("numeratore della frazione complementare"));
        for (const auto &[box, answer] : {std::pair {"txtn1", "4"}, std::pair {"txtd1", "7"},
                                          std::pair {"txtn2", "7"}, std::pair {"txtd2", "7"}})
            QTest::keyClicks(control<QLineEdit>(screen, box), QString::fromLatin1(answer));
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QCOMPARE(accessible(control<QLabel>(screen, "lblmess"))->text(QAccessible::Name),
                 QStringLiteral("Esatto, complimenti!"));
        QCOMPARE(accessible(lbln)->text(QAccessible::Name), QStringLiteral("5"));
        QCOMPARE(accessible(lbln)->text(QAccessible::Description), QStringLiteral("5 dodicesimi"));
        QCOMPARE(accessible(control<QLabel>(screen, "lbld"))->text(QAccessible::Description),
                 QStringLiteral("5 dodicesimi"));
        QCOMPARE(accessible(control<QWidget>(screen, "Line1"))->text(QAccessible::Name),
                 QStringLiteral("5 dodicesimi"));
        QVERIFY(accessible(lbln)->state().invisible);
    }

    void aSymbolBoxNamesItsPair()
    {
        // Six pairs, each the same numerator 3 over 7 and 12.
        std::vector<std::pair<int, int>> draws;
        for (int p = 0; p < 6; ++p)
            draws.insert(draws.end(), {{1, 2}, {3, 9}, {7, 99}, {5, 9}, {12, 99}});
        QWidget *screen = open("frmsimbolo", draws);
        QCOMPARE(accessible(control<QLineEdit>(screen, "txtsim1"))->text(QAccessible::Name),
                 QStringLiteral("simbolo tra 3 settimi e 3 dodicesimi"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
