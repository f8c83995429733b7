// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken.h"
#include "topicwords.h"

#include <QRegularExpression>
#include <QTest>

class SpokenTest : public QObject
{
    Q_OBJECT

private slots:
    void fractionsAreReadAsATeacherSaysThem_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<QString>("spoken");
        const struct
        {
            int n, d;
            const char *spoken;
        } examples[] = {{1, 2, "un mezzo"},
                        {3, 4, "3 quarti"},
                        {2, 3, "2 terzi"},
                        {1, 9, "un nono"},
                        {7, 10, "7 decimi"},
                        {2, 11, "2 undicesimi"},
                        {5, 13, "5 tredicesimi"},
                        {7, 16, "7 sedicesimi"},
                        {1, 17, "un diciassettesimo"},
                        {1, 20, "un ventesimo"},
                        {4, 21, "4 ventunesimi"},
                        {9, 23, "9 ventitreesimi"},
                        {2, 26, "2 ventiseiesimi"},
                        {3, 28, "3 ventottesimi"},
                        {1, 33, "un trentatreesimo"},
                        {5, 36, "5 trentaseiesimi"},
                        {8, 81, "8 ottantunesimi"},
                        {50, 88, "50 ottantottesimi"},
                        {98, 99, "98 novantanovesimi"},
                        {17, 100, "17 su 100"},
                        {3, 1, "3 su 1"}};
        for (const auto &e : examples)
            QTest::addRow("%d/%d", e.n, e.d) << e.n << e.d << QString::fromUtf8(e.spoken);
    }

    void fractionsAreReadAsATeacherSaysThem()
    {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(QString, spoken);
        QCOMPARE(spokenFraction(numerator, denominator), spoken);
    }

    void everyDenominatorHasAWellFormedOrdinal()
    {
        // From eleven on, the number word loses its last vowel before
        // "esimi" ("ventiduesimi" keeps the u of due), except a final "tre"
        // or "sei" above twenty.
        const QRegularExpression word(QStringLiteral("^2 [a-z]+i$"));
        for (int d = 11; d <= 99; ++d) {
            const QString spoken = spokenFraction(2, d);
            QVERIFY2(word.match(spoken).hasMatch() && spoken.endsWith(QStringLiteral("esimi")),
                     qPrintable(spoken));
            const bool keepsVowel = d > 20 && (d % 10 == 3 || d % 10 == 6);
            const QString beforeEnding = spoken.chopped(5).right(1);
            QVERIFY2(QStringLiteral("aeio").contains(beforeEnding) == keepsVowel,
                     qPrintable(spoken));
        }
    }

    void signsAreReadAsWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("division") << QStringLiteral("di 12 → 12 : 3 = 4    In questo modo")
                                  << QStringLiteral(
                                         "di 12, 12 diviso 3 uguale a 4, In questo modo");
        QTest::newRow("product") << QStringLiteral("moltiplicare 4 x 2 = 8.")
                                 << QStringLiteral("moltiplicare 4 per 2 uguale a 8.");
        QTest::newRow("sum") << QStringLiteral("+") << QStringLiteral("più");
        QTest::newRow("pause after a comma")
            << QStringLiteral("così, → poi") << QStringLiteral("così, poi");
        QTest::newRow("words stay")
            << QStringLiteral("dividerlo: 12:3 xx") << QStringLiteral("dividerlo: 12:3 xx");
    }

    void signsAreReadAsWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        QCOMPARE(spokenSigns(text), spoken);
        QCOMPARE(spokenFractionOf(3, 4, 80), QStringLiteral("3 quarti di 80"));
        QCOMPARE(spokenFractions(QStringLiteral("3/4 c’è due volte, 1/68 no")),
                 QStringLiteral("3 quarti c’è due volte, un sessantottesimo no"));
    }

    // What a child typed, read back: the stressed final "tré", "cento"
    // before "otto", leading zeros as typed, long numbers digit by digit.
    void typedNumbersAreReadBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("spoken");
        const char *rows[][2] = {{"0", "zero"},
                                 {"3", "tre"},
                                 {"13", "tredici"},
                                 {"23", "ventitré"},
                                 {"28", "ventotto"},
                                 {"72", "settantadue"},
                                 {"100", "cento"},
                                 {"103", "centotré"},
                                 {"108", "centotto"},
                                 {"180", "centottanta"},
                                 {"871", "ottocentosettantuno"},
                                 {"1000", "mille"},
                                 {"1003", "milletré"},
                                 {"2021", "duemilaventuno"},
                                 {"9999", "novemilanovecentonovantanove"},
                                 {"07", "zero sette"},
                                 {"12345", "uno due tre quattro cinque"},
                                 {"", ""},
                                 {"7a", ""},
                                 {"<", "minore di"},
                                 {">", "maggiore di"},
                                 {"=", "uguale a"},
                                 {"<=", ""}};
        for (const auto &[typed, spoken] : rows)
            QTest::newRow(typed) << QString::fromUtf8(typed) << QString::fromUtf8(spoken);
    }

    void typedNumbersAreReadBack()
    {
        QFETCH(QString, typed);
        QFETCH(QString, spoken);
        QCOMPARE(spokenTyped(typed), spoken);
    }

    // One of a thing is singular, any other count plural; pairs have ordinals.
    void countsAgree()
    {
        QCOMPARE(counted(1, Counted::Part), QStringLiteral("1 parte"));
        QCOMPARE(counted(0, Counted::Part), QStringLiteral("0 parti"));
        QCOMPARE(counted(58, Counted::ColouredPart), QStringLiteral("58 parti colorate"));
        QCOMPARE(counted(1, Counted::Coloured), QStringLiteral("1 colorata"));
        QCOMPARE(countedWord(Counted::IsWorth, 1) + countedWord(Counted::Makes, 3),
                 QStringLiteral("valefanno"));
        QCOMPARE(ordinalFeminine(3), QStringLiteral("terza"));
        QCOMPARE(ordinalFeminine(6), QStringLiteral("sesta"));
    }

    // Decimal numbers and decimal fractions in words, each task as a
    // teacher reads it, and the help's signs.
    void decimalsAndPercentsAreReadInWords()
    {
        const std::pair<QString, const char *> rows[] = {
            {spokenDecimal("0,37"), "zero virgola trentasette"},
            {spokenDecimal("1,05"), "uno virgola zero cinque"},
            {spokenDecimal("9,999"), "nove virgola novecentonovantanove"},
            {spokenDecimal("0,3,7"), ""},
            {spokenDecimalFraction(37, 100), "trentasette centesimi"},
            {spokenDecimalFraction(1, 1000), "un millesimo"},
            {spokenDecimalFraction(3, 4), "3 quarti"},
            {spokenTask(DecimalTask {DecimalKind::ToFraction, 7, 10}),
             "zero virgola sette: quanti decimi?"},
            {spokenTask(FractionToWholeTask {3, 4, 20}), "I 3 quarti di un numero sono 60."},
            {spokenTask(PercentTask {PercentKind::AsFraction, 75, 0}),
             "75 per cento: quanti centesimi? E quanti quarti?"},
            {spokenTopicLine("25% = 25/100 = 1/4"),
             "25 per cento uguale a venticinque centesimi uguale a un quarto"},
            {spokenTopicLine("125/100 = 1,25"),
             "centoventicinque centesimi uguale a uno virgola venticinque"}};
        for (const auto &[spoken, expected] : rows)
            QCOMPARE(spoken, QString::fromUtf8(expected));
    }
};

QTEST_APPLESS_MAIN(SpokenTest)
#include "tst_spoken.moc"
