// SPDX-License-Identifier: GPL-3.0-or-later

// The topics a teacher switches on: reached from the menu in two clicks, and
// each driven as a child would, by the keys and the mouse.
#include "accessibility.h"
#include "frmaltre.h"
#include "timestable.h"
#include "frmequivalenti.h"
#include "frminizio.h"
#include "frmriconosco.h"
#include "frmtipi.h"
#include "helppanel.h"
#include "partsdrawing.h"
#include "picture.h"
#include "settingsfile.h"
#include "testing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Queues the draw that gives this task.
void queue(ScriptedRandom &random, const EquivalentTask &task)
{
    const std::vector<EquivalentTask> tasks = equivalentTasks(task.kind, 99);
    for (std::size_t k = 0; k < tasks.size(); ++k) {
        if (tasks[k].given == task.given && tasks[k].target == task.target) {
            random.then(int(k) + 1, int(tasks.size()));
            return;
        }
    }
    QFAIL("no such task");
}

void queue(ScriptedRandom &random, const Fraction &fraction)
{
    const FractionType type = TypeTask {fraction}.type();
    const std::vector<TypeTask> tasks = typeTasks(type);
    random.then(int(type) + 1, 3);
    for (std::size_t k = 0; k < tasks.size(); ++k) {
        if (tasks[k].fraction == fraction)
            random.then(int(k) + 1, int(tasks.size()));
    }
}

void queue(ScriptedRandom &random, const RecogniseTask &task)
{
    const std::vector<RecogniseTask> tasks = recogniseTasks(task.kind, 99);
    for (std::size_t k = 0; k < tasks.size(); ++k) {
        if (tasks[k].shape == task.shape && tasks[k].fraction == task.fraction)
            random.then(int(k) + 1, int(tasks.size()));
    }
}

void press(QWidget *screen, int key)
{
    QTest::keyClick(screen->focusWidget() ? screen->focusWidget() : screen, Qt::Key(key));
}

} // namespace

class TopicsTest : public ExerciseTest
{
    Q_OBJECT

private slots:
    // Off, the menu is as it was; on, «Altre quotelle» lists what is on,
    // one click to the list and one to the topic, and Esc comes back.
    void theMenuLeadsToTheTopicsSwitchedOn()
    {
        freshScript();
        registry->show(QStringLiteral("frminizio"));
        QVERIFY(!loadedAs<frminizio>(*registry, QStringLiteral("frminizio"))->cmdaltre);
        freshScript();
        for (const char *topic : {"argomenti/equivalenti", "argomenti/decimali"})
            registry->settingsFile().setOption(QLatin1String(topic), QStringLiteral("si"));
        auto *menu = show<frminizio>(QStringLiteral("frminizio"));
        QVERIFY(menu->cmdaltre && menu->cmdaltre->isVisible());
        QTest::mouseClick(menu->cmdaltre, Qt::LeftButton);
        auto *choice = loadedAs<frmaltre>(*registry, QStringLiteral("frmaltre"));
        QVERIFY(choice);
        QCOMPARE(int(choice->choices.size()), 3);
        // To a screen reader, as the other choice screens: the question on
        // opening, and all of it again on Ctrl+L, a caption on two lines
        // read as one.
        QCOMPARE(choice->accessibleDescription(), QStringLiteral("SCEGLI !"));
        QCOMPARE(choice->choices[1]->accessibleName(),
                 QStringLiteral("Frazioni e numeri decimali"));
        QTest::keyClick(choice, Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(choice->findChild<Announcer *>() ? choice->findChild<Announcer *>()->text()
                                                      : QString(),
                     QStringLiteral("Altre quotelle, SCEGLI !, Frazioni equivalenti, Frazioni e "
                                    "numeri decimali, Regole: decimali, intero, percentuale, "
                                    "Le regole, Fine"));
        press(choice, Qt::Key_Escape);
        QVERIFY(!registry->screen(QStringLiteral("frmaltre")));
        QVERIFY(registry->screen(QStringLiteral("frminizio")));

        // The rules page goes back to the choice, not to the menu.
        QTest::mouseClick(menu->cmdaltre, Qt::LeftButton);
        choice = loadedAs<frmaltre>(*registry, QStringLiteral("frmaltre"));
        QTest::mouseClick(choice->cmdregole, Qt::LeftButton);
        Screen *rules = registry->screen(QStringLiteral("frmregolefrazioni"));
        QVERIFY(rules && rules->reading().contains(QStringLiteral("2 terzi uguale a 4 sesti")));
        press(rules, Qt::Key_Escape);
        QVERIFY(!registry->screen(QStringLiteral("frmregolefrazioni")));
        choice = loadedAs<frmaltre>(*registry, QStringLiteral("frmaltre"));
        QTest::mouseClick(choice->choices.front(), Qt::LeftButton);
        QVERIFY(loadedAs<frmequivalenti>(*registry, QStringLiteral("frmequivalenti")));

        // Switched off in the teacher's window, over the menu: back at the
        // menu, the entry is gone.
        registry->show(QStringLiteral("frminizio"));
        registry->show(teacherScreen());
        for (const char *topic : {"argomenti/equivalenti", "argomenti/decimali"})
            registry->settingsFile().setOption(QLatin1String(topic), QStringLiteral("no"));
        registry->show(QStringLiteral("frminizio"));
        QVERIFY(!loadedAs<frminizio>(*registry, QStringLiteral("frminizio"))->cmdaltre);
    }

    // The three kinds in turn; a wrong term is emptied, an equivalent answer
    // not in lowest terms is kept and named; F1 brings the worked step.
    void equivalentFractionsJudgeAndHelp()
    {
        ScriptedRandom &random = freshScript();
        registry->setTimesTableAllowed(true);
        queue(random, {EquivalentKind::Amplify, {2, 3}, 12});
        queue(random, {EquivalentKind::Simplify, {8, 12}, 3});
        queue(random, {EquivalentKind::LowestTerms, {18, 24}, 0});
        auto *screen = show<frmequivalenti>(QStringLiteral("frmequivalenti"));
        QCOMPARE(screen->lbln->text() + '/' + screen->lbld->text() + '=' + screen->lbld2->text(),
                 QStringLiteral("2/3=12"));
        QTest::keyClicks(screen->txtn, QStringLiteral("6"));
        press(screen, Qt::Key_F1);
        press(screen, Qt::Key_F1);
        const auto *help = screen->findChild<HelpPanel *>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->help().lines.first(), QStringLiteral("3 x 4 = 12, quindi anche 2 x 4 = 8"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(screen->txtn->text(), QString());
        QTest::keyClicks(screen->txtn, QStringLiteral("8"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
        QVERIFY(!help->isVisible());

        // The times table highlights the row that answers, and none where
        // no row does.
        QCOMPARE(screen->task().kind, EquivalentKind::Simplify);
        press(screen, Qt::Key_F2);
        auto *table = screen->findChild<TimesTable *>();
        QVERIFY(table && table->isVisible() && table->row() == 3);
        QTest::keyClicks(screen->txtn, QStringLiteral("2"));
        QTest::keyClick(screen->cmdconferma, Qt::Key_Space);
        QCOMPARE(screen->task().kind, EquivalentKind::LowestTerms);
        QVERIFY(table->isVisible());
        for (int row = 0; row < 10; ++row)
            QVERIFY(!table->item(row, 0)->data(Qt::BackgroundRole).isValid());
        QVERIFY(screen->txtd->isVisibleTo(screen) && !screen->lbld2->isVisibleTo(screen));
        QTest::keyClicks(screen->txtn, QStringLiteral("6"));
        QTest::keyClicks(screen->txtd, QStringLiteral("8"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(),
                 QStringLiteral("Equivalente, ma si può ancora semplificare!"));
        QCOMPARE(screen->txtn->text() + screen->txtd->text(), QStringLiteral("68"));
    }

    // One button judges at once; the picture shows every whole it needs.
    void typesAreChosenWithOneButton()
    {
        ScriptedRandom &random = freshScript();
        queue(random, {12, 4});
        queue(random, {3, 4});
        auto *screen = show<frmtipi>(QStringLiteral("frmtipi"));
        QCOMPARE(screen->disegno->description(),
                 QStringLiteral("3 interi, ognuno diviso in 4 parti uguali; 12 parti colorate"));
        QTest::mouseClick(screen->cmdtipo[1], Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Sbagliato, riprova!"));
        QCOMPARE(screen->task().fraction, (Fraction {12, 4}));
        QTest::keyClick(screen->cmdtipo[2], Qt::Key_Space);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
        QCOMPARE(screen->task().fraction, (Fraction {3, 4}));
    }

    // Reading names the wrong term; colouring takes any parts, as many as
    // the numerator, by the arrows and Space or by a click on a sector.
    void recognisingReadsAndColours()
    {
        ScriptedRandom &random = freshScript();
        queue(random, {RecogniseKind::Read, PartsShape::Grid, {3, 8}});
        queue(random, {RecogniseKind::Colour, PartsShape::Sectors, {2, 8}});
        auto *screen = show<frmriconosco>(QStringLiteral("frmriconosco"));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClicks(screen->txtn, QStringLiteral("3"));
        QTest::keyClicks(screen->txtd, QStringLiteral("5"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(screen->txtn->text() + '/' + screen->txtd->text(), QStringLiteral("3/"));
        QTest::keyClicks(screen->txtd, QStringLiteral("8"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(screen->task().kind, RecogniseKind::Colour);

        const std::vector<QPushButton *> &parts = screen->disegno->toggles();
        QCOMPARE(int(parts.size()), 8);
        QVERIFY(parts.front()->hasFocus());
        QTest::keyClick(parts.front(), Qt::Key_Right);
        QTest::keyClick(parts.at(1), Qt::Key_Space);
        QCOMPARE(parts.at(1)->accessibleName(), QStringLiteral("parte 2 di 8, colorata"));
        // The sector from half past to twenty to, by a click near the rim.
        const QRect drawing = screen->disegno->rect();
        QTest::mouseClick(screen->disegno, Qt::LeftButton, {},
                          drawing.center() + QPoint(-drawing.width() / 8, drawing.height() / 3));
        QVERIFY(parts.at(4)->isChecked());
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(message(screen)->text(), QStringLiteral("Esatto, complimenti!"));
    }

    // F3: the teacher's task replaces the one shown; an impossible one is
    // refused with its sentence.
    void theTeachersTaskIsCheckedOnEachTopic()
    {
        freshScript();
        auto *screen = show<frmequivalenti>(QStringLiteral("frmequivalenti"));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClick(screen->txtn, Qt::Key_F3);
        auto *form = screen->findChild<QWidget *>(QStringLiteral("frmtask"));
        QVERIFY(form && form->isVisible());
        const QList<QLineEdit *> boxes = form->findChildren<QLineEdit *>();
        for (const auto &[box, typed] : {std::pair {0, "2"}, {1, "3"}, {2, "5"}})
            QTest::keyClicks(boxes.at(box), QString::fromLatin1(typed));
        QTest::keyClick(boxes.at(2), Qt::Key_Return);
        QVERIFY(form->isVisible());
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("lblproblem"))
                    ->text()
                    .startsWith(QStringLiteral("2/3 non si può scrivere con il denominatore 5")));
        boxes.at(2)->clear();
        QTest::keyClick(boxes.at(2), Qt::Key_Return);
        QVERIFY(form->isVisible());
        boxes.at(0)->setText(QStringLiteral("6"));
        boxes.at(1)->setText(QStringLiteral("9"));
        QTest::keyClick(boxes.at(2), Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(screen->task().kind, EquivalentKind::LowestTerms);
        QCOMPARE(screen->lbln->text() + '/' + screen->lbld->text(), QStringLiteral("6/9"));
    }
};

QTEST_MAIN(TopicsTest)
#include "tst_topics.moc"
