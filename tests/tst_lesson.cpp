// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson without a window: seeded draws give the same tasks as ever, and
// each judgement marks the right boxes and names the step to look at again.
#include "comparison.h"
#include "complement.h"
#include "equivalent.h"
#include "fractionof.h"
#include "fractiontype.h"
#include "random.h"
#include "recognise.h"
#include "settings.h"
#include "statistics.h"
#include "teachertask.h"
#include "topicwords.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <numeric>

namespace {

QString text(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

// One task of an exercise as the screen shows it, the denominators up to
// the teacher's setting (at its default unless given).
QString drawn(const QString &exercise, Random &random, int most = Settings().maxDenominator())
{
    QStringList parts;
    if (exercise == QLatin1String("frmequivalenti")) {
        for (const auto kind :
             {EquivalentKind::Amplify, EquivalentKind::Simplify, EquivalentKind::LowestTerms}) {
            const EquivalentTask t = drawEquivalent(random, kind, most);
            parts << text(t.given)
                    + (t.target ? QStringLiteral(" = ?/%1").arg(t.target) : QString());
        }
        return parts.join(QStringLiteral(", "));
    }
    if (exercise == QLatin1String("frmriconosco")) {
        for (const auto kind : {RecogniseKind::Read, RecogniseKind::Colour}) {
            const RecogniseTask t = drawRecognise(random, kind, most);
            parts << QStringLiteral("%1 %2").arg(int(t.shape)).arg(text(t.fraction));
        }
        return parts.join(QStringLiteral(", "));
    }
    if (exercise == QLatin1String("frmtipi"))
        return text(drawType(random).fraction);
    if (exercise == QLatin1String("frmcalcolo99") || exercise == QLatin1String("frmcalcolo")) {
        const bool small = exercise.endsWith(QLatin1String("99"));
        const FractionOfTask t =
            drawFractionOf(random, small ? FractionOfRange {99, 100} : FractionOfRange {999, 1000});
        return QStringLiteral("%1/%2 di %3").arg(t.num).arg(t.den).arg(t.whole());
    }
    if (exercise == QLatin1String("frmcomplementare")) {
        const ComplementTask t = drawComplement(random, most);
        return text({t.num, t.den});
    }
    if (exercise.startsWith(QLatin1String("frmsimbolo"))) {
        if (exercise.endsWith(QLatin1String("pair"))) {
            const SymbolPair pair = drawSymbolPair(random, most);
            return text(pair.first) + QLatin1Char(' ') + text(pair.second);
        }
        for (const SymbolPair &pair : drawSymbolTask(random, most))
            parts << text(pair.first) + QLatin1Char(' ') + text(pair.second);
        return parts.join(QStringLiteral(", "));
    }
    const SharedTermTask t = exercise == QLatin1String("frmmax")
        ? drawLargest(random, most).fractions
        : drawOrder(random, Direction::Ascending, most).fractions;
    for (int k = 0; k < int(t.varying.size()); ++k)
        parts << text(t.fraction(k));
    return parts.join(QLatin1Char(' '));
}

// One task of a topic as its screen shows it, the two kinds taking turns,
// and what the teacher's check says of the same task typed in.
struct TopicDraw
{
    QString shown;
    QString problem;
};

TopicDraw drawnTopic(const QString &topic, Random &random, int turn)
{
    const auto number = [](int n) { return QString::number(n); };
    if (topic.startsWith(QLatin1String("intero"))) {
        const FractionOfRange range = topic.endsWith(QLatin1String("99"))
            ? FractionOfRange {99, 100}
            : FractionOfRange {999, 1000};
        const FractionToWholeTask t = drawFractionToWhole(random, range);
        return {
            QStringLiteral("%1/%2 di ? = %3").arg(t.num).arg(t.den).arg(t.known()),
            checkFractionToWhole({number(t.num), number(t.den), number(t.known())}, range).problem};
    }
    if (topic == QLatin1String("decimali")) {
        const DecimalTask t = drawDecimal(random, decimalKindForTurn(turn));
        const QString problem =
            checkDecimal({number(t.numerator), number(t.denominator)}, t.kind).problem;
        if (t.kind == DecimalKind::ToNumber)
            return {QStringLiteral("%1/%2 = ?").arg(t.numerator).arg(t.denominator), problem};
        return {QStringLiteral("%1 = ?/%2").arg(t.number()).arg(t.denominator), problem};
    }
    const PercentTask t = drawPercent(random, percentKindForTurn(turn));
    const QString problem = checkPercent({number(t.percent), number(t.whole)}, t.kind).problem;
    if (t.kind == PercentKind::OfNumber)
        return {QStringLiteral("%1% di %2 = ?").arg(t.percent).arg(t.whole), problem};
    return {QStringLiteral("%1% = ?/100 = ?/%2").arg(t.percent).arg(t.lowest().denominator),
            problem};
}

// Counts the values each task takes, to show that every draw ends soon.
class CountingRandom : public Random
{
public:
    using Random::Random;
    float next() override
    {
        ++calls;
        return Random::next();
    }
    int calls = 0;
};

using Flags = QList<bool>;

Flags flags(const Judgement &judgement)
{
    return Flags(judgement.right.begin(), judgement.right.end());
}

} // namespace

class LessonTest : public QObject
{
    Q_OBJECT

private slots:
    // The first three tasks after an exercise loads with a fixed seed, as
    // the screens drew them before their draws became the lesson's.
    void seededDrawsGiveTheSameTasks_data()
    {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QStringList>("tasks");
        const auto row = [](uint seed, const char *exercise, QStringList tasks) {
            QTest::addRow("%u %s", seed, exercise)
                << seed << QString::fromLatin1(exercise) << tasks;
        };
        row(1, "frmcalcolo99", {"1/4 di 96", "3/9 di 90", "2/5 di 35"});
        row(1, "frmcalcolo", {"1/4 di 944", "3/9 di 873", "2/5 di 355"});
        row(20261209, "frmcalcolo99", {"2/4 di 28", "1/4 di 24", "1/8 di 8"});
        row(1, "frmcomplementare", {"42/99", "72/93", "1/13"});
        row(20261209, "frmcomplementare", {"6/25", "13/85", "7/63"});
        row(1, "frmsimbolo",
            {"2/30 2/15, 1/40 1/39, 7/40 7/54, 4/32 7/32, 5/67 5/42, 6/43 6/93",
             "8/80 8/96, 3/10 7/10, 8/89 8/89, 1/28 2/28, 7/10 6/10, 9/41 5/41",
             "3/32 2/32, 8/41 1/41, 6/98 6/98, 3/45 3/22, 1/45 1/90, 3/90 3/12"});
        row(1, "frmmax",
            {"40/93 40/54 40/84 40/42", "52/87 52/86 52/89 52/83", "10/30 10/90 10/29 10/12"});
        row(20261209, "frmmax",
            {"67/86 5/86 19/86 43/86", "13/83 13/33 13/25 13/41", "4/60 4/31 4/95 4/36"});
        row(1, "frmordine",
            {"36/89 36/75 36/43 36/88 36/96", "2/27 2/93 2/83 2/69 2/55",
             "13/52 18/52 2/52 40/52 3/52"});
        row(20261209, "frmequivalenti",
            {"28/49 = ?/98, 32/44 = ?/11, 10/25", "5/11 = ?/33, 28/90 = ?/45, 8/92"});
        row(20261209, "frmriconosco", {"2 11/12, 0 8/10", "0 2/5, 0 6/10"});
        row(20261209, "frmtipi", {"4/4", "1/6", "18/9"});
        row(20261209, "frmordine",
            {"33/64 56/64 27/64 2/64 21/64", "33/89 59/89 51/89 7/89 12/89",
             "22/76 22/25 22/54 22/94 22/56"});
    }
    void seededDrawsGiveTheSameTasks()
    {
        QFETCH(uint, seed);
        QFETCH(QString, exercise);
        QFETCH(QStringList, tasks);
        Random random(seed);
        random.reseed();
        for (const QString &task : tasks)
            QCOMPARE(drawn(exercise, random), task);
    }

    // At the least setting each draw stays in range, ends within a bounded
    // number of values and gives every valid task equally often: a set of
    // fractions stands for its orders, and only pairs of different ones count.
    void narrowedDrawsStayInRangeAndUniform_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<int>("validTasks");
        QTest::newRow("complement to 10") << "frmcomplementare" << 45;
        QTest::newRow("symbol pair to 10") << "frmsimbolo pair" << 480;
        QTest::newRow("largest to 10") << "frmmax" << 504;
        QTest::newRow("order to 10") << "frmordine" << 420;
    }
    void narrowedDrawsStayInRangeAndUniform()
    {
        QFETCH(QString, exercise);
        const int most = 10;
        QFETCH(int, validTasks);
        CountingRandom random(20261209);
        random.reseed();
        std::map<QString, int> counts;
        int mostCalls = 0;
        int draws = 0;
        for (int d = 0; d < 40 * validTasks; ++d) {
            random.calls = 0;
            QStringList fractions = drawn(exercise, random, most).split(QLatin1Char(' '));
            mostCalls = std::max(mostCalls, random.calls);
            for (const QString &fraction : fractions) {
                const int numerator = fraction.section(QLatin1Char('/'), 0, 0).toInt();
                const int denominator = fraction.section(QLatin1Char('/'), 1).toInt();
                QVERIFY2(numerator >= 1 && numerator < denominator && denominator <= most,
                         qPrintable(fraction));
            }
            if (exercise.endsWith(QLatin1String("pair")) && fractions[0] == fractions[1])
                continue;
            if (fractions.size() > 2)
                fractions.sort();
            ++counts[fractions.join(QLatin1Char(' '))];
            ++draws;
        }
        QCOMPARE(int(counts.size()), validTasks);
        QVERIFY2(mostCalls < 5000, qPrintable(QString::number(mostCalls)));
        QVERIFY(chiSquare(counts, validTasks, draws) < chiSquareLimit(validTasks));
    }

    // The topics' first tasks with a fixed seed, the kinds in turn.
    void seededTopicDrawsArePinned()
    {
        const std::pair<const char *, QStringList> rows[] = {
            {"intero99", {"1/4 di ? = 24", "3/9 di ? = 30", "2/5 di ? = 14", "3/7 di ? = 21"}},
            {"intero", {"1/4 di ? = 236", "3/9 di ? = 291", "2/5 di ? = 142", "3/7 di ? = 198"}},
            {"decimali", {"997/100 = ?", "9,325 = ?/1000", "13/10 = ?", "9,9 = ?/10"}},
            {"percentuale",
             {"23% di 700 = ?", "20% = ?/100 = ?/5", "75% di 572 = ?", "70% = ?/100 = ?/10"}}};
        for (const auto &[topic, tasks] : rows) {
            Random random(1);
            random.reseed();
            QStringList drawn;
            for (int turn = 0; turn < 4; ++turn)
                drawn << drawnTopic(QString::fromLatin1(topic), random, turn).shown;
            QCOMPARE(drawn, tasks);
        }
    }

    // Each topic's draw gives every valid task, and only those the
    // teacher's check takes, equally often: for the decimals within each
    // denominator, each denominator a third of the time.
    void decimalWholePercentDrawsAreUniform_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QString>("only");
        QTest::addColumn<int>("validTasks");
        QTest::newRow("intero within 100") << "intero99" << 0 << "" << 599;
        QTest::newRow("intero within 1000") << "intero" << 0 << "" << 6146;
        QTest::newRow("decimal tenths") << "decimali" << 0 << "/10 " << 90;
        QTest::newRow("decimal hundredths") << "decimali" << 1 << "/100$" << 900;
        QTest::newRow("decimal thousandths") << "decimali" << 0 << "/1000 " << 9000;
        QTest::newRow("percent of a number") << "percentuale" << 0 << "" << 3400;
        QTest::newRow("percent as a fraction") << "percentuale" << 1 << "" << 11;
    }
    void decimalWholePercentDrawsAreUniform()
    {
        QFETCH(QString, topic);
        QFETCH(int, turn);
        QFETCH(QString, only);
        QFETCH(int, validTasks);
        Random random(20261209);
        random.reseed();
        std::map<QString, int> counts;
        int kept = 0;
        int draws = 0;
        for (; kept < 40 * validTasks; ++draws) {
            const TopicDraw task = drawnTopic(topic, random, turn);
            QVERIFY2(task.problem.isEmpty(), qPrintable(task.shown + task.problem));
            if (task.shown.contains(QRegularExpression(only))) {
                ++counts[task.shown];
                ++kept;
            }
        }
        QCOMPARE(int(counts.size()), validTasks);
        QVERIFY(chiSquare(counts, validTasks, kept) < chiSquareLimit(validTasks));
        if (!only.isEmpty())
            QVERIFY(std::abs(kept - draws / 3.0) < 5 * std::sqrt(draws * 2 / 9.0));
    }

    // Each kind of a topic's task, drawn at the least setting: only valid
    // tasks, every one equally often.
    void topicDrawsAreUniformOverTheirValidTasks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("validTasks");
        QTest::newRow("amplify to 10") << int(EquivalentKind::Amplify) << 15;
        QTest::newRow("simplify to 10") << int(EquivalentKind::Simplify) << 15;
        QTest::newRow("lowest terms to 10") << int(EquivalentKind::LowestTerms) << 14;
    }
    void topicDrawsAreUniformOverTheirValidTasks()
    {
        QFETCH(int, kind);
        QFETCH(int, validTasks);
        const int most = 10;
        Random random(20261209);
        random.reseed();
        std::map<QString, int> counts;
        const int draws = 100 * validTasks;
        for (int d = 0; d < draws; ++d) {
            const EquivalentTask t = drawEquivalent(random, EquivalentKind(kind), most);
            const Fraction &g = t.given;
            const Fraction e = t.expected();
            QVERIFY(g.numerator >= 1 && g.numerator < g.denominator && g.denominator <= most);
            QVERIFY(e.numerator * g.denominator == g.numerator * e.denominator);
            if (t.kind == EquivalentKind::LowestTerms)
                QVERIFY(std::gcd(g.numerator, g.denominator) > 1
                        && std::gcd(e.numerator, e.denominator) == 1);
            else
                QVERIFY(e.denominator != g.denominator && e.denominator <= most
                        && e.numerator >= 1);
            ++counts[text(g) + QLatin1Char(' ') + text(e)];
        }
        QCOMPARE(int(counts.size()), validTasks);
        QVERIFY(chiSquare(counts, validTasks, draws) < chiSquareLimit(validTasks));
    }

    // Each type of fraction a third of the time, and within a type every
    // fraction as often: 45 proper, 90 improper and 27 apparent ones.
    void typesComeAThirdEachAndUniformWithin()
    {
        Random random(20261209);
        random.reseed();
        constexpr int draws = 3 * 90 * 100;
        std::map<FractionType, std::map<QString, int>> counts;
        std::map<FractionType, int> types;
        for (int d = 0; d < draws; ++d) {
            const TypeTask t = drawType(random);
            const Fraction &f = t.fraction;
            QVERIFY(f.denominator >= 2 && f.denominator <= 10 && f.numerator >= 1
                    && f.numerator <= 3 * f.denominator);
            ++counts[t.type()][text(f)];
            ++types[t.type()];
        }
        QVERIFY(chiSquare(types, 3, draws) < chiSquareLimit(3));
        for (const auto &[type, valid] : {std::pair {FractionType::Proper, 45},
                                          {FractionType::Improper, 90},
                                          {FractionType::Apparent, 27}}) {
            QCOMPARE(int(counts[type].size()), valid);
            QVERIFY(chiSquare(counts[type], valid, types[type]) < chiSquareLimit(valid));
        }
        QCOMPARE(TypeTask({{8, 8}}).type(), FractionType::Apparent);
        QCOMPARE(TypeTask({{7, 4}}).type(), FractionType::Improper);
        QCOMPARE(help(TypeTask {{12, 4}}, 2).lines.last(),
                 QStringLiteral("12/4 = 3 interi: è apparente."));
        QCOMPARE(help(TypeTask {{12, 4}}, 1).bars.size(), std::size_t(3));
    }

    // A shape, its parts and those coloured, to 10 parts: 54 strips, 54
    // sectors and 37 grids; reading names the wrong term, colouring takes
    // any parts as many as the numerator.
    void recogniseDrawsEveryShapeAndJudgesEitherWay()
    {
        Random random(20261209);
        random.reseed();
        constexpr int valid = 145;
        std::map<QString, int> counts;
        for (int d = 0; d < 100 * valid; ++d) {
            const RecogniseTask t = drawRecognise(random, RecogniseKind::Colour, 10);
            QVERIFY(t.fraction.denominator <= 10 && t.fraction.numerator >= 1
                    && t.fraction.numerator <= t.fraction.denominator);
            QVERIFY(t.shape != PartsShape::Grid || gridCuts(t.fraction.denominator));
            ++counts[QStringLiteral("%1 %2").arg(int(t.shape)).arg(text(t.fraction))];
        }
        QCOMPARE(int(counts.size()), valid);
        QVERIFY(chiSquare(counts, valid, 100 * valid) < chiSquareLimit(valid));
        QCOMPARE(recogniseTasks(RecogniseKind::Read, 99).size(), std::size_t(77 + 77 + 49));

        const RecogniseTask read {RecogniseKind::Read, PartsShape::Sectors, {3, 8}};
        QCOMPARE(judge(read, {"3", "8"}).step, Step::None);
        QCOMPARE(judge(read, {"8", "3"}).step, Step::Numerator);
        QCOMPARE(flags(judge(read, {"3", "9"})), Flags({true, false}));
        const RecogniseTask colour {RecogniseKind::Colour, PartsShape::Grid, {3, 8}};
        QVERIFY(judgeColoured(colour, 3).allRight());
        QCOMPARE(judgeColoured(colour, 5).step, Step::Numerator);
        QCOMPARE(help(colour, Step::Numerator, 2, 5).lines.last(),
                 QStringLiteral("Togli il colore a 2 parti."));
    }

    // Equivalent fractions: the wrong term, and in lowest terms an answer of
    // the right value that is not reduced yet.
    void equivalentNamesTheWrongTerm_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<Flags>("right");
        QTest::addColumn<Step>("step");
        QTest::newRow("amplified")
            << "2/3 12" << QStringList {"8", ""} << Flags {true} << Step::None;
        QTest::newRow("leading zero")
            << "2/3 12" << QStringList {"08", ""} << Flags {false} << Step::Numerator;
        QTest::newRow("simplified")
            << "8/12 3" << QStringList {"2", ""} << Flags {true} << Step::None;
        QTest::newRow("lowest") << "18/24 0" << QStringList {"3", "4"} << Flags {true, true}
                                << Step::None;
        QTest::newRow("not reduced yet")
            << "18/24 0" << QStringList {"6", "8"} << Flags {false, false} << Step::Simplify;
        QTest::newRow("the same again")
            << "18/24 0" << QStringList {"18", "24"} << Flags {false, false} << Step::Simplify;
        QTest::newRow("wrong denominator")
            << "18/24 0" << QStringList {"3", "5"} << Flags {true, false} << Step::Denominator;
        QTest::newRow("not a number")
            << "18/24 0" << QStringList {"tre", "4"} << Flags {false, true} << Step::Numerator;
    }
    void equivalentNamesTheWrongTerm()
    {
        QFETCH(QString, task);
        QFETCH(QStringList, typed);
        QFETCH(Flags, right);
        QFETCH(Step, step);
        const QStringList given = task.split(QRegularExpression(QStringLiteral("[/ ]")));
        const int target = given.at(2).toInt();
        const EquivalentTask t {target == 0                        ? EquivalentKind::LowestTerms
                                    : target > given.at(1).toInt() ? EquivalentKind::Amplify
                                                                   : EquivalentKind::Simplify,
                                {given.at(0).toInt(), given.at(1).toInt()},
                                target};
        const Judgement judgement = judge(t, {typed.at(0), typed.at(1)});
        QCOMPARE(flags(judgement), right);
        QCOMPARE(judgement.step, step);
    }

    // What a teacher types in the settings file: the plain value, or why not.
    void settingsAreChecked()
    {
        const QString number = QStringLiteral("ci vuole un numero da 10 a 99");
        const QString yesNo = QStringLiteral("ci vuole si o no");
        const QString most = QStringLiteral("esercizi/denominatore_massimo");
        const QString voice = QStringLiteral("aiuti/voce");
        const std::vector<std::array<QString, 4>> rows {
            {most, "020", "20", ""},
            {most, "9", "", number},
            {most, "100", "", number},
            {voice, "Sì", "si", ""},
            {voice, "1", "", yesNo},
            {"esercizi/ordine", "Decrescente", "decrescente", ""},
            {"aiuti/colore", "blu", "", "il programma non ha questa impostazione"},
        };
        for (const auto &[key, typed, value, problem] : rows) {
            const SettingCheck checked = checkSetting(key, typed);
            QCOMPARE(checked.value, value);
            QCOMPARE(checked.problem, problem);
        }
    }

    // 3/4 of 80: 80 : 4 = 20, 20 x 3 = 60, and 60.
    void fractionOfANumberNamesTheWrongStep_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<Flags>("right");
        QTest::addColumn<Step>("step");
        const auto row = [](const char *name, QStringList typed, Flags right, Step step) {
            QTest::newRow(name) << typed << right << step;
        };
        row("right", {"80", "4", "20", "20", "3", "60", "60"}, Flags(7, true), Step::None);
        row("leading zero in the product", {"80", "4", "20", "20", "3", "060", "60"},
            {true, true, true, true, true, false, true}, Step::Multiplication);
        row("wrong quotient", {"80", "4", "21", "20", "3", "60", "60"},
            {true, true, false, true, true, true, true}, Step::Division);
        row("factors commuted", {"80", "4", "20", "3", "20", "60", "60"}, Flags(7, true),
            Step::None);
        row("division not commuted", {"4", "80", "20", "20", "3", "60", "60"},
            {false, false, true, true, true, true, true}, Step::Division);
        row("one factor twice", {"80", "4", "20", "20", "20", "60", "60"},
            {true, true, true, true, false, true, true}, Step::Multiplication);
        row("only the result", {"80", "4", "20", "20", "3", "60", " 60"},
            {true, true, true, true, true, true, false}, Step::Result);
        row("empty", QStringList(7, QString()), Flags(7, false), Step::Division);
        row("letters", {"ottanta", "4", "20", "20", "3", "60", "60"},
            {false, true, true, true, true, true, true}, Step::Division);
    }
    void fractionOfANumberNamesTheWrongStep()
    {
        QFETCH(QStringList, typed);
        QFETCH(Flags, right);
        QFETCH(Step, step);
        FractionOfAnswer answer;
        std::copy(typed.begin(), typed.end(), answer.begin());
        const Judgement judgement = judge(FractionOfTask {3, 4, 20}, answer);
        QCOMPARE(flags(judgement), right);
        QCOMPARE(judgement.step, step);
        QCOMPARE(judgement.allRight(), step == Step::None);
    }

    // The topics' boxes, typed ("-" an empty box, "|" between boxes): which
    // are right and the step named. I 3/4 di un numero sono 60: 60 : 3 = 20,
    // 20 x 4 = 80; 37/100 = 0,37; 0,7 = 7/10; 25% di 80 = 20; 75% = 75/100 = 3/4.
    void topicsNameTheWrongStep_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Flags>("right");
        QTest::addColumn<Step>("step");
        const auto row = [](const char *task, const char *typed, Flags right, Step step) {
            QTest::addRow("%s %s", task, typed)
                << task << QString::fromUtf8(typed) << right << step;
        };
        row("intero", "60|3|20|20|4|80|80", Flags(7, true), Step::None);
        row("intero", "60|3|20|4|20|80|80", Flags(7, true), Step::None);
        row("intero", "60|4|15|15|3|45|45", {true, false, false, false, false, false, false},
            Step::Division);
        row("intero", "60|3|20|20|3|60|60", {true, true, true, true, false, false, false},
            Step::Multiplication);
        row("intero", "60|3|20|20|4|80|60", {true, true, true, true, true, true, false},
            Step::Result);
        row("decimale", "0,37", {true}, Step::None);
        row("decimale", "0.37", {true}, Step::None);
        row("decimale", "0,370", {true}, Step::None);
        row("decimale", "3,7", {false}, Step::Comma);
        row("decimale", "37", {false}, Step::Comma);
        row("decimale", ",37", {false}, Step::Result);
        row("decimale", "0,3,7", {false}, Step::Result);
        row("decimale", "00,37", {false}, Step::Result);
        row("decimale", "0,38", {false}, Step::Result);
        row("decimale", "0,3a", {false}, Step::Result);
        row("decimale", "-", {false}, Step::Result);
        row("numeratore", "7", {true}, Step::None);
        row("numeratore", "70", {false}, Step::Numerator);
        row("percentuale", "20", {true}, Step::None);
        row("percentuale", "20,0", {false}, Step::Result);
        row("frazione", "75|3", {true, true}, Step::None);
        row("frazione", "75|1", {true, false}, Step::Numerator);
    }
    void topicsNameTheWrongStep()
    {
        QFETCH(QString, task);
        QFETCH(QString, typed);
        QFETCH(Flags, right);
        QFETCH(Step, step);
        QStringList boxes = typed.split(QLatin1Char('|'));
        boxes.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
        Judgement judgement;
        if (task == QLatin1String("intero")) {
            FractionOfAnswer answer;
            std::copy(boxes.begin(), boxes.end(), answer.begin());
            judgement = judge(FractionToWholeTask {3, 4, 20}, answer);
        } else if (task == QLatin1String("decimale")) {
            judgement = judge(DecimalTask {DecimalKind::ToNumber, 37, 100}, boxes[0]);
        } else if (task == QLatin1String("numeratore")) {
            judgement = judge(DecimalTask {DecimalKind::ToFraction, 7, 10}, boxes[0]);
        } else {
            const bool fraction = task == QLatin1String("frazione");
            judgement = judge(fraction ? PercentTask {PercentKind::AsFraction, 75, 0}
                                       : PercentTask {PercentKind::OfNumber, 25, 80},
                              boxes);
        }
        QCOMPARE(flags(judgement), right);
        QCOMPARE(judgement.step, step);
        QCOMPARE(decimalRemark(DecimalTask {DecimalKind::ToNumber, 7, 10}, QStringLiteral("0,70")),
                 QStringLiteral("L’ultimo zero non serve: 0,7."));
    }

    // 3/8 + 5/8 = 8/8 = 1.
    void complementNamesTheWrongTerm_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<Flags>("right");
        QTest::addColumn<Step>("step");
        QTest::newRow("right") << QStringList {"5", "8", "8", "8"} << Flags(4, true) << Step::None;
        QTest::newRow("whole as 1/1")
            << QStringList {"5", "8", "1", "1"} << Flags {true, true, false, false} << Step::Whole;
        QTest::newRow("equivalent") << QStringList {"10", "16", "8", "8"}
                                    << Flags {false, false, true, true} << Step::Numerator;
        QTest::newRow("denominator") << QStringList {"5", "3", "8", "8"}
                                     << Flags {true, false, true, true} << Step::Denominator;
    }
    void complementNamesTheWrongTerm()
    {
        QFETCH(QStringList, typed);
        QFETCH(Flags, right);
        QFETCH(Step, step);
        const Judgement judgement =
            judge(ComplementTask {3, 8}, {typed[0], typed[1], typed[2], typed[3]});
        QCOMPARE(flags(judgement), right);
        QCOMPARE(judgement.step, step);
    }

    // Symbols by value, whatever the number of digits; a space is wrong.
    void comparisonsJudgeByValue()
    {
        const SymbolTask pairs {{{{3, 7}, {3, 45}},
                                 {{2, 9}, {2, 12}},
                                 {{1, 20}, {7, 20}},
                                 {{8, 11}, {8, 10}},
                                 {{4, 9}, {4, 9}},
                                 {{2, 15}, {7, 15}}}};
        QCOMPARE(flags(judge(pairs, {">", ">", "<", "<", "=", "<"})), Flags(6, true));
        const Judgement spaced = judge(pairs, {">", ">", "<", " <", "=", ""});
        QCOMPARE(flags(spaced), (Flags {true, true, true, false, true, false}));
        QCOMPARE(spaced.step, Step::Choice);
        QCOMPARE(symbolBetween({3, 7}, {4, 9}), QString());

        const LargestTask numerator {{1, 5, {12, 7, 30, 9}}};
        const LargestTask denominator {{2, 25, {8, 19, 3, 11}}};
        const LargestTask digits {{1, 4, {9, 12, 45, 10}}};
        QCOMPARE(numerator.largest(), 1);
        QCOMPARE(denominator.largest(), 1);
        QCOMPARE(digits.largest(), 0);
        QVERIFY(judge(numerator, 1).allRight());
        QVERIFY(!judge(numerator, 2).allRight());
        QVERIFY(!judge(numerator, -1).allRight());

        // 3/7 3/12 3/5 3/40 3/9: ascending is 3/40 3/12 3/9 3/7 3/5.
        OrderTask order {{1, 3, {7, 12, 5, 40, 9}}, Direction::Ascending};
        QVERIFY(judge(order, {3, 1, 4, 0, 2}).allRight());
        QCOMPARE(flags(judge(order, {3, 1})), (Flags {true, true, false, false, false}));
        QVERIFY(!judge(order, {2, 0, 4, 1, 3}).allRight());
        order.direction = Direction::Descending;
        QVERIFY(judge(order, {2, 0, 4, 1, 3}).allRight());
        const OrderTask shared {{2, 50, {17, 3, 44, 20, 8}}, Direction::Ascending};
        QCOMPARE(text(shared.expected()[0]), QStringLiteral("3/50"));
        QVERIFY(judge(shared, {1, 4, 0, 3, 2}).allRight());
    }

    // A teacher's task, typed box by box ("-" an empty box): taken exactly
    // when the screen could have drawn it, else the sentence saying why.
    void teachersTasksAreCheckedAsTheScreenDraws_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        const char *rows[][3] = {
            {"calcolo", "3 5 45", ""},
            {"calcolo", "3 4 45", "45 non si divide esattamente per 4."},
            {"calcolo", "3 4 996", ""},
            {"calcolo", "3 4 1000", "Il numero intero va da 1 a 999."},
            {"calcolo99", "3 4 100", "Il numero intero va da 1 a 99."},
            {"calcolo", "5 4 80",
             "La frazione 5/4 non è propria: il numeratore deve essere minore "
             "del denominatore."},
            {"calcolo", "3 1 80", "Il denominatore va da 2 a 9."},
            {"calcolo", "3a 4 80", "«3a» non è un numero: scrivi il numeratore con le sole cifre."},
            {"calcolo", "- 4 80", "Manca il numeratore."},
            {"calcolo", "3 4 0", "Il numero intero non può essere zero."},
            {"calcolo", "3 04 80", "«04» comincia con lo zero: scrivi 4."},
            {"calcolo", "3 4 123456", "Il numero intero va da 1 a 999."},
            {"complementare", "3 8", ""},
            {"complementare", "98 99", ""},
            {"complementare", "8 8",
             "La frazione 8/8 è apparente: il numeratore deve essere "
             "minore del denominatore."},
            {"complementare", "3 100", "Il denominatore va da 2 a 99."},
            {"simbolo", "3 4 3 5 1 2 1 2 2 9 7 9 4 99 4 98 5 7 6 7 9 10 9 11", ""},
            {"simbolo", "3 4 2 5 1 2 1 2 2 9 7 9 4 99 4 98 5 7 6 7 9 10 9 11",
             "Nel confronto le due frazioni devono avere lo stesso numeratore o lo stesso "
             "denominatore (coppia 1)."},
            {"simbolo", "3 4 3 5 1 2 1 2 2 9 7 9 4 99 4 98 5 7 6 7 9 10 10 11",
             "Il secondo numeratore della coppia 6 va da 1 a 9."},
            {"max", "3 4 3 5 3 7 3 99", ""},
            {"max", "2 9 5 9 1 9 8 9", ""},
            {"max", "3 4 3 5 3 4 3 99",
             "Le frazioni devono essere tutte diverse: 3/4 c’è due volte."},
            {"max", "3 4 3 5 2 5 3 99",
             "Nel confronto le frazioni devono avere tutte lo stesso "
             "numeratore o tutte lo stesso denominatore."},
            {"max", "3 4 3 5 3 7 3 -", "Manca il denominatore della frazione 4."},
            {"ordine", "1 3 2 3 4 3 5 3 7 3",
             "La frazione 4/3 non è propria: il numeratore deve "
             "essere minore del denominatore."},
            {"ordine", "1 30 2 30 4 30 5 30 7 30", ""},
            {"intero", "3 4 60", ""},
            {"intero", "3 7 60", ""},
            {"intero", "7 8 60", "60 non si divide esattamente per 7."},
            {"intero99", "3 4 90", "Il numero da trovare sarebbe 120: deve essere minore di 100."},
            {"intero", "4 4 60",
             "La frazione 4/4 è apparente: il numeratore deve essere minore del denominatore."},
            {"decimali", "37 100", ""},
            {"decimali", "9999 1000", ""},
            {"decimali", "37 50", "Il denominatore deve essere 10, 100 o 1000."},
            {"decimali", "70 100", "Il numeratore non deve finire con lo zero: 70/100 = 7/10."},
            {"decimali", "125 10",
             "Con il denominatore 10 il numeratore va da 1 a 99, perché il numero sia minore di "
             "10."},
            {"percentuale", "25 80", ""},
            {"percentuale", "37 300", ""},
            {"percentuale", "37 80", "Il 37% di 80 non è un numero intero."},
            {"percentuale", "2 50",
             "Con 50 la percentuale va a passi di 5: da 1 a 99 solo con le centinaia."},
            {"percentuale", "25 1001", "Il numero va da 1 a 1000."},
            {"percentuale2", "35 -",
             "Il 35% non ha una frazione facile: scegli fra 10, 20, 25, 30, 40, 50, 60, 70, 75, "
             "80, 90."},
            {"percentuale2", "75 -", ""},
            {"tipi", "12 4", ""},
            {"tipi", "13 4",
             "Con il denominatore 4 il numeratore va da 1 a 12: il disegno mostra al massimo 3 "
             "interi."},
            {"tipi", "3 11", "Il denominatore va da 2 a 10."},
            {"riconosco", "3 8", ""},
            {"riconosco", "9 8", "La figura ha 8 parti: se ne possono colorare al massimo 8."},
            {"riconosco", "3 13", "Il denominatore va da 2 a 12."},
            {"equivalenti", "2 3 12", ""},
            {"equivalenti", "8 12 3", ""},
            {"equivalenti", "18 24 -", ""},
            {"equivalenti", "3 4 -",
             "La frazione 3/4 è già ai minimi termini: scrivi un denominatore da cercare, o una "
             "frazione che si semplifica."},
            {"equivalenti", "8 12 5",
             "8/12 non si può scrivere con il denominatore 5: i due termini vanno moltiplicati o "
             "divisi per lo stesso numero intero."},
            {"equivalenti", "9 12 3",
             "9/12 non si può scrivere con il denominatore 3: i due termini vanno moltiplicati o "
             "divisi per lo stesso numero intero."}};
        for (const auto &[screen, typed, problem] : rows)
            QTest::newRow(typed) << QString::fromLatin1(screen) << QString::fromLatin1(typed)
                                 << QString::fromUtf8(problem);
    }

    void teachersTasksAreCheckedAsTheScreenDraws()
    {
        QFETCH(QString, screen);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        QStringList boxes = typed.split(' ');
        boxes.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
        const auto expect = [&](const auto &checked) {
            QCOMPARE(checked.problem, problem);
            QCOMPARE(checked.task.has_value(), problem.isEmpty());
        };
        if (screen.startsWith(QLatin1String("calcolo"))) {
            const auto checked =
                checkFractionOf(boxes,
                                screen.endsWith(QLatin1String("99")) ? FractionOfRange {99, 100}
                                                                     : FractionOfRange {999, 1000});
            expect(checked);
            if (checked.task)
                QCOMPARE(QStringList({QString::number(checked.task->num),
                                      QString::number(checked.task->den),
                                      QString::number(checked.task->whole())}),
                         boxes);
        } else if (screen == QLatin1String("complementare")) {
            expect(checkComplement(boxes));
        } else if (screen == QLatin1String("riconosco")) {
            expect(checkRecognise(boxes, RecogniseKind::Read, PartsShape::Grid));
        } else if (screen == QLatin1String("tipi")) {
            expect(checkType(boxes));
        } else if (screen == QLatin1String("equivalenti")) {
            expect(checkEquivalent(boxes));
        } else if (screen == QLatin1String("simbolo")) {
            expect(checkSymbol(boxes));
        } else if (screen == QLatin1String("max")) {
            const auto checked = checkLargest(boxes);
            expect(checked);
            if (checked.task)
                QCOMPARE(checked.task->fraction(3).denominator, boxes.at(7).toInt());
        } else if (screen.startsWith(QLatin1String("intero"))) {
            const auto checked = checkFractionToWhole(boxes,
                                                      screen.endsWith(QLatin1String("99"))
                                                          ? FractionOfRange {99, 100}
                                                          : FractionOfRange {999, 1000});
            expect(checked);
            if (checked.task)
                QCOMPARE(checked.task->known(), boxes.at(2).toInt());
        } else if (screen == QLatin1String("decimali")) {
            expect(checkDecimal(boxes, DecimalKind::ToNumber));
        } else if (screen.startsWith(QLatin1String("percentuale"))) {
            expect(checkPercent(
                boxes, screen.endsWith(u'2') ? PercentKind::AsFraction : PercentKind::OfNumber));
        } else {
            const auto checked = checkOrder(boxes, Direction::Descending);
            expect(checked);
            if (checked.task)
                QCOMPARE(checked.task->expected().front(), (Fraction {7, 30}));
        }
    }
};

QTEST_GUILESS_MAIN(LessonTest)
#include "tst_lesson.moc"
