// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "application.h"
#include "testing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<Registry> registry;

    QAccessibleInterface *accessible(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    QWidget *open(const char *name, const std::vector<std::pair<int, int>> &draws)
    {
        registry = makeRegistry();
        ScriptedRandom &scripted = script(*registry);
        for (const auto &[k, n] : draws)
            scripted.then(k, n);
        registry->show(QString::fromLatin1(name));
        return registry->screen(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

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

    void picturesButtonsAndScreensAreNamed()
    {
        QWidget *menu = open("frminizio", {});
        QAccessibleInterface *window = accessible(menu);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Le quotelle"));
        for (const char *name : {"cmdcalcolo", "cmdconfronto", "cmdtrovo", "cmdripassa"}) {
            auto *button = control<QPushButton>(menu, name);
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(accessible(button)->text(QAccessible::Name), button->toolTip());
        }
        QCOMPARE(accessible(control<QPushButton>(menu, "cmdesci"))->text(QAccessible::Name),
                 QStringLiteral("Esci"));
    }

    void theVerdictIsANotificationReadAsItsText()
    {
        // 3/4 of 20: quotient 5.
        QWidget *screen = open("frmcalcolo", {{5, 999}, {3, 9}, {4, 9}});
        auto *lblnum = control<QLabel>(screen, "lblnum");
        QCOMPARE(accessible(lblnum)->text(QAccessible::Name), QStringLiteral("3"));
        QCOMPARE(accessible(lblnum)->text(QAccessible::Description), QStringLiteral("3 quarti"));
        QCOMPARE(accessible(control<QLabel>(screen, "lblden"))->text(QAccessible::Description),
                 QStringLiteral("3 quarti"));
        auto *lblmess = control<QLabel>(screen, "lblmess");
        QAccessibleInterface *verdict = accessible(lblmess);
        QCOMPARE(verdict->role(), QAccessible::Notification);
        QCOMPARE(verdict->text(QAccessible::Name), QString());
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QCOMPARE(verdict->text(QAccessible::Name), QStringLiteral("Sbagliato!"));
        QCOMPARE(accessible(control<QLineEdit>(screen, "txtsris"))->text(QAccessible::Name),
                 QStringLiteral("quoziente"));
    }

    void aFractionToClickIsAButtonThatCanBePressed()
    {
        // Shared numerator 5 over 12, 7, 30, 9; then, once that is solved,
        // shared denominator 50 under 17, 3, 44, 20.
        QWidget *screen = open("frmmax",
                               {{1, 2},
                                {5, 99},
                                {12, 99},
                                {7, 99},
                                {30, 99},
                                {9, 99},
                                {2, 2},
                                {50, 99},
                                {17, 99},
                                {3, 99},
                                {44, 99},
                                {20, 99}});
        QAccessibleInterface *area = accessible(control<QWidget>(screen, "sel2"));
        QCOMPARE(area->role(), QAccessible::Button);
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("5 settimi"));
        QAccessibleActionInterface *actions = area->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(control<QWidget>(screen, "cer2")->isVisibleTo(screen));
        QVERIFY(!control<QWidget>(screen, "cer1")->isVisibleTo(screen));
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QCOMPARE(accessible(control<QLabel>(screen, "lblmess"))->text(QAccessible::Name),
                 QStringLiteral("Esatto, complimenti!"));
        // The names follow the new task.
        QCOMPARE(accessible(control<QWidget>(screen, "sel1"))->text(QAccessible::Name),
                 QStringLiteral("17 cinquantesimi"));
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("3 cinquantesimi"));
    }

    void theFractionReadOutFollowsEveryTask()
    {
        // 3/7, then 5/12 once it is completed.
        QWidget *screen = open("frmcomplementare", {{3, 99}, {7, 99}, {5, 99}, {12, 99}});
        auto *lbln = control<QLabel>(screen, "lbln");
        QCOMPARE(accessible(lbln)->text(QAccessible::Description), QStringLiteral("3 settimi"));
        QCOMPARE(accessible(control<QLineEdit>(screen, "txtn1"))->text(QAccessible::Name),
                 QStringLiteral("numeratore della frazione complementare"));
        for (const auto &[box, answer] : {std::pair {"txtn1", "4"}, std::pair {"txtd1", "7"},
                                          std::pair {"txtn2", "7"}, std::pair {"txtd2", "7"}})
            QTest::keyClicks(control<QLineEdit>(screen, box), QString::fromLatin1(answer));
        QTest::mouseClick(control<QPushButton>(screen, "cmdconferma"), Qt::LeftButton);
        QCOMPARE(accessible(control<QLabel>(screen, "lblmess"))->text(QAccessible::Name),
                 QStringLiteral("Esatto, complimenti!"));
        QCOMPARE(accessible(lbln)->text(QAccessible::Name), QStringLiteral("5"));
        QCOMPARE(accessible(lbln)->text(QAccessible::Description), QStringLiteral("5 dodicesimi"));
        QCOMPARE(accessible(control<QLabel>(screen, "lbld"))->text(QAccessible::Description),
                 QStringLiteral("5 dodicesimi"));
    }

    void aSymbolBoxNamesItsPair()
    {
        // Six pairs, each the same numerator 3 over 7 and 12.
        std::vector<std::pair<int, int>> draws;
        for (int p = 0; p < 6; ++p)
            draws.insert(draws.end(), {{1, 2}, {3, 9}, {7, 99}, {5, 9}, {12, 99}});
        QWidget *screen = open("frmsimbolo", draws);
        QCOMPARE(accessible(control<QLineEdit>(screen, "txtsim1"))->text(QAccessible::Name),
                 QStringLiteral("simbolo tra 3 settimi e 3 dodicesimi"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
