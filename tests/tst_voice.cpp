// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own voice, heard through a stand-in speaker.
#include "accessibility.h"
#include "frmcomplementare.h"
#include "frmsimbolo.h"
#include "readback.h"
#include "settingsfile.h"
#include "testing.h"
#include "voice.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <thread>

namespace {

// Writes down what it is asked to say, and "stop" when it is stopped.
struct Ear : Speaker
{
    explicit Ear(QStringList &heard) : heard(heard) { }
    void say(const QString &text) override { heard << text; }
    void stop() override { heard << QStringLiteral("stop"); }
    QStringList &heard;
};

} // namespace

class VoiceTest : public ExerciseTest
{
    Q_OBJECT

    // frmcomplementare on 3/8, then 1/2.
    frmcomplementare *open(bool on, bool screenReader = false)
    {
        heard.clear();
        made = 0;
        freshScript().then(3, 99).then(8, 99).then(1, 99).then(2, 99);
        Voice &voice = registry->voice();
        voice.setSpeakerFactory([this](auto) { return ++made, std::make_unique<Ear>(heard); });
        voice.setOn(on);
        voice.setScreenReaderRunning(screenReader);
        auto *screen = show<frmcomplementare>(QStringLiteral("frmcomplementare"));
        QCoreApplication::processEvents();
        return screen;
    }

    QStringList heard;
    int made = 0;

private slots:
    // Each verdict once, the new task in the same breath as its praise; the
    // screen's words stop as it goes, and not the next screen's.
    void onReadsTaskVerdictNextTaskAndStopsOnLeaving()
    {
        frmcomplementare *screen = open(true);
        QTest::keyClicks(screen->txtn1, QStringLiteral("5"));
        screen->cmdconferma->click();
        QCoreApplication::processEvents();
        for (QLineEdit *box : {screen->txtd1, screen->txtn2, screen->txtd2})
            QTest::keyClicks(box, QStringLiteral("8"));
        screen->cmdconferma->click();
        QCoreApplication::processEvents();
        QTest::keyClick(screen, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(heard,
                 (QStringList {"3 ottavi", "Sbagliato, riprova! Controlla il denominatore.",
                               "Esatto, complimenti! un mezzo", "stop", "Calcolo le quotelle"}));
        // What Ctrl+L reads where there is no task.
        QCOMPARE(registry->screen(QStringLiteral("frminizio"))->reading(),
                 "Le quotelle, Calcolo le quotelle, Trovo la frazione complementare, Confronto "
                 "le quotelle, Esci, Ripasso le regole");
        registry->show(QStringLiteral("frmregolecalcola"));
        registry->unload(QStringLiteral("frminizio"));
        QCoreApplication::processEvents();
        QCOMPARE(heard.size(), 7);
        // Its drawing described first; capitals in lower case, not spelt out.
        QVERIFY(heard.last().startsWith(QStringLiteral("Disegno: la frazione 2 terzi")));
        QVERIFY(heard.last().contains(QStringLiteral(". il numeratore indica")));
    }

    // Ctrl+L reads the task again, from a text box too, and types nothing.
    void ctrlLReadsOnOrOff_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("screenReader");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("off") << false << false << QStringList {"3 ottavi"};
        QTest::newRow("on") << true << false << QStringList {"3 ottavi", "3 ottavi"};
        // A screen reader that starts stops the voice, which then stays silent.
        QTest::newRow("screen reader") << true << true << QStringList {"stop"};
    }
    void ctrlLReadsOnOrOff()
    {
        QFETCH(bool, on);
        QFETCH(bool, screenReader);
        QFETCH(QStringList, expected);
        frmcomplementare *screen = open(on, screenReader);
        // Off, nothing of the voice is made until it is asked for.
        QCOMPARE(made > 0, on);
        QTest::keyClick(screen->txtn1, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(screen->txtn1->text(), QString());
        QCOMPARE(heard, expected);
    }

    // A box's number is said once as the child leaves it changed, by Tab
    // or a click; never on entering, nor for an empty box, nor when the
    // click is on Conferma, whose verdict comes alone.
    void numbersAreReadBackOnLeaving_data()
    {
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("on") << true
                            << QStringList {"3 ottavi", "cinque", "otto",
                                            "Sbagliato, riprova! Controlla l’intero."};
        QTest::newRow("switched off")
            << false << QStringList {"3 ottavi", "Sbagliato, riprova! Controlla l’intero."};
    }
    void numbersAreReadBackOnLeaving()
    {
        QFETCH(bool, readBack);
        QFETCH(QStringList, expected);
        frmcomplementare *screen = open(true);
        registry->readBack().setOn(readBack);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClicks(screen->txtn1, QStringLiteral("5"));
        QTest::keyClick(screen->txtn1, Qt::Key_Tab);
        QTest::keyClick(screen->txtd1, Qt::Key_Tab);
        QTest::mouseClick(screen->txtd1, Qt::LeftButton);
        QTest::keyClicks(screen->txtd1, QStringLiteral("8"));
        QTest::mouseClick(screen->txtn2, Qt::LeftButton);
        QTest::keyClicks(screen->txtn2, QStringLiteral("4"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(heard, expected);
    }

    // In «Inserisci il simbolo giusto» the six pairs are heard at the start
    // and on Ctrl+L, a sign is read back as a teacher reads it; for a test
    // in class, with no help, the verdict is heard exactly as written.
    void theSixPairsAndTheSignsAreHeard()
    {
        heard.clear();
        ScriptedRandom &random = freshScript();
        for (int p = 0; p < 6; ++p)
            random.then(1, 2).then(3, 9).then(7, 99).then(p + 1, 9).then(12, 99);
        registry->voice().setSpeakerFactory([this](auto) { return std::make_unique<Ear>(heard); });
        registry->voice().setOn(true);
        registry->settingsFile().setOption(QStringLiteral("aiuti/aiuto"), QStringLiteral("no"));
        auto *screen = show<frmsimbolo>(QStringLiteral("frmsimbolo"));
        QVERIFY(QTest::qWaitForWindowActive(screen));
        const QString pairs = QStringLiteral(
            "3 settimi e 3 dodicesimi; 3 settimi e 3 dodicesimi; 3 settimi e 3 dodicesimi; "
            "3 settimi e 3 dodicesimi; 3 settimi e 3 dodicesimi; 3 settimi e 3 dodicesimi");
        for (const char *sign : {"<", ">", "="}) {
            QTest::keyClicks(screen->txtsim[0], QString::fromLatin1(sign));
            QTest::keyClick(screen->txtsim[0], Qt::Key_Tab);
            QTest::mouseClick(screen->txtsim[0], Qt::LeftButton);
            screen->txtsim[0]->clear();
        }
        QTest::keyClick(screen->txtsim[0], Qt::Key_L, Qt::ControlModifier);
        screen->cmdconferma->click();
        QCoreApplication::processEvents();
        QCOMPARE(heard,
                 (QStringList {pairs, "minore di", "maggiore di", "uguale a", pairs,
                               "Sbagliato, riprova!"}));
    }

    // A speech service that fails on its own thread, asked for by --voce or
    // only by Ctrl+L: the menu says so for a while, over nothing else, and
    // a screen reader hears it. Once the notice has gone, nothing the child
    // does next reaches it: Ctrl+L, the zoom, an exercise and its help.
    void voiceThatCannotSpeakIsShownAndLeavesTheProgramWhole_data()
    {
        QTest::addColumn<bool>("on");
        QTest::newRow("--voce") << true;
        QTest::newRow("Ctrl+L") << false;
    }
    void voiceThatCannotSpeakIsShownAndLeavesTheProgramWhole()
    {
        QFETCH(bool, on);
        freshScript();
        registry->voice().setSpeakerFactory([this](std::function<void()> failed) {
            std::thread(failed).join();
            return std::make_unique<Ear>(heard);
        });
        registry->voice().setOn(on);
        registry->start();
        Screen *menu = registry->screen(QStringLiteral("frminizio"));
        if (!on)
            QTest::keyClick(menu, Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(control<QLabel>(menu, "avviso"));
        QLabel *notice = control<QLabel>(menu, "avviso");
        QVERIFY(notice->text().startsWith(QStringLiteral("La voce non è disponibile")));
        QVERIFY(notice->text().contains(QStringLiteral("«Per chi legge con fatica (DSA)»")));
        // The title's box reaches far right of its lettering: the notice
        // lies in that empty end, clear of the lettering.
        const QWidget *title = control<QWidget>(menu, "Picture1");
        QVERIFY(notice->geometry().left() > title->geometry().left() + title->width() * 2 / 3);
        for (const QWidget *other : menu->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(other == notice || other == title || !other->isVisible()
                         || !other->geometry().intersects(notice->geometry()),
                     qPrintable(other->objectName()));
        QTRY_VERIFY(menu->findChildren<Announcer *>().size() > 0);
        QTRY_VERIFY(std::ranges::any_of(menu->findChildren<Announcer *>(), [&](auto *announcer) {
            return announcer->text() == notice->text();
        }));
        // The first row waits for the notice to go by itself; the second
        // hastens it the same way.
        if (!on)
            notice->deleteLater();
        QTRY_VERIFY_WITH_TIMEOUT(!control<QLabel>(menu, "avviso"), 10000);

        QTest::keyClick(menu, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(menu, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(menu->reading().contains(QStringLiteral("La voce")), false);
        registry->show(QStringLiteral("frmcomplementare"));
        Screen *exercise = registry->screen(QStringLiteral("frmcomplementare"));
        QTest::keyClick(exercise, Qt::Key_F1);
        QTest::keyClick(exercise, Qt::Key_L, Qt::ControlModifier);
        control<QPushButton>(exercise, "cmdfine")->click();
        flushUnloaded();
        QTest::keyClick(menu, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
    }
};

QTEST_MAIN(VoiceTest)
#include "tst_voice.moc"
