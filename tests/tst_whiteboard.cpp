// SPDX-License-Identifier: GPL-3.0-or-later

// At the whiteboard, with a finger alone: the number pad, the picture buttons' names.
#include "frmcalcolo.h"
#include "numberpad.h"
#include "picturename.h"
#include "testing.h"
#include "timestable.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QToolTip>

#include <array>

namespace {

// Each typing exercise, its draws, queued twice (3/4 of 80; 3/8; 3/7 and 3/45, 2/15 and 7/15,
// 4/9 and 4/9), its right answer, box by box in Tab order, and its praise.
using Typing = std::array<const char *, 4>;
const Typing typing[] = {{"frmcalcolo99", "20/99 3/9 4/9", "80 4 20 20 3 60 60", "Bravissimo!"},
                         {"frmcomplementare", "3/99 8/99", "5 8 8 8", "Esatto, complimenti!"},
                         {"frmsimbolo",
                          "1/2 3/9 7/99 9/9 45/99 2/2 2/9 15/99 7/9 1/99 1/2 4/9 9/99 9/9 9/99",
                          "> < = > < =", "Bravissimo!"}};

} // namespace

class WhiteboardTest : public ExerciseTest
{
    Q_OBJECT

    // A finger down on a control and up again, held for a while.
    static void tap(QWidget *control, int heldMs = 0)
    {
        static QPointingDevice *finger = QTest::createTouchDevice();
        QWidget *window = control->window();
        const QPoint where = control->mapTo(window, control->rect().center());
        QTest::touchEvent(window, finger).press(0, where, window);
        QTest::qWait(heldMs);
        QTest::touchEvent(window, finger).release(0, where, window);
    }

private slots:
    void touchAloneAnswersEveryTypingExercise()
    {
        for (const auto &[name, draws, answers, praise] : typing) {
            ScriptedRandom &scripted = freshScript();
            for (const QString &draw : QStringLiteral("%1 %1").arg(QLatin1String(draws)).split(' '))
                scripted.then(draw.section('/', 0, 0).toInt(), draw.section('/', 1).toInt());
            Screen *screen = show<Screen>(QString::fromLatin1(name));
            auto *box = qobject_cast<QLineEdit *>(screen->focusWidget());
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY2(!screen->findChild<PadKeys *>(), "a mouse brought the pad");
            for (const QString &answer : QString::fromLatin1(answers).split(' ')) {
                tap(box);
                QVERIFY2(screen->findChild<PadKeys *>(), "a finger brought no pad");
                // A slip first, taken back with Cancella.
                tap(screen->findChild<PadKeys *>()->findChild<QPushButton *>());
                tap(screen->findChild<QPushButton *>(QStringLiteral("Cancella")));
                for (const QChar c : answer)
                    tap(screen->findChild<QPushButton *>(c));
                QCOMPARE(box->text(), answer);
                box = qobject_cast<QLineEdit *>(nextFocusable(box));
            }
            // A double tap on Conferma judges once: the new, empty task is not judged.
            QGuiApplication::styleHints()->setMouseDoubleClickInterval(400);
            tap(control<QPushButton>(screen, "cmdconferma"));
            tap(control<QPushButton>(screen, "cmdconferma"));
            QCOMPARE(message(screen)->text(), QString::fromLatin1(praise));
            // At every zoom the pad covers no box, number, sign, verdict or button.
            const auto *pad = screen->findChild<PadKeys *>();
            for (const qreal zoom : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
                screen->setZoom(zoom);
                for (QWidget *listed : screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    if (qobject_cast<QLabel *>(listed) || qobject_cast<QLineEdit *>(listed)
                        || qobject_cast<QPushButton *>(listed))
                        QVERIFY2(!pad->geometry().intersects(listed->geometry()), name);
            }
        }
    }

    // At the whiteboard the menu names its four pictures in words, their
    // tooltips, each clear of every picture, button and other name at every
    // zoom; elsewhere it has none.
    void theMenuNamesItsPicturesAtTheWhiteboard()
    {
        for (const bool whiteboard : {false, true}) {
            freshScript();
            registry->setWhiteboard(whiteboard);
            Screen *menu = show<Screen>(QStringLiteral("frminizio"));
            const QList<PictureName *> names = menu->findChildren<PictureName *>();
            QCOMPARE(names.size(), whiteboard ? 4 : 0);
            for (const qreal zoom : {1.0, 1.5, 2.0, 3.0}) {
                menu->setZoom(zoom);
                for (const PictureName *name : names) {
                    QCOMPARE(name->text(),
                             control<QPushButton>(menu, qPrintable(name->objectName().chopped(5)))
                                 ->toolTip());
                    for (QWidget *other : menu->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                        if (other != name && other->isVisible())
                            QVERIFY2(!name->geometry().intersects(other->geometry()),
                                     qPrintable(other->objectName()));
                }
            }
        }
    }

    // F3 and the textbook's task: a task the screen could not draw is
    // refused with its sentence and changes nothing; a valid one replaces
    // the task with empty boxes.
    void theTeachersTaskReplacesTheDrawnOne()
    {
        freshScript().then(20, 99).then(3, 9).then(4, 9);
        auto *screen = show<frmcalcolo>(QStringLiteral("frmcalcolo99"));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClicks(screen->txtiniz, QStringLiteral("80"));
        QTest::keyClick(screen->txtiniz, Qt::Key_F3);
        auto *form = screen->findChild<QWidget *>(QStringLiteral("frmtask"));
        QVERIFY(form && form->isVisible());
        const QList<QLineEdit *> boxes = form->findChildren<QLineEdit *>();
        for (const auto &[box, typed] : {std::pair {0, "3"}, {1, "4"}, {2, "45"}})
            QTest::keyClicks(boxes.at(box), QString::fromLatin1(typed));
        QTest::keyClick(boxes.at(2), Qt::Key_Return);
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblproblem"))->text(),
                 QStringLiteral("45 non si divide esattamente per 4."));
        QCOMPARE(screen->lbliniz->text(), QStringLiteral("80"));
        boxes.at(2)->setText(QStringLiteral("60"));
        QTest::keyClick(boxes.at(2), Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(screen->lbliniz->text() + screen->lblnum->text() + screen->lblden->text(),
                 QStringLiteral("6034"));
        QCOMPARE(screen->txtiniz->text(), QString());
        QVERIFY(screen->txtiniz->isEnabled());
    }

    // F2 and the pad's "×" show the times table only where the teacher
    // allowed it, the divisor's row highlighted and each cell named for a
    // screen reader; at every zoom, with the pad or without and the help
    // shown, it covers nothing the child needs, nor the help.
    void theTimesTableShowsOnlyWhereAllowed()
    {
        for (const bool allowed : {false, true}) {
            freshScript().then(10, 99).then(3, 9).then(7, 9);
            registry->setTimesTableAllowed(allowed);
            registry->pad().setShown(true);
            auto *screen = show<frmcalcolo>(QStringLiteral("frmcalcolo99"));
            QTest::keyClick(screen->txtiniz, Qt::Key_F2);
            auto *table = screen->findChild<TimesTable *>();
            auto *times = screen->findChild<QPushButton *>(QStringLiteral("×"));
            QCOMPARE(table && table->isVisible(), allowed);
            QCOMPARE(times != nullptr, allowed);
            if (!allowed)
                continue;
            times->click();
            QVERIFY(table->isHidden());
            // Hidden, no cell of it is left for a screen reader to find.
            QCOMPARE(QAccessible::queryAccessibleInterface(table)->childCount(), 0);
            times->click();
            QCOMPARE(screen->focusWidget(), screen->txtiniz);
            for (int row = 0; row < 10; ++row)
                QCOMPARE(table->item(row, 0)->data(Qt::BackgroundRole).isValid(), row == 6);
            // To a screen reader a list of cells, row by row, so that an arrow
            // reads one cell and not its row; the arrows start at the row.
            QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(table);
            QCOMPARE(cells->child(6 * 10 + 3)->text(QAccessible::Name),
                     QStringLiteral("7 per 4, 28"));
            QCOMPARE(cells->indexOfChild(cells->child(63)), 63);
            QCOMPARE(table->currentRow(), 6);
            QTest::keyClick(screen->txtiniz, Qt::Key_F1);
            QTest::keyClick(screen->txtiniz, Qt::Key_F1);
            QWidget *help = screen->findChild<QWidget *>(QStringLiteral("aiuto"));
            for (const bool pad : {true, false}) {
                registry->pad().setShown(pad);
                for (const qreal zoom : {1.0, 1.25, 1.5, 2.0, 3.0}) {
                    screen->setZoom(zoom);
                    // Where the two do not fit together they take turns.
                    QVERIFY(table->isVisible() != help->isVisible()
                            || !table->geometry().intersects(help->geometry()));
                    for (QWidget *other :
                         screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                        if (qobject_cast<QLabel *>(other) || qobject_cast<QLineEdit *>(other)
                            || qobject_cast<QPushButton *>(other))
                            for (const QWidget *aid : {static_cast<QWidget *>(table), help})
                                QVERIFY2(!aid->isVisible()
                                             || !aid->geometry().intersects(other->geometry()),
                                         qPrintable(other->objectName()));
                }
            }
        }
    }

    void aHeldPressShowsTheNameAndOpensNothing()
    {
        registry = makeRegistry();
        auto *button = control<QWidget>(show<Screen>(QStringLiteral("frminizio")), "cmdcalcolo");
        for (const int heldMs : {700, 0}) {
            tap(button, heldMs);
            QCOMPARE(registry->screen(QStringLiteral("frmscelta")) == nullptr, heldMs > 0);
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                     heldMs ? QStringLiteral("Calcolo le quotelle") : QString());
        }
    }
};

QTEST_MAIN(WhiteboardTest)
#include "tst_whiteboard.moc"
