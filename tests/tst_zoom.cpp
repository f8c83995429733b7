// SPDX-License-Identifier: GPL-3.0-or-later

// The program's zoom: its keys from any focus, its steps, every screen grown
// together with its state kept, and the display each window opens on. Runs
// on two offscreen displays (displays.json): a laptop's and, to its right, a
// projector's; the aids at a small whiteboard on one of 1024 × 768
// (displays-board.json).
#include "application.h"
#include "frmcalcolo.h"
#include "line.h"
#include "settingsfile.h"
#include "testing.h"
#include "twips.h"
#include "zoom.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

const QString exercise = QStringLiteral("frmcalcolo99");

QScreen *display(const char *name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

// The window lies on that display with its frame, centred within a pixel.
bool centredOn(const QWidget *window, const QScreen *screen)
{
    const QRect frame = window->frameGeometry();
    const QPoint offset = frame.center() - screen->geometry().center();
    return screen->availableGeometry().contains(frame) && qAbs(offset.x()) <= 1
        && qAbs(offset.y()) <= 1;
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Registry> registry;

    QWidget *open(const QString &name)
    {
        registry->show(name);
        QWidget *screen = registry->screen(name);
        return screen && QTest::qWaitForWindowActive(screen) ? screen : nullptr;
    }

    frmcalcolo *openExercise()
    {
        // 3/4 of 80.
        script(*registry).then(20, 99).then(3, 9).then(4, 9);
        return qobject_cast<frmcalcolo *>(open(exercise));
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
        QVERIFY2((display("laptop") && display("projector")) || display("board"),
                 "run with displays.json or displays-board.json");
    }
    void init() { registry = makeRegistry(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

    void keysStepFromAnAnswerBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("step");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("Italian +") << int(Qt::Key_Plus) << ctrl << 1;
        QTest::newRow("US =") << int(Qt::Key_Equal) << ctrl << 1;
        QTest::newRow("US Shift+=") << int(Qt::Key_Plus) << (ctrl | Qt::ShiftModifier) << 1;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << (ctrl | Qt::KeypadModifier) << 1;
        QTest::newRow("-") << int(Qt::Key_Minus) << ctrl << -1;
        QTest::newRow("US Shift+-") << int(Qt::Key_Underscore) << (ctrl | Qt::ShiftModifier) << -1;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << (ctrl | Qt::KeypadModifier) << -1;
        QTest::newRow("0") << int(Qt::Key_0) << ctrl << 0;
    }
    void keysStepFromAnAnswerBox()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, step);
        frmcalcolo *screen = openExercise();
        QVERIFY(screen);
        QTest::keyClicks(screen->txtiniz, QStringLiteral("8"));
        const qreal names = QToolTip::font().pointSizeF();
        // From 125 %, so that every key has a step to take.
        QTest::keyClick(screen->txtiniz, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(registry->zoom().percent(), 125);
        QCOMPARE(QToolTip::font().pointSizeF(), names * 1.25);
        QTest::keyClick(screen->txtiniz, Qt::Key(key), modifiers);
        QCOMPARE(registry->zoom().percent(), step > 0 ? 150 : 100);
        QCOMPARE(screen->txtiniz->text(), QStringLiteral("8"));
        QCOMPARE(screen->focusWidget(), screen->txtiniz);
        // Nothing below 100 %.
        for (int k = 0; k < 3; ++k)
            QTest::keyClick(screen->txtiniz, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(registry->zoom().percent(), 100);
        QCOMPARE(screen->size(), QSize(708, 479));
        QCOMPARE(QToolTip::font().pointSizeF(), names);
    }

    void zoomedExerciseKeepsItsStateAndWorks()
    {
        frmcalcolo *screen = openExercise();
        QVERIFY(screen);
        QTest::keyClicks(screen->txtiniz, QStringLiteral("80"));
        screen->cmdconferma->click();
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato!"));
        QTest::keyClick(screen, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(screen, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(registry->zoom().percent(), 150);

        QCOMPARE(screen->size(), QSize(1062, 719));
        QVERIFY(centredOn(screen, display("laptop")));
        QCOMPARE(screen->txtden->geometry(), twips::rect(2640, 3120, 615, 615, 1.5));
        QCOMPARE(screen->txtden->font().pointSizeF(), 1.5 * 24);
        QCOMPARE(screen->Line1->mapToParent(screen->Line1->from().toPoint()), QPoint(108, 216));
        QCOMPARE(screen->lbliniz->text(), QStringLiteral("80"));
        QCOMPARE(screen->txtiniz->text(), QStringLiteral("80"));
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Sbagliato!"));
        QVERIFY(control<QTimer>(screen, "tmrtempo")->isActive());

        // The rest of the answer, each box clicked where it now is.
        const std::pair<QLineEdit *, const char *> rest[] = {
            {screen->txtden, "4"}, {screen->txtsris, "20"}, {screen->txtsris2, "20"},
            {screen->txtnum, "3"}, {screen->txtris2, "60"}, {screen->txtris, "60"}};
        for (const auto &[box, text] : rest) {
            QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, box->geometry().center());
            QCOMPARE(screen->focusWidget(), box);
            QTest::keyClicks(screen->focusWidget(), QString::fromLatin1(text));
        }
        QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {},
                          screen->cmdconferma->geometry().center());
        QCOMPARE(control<QLabel>(screen, "lblmess")->text(), QStringLiteral("Bravissimo!"));
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>(screen, "lblmess")->text().isEmpty(), 4000);
    }

    void stepThatDoesNotFitIsNotTaken()
    {
        QWidget *menu = open(QStringLiteral("frminizio"));
        QVERIFY(menu);
        // 175 % needs 842 pixels of height with the frame: the laptop has 768.
        for (int k = 0; k < 4; ++k)
            QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(registry->zoom().percent(), 150);
        QCOMPARE(menu->size(), QSize(1062, 719));
        QVERIFY(centredOn(menu, display("laptop")));
    }

    void screensOpenOnTheLastWindowsDisplayAtTheZoom()
    {
        QWidget *menu = open(QStringLiteral("frminizio"));
        QVERIFY(menu);
        menu->move(display("projector")->geometry().topLeft() + QPoint(40, 30));
        QTRY_COMPARE(menu->screen(), display("projector"));
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(registry->zoom().percent(), 200);
        QVERIFY(centredOn(menu, display("projector")));

        control<QPushButton>(menu, "cmdcalcolo")->click();
        QWidget *choice = registry->screen(QStringLiteral("frmscelta"));
        QVERIFY(choice);
        QCOMPARE(choice->size(), twips::size(3390, 2205, 2));
        QVERIFY(centredOn(choice, display("projector")));
        QVERIFY(QTest::qWaitForWindowActive(choice));
        QTest::keyClick(choice, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(menu->size(), QSize(708, 479));
        QVERIFY(centredOn(menu, display("projector")));
    }

    // At a 1024 × 768 whiteboard with the pad and the times table, each aid
    // is large enough to read from the class: the table's cells 22 pixels
    // high at least, the help 240 pixels wide; where the two take turns,
    // F1 and F2 bring each in front.
    void aidsAreReadableAtASmallWhiteboard()
    {
        if (!display("board"))
            QSKIP("run with displays-board.json");
        QVERIFY(open(QStringLiteral("frminizio")));
        registry->settingsFile().setOption(QStringLiteral("aiuti/lim"), QStringLiteral("si"));
        registry->settingsFile().setOption(QStringLiteral("aiuti/tavola_pitagorica"),
                                           QStringLiteral("si"));
        for (const QString &name : {QStringLiteral("frmcalcolo99"), QStringLiteral("frmcalcolo")}) {
            auto *screen = qobject_cast<Exercise *>(open(name));
            QVERIFY(screen);
            QCOMPARE(registry->zoom().percent(), 125);
            QTest::keyClick(screen, Qt::Key_F2);
            auto *table = screen->findChild<QTableWidget *>();
            QVERIFY(table && table->isVisible());
            QVERIFY2(table->rowHeight(0) >= 22, qPrintable(QString::number(table->rowHeight(0))));
            QTest::keyClick(screen, Qt::Key_F1);
            QWidget *help = screen->findChild<QWidget *>(QStringLiteral("aiuto"));
            QVERIFY(help->isVisible());
            QVERIFY2(help->width() >= 240, qPrintable(QString::number(help->width())));
            if (table->isVisible())
                QVERIFY(table->rowHeight(0) >= 22);
            registry->unload(name);
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
