// SPDX-License-Identifier: GPL-3.0-or-later

// The screen framework: random draws, centring, twips, keyboard, feedback.
#include "application.h"
#include "clickarea.h"
#include "exercise.h"
#include "line.h"
#include "picture.h"
#include "programkeys.h"
#include "testing.h"
#include "twips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// A small exercise with every kind of control the framework builds.
class Sample : public Exercise
{
    Q_OBJECT

public:
    explicit Sample(Registry &registry)
        : Exercise(registry, QStringLiteral("sample"), QStringLiteral("Sample"),
                   QColor(192, 255, 192))
    {
        second = button("second", QStringLiteral("&Secondo"), 2000, 6000, 1000, 400, Font {}, 3);
        first = textBox("first", 1200, 3120, 975, 615, Font::sans(24), 0);
        confermaButton(2280, 6000, 1455, 495, Font {}, 2);
        confirm = cmdconferma;
        fineButton(4);
        message(1200, 5040, 3615, 735, Font::comic(24), QColor(0, 0, 255));
        area = clickArea("area", 600, 1680, 855, 1455);
        bar = line("bar", 1440, 2400, 600, 2400, 3);
        connect(second, &QPushButton::clicked, this, [this] { ++seconds; });
    }

    void estrai() override { }
    Verdict judge() override
    {
        ++confirmed;
        return {QStringLiteral("Bravissimo!"), false, {}};
    }
    QString spokenTask() const override { return QStringLiteral("un mezzo di 10"); }
    Help helpAt(int, const Judgement &) const override { return {}; }
    QRect aidArea() const override { return {}; }

    using Exercise::cmdfine;
    using Exercise::lblmess;
    using Exercise::tmrtempo;

    QPushButton *second;
    QLineEdit *first;
    QPushButton *confirm;
    ClickArea *area;
    Line *bar;
    int confirmed = 0;
    int seconds = 0;
};

} // namespace

class FrameworkTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Registry> registry;
    Sample *sample = nullptr;

    Sample *openSample()
    {
        registry = makeRegistry();
        registry->add(QStringLiteral("sample"),
                      [](Registry &owner) { return std::make_unique<Sample>(owner); });
        registry->show(QStringLiteral("sample"));
        sample = loadedAs<Sample>(*registry, QStringLiteral("sample"));
        return sample;
    }

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

    void randomValuesStayBelowOne()
    {
        const float largest = std::nextafter(1.0f, 0.0f);
        QCOMPARE(Random::unitFromBits(0xFFFFFFFFu), largest);
        QCOMPARE(Random::unitFromBits(0u), 0.0f);
        ScriptedRandom scripted;
        for (int n : {2, 9, 99, 999}) {
            scripted.thenValue(largest);
            QCOMPARE(scripted.draw(n), n);
            scripted.thenValue(0.0f);
            QCOMPARE(scripted.draw(n), 1);
        }
    }

    void realGeneratorCoversItsRange()
    {
        Random random;
        random.reseed();
        int seen[10] = {};
        for (int i = 0; i < 200000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const int k = random.draw(9);
            QVERIFY(k >= 1 && k <= 9);
            ++seen[k];
        }
        for (int k = 1; k <= 9; ++k)
            QVERIFY2(seen[k] > 20000 && seen[k] < 24500, qPrintable(QString::number(seen[k])));
    }

    void centringKeepsHalfTwipsAndGoesNegative()
    {
        const Origin half = centredOrigin(15360, 11520, 10621, 7186);
        QCOMPARE(half.left, 2369.5f);
        QCOMPARE(half.top, 2167.0f);
        const Origin large = centredOrigin(9600, 7200, 10740, 7680);
        QCOMPARE(large.left, -570.0f);
        QCOMPARE(large.top, -240.0f);
    }

    void screenCentresItselfAtLoad()
    {
        openSample();
        const QSize display = QGuiApplication::primaryScreen()->geometry().size();
        const Origin expected = centredOrigin(display.width() * 15.0f, display.height() * 15.0f,
                                              sample->frameGeometry().width() * 15.0f,
                                              sample->frameGeometry().height() * 15.0f);
        QCOMPARE(sample->Left(), expected.left);
        QCOMPARE(sample->Top(), expected.top);
        QCOMPARE(sample->frameGeometry().topLeft(),
                 QPoint(qRound(expected.left / 15), qRound(expected.top / 15)));
    }

    void controlsArePlacedInTwips()
    {
        openSample();
        QCOMPARE(sample->size(), QSize(708, 479));
        QCOMPARE(sample->first->geometry(), QRect(80, 208, 65, 41));
        QCOMPARE(sample->cmdfine->geometry(), QRect(16, 440, 57, 25));
        QCOMPARE(sample->cmdfine->text(), QStringLiteral("&Fine"));
        QCOMPARE(sample->first->font().pointSizeF(), 24.0);
        QCOMPARE(sample->lblmess->font().pointSizeF(), 24.0);
        QVERIFY(sample->lblmess->font().italic());
        QVERIFY(sample->lblmess->text().isEmpty());
        QVERIFY(!sample->tmrtempo->isActive());
        QCOMPARE(sample->tmrtempo->interval(), 3000);
        // A line given right to left is the same bar as one given left to right.
        QCOMPARE(sample->bar->mapToParent(sample->bar->from().toPoint()), QPoint(96, 160));
        QCOMPARE(sample->bar->mapToParent(sample->bar->to().toPoint()), QPoint(40, 160));
        QCOMPARE(sample->bar->lineWidth(), 3);
    }

    // A control added after building follows the zoom by the same path as
    // the table's: its rectangle, font and own drawing, a line's end points.
    void addedControlFollowsTheZoom()
    {
        openSample();
        auto *added = new Line(sample, 1440, 2400, 600, 2400, 3, Qt::black);
        sample->addControl(added, QRect());
        sample->setZoom(2);
        QCOMPARE(added->mapToParent(added->from().toPoint()), QPoint(192, 320));
        QCOMPARE(added->geometry(), sample->bar->geometry());
    }

    void focusAndTabFollowTabIndex()
    {
        openSample();
        QCOMPARE(sample->focusWidget(), sample->first);
        QCOMPARE(nextFocusable(sample->first), sample->confirm);
        QCOMPARE(nextFocusable(sample->confirm), sample->second);
        QCOMPARE(nextFocusable(sample->second), sample->cmdfine);
        QCOMPARE(nextFocusable(sample->cmdfine), sample->first);
    }

    void enterPressesOnlyAFocusedButton()
    {
        openSample();
        QTest::keyClick(sample->first, Qt::Key_Return);
        QTest::keyClick(sample->first, Qt::Key_Enter);
        QCOMPARE(sample->confirmed, 0);
        sample->confirm->setFocus();
        QTest::keyClick(sample->confirm, Qt::Key_Return);
        QCOMPARE(sample->confirmed, 1);
        QTest::keyClick(sample->confirm, Qt::Key_Space);
        QCOMPARE(sample->confirmed, 2);
        QCOMPARE(sample->seconds, 0);
    }

    void accessKeysPressTheirButtons()
    {
        openSample();
        QVERIFY(QTest::qWaitForWindowActive(sample));
        // Qt animates a button pressed by its access key: the click follows.
        QTest::keyClick(sample->first, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(sample->confirmed, 1);
        QTest::keyClick(sample->first, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(sample->seconds, 1);
        QCOMPARE(sample->confirmed, 1);
    }

    void escapePressesCancelFromAnywhere()
    {
        openSample();
        QTest::keyClick(sample->first, Qt::Key_Escape);
        QVERIFY(!registry->screen(QStringLiteral("sample")));
        QVERIFY(registry->screen(QStringLiteral("frminizio")));
    }

    void clickAreaAnswersToAClickInside()
    {
        openSample();
        QSignalSpy clicks(sample->area, &ClickArea::clicked);
        QTest::mouseClick(sample->area, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(sample->area, Qt::RightButton);
        QCOMPARE(clicks.count(), 1);
        // A press that ends outside the area is no click.
        QTest::mousePress(sample->area, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(sample->area, Qt::LeftButton, {}, QPoint(-20, 5));
        QCOMPARE(clicks.count(), 1);
    }

    void verdictIsEmptiedByTheTimer()
    {
        openSample();
        QCOMPARE(sample->tmrtempo->timerType(), Qt::PreciseTimer);
        QElapsedTimer clock;
        clock.start();
        sample->confirm->click();
        QCOMPARE(sample->lblmess->text(), QStringLiteral("Bravissimo!"));
        QVERIFY(sample->tmrtempo->isActive());
        QVERIFY(sample->tmrtempo->remainingTime() <= 3000);
        QVERIFY(sample->tmrtempo->remainingTime() > 2500);
        QTRY_VERIFY_WITH_TIMEOUT(sample->lblmess->text().isEmpty(), 5000);
        QVERIFY(clock.elapsed() >= 2990);
        // The timer keeps ticking; a later verdict restarts the period, so it
        // is readable for the full interval however close to a tick it comes.
        QTest::qWait(1500);
        QVERIFY(sample->tmrtempo->isActive());
        sample->confirm->click();
        QVERIFY(sample->tmrtempo->remainingTime() > 2500);
        QTest::qWait(2000);
        QCOMPARE(sample->lblmess->text(), QStringLiteral("Bravissimo!"));
        QTRY_VERIFY_WITH_TIMEOUT(sample->lblmess->text().isEmpty(), 3000);
    }

    void everyPictureLoads()
    {
        const QDir pictures(QStringLiteral(":/pictures"));
        const QStringList files = pictures.entryList({QStringLiteral("*.svg")});
        QVERIFY(files.size() >= 25);
        for (const QString &file : files) {
            Picture picture(nullptr, file);
            QVERIFY2(picture.isValid(), qPrintable(file));
            QVERIFY2(!picture.naturalSize().isEmpty(), qPrintable(file));
        }
    }

    // The first window's drawings are read on a worker thread, sizes included.
    void preparedDrawingKeepsItsSize()
    {
        const QString file = QStringLiteral("girl-with-book.svg");
        QWidget window;
        window.resize(400, 400);
        const auto *prepared = new Picture(&window, file);
        prepareDrawings(&window);
        QCOMPARE(prepared->naturalSize(), Picture(nullptr, file).naturalSize());
    }

    // The program's own keys are one table: each name is the key that is
    // dispatched, and the teachers' list in the README and the manual
    // page's TASTI name exactly those keys.
    void keysTableMatchesTheDocuments()
    {
        QStringList rows;
        QSet<QString> names;
        for (const ProgramKey &key : programKeys()) {
            const QString name = QString::fromUtf8(key.name);
            const QKeyCombination typed =
                QKeySequence(QString(name).replace(QStringLiteral("−"), QStringLiteral("-")))[0];
            const QKeyEvent event(QEvent::KeyPress, typed.key(), typed.keyboardModifiers());
            QCOMPARE(programKey(event), std::optional(key.action));
            rows << QStringLiteral("| **%1** | %2 | %3 | %4 |")
                        .arg(name, QString::fromUtf8(key.does), QString::fromUtf8(key.where),
                             QString::fromUtf8(key.switchOff));
            names << name;
        }
        QFile readme(QStringLiteral(SOURCE_DIR "/README.md"));
        QFile manual(QStringLiteral(SOURCE_DIR "/packaging/quotelle.1"));
        QVERIFY(readme.open(QIODevice::ReadOnly) && manual.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll());
        QStringList lines =
            text.mid(text.indexOf(QStringLiteral("| Tasto | Che cosa fa |"))).split(u'\n');
        lines = lines.mid(2, lines.indexOf(QString()) - 2);
        QCOMPARE(lines, rows);
        const QString page = QString::fromUtf8(manual.readAll());
        const qsizetype keys = page.indexOf(QStringLiteral(".SH TASTI"));
        const QStringList section =
            page.mid(keys, page.indexOf(QStringLiteral(".SH"), keys + 1) - keys).split(u'\n');
        QSet<QString> headed;
        for (qsizetype at = 1; at < section.size(); ++at) {
            if (section.at(at - 1) != QLatin1String(".TP"))
                continue;
            for (QString word : section.at(at).split(u' ')) {
                word.remove(u'"').remove(u',').replace(QStringLiteral("\\-"), QStringLiteral("−"));
                if (word.startsWith(QLatin1String("Ctrl+"))
                    || (word.size() == 2 && word.at(0) == u'F' && word.at(1).isDigit()))
                    headed << word;
            }
        }
        QCOMPARE(headed, names);
    }
};

QTEST_MAIN(FrameworkTest)
#include "tst_framework.moc"
