// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own voice, heard through a stand-in speaker.
#include "frmcomplementare.h"
#include "picture.h"
#include "testing.h"
#include "voice.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Writes down what it is asked to say, and "stop" when it is stopped.
struct Ear
{
    QStringList heard;
    int speakers = 0;
};

class StandInSpeaker : public Speaker
{
public:
    explicit StandInSpeaker(Ear &ear) : m_ear(ear) { ++m_ear.speakers; }
    void say(const QString &text) override { m_ear.heard << text; }
    void stop() override { m_ear.heard << QStringLiteral("stop"); }

private:
    Ear &m_ear;
};

} // namespace

class VoiceTest : public ExerciseTest
{
    Q_OBJECT

private:
    // frmcomplementare on 3/8, the voice on or off, heard by ear.
    frmcomplementare *open(bool on, bool screenReader = false)
    {
        freshScript().then(3, 99).then(8, 99).then(1, 99).then(2, 99);
        Voice &voice = registry->voice();
        voice.setSpeakerFactory([this] { return std::make_unique<StandInSpeaker>(ear); });
        voice.setOn(on);
        voice.setScreenReaderRunning(screenReader);
        auto *screen = show<frmcomplementare>(QStringLiteral("frmcomplementare"));
        QCoreApplication::processEvents();
        return screen;
    }

    void confirm(frmcomplementare *screen, const QStringList &answer)
    {
        const QList<QLineEdit *> boxes {screen->txtn1, screen->txtd1, screen->txtn2, screen->txtd2};
        for (qsizetype i = 0; i < answer.size(); ++i)
            QTest::keyClicks(boxes[i], answer[i]);
        screen->cmdconferma->click();
        QCoreApplication::processEvents();
    }

    Ear ear;

private slots:
    void init() { ear = {}; }

    void onReadsTaskVerdictAndNextTask()
    {
        frmcomplementare *screen = open(true);
        QCOMPARE(ear.heard, QStringList {QStringLiteral("3 ottavi")});
        confirm(screen, {"5", "8", "1"});
        confirm(screen, {"", "", "8", "8"});
        // Each verdict once, the new task in the same breath as its praise.
        QCOMPARE(ear.heard,
                 (QStringList {QStringLiteral("3 ottavi"), QStringLiteral("Sbagliato, riprova!"),
                               QStringLiteral("Esatto, complimenti! un mezzo")}));
    }

    // Ctrl+L reads the task again, from a text box too, and types nothing.
    void ctrlLReadsOnOrOff_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("screenReader");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("off") << false << false << QStringList {"3 ottavi"};
        QTest::newRow("on") << true << false << QStringList {"3 ottavi", "3 ottavi"};
        QTest::newRow("screen reader") << true << true << QStringList {};
    }
    void ctrlLReadsOnOrOff()
    {
        QFETCH(bool, on);
        QFETCH(bool, screenReader);
        QFETCH(QStringList, heard);
        frmcomplementare *screen = open(on, screenReader);
        // Silent until asked, and nothing is made to speak until then.
        if (!on)
            QCOMPARE(ear.speakers, 0);
        screen->txtn1->setFocus();
        QTest::keyClick(screen->txtn1, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(screen->txtn1->text(), QString());
        QCOMPARE(ear.heard, heard);
    }

    // A screen that goes stops its own words, not the next screen's.
    void leavingStopsWhatTheScreenSaid()
    {
        frmcomplementare *screen = open(true);
        QTest::keyClick(screen, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(ear.heard.mid(0, 2), (QStringList {QStringLiteral("3 ottavi"), "stop"}));
        // The menu names the picture button that has the focus.
        QCOMPARE(ear.heard.mid(2), QStringList {QStringLiteral("Calcolo le quotelle")});
        registry->show(QStringLiteral("frmregolecalcola"));
        registry->unload(QStringLiteral("frminizio"));
        QCoreApplication::processEvents();
        // The menu's words stop as it goes; the page's, said after, do not.
        QCOMPARE(ear.heard.mid(3, 1), QStringList {"stop"});
        QVERIFY(ear.heard.last().startsWith(QStringLiteral("IL NUMERATORE indica")));
    }
};

QTEST_MAIN(VoiceTest)
#include "tst_voice.moc"
