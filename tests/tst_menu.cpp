// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu, the two choice screens and moving between all twelve screens.
#include "application.h"
#include "frminizio.h"
#include "frmscelta.h"
#include "frmscelta2.h"
#include "picture.h"
#include "testing.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

const QString menu = QStringLiteral("frminizio");

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// Records which screens were loaded and on the display as a screen was hidden.
class UnloadWatch : public QObject
{
public:
    UnloadWatch(Registry &registry, QWidget *screen) : m_registry(registry)
    {
        screen->installEventFilter(this);
    }
    QStringList loadedAtHide;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Hide)
            return false;
        loadedAtHide.clear();
        for (const QString &name : m_registry.loaded()) {
            if (m_registry.screen(name)->windowHandle()->isExposed())
                loadedAtHide << name;
        }
        return false;
    }

private:
    Registry &m_registry;
};

} // namespace

class MenuTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Registry> registry;

    frminizio *startMenu()
    {
        registry = makeRegistry();
        registry->start();
        return loadedAs<frminizio>(*registry, menu);
    }

    QPushButton *buttonOf(const QString &screen, const char *name)
    {
        return control<QPushButton>(registry->screen(screen), name);
    }

    void press(const QString &screen, const char *name)
    {
        QPushButton *button = buttonOf(screen, name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

    void menuMatchesItsTable()
    {
        frminizio *screen = startMenu();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Le quotelle"));
        QCOMPARE(screen->size(), QSize(708, 479));
        QCOMPARE(screen->palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(screen->cmdcalcolo->geometry(), QRect(272, 136, 137, 129));
        QCOMPARE(screen->cmdtrovo->geometry(), QRect(480, 136, 137, 129));
        QCOMPARE(screen->cmdconfronto->geometry(), QRect(272, 296, 137, 129));
        QCOMPARE(screen->cmdripassa->geometry(), QRect(480, 296, 137, 129));
        QCOMPARE(screen->cmdesci->geometry(), QRect(16, 440, 57, 25));
        QCOMPARE(screen->cmdcalcolo->toolTip(), QStringLiteral("Calcolo le quotelle"));
        QCOMPARE(screen->cmdtrovo->toolTip(), QStringLiteral("Trovo la frazione complementare"));
        QCOMPARE(screen->cmdconfronto->toolTip(), QStringLiteral("Confronto le quotelle"));
        QCOMPARE(screen->cmdripassa->toolTip(), QStringLiteral("Ripasso le regole"));
        QVERIFY(screen->cmdcalcolo->text().isEmpty());
        QCOMPARE(screen->cmdesci->text(), QStringLiteral("&Esci"));
        QCOMPARE(screen->Picture1->geometry(), QRect(56, 16, 601, 81));
        QCOMPARE(screen->Picture2->geometry(), QRect(24, 104, 169, 321));
        QCOMPARE(screen->Image5->geometry(), QRect(616, 456, 82, 11));
        // Image4 lies below the client area, out of sight.
        QVERIFY(!screen->rect().intersects(screen->Image4->geometry()));
        // The picture buttons' drawings fit and are centred.
        for (PictureButton *button :
             {screen->cmdcalcolo, screen->cmdtrovo, screen->cmdconfronto, screen->cmdripassa}) {
            QVERIFY(button->isValid());
            QVERIFY(button->naturalSize().width() <= button->width());
            QVERIFY(button->naturalSize().height() <= button->height());
        }
        // The first focusable control in tab order takes the focus.
        QCOMPARE(screen->focusWidget(), screen->cmdcalcolo);
    }

    void choiceScreensMatchTheirTables()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        press(menu, "cmdconfronto");
        auto *scelta = loadedAs<frmscelta>(*registry, QStringLiteral("frmscelta"));
        auto *scelta2 = loadedAs<frmscelta2>(*registry, QStringLiteral("frmscelta2"));
        QVERIFY(scelta && scelta2);
        QCOMPARE(scelta->windowTitle(), QStringLiteral("Calcolo le quotelle"));
        QCOMPARE(scelta->size(), QSize(226, 147));
        QCOMPARE(scelta->cmd100->text(), QStringLiteral("100"));
        QCOMPARE(scelta->cmd100->toolTip(), QStringLiteral("Entro il 100"));
        QCOMPARE(scelta->cmd1000->toolTip(), QStringLiteral("Entro il 1000"));
        QCOMPARE(scelta->cmd100->geometry(), QRect(24, 80, 81, 41));
        QCOMPARE(scelta->Label1->text(), QStringLiteral("Entro il 100 o il 1000?"));
        QCOMPARE(scelta->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(scelta->Label1->font().pointSizeF(), 14.25);
        QCOMPARE(scelta->focusWidget(), scelta->cmd100);
        QCOMPARE(scelta2->windowTitle(), QStringLiteral("Confronto le quotelle"));
        QCOMPARE(scelta2->size(), QSize(354, 252));
        QCOMPARE(scelta2->Label1->text(), QStringLiteral("SCEGLI !"));
        QVERIFY(scelta2->Label1->font().bold());
        QCOMPARE(scelta2->cmdordine->geometry(), QRect(24, 80, 129, 57));
        QCOMPARE(scelta2->cmdsimbolo->geometry(), QRect(200, 80, 129, 57));
        QCOMPARE(scelta2->cmdmax->geometry(), QRect(112, 168, 129, 57));
        QCOMPARE(scelta2->focusWidget(), scelta2->cmdordine);
        QCOMPARE(nextFocusable(scelta2->cmdordine), scelta2->cmdsimbolo);
        QCOMPARE(nextFocusable(scelta2->cmdsimbolo), scelta2->cmdmax);
    }

    void navigationTable_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("open");
        auto row = [](const char *tag, QStringList presses, QStringList open) {
            QTest::newRow(tag) << presses << open;
        };
        row("calcolo", {"frminizio/cmdcalcolo"}, {"frminizio", "frmscelta"});
        row("confronto", {"frminizio/cmdconfronto"}, {"frminizio", "frmscelta2"});
        row("trovo", {"frminizio/cmdtrovo"}, {"frmcomplementare"});
        row("ripassa", {"frminizio/cmdripassa"}, {"frmregolecalcola"});
        row("100", {"frminizio/cmdcalcolo", "frmscelta/cmd100"}, {"frmcalcolo99"});
        row("1000", {"frminizio/cmdcalcolo", "frmscelta/cmd1000"}, {"frmcalcolo"});
        row("simbolo", {"frminizio/cmdconfronto", "frmscelta2/cmdsimbolo"}, {"frmsimbolo"});
        row("max", {"frminizio/cmdconfronto", "frmscelta2/cmdmax"}, {"frmmax"});
        row("ordine", {"frminizio/cmdconfronto", "frmscelta2/cmdordine"}, {"frmordine"});
        row("fine from 100", {"frminizio/cmdcalcolo", "frmscelta/cmd100", "frmcalcolo99/cmdfine"},
            {"frminizio"});
        row("fine from 1000", {"frminizio/cmdcalcolo", "frmscelta/cmd1000", "frmcalcolo/cmdfine"},
            {"frminizio"});
        row("fine from complementare", {"frminizio/cmdtrovo", "frmcomplementare/cmdfine"},
            {"frminizio"});
        row("fine from simbolo",
            {"frminizio/cmdconfronto", "frmscelta2/cmdsimbolo", "frmsimbolo/cmdfine"},
            {"frminizio"});
        row("fine from max", {"frminizio/cmdconfronto", "frmscelta2/cmdmax", "frmmax/cmdfine"},
            {"frminizio"});
        row("fine from ordine",
            {"frminizio/cmdconfronto", "frmscelta2/cmdordine", "frmordine/cmdfine"}, {"frminizio"});
        row("fine from rules 1", {"frminizio/cmdripassa", "frmregolecalcola/cmdfine"},
            {"frminizio"});
    }

    void navigationTable()
    {
        QFETCH(QStringList, presses);
        QFETCH(QStringList, open);
        startMenu();
        for (const QString &step : presses) {
            const QStringList parts = step.split('/');
            QVERIFY2(registry->screen(parts[0]), qPrintable(step));
            press(parts[0], qPrintable(parts[1]));
        }
        QCOMPARE(sorted(registry->loaded()), sorted(open));
        QVERIFY(!registry->hasEnded());
        for (const QString &name : open)
            QVERIFY(registry->screen(name)->isVisible());
    }

    void newScreenIsShownBeforeTheOldAreUnloaded()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        UnloadWatch watchChoice(*registry, registry->screen(QStringLiteral("frmscelta")));
        UnloadWatch watchMenu(*registry, registry->screen(menu));
        press(QStringLiteral("frmscelta"), "cmd100");
        flushUnloaded();
        QVERIFY(watchChoice.loadedAtHide.contains(QStringLiteral("frmcalcolo99")));
        QVERIFY(watchMenu.loadedAtHide.contains(QStringLiteral("frmcalcolo99")));
        QVERIFY(!watchMenu.loadedAtHide.contains(QStringLiteral("frmscelta")));

        UnloadWatch watchExercise(*registry, registry->screen(QStringLiteral("frmcalcolo99")));
        press(QStringLiteral("frmcalcolo99"), "cmdfine");
        flushUnloaded();
        QVERIFY(watchExercise.loadedAtHide.contains(menu));
    }

    void aScreenIsLoadedOnceAndRebuiltAfterUnload()
    {
        frminizio *first = startMenu();
        press(menu, "cmdcalcolo");
        QWidget *choice = registry->screen(QStringLiteral("frmscelta"));
        press(menu, "cmdcalcolo");
        QCOMPARE(registry->screen(QStringLiteral("frmscelta")), choice);
        QCOMPARE(registry->loaded().count(QStringLiteral("frmscelta")), 1);
        QVERIFY(choice->isVisible());

        // Leaving through an exercise and coming back builds a new menu.
        QPointer<frminizio> old(first);
        press(QStringLiteral("frmscelta"), "cmd100");
        press(QStringLiteral("frmcalcolo99"), "cmdfine");
        flushUnloaded();
        QVERIFY(old.isNull());
        QVERIFY(loadedAs<frminizio>(*registry, menu));
    }

    void bothChoiceScreensWorkIndependently()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        press(menu, "cmdconfronto");
        QCOMPARE(sorted(registry->loaded()),
                 sorted({menu, QStringLiteral("frmscelta"), QStringLiteral("frmscelta2")}));
        press(QStringLiteral("frmscelta2"), "cmdmax");
        QCOMPARE(sorted(registry->loaded()),
                 sorted({QStringLiteral("frmscelta"), QStringLiteral("frmmax")}));
        // The other choice screen still works with no menu behind it.
        press(QStringLiteral("frmscelta"), "cmd1000");
        QCOMPARE(sorted(registry->loaded()),
                 sorted({QStringLiteral("frmcalcolo"), QStringLiteral("frmmax")}));
        QVERIFY(!registry->hasEnded());
    }

    void menuStaysUsableBehindAChoiceScreen()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        press(menu, "cmdtrovo");
        QCOMPARE(sorted(registry->loaded()),
                 sorted({QStringLiteral("frmscelta"), QStringLiteral("frmcomplementare")}));
    }

    void closeBoxUnloadsOnlyThatScreen()
    {
        startMenu();
        press(menu, "cmdconfronto");
        registry->screen(QStringLiteral("frmscelta2"))->close();
        QCOMPARE(registry->loaded(), QStringList {menu});

        // On an exercise the close box does not reopen the menu: the
        // program ends with its last window.
        QSignalSpy ended(registry.get(), &Registry::ended);
        press(menu, "cmdtrovo");
        registry->screen(QStringLiteral("frmcomplementare"))->close();
        QVERIFY(registry->loaded().isEmpty());
        QCOMPARE(ended.count(), 1);
        QVERIFY(registry->hasEnded());
    }

    void esciAndEscEndTheProgram()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        QSignalSpy ended(registry.get(), &Registry::ended);
        press(menu, "cmdesci");
        QCOMPARE(ended.count(), 1);
        QVERIFY(registry->loaded().isEmpty());

        frminizio *screen = startMenu();
        QSignalSpy endedAgain(registry.get(), &Registry::ended);
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(endedAgain.count(), 1);
    }

    void escOnEachKindOfScreen()
    {
        startMenu();
        press(menu, "cmdcalcolo");
        press(menu, "cmdconfronto");
        QTest::keyClick(registry->screen(QStringLiteral("frmscelta")), Qt::Key_Escape);
        QTest::keyClick(registry->screen(QStringLiteral("frmscelta2")), Qt::Key_Escape);
        QCOMPARE(registry->loaded().size(), 3);

        for (const QString &name : screenNames(Kind::Exercise) + screenNames(Kind::RulesPage)) {
            registry->show(name);
            registry->unload(menu);
            QTest::keyClick(registry->screen(name), Qt::Key_Escape);
            QVERIFY2(!registry->screen(name), qPrintable(name));
            QVERIFY2(registry->screen(menu), qPrintable(name));
        }
    }

    void accessKeys()
    {
        frminizio *screen = startMenu();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        // The picture buttons have no access keys.
        QTest::keyClick(screen, Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(screen, Qt::Key_T, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(registry->loaded(), QStringList {menu});

        const std::pair<Qt::Key, const char *> keys[] = {
            {Qt::Key_I, "frmsimbolo"}, {Qt::Key_T, "frmmax"}, {Qt::Key_M, "frmordine"}};
        for (const auto &[key, exercise] : keys) {
            press(menu, "cmdconfronto");
            QWidget *choice = registry->screen(QStringLiteral("frmscelta2"));
            QVERIFY(QTest::qWaitForWindowActive(choice));
            QTest::keyClick(choice, key, Qt::AltModifier);
            QTRY_COMPARE(registry->loaded(), QStringList {QString::fromLatin1(exercise)});
            registry->show(menu);
            registry->unload(QString::fromLatin1(exercise));
        }

        screen = loadedAs<frminizio>(*registry, menu);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QSignalSpy ended(registry.get(), &Registry::ended);
        QTest::keyClick(screen, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(ended.count(), 1);
    }

    void enterAndSpacePressTheFocusedButton()
    {
        frminizio *screen = startMenu();
        QCOMPARE(screen->focusWidget(), screen->cmdcalcolo);
        QTest::keyClick(screen->cmdcalcolo, Qt::Key_Return);
        QVERIFY(registry->screen(QStringLiteral("frmscelta")));
        screen->cmdconfronto->setFocus();
        QTest::keyClick(screen->cmdconfronto, Qt::Key_Space);
        QVERIFY(registry->screen(QStringLiteral("frmscelta2")));
    }

    void menuComesBackCentred()
    {
        QPointer<frminizio> first = startMenu();
        const float left = first->Left();
        const float top = first->Top();
        first->move(0, 0);
        press(menu, "cmdripassa");
        press(QStringLiteral("frmregolecalcola"), "cmdfine");
        flushUnloaded();
        QVERIFY(first.isNull());
        auto *again = loadedAs<frminizio>(*registry, menu);
        QVERIFY(again);
        QCOMPARE(again->Left(), left);
        QCOMPARE(again->Top(), top);
        // Give or take the pixel that a fractional scale rounds to.
        const QPoint off = again->pos() - QPoint(qRound(left / 15), qRound(top / 15));
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, qPrintable(QString::number(off.x())));
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
