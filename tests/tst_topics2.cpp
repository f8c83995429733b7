// SPDX-License-Identifier: GPL-3.0-or-later

// The decimals, the whole from a fraction and percentages, driven as a child
// would: from the menu, wrong and right answers, the help, the teacher's task.
#include "exercise.h"
#include "numberpad.h"
#include "settingsfile.h"
#include "testing.h"
#include "topics.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Draws = QList<std::pair<int, int>>; // each draw(n) = k as {k, n}

void switchTopicsOn(Registry &registry)
{
    for (const QString &key : topicKeys())
        registry.settingsFile().setOption(key, QStringLiteral("si"));
}

void type(Screen *screen, const QStringList &boxes, const QStringList &typed)
{
    for (qsizetype k = 0; k < boxes.size(); ++k) {
        auto *box = control<QLineEdit>(screen, qPrintable(boxes.at(k)));
        box->clear();
        QTest::keyClicks(box, typed.at(k));
    }
}

} // namespace

class Topics2Test : public ExerciseTest
{
    Q_OBJECT

private:
    Exercise *open(const QString &name, const Draws &draws)
    {
        ScriptedRandom &random = freshScript();
        for (const auto &[k, n] : draws)
            random.then(k, n);
        switchTopicsOn(*registry);
        return show<Exercise>(name);
    }

private slots:
    // With every topic on, each screen is two clicks from the menu, and Esc
    // goes back to it.
    void eachIsTwoClicksFromTheMenu()
    {
        for (const QString &name : topicScreenNames()) {
            freshScript();
            switchTopicsOn(*registry);
            registry->show(QStringLiteral("frminizio"));
            Screen *menu = registry->screen(QStringLiteral("frminizio"));
            control<QPushButton>(menu, "cmdaltre")->click();
            Screen *choice = registry->screen(topicsChoice());
            QVERIFY(choice);
            control<QPushButton>(choice, qPrintable(QStringLiteral("cmd") + name.mid(3)))->click();
            flushUnloaded();
            QCOMPARE(registry->loaded(), QStringList {name});
            QTest::keyClick(registry->screen(name), Qt::Key_Escape);
            flushUnloaded();
            QCOMPARE(registry->loaded(), QStringList {QStringLiteral("frminizio")});
        }
    }

    // The choice screen opens the rules, read with their numbers in words;
    // the pages lead to one another, and Esc goes back to the choice.
    void rulesAreReachedFromTheChoice()
    {
        freshScript();
        switchTopicsOn(*registry);
        registry->show(topicsChoice());
        control<QPushButton>(registry->screen(topicsChoice()), "cmdregoledecimali")->click();
        Screen *page = registry->screen(topicsRulesPages().front());
        QVERIFY(page->reading().contains(
            QStringLiteral("centoventicinque centesimi uguale a uno virgola venticinque.")));
        control<QPushButton>(page, "cmdregola3")->click();
        flushUnloaded();
        page = registry->screen(topicsRulesPages().at(2));
        QVERIFY(
            page->reading().contains(QStringLiteral("un quadrato di 100 quadretti, 25 colorati")));
        QTest::keyClick(page, Qt::Key_Escape);
        flushUnloaded();
        QCOMPARE(registry->loaded(), QStringList {topicsChoice()});
    }

    // A task read aloud; two wrong answers, the wrong boxes emptied, bring
    // the help; the right one is praised and the other kind of task follows.
    void wrongThenRight_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("wrong");
        QTest::addColumn<QStringList>("right");
        QTest::addColumn<QStringList>("said"); // the task, the help's first line, the next task
        const QStringList intero {"txtnoto", "txtnum",  "txtparte", "txtparte2",
                                  "txtden",  "txtris2", "txtris"};
        QTest::newRow("intero") << "frmintero99"
                                << Draws {{20, 99}, {3, 9}, {4, 9}, {5, 99}, {1, 9}, {2, 9}}
                                << intero << QStringList {"60", "4", "15", "15", "3", "45", "45"}
                                << QStringList {"60", "3", "20", "20", "4", "80", "80"}
                                << QStringList {"I 3 quarti di un numero sono 60.",
                                                "Le 3 parti colorate insieme valgono 60: quanto "
                                                "vale una parte?",
                                                "Un mezzo di un numero è 5."};
        QTest::newRow("decimali") << "frmdecimali" << Draws {{2, 3}, {37, 999}, {1, 3}, {7, 99}}
                                  << QStringList {"txtnumero"} << QStringList {"3.7"}
                                  << QStringList {"0.37"}
                                  << QStringList {"trentasette centesimi",
                                                  "Il denominatore 100 ha 2 zeri: dopo la "
                                                  "virgola vanno 2 cifre.",
                                                  "zero virgola sette: quanti decimi?"};
        QTest::newRow("percentuale")
            << "frmpercentuale" << Draws {{80, 1000}, {25, 99}, {9, 11}} << QStringList {"txtris"}
            << QStringList {"25"} << QStringList {"20"}
            << QStringList {"25 per cento di 80", "25% vuol dire 25 parti su 100.",
                            "75 per cento: quanti centesimi? E quanti quarti?"};
    }
    void wrongThenRight()
    {
        QFETCH(QString, screen);
        QFETCH(Draws, draws);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, wrong);
        QFETCH(QStringList, right);
        QFETCH(QStringList, said);
        Exercise *exercise = open(screen, draws);
        QCOMPARE(exercise->reading(), said.at(0));
        for (int attempt = 0; attempt < 2; ++attempt) {
            type(exercise, boxes, wrong);
            exercise->cmdconferma->click();
            QVERIFY(message(exercise)->text().startsWith(QStringLiteral("Sbagliato")));
        }
        QCOMPARE(control<QLineEdit>(exercise, qPrintable(boxes.last()))->text(), QString());
        QCOMPARE(exercise->shownHelp().level, 1);
        QCOMPARE(exercise->shownHelp().lines.first(), said.at(1));
        type(exercise, boxes, right);
        exercise->cmdconferma->click();
        QVERIFY(!message(exercise)->text().startsWith(QStringLiteral("Sbagliato")));
        QCOMPARE(exercise->shownHelp().level, 0);
        QCOMPARE(exercise->reading(), said.at(2));
    }

    // Whatever is typed for a decimal number, a verdict and never a crash;
    // a point is shown as the comma, and the pad has a «,» key.
    void decimalNumbersAreReadWithTheComma()
    {
        Exercise *exercise =
            open(QStringLiteral("frmdecimali"), {{2, 3}, {37, 999}, {3, 3}, {1234, 9999}});
        auto *box = control<QLineEdit>(exercise, "txtnumero");
        for (const char *typed : {"abc", "0,3,7", ",37", "", "0,,", "99999999999999999999,1"}) {
            box->setText(QString::fromLatin1(typed));
            exercise->cmdconferma->click();
            QCOMPARE(message(exercise)->text(), QStringLiteral("Sbagliato, riprova!"));
        }
        QTest::keyClicks(box, QStringLiteral("0.370"));
        QCOMPARE(box->text(), QStringLiteral("0,370"));
        exercise->cmdconferma->click();
        QCOMPARE(message(exercise)->text(),
                 QStringLiteral("Esatto! L’ultimo zero non serve: 0,37."));
        registry->pad().setShown(true);
        control<QPushButton>(exercise->findChild<PadKeys *>(), ",")->click();
        QCOMPARE(control<QLineEdit>(exercise, "txtnum")->text(), QStringLiteral(","));
    }

    // F3: the teacher's task is refused with a sentence, or shown.
    void teachersTaskIsChecked()
    {
        Exercise *exercise = open(QStringLiteral("frmintero"), {{20, 999}, {3, 9}, {4, 9}});
        QVERIFY(QTest::qWaitForWindowActive(exercise));
        QTest::keyClick(control<QLineEdit>(exercise, "txtnoto"), Qt::Key_F3);
        auto *form = exercise->findChild<QWidget *>(QStringLiteral("frmtask"));
        QVERIFY(form);
        const QList<QLineEdit *> boxes = form->findChildren<QLineEdit *>();
        for (const auto &[typed, problem] :
             {std::pair {"7 8 60", "60 non si divide esattamente per 7."}, {"2 9 60", ""}}) {
            const QStringList terms = QString::fromLatin1(typed).split(u' ');
            for (int k = 0; k < 3; ++k)
                boxes.at(k)->setText(terms.at(k));
            QTest::keyClick(boxes.at(2), Qt::Key_Return);
            QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblproblem"))->text(),
                     QString::fromUtf8(problem));
        }
        QVERIFY(!form->isVisible());
        QCOMPARE(exercise->reading(), QStringLiteral("I 2 noni di un numero sono 60."));
    }
};

QTEST_MAIN(Topics2Test)
#include "tst_topics2.moc"
