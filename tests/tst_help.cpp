// SPDX-License-Identifier: GPL-3.0-or-later

// The help for a stuck child on the six exercises, driven as a child would:
// wrong answers climb the ladder, F1 climbs it at once, a right answer ends
// it, and it never covers what the child reads or presses.
#include "clickarea.h"
#include "exercise.h"
#include "font.h"
#include "fractiontype.h"
#include "helppanel.h"
#include "line.h"
#include "numberpad.h"
#include "percent.h"
#include "picture.h"
#include "recognise.h"
#include "settingsfile.h"
#include "shape.h"
#include "testing.h"
#include "voice.h"
#include "topicwords.h"
#include "zoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Ear : Speaker
{
    explicit Ear(QStringList &heard) : heard(heard) { }
    void say(const QString &text) override { heard << text; }
    void stop() override { }
    QStringList &heard;
};

using Draws = QList<QPair<int, int>>;
using Answer = QList<QPair<QString, QString>>; // control, then what to type or empty to click

// 3/4 of 80; 3/8; six times 3/7 and 3/45; 5/12 5/7 5/30 5/9; 3/7 3/12 3/5 3/40 3/9.
const Draws fractionOf99 {{20, 99}, {3, 9}, {4, 9}};
const Draws fractionOf999 {{20, 999}, {3, 9}, {4, 9}};
const Draws complement {{3, 99}, {8, 99}};
const Draws largest {{1, 2}, {5, 99}, {12, 99}, {7, 99}, {30, 99}, {9, 99}};
const Draws order {{1, 2}, {3, 99}, {7, 99}, {12, 99}, {5, 99}, {40, 99}, {9, 99}};
Draws symbols()
{
    Draws draws;
    for (int p = 0; p < 6; ++p)
        draws << QPair {1, 2} << QPair {3, 9} << QPair {7, 99} << QPair {1, 9} << QPair {45, 99};
    return draws;
}

const Answer calculation {{"txtiniz", "80"},  {"txtden", "4"}, {"txtsris", "20"},
                          {"txtsris2", "20"}, {"txtnum", "3"}, {"txtris2", "60"},
                          {"txtris", "60"}};

// Every exercise's help, at both levels and after each wrong step, for tasks
// whose fractions have the denominator d or one next to it, with
// numerator 1 among them.
std::vector<Help> everyHelpAt(int d)
{
    std::vector<Help> helps;
    const int below = std::max(1, d - 1);
    // Another denominator next to d, within the screens' 2 to 99.
    const int next = d == 2 ? 3 : d - 1;
    const int shared = std::max(1, std::min(below, next - 1));
    const auto sharing = [&](int count, int tipo) {
        const int term = tipo == 1 ? 1 : std::max(d, count + 1);
        SharedTermTask task {tipo, term, {}};
        for (int k = 0; k < count; ++k)
            task.varying.push_back(tipo == 1 ? (d >= 10 ? d - k : d + k) : term - 1 - k);
        return task;
    };
    for (int level : {1, 2}) {
        for (int num : {1, below}) {
            for (Step step : {Step::Division, Step::Multiplication, Step::Result})
                helps.push_back(help(FractionOfTask {num, d, 99}, step, level));
            helps.push_back(help(ComplementTask {num, d}, Step::Numerator, level));
            // The topics' helps too.
            for (Step step : {Step::Division, Step::Multiplication, Step::Result})
                helps.push_back(help(FractionToWholeTask {num, d, 7}, step, level));
            helps.push_back(help(TypeTask {{num, d}}, level));
            helps.push_back(help(RecogniseTask {RecogniseKind::Read, PartsShape::Strips, {num, d}},
                                 Step::Numerator, level, 0));
            helps.push_back(help(PercentTask {PercentKind::OfNumber, num, 100}, Step::Result, level));
        }
        for (const auto &[a, b] : {std::pair {Fraction {1, d}, Fraction {1, next}},
                                   std::pair {Fraction {1, d}, Fraction {below, d}},
                                   std::pair {Fraction {shared, d}, Fraction {shared, next}}}) {
            SymbolTask task;
            task.fill({a, b});
            helps.push_back(help(task, Judgement {}, level));
        }
        for (int tipo : {1, 2}) {
            helps.push_back(help(LargestTask {sharing(4, tipo)}, level));
            helps.push_back(help(OrderTask {sharing(5, tipo), Direction::Descending}, level));
        }
    }
    return helps;
}

} // namespace

class HelpTest : public ExerciseTest
{
    Q_OBJECT

    Exercise *open(const QString &name, const Draws &draws)
    {
        heard.clear();
        ScriptedRandom &random = freshScript();
        for (const auto &[k, n] : draws)
            random.then(k, n);
        registry->voice().setSpeakerFactory(
            [this](const std::function<void()> &) { return std::make_unique<Ear>(heard); });
        registry->voice().setOn(true);
        return show<Exercise>(name);
    }

    void answer(Exercise *screen, const Answer &answer)
    {
        for (const auto &[name, text] : answer) {
            QWidget *target = control<QWidget>(screen, qPrintable(name));
            if (auto *box = qobject_cast<QLineEdit *>(target))
                box->setText(text);
            else
                QTest::mouseClick(target, Qt::LeftButton);
        }
    }

    QStringList heard;

private slots:
    void ladderClimbsAndEndsWithARightAnswer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Answer>("wrong");
        QTest::addColumn<QString>("firstLevel");
        QTest::addColumn<QString>("secondLevel");
        QTest::addColumn<Answer>("right");
        const Answer divisionRight {{"txtiniz", "80"}, {"txtden", "4"}, {"txtsris", "20"}};
        for (const auto &[name, draws] :
             {std::pair {"frmcalcolo99", fractionOf99}, std::pair {"frmcalcolo", fractionOf999}}) {
            QTest::addRow("%s: division", name)
                << QString::fromLatin1(name) << draws << Answer {} << "Dividi 80 in 4 parti uguali"
                << "80 : 4 = 20" << calculation;
            QTest::addRow("%s: multiplication", name)
                << QString::fromLatin1(name) << draws << divisionRight
                << "Controlla la moltiplicazione."
                << "20 x 3 = 60" << calculation;
        }
        QTest::newRow("complement")
            << "frmcomplementare" << complement << Answer {{"txtn1", "5"}} << "L’intero è 8/8"
            << "8 − 3 = 5"
            << Answer {{"txtn1", "5"}, {"txtd1", "8"}, {"txtn2", "8"}, {"txtd2", "8"}};
        Answer allSymbols;
        for (int p = 1; p <= 6; ++p)
            allSymbols << QPair {QStringLiteral("txtsim%1").arg(p), QStringLiteral(">")};
        QTest::newRow("symbols") << "frmsimbolo" << symbols() << Answer {{"txtsim1", "<"}}
                                 << "La prima coppia"
                                 << "3/7 > 3/45" << allSymbols;
        QTest::newRow("largest") << "frmmax" << largest << Answer {{"sel1", {}}}
                                 << "parte colorata più lunga"
                                 << "La maggiore è 5/7." << Answer {{"sel2", {}}};
        QTest::newRow("order")
            << "frmordine" << order << Answer {{"img1", {}}} << "In ordine crescente"
            << "3/40, 3/12, 3/9, 3/7, 3/5"
            << Answer {{"img4", {}}, {"img2", {}}, {"img5", {}}, {"img1", {}}, {"img3", {}}};
    }
    void ladderClimbsAndEndsWithARightAnswer()
    {
        QFETCH(QString, name);
        QFETCH(Draws, draws);
        QFETCH(Answer, wrong);
        QFETCH(QString, firstLevel);
        QFETCH(QString, secondLevel);
        QFETCH(Answer, right);
        Exercise *screen = open(name, draws);
        const auto confirm = [&](const Answer &given) {
            answer(screen, given);
            QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
            QCoreApplication::processEvents();
            return screen->shownHelp();
        };
        QCOMPARE(confirm(wrong).level, 0);
        const Help first = confirm(wrong);
        QCOMPARE(first.level, 1);
        QVERIFY2(first.lines.join(' ').contains(firstLevel), qPrintable(first.lines.join(' ')));
        QVERIFY(!first.bars.empty());
        const Help second = confirm(wrong);
        QCOMPARE(second.level, 2);
        QVERIFY2(second.lines.join(' ').contains(secondLevel), qPrintable(second.lines.join(' ')));
        // Heard once each, after the verdict that brought it.
        QCOMPARE(heard.filter(first.spoken).size(), 1);
        QCOMPARE(heard.filter(second.spoken).size(), 1);
        QVERIFY(screen->reading().endsWith(second.spoken));
        // A right answer: a new task, and no help.
        confirm(right);
        QCOMPARE(control<QLabel>(screen, "lblmess")->text().contains(QStringLiteral("riprova")),
                 false);
        QCOMPARE(screen->shownHelp().level, 0);
        QVERIFY(!control<HelpPanel>(screen, "aiuto")->isVisible());
    }

    // No help, written, drawn or spoken, counts one thing in the plural.
    void oneIsSingular()
    {
        static const QRegularExpression plural(
            QStringLiteral("\\b1 (parti|colorate|valgono|fanno)\\b|\\bparti da \\d+ fa\\b"
                           "|\\b(sono|i) 1\\b"));
        for (int d : {2, 3, 10, 66, 99}) {
            for (const Help &shown : everyHelpAt(d)) {
                QStringList said {shown.lines.join(' '), shown.spoken};
                for (const Bar &bar : shown.bars)
                    said << describe(bar);
                HelpPanel panel(nullptr);
                panel.setHelp(shown);
                for (const HelpDrawing::BarShape &bar : panel.drawing(QSizeF(260, 280)).bars) {
                    for (const HelpDrawing::Text &label : bar.labels)
                        said << label.text;
                }
                QVERIFY2(!said.join(' ').contains(plural), qPrintable(said.join(' ')));
            }
        }
    }

    // Every comparison's worked step says which fraction is the larger.
    void theLargerIsNamed()
    {
        for (int n = 1; n <= 9; ++n) {
            for (int d1 = n; d1 <= 99; ++d1) {
                for (int d2 = d1 + 1; d2 <= 99; ++d2) {
                    for (const auto &[a, b] : {std::pair {Fraction {n, d1}, Fraction {n, d2}},
                                               std::pair {Fraction {n, d2}, Fraction {d1, d2}}}) {
                        SymbolTask task;
                        task.fill({b, a});
                        const QString said = help(task, Judgement {}, 2).lines.join(' ');
                        const QString expected = QStringLiteral("Quindi %1/%2 è maggiore di %3/%4.")
                                                     .arg(std::max(a, b).numerator)
                                                     .arg(std::max(a, b).denominator)
                                                     .arg(std::min(a, b).numerator)
                                                     .arg(std::min(a, b).denominator);
                        QVERIFY2(a == b || said.contains(expected), qPrintable(said));
                    }
                }
            }
        }
    }

    // However finely a whole is cut, the drawing shows it: no two lines
    // closer than 4 px, and every label within its bar, clear of the lines
    // and of the other labels; at the sizes the exercises give the help.
    void drawingsShowWhatTheyAsk()
    {
        HelpPanel panel(nullptr);
        panel.setFont(Font::comic(13.5).boldFace().toQFont());
        for (int d : {2, 10, 66, 99}) {
            for (const Help &shown : everyHelpAt(d)) {
                panel.setHelp(shown);
                for (const QSizeF size : {QSizeF(240, 280), QSizeF(268, 248), QSizeF(281, 170),
                                          QSizeF(521, 129), QSizeF(600, 460)}) {
                    const HelpDrawing drawn = panel.drawing(size);
                    const QString where = QStringLiteral("%1 at %2×%3: %4")
                                              .arg(d)
                                              .arg(size.width())
                                              .arg(size.height())
                                              .arg(shown.lines.join(' '));
                    QCOMPARE(drawn.bars.size(), shown.bars.size());
                    // A question about lengths is asked only of lengths that differ
                    // to the eye: the longest by 4 px at least from every shorter one.
                    if (shown.lines.join(' ').contains(QStringLiteral("più lunga"))) {
                        qreal longest = 0;
                        for (const HelpDrawing::BarShape &bar : drawn.bars)
                            longest = std::max(longest, bar.coloured.width());
                        for (const HelpDrawing::BarShape &bar : drawn.bars)
                            QVERIFY2(qFuzzyCompare(bar.coloured.width(), longest)
                                         || longest - bar.coloured.width() >= 4,
                                     qPrintable(where));
                    }
                    for (const HelpDrawing::Text &text : drawn.texts)
                        QVERIFY2(QRectF(QPointF(), size).contains(text.rect), qPrintable(where));
                    for (std::size_t b = 0; b < drawn.bars.size(); ++b) {
                        const HelpDrawing::BarShape &bar = drawn.bars[b];
                        QVERIFY2(bar.coloured.width() >= 4, qPrintable(where));
                        // Parts too many to draw one by one are counted in words.
                        QVERIFY2(bar.divisions.size() + 1 == std::size_t(shown.bars[b].parts)
                                     || !bar.labels.empty(),
                                 qPrintable(where));
                        std::vector<qreal> lines {bar.outline.left(), bar.outline.right()};
                        lines.insert(lines.end(), bar.divisions.begin(), bar.divisions.end());
                        std::sort(lines.begin(), lines.end());
                        for (std::size_t k = 1; k < lines.size(); ++k)
                            QVERIFY2(lines[k] - lines[k - 1] >= 4, qPrintable(where));
                        for (const HelpDrawing::Text &label : bar.labels) {
                            const QString fault = where + QStringLiteral(" / ") + label.text;
                            QVERIFY2(bar.place.contains(label.rect), qPrintable(fault));
                            QVERIFY2(QFontMetricsF(label.font).horizontalAdvance(label.text)
                                         <= label.rect.width(),
                                     qPrintable(fault));
                            for (qreal x : lines)
                                QVERIFY2(x <= label.rect.left() || x >= label.rect.right(),
                                         qPrintable(fault));
                            for (const HelpDrawing::Text &other : bar.labels)
                                QVERIFY2(&other == &label || !other.rect.intersects(label.rect),
                                         qPrintable(fault));
                        }
                    }
                }
            }
        }
    }

    // The symbol help names its pair and rings it while it shows.
    void theSymbolHelpMarksItsPair()
    {
        Exercise *screen = open(QStringLiteral("frmsimbolo"), symbols());
        control<QLineEdit>(screen, "txtsim1")->setText(QStringLiteral(">"));
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QTest::keyClick(screen, Qt::Key_F1);
        QVERIFY(screen->shownHelp().lines.first().startsWith(QStringLiteral("La seconda coppia:")));
        auto *ring = control<Shape>(screen, "helpedPair");
        QVERIFY(ring->isVisible());
        QVERIFY(ring->geometry().contains(control<QLineEdit>(screen, "txtsim2")->geometry()));
        QVERIFY(ring->geometry().contains(control<QLabel>(screen, "lbln22")->geometry()));
        QVERIFY(!ring->geometry().intersects(control<QLineEdit>(screen, "txtsim1")->geometry()));
        screen->taskChanged();
        QVERIFY(!ring->isVisible());
    }

    // F1 climbs at once, and the pad's "?" as well; the first wrong answer
    // after that keeps the level reached.
    void f1AndThePadStepTheLadder()
    {
        Exercise *screen = open(QStringLiteral("frmcomplementare"), complement);
        QCOMPARE(screen->shownHelp().level, 0);
        QWidget *box = screen->focusWidget();
        QTest::keyClick(box, Qt::Key_F1);
        QCOMPARE(screen->shownHelp().level, 1);
        QCOMPARE(screen->focusWidget(), box);
        registry->pad().setShown(true);
        QTest::mouseClick(control<QPushButton>(screen, "?"), Qt::LeftButton);
        QCOMPARE(screen->shownHelp().level, 2);
        QCOMPARE(screen->focusWidget(), box);
        QCOMPARE(control<QLineEdit>(screen, "txtn1")->text(), QString());
        QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QCOMPARE(screen->shownHelp().level, 2);
    }

    // Choosing the other order while the help shows changes what it says.
    void theOrderingHelpFollowsTheOrderChosen()
    {
        Exercise *screen = open(QStringLiteral("frmordine"), order);
        QTest::keyClick(screen, Qt::Key_F1);
        control<QRadioButton>(screen, "optdecre")->click();
        QVERIFY(screen->shownHelp().lines.join(' ').contains(QStringLiteral("decrescente")));
    }

    // For a test in class the teacher switches the help off: no ladder, no
    // F1, no "?" on the pad.
    void aTeacherCanSwitchItOff()
    {
        Exercise *screen = open(QStringLiteral("frmcomplementare"), complement);
        registry->settingsFile().setOption(QStringLiteral("aiuti/aiuto"), QStringLiteral("no"));
        for (int k = 0; k < 3; ++k)
            QTest::mouseClick(screen->cmdconferma, Qt::LeftButton);
        QTest::keyClick(screen, Qt::Key_F1);
        QCOMPARE(screen->shownHelp().level, 0);
        QVERIFY(!screen->padKeys().contains(QStringLiteral("?")));
    }

    // At every zoom step, with and without the pad and the times table, the
    // help, the table and the pad's keys lie clear of each other and of
    // every box, number, sign, verdict, button and fraction; where the help
    // and the table take turns, one of them shows; on the topics' screens too.
    void helpCoversNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<bool>("pad");
        QTest::addColumn<bool>("table");
        for (const auto &[name, draws] :
             {std::pair {"frmcalcolo99", fractionOf99}, std::pair {"frmcalcolo", fractionOf999},
              std::pair {"frmcomplementare", complement}, std::pair {"frmsimbolo", symbols()},
              std::pair {"frmmax", largest}, std::pair {"frmordine", order},
              // The topics: 12/12 in strips, 1/2, and the last to amplify, 48/49 = ?/98.
              std::pair {"frmriconosco", Draws {{77, 203}}},
              std::pair {"frmtipi", Draws {{1, 3}, {1, 45}}},
              std::pair {"frmequivalenti", Draws {{2758, 2758}}},
              std::pair {"frmintero99", fractionOf99}, std::pair {"frmintero", fractionOf999},
              std::pair {"frmdecimali", Draws {{3, 3}, {2516, 9999}}},
              std::pair {"frmpercentuale", Draws {{80, 1000}, {25, 99}}}}) {
            for (bool pad : {false, true})
                for (bool table : {false, true})
                    if (!table || QByteArray(name).startsWith("frmcalcolo")
                        || QByteArray(name).startsWith("frmintero"))
                        QTest::addRow("%s%s%s", name, pad ? " with the pad" : "",
                                      table ? " with the table" : "")
                            << QString::fromLatin1(name) << draws << pad << table;
        }
    }
    void helpCoversNothing()
    {
        QFETCH(QString, name);
        QFETCH(Draws, draws);
        QFETCH(bool, pad);
        QFETCH(bool, table);
        for (int percent : {100, 125, 150, 175, 200, 250, 300}) {
            ScriptedRandom &random = freshScript();
            for (const auto &[k, n] : draws)
                random.then(k, n);
            zoomTo(*registry, percent);
            registry->setTimesTableAllowed(table);
            registry->pad().setShown(pad);
            auto *screen = show<Exercise>(name);
            if (table)
                QTest::keyClick(screen, Qt::Key_F2);
            QTest::keyClick(screen, Qt::Key_F1);
            auto *help = control<HelpPanel>(screen, "aiuto");
            QVERIFY(help->isVisibleTo(screen));
            QWidget *tavola = screen->findChild<QWidget *>(QStringLiteral("tavola"));
            QCOMPARE(tavola != nullptr, table);
            // Taking turns, F2 brings the table in front and F1 the help again.
            if (table && tavola->isHidden()) {
                QTest::keyClick(screen, Qt::Key_F2);
                QVERIFY(tavola->isVisibleTo(screen) && help->isHidden());
                QTest::keyClick(screen, Qt::Key_F1);
                QVERIFY(help->isVisibleTo(screen) && tavola->isHidden());
            }
            std::vector<QWidget *> aids {help};
            if (tavola)
                aids.push_back(tavola);
            if (auto *keys = screen->findChild<PadKeys *>())
                for (QWidget *key : keys->findChildren<QPushButton *>())
                    aids.push_back(key);
            QCOMPARE(!screen->findChildren<QPushButton *>(QStringLiteral("Cancella")).isEmpty(),
                     pad && name != QLatin1String("frmmax") && name != QLatin1String("frmordine")
                         && name != QLatin1String("frmtipi"));
            for (const QWidget *aid : aids) {
                if (!aid->isVisibleTo(screen))
                    continue;
                const QRect covered(aid->mapTo(screen, QPoint()), aid->size());
                QVERIFY(screen->rect().contains(covered));
                for (QWidget *other : screen->findChildren<QWidget *>()) {
                    const QRect place(other->mapTo(screen, QPoint()), other->size());
                    const bool clear = !other->isVisibleTo(screen) || other == aid
                        || aid->isAncestorOf(other) || qobject_cast<Picture *>(other)
                        || qobject_cast<PadKeys *>(other)
                        || !(qobject_cast<QLabel *>(other) || qobject_cast<QLineEdit *>(other)
                             || qobject_cast<QAbstractButton *>(other)
                             || qobject_cast<Line *>(other) || qobject_cast<ClickArea *>(other)
                             || qobject_cast<Shape *>(other) || other == help || other == tavola)
                        || !covered.intersects(place);
                    QVERIFY2(clear,
                             qPrintable(QStringLiteral("%1 % %2 covers %3")
                                            .arg(percent)
                                            .arg(aid->objectName(), other->objectName())));
                }
            }
        }
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
