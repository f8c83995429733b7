// SPDX-License-Identifier: GPL-3.0-or-later

// At the whiteboard, with a finger: the number pad, the names of the picture
// buttons without hovering, and verdicts a class can read.
#include "numberpad.h"
#include "testing.h"
#include "twips.h"
#include "zoom.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

struct Typing
{
    const char *screen;
    std::vector<std::pair<int, int>> draws;
    // The boxes in the order a child fills them, each with its answer.
    std::vector<std::pair<const char *, const char *>> answer;
    const char *praise;
};

// 3/4 of 80; 3/8; three pairs, twice: 3/7 > 3/45, 2/15 < 7/15, 4/9 = 4/9.
const std::pair<int, int> symbolPairs[] = {{1, 2}, {3, 9}, {7, 99},  {9, 9}, {45, 99},
                                           {2, 2}, {2, 9}, {15, 99}, {7, 9}, {1, 99},
                                           {1, 2}, {4, 9}, {9, 99},  {9, 9}, {9, 99}};
const Typing typing[] = {
    {"frmcalcolo99",
     {{20, 99}, {3, 9}, {4, 9}},
     {{"txtiniz", "80"},
      {"txtden", "4"},
      {"txtsris", "20"},
      {"txtsris2", "20"},
      {"txtnum", "3"},
      {"txtris2", "60"},
      {"txtris", "60"}},
     "Bravissimo!"},
    {"frmcalcolo",
     {{20, 999}, {3, 9}, {4, 9}},
     {{"txtiniz", "80"},
      {"txtden", "4"},
      {"txtsris", "20"},
      {"txtsris2", "20"},
      {"txtnum", "3"},
      {"txtris2", "60"},
      {"txtris", "60"}},
     "Bravissimo!"},
    {"frmcomplementare",
     {{3, 99}, {8, 99}},
     {{"txtn1", "5"}, {"txtd1", "8"}, {"txtn2", "8"}, {"txtd2", "8"}},
     "Esatto, complimenti!"},
    {"frmsimbolo",
     {},
     {{"txtsim1", ">"},
      {"txtsim2", "<"},
      {"txtsim3", "="},
      {"txtsim4", ">"},
      {"txtsim5", "<"},
      {"txtsim6", "="}},
     "Bravissimo!"},
};

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class WhiteboardTest : public ExerciseTest
{
    Q_OBJECT

private:
    QPointingDevice *finger = QTest::createTouchDevice();

    // A finger on a control: down and up again, after a while.
    void tap(QWidget *control, int heldMs = 0)
    {
        QWidget *window = control->window();
        const QPoint where = control->mapTo(window, control->rect().center());
        QTest::touchEvent(window, finger).press(0, where, window);
        QTest::qWait(heldMs);
        QTest::touchEvent(window, finger).release(0, where, window);
    }

    Screen *open(const Typing &task)
    {
        ScriptedRandom &scripted = freshScript();
        for (const auto &[k, n] : task.draws)
            scripted.then(k, n);
        for (int twice = 0; task.draws.empty() && twice < 2; ++twice)
            for (const auto &[k, n] : symbolPairs)
                scripted.then(k, n);
        registry->show(QString::fromLatin1(task.screen));
        Screen *screen = registry->screen(QString::fromLatin1(task.screen));
        return QTest::qWaitForWindowExposed(screen) ? screen : nullptr;
    }

    static QPushButton *key(Screen *screen, const QString &text)
    {
        for (auto *key : control<PadKeys>(screen, "tastierino")->findChildren<QPushButton *>())
            if (key->text() == text)
                return key;
        return nullptr;
    }

private slots:
    void aTouchOnABoxShowsThePadAMouseClickDoesNot()
    {
        for (const bool touch : {false, true}) {
            Screen *screen = open(typing[2]);
            QVERIFY(screen);
            auto *box = control<QLineEdit>(screen, "txtd1");
            if (touch)
                tap(box);
            else
                QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(screen->focusWidget(), box);
            QCOMPARE(registry->pad().isShown(), touch);
            auto *pad = control<PadKeys>(screen, "tastierino");
            QCOMPARE(pad && pad->isVisible(), touch);
        }
    }

    void aRightAnswerByTouchAloneIsPraised_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(typing)); ++row)
            QTest::newRow(typing[row].screen) << row;
    }
    void aRightAnswerByTouchAloneIsPraised()
    {
        QFETCH(int, row);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(400);
        Screen *screen = open(typing[row]);
        QVERIFY(screen);
        for (const auto &[name, answer] : typing[row].answer) {
            auto *box = control<QLineEdit>(screen, name);
            tap(box);
            // A slip first, taken back with Cancella.
            for (const QString &text : {QStringLiteral("="), QStringLiteral("7")})
                if (QPushButton *slip = key(screen, text))
                    tap(slip);
            tap(key(screen, QStringLiteral("Cancella")));
            for (const QChar c : QString::fromLatin1(answer))
                tap(key(screen, c));
            QCOMPARE(box->text(), QString::fromLatin1(answer));
            QCOMPARE(screen->focusWidget(), box);
            QCOMPARE(box->cursorPosition(), box->text().size());
        }
        // A double tap on Conferma judges once: the new task is not judged.
        auto *cmdconferma = control<QPushButton>(screen, "cmdconferma");
        tap(cmdconferma);
        tap(cmdconferma);
        QCOMPARE(message(screen)->text(), QString::fromLatin1(typing[row].praise));
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }

    void thePadCoversNothingAChildReadsOrPresses_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("percent");
        for (int row = 0; row < int(std::size(typing)); ++row)
            for (const int percent : {100, 125, 150, 175, 200, 250, 300})
                QTest::addRow("%s at %d %%", typing[row].screen, percent) << row << percent;
    }
    void thePadCoversNothingAChildReadsOrPresses()
    {
        QFETCH(int, row);
        QFETCH(int, percent);
        registry = makeRegistry();
        zoomTo(*registry, percent);
        registry->pad().setShown(true);
        registry->show(QString::fromLatin1(typing[row].screen));
        Screen *screen = registry->screen(QString::fromLatin1(typing[row].screen));
        auto *pad = control<PadKeys>(screen, "tastierino");
        QVERIFY(pad && pad->isVisible());
        for (QWidget *listed : screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLabel *>(listed) || qobject_cast<QLineEdit *>(listed)
                || qobject_cast<QPushButton *>(listed))
                QVERIFY2(!pad->geometry().intersects(listed->geometry()),
                         qPrintable(listed->objectName()));
        }
        QVERIFY(pad->geometry().intersects(screen->rect()));
        for (const QPushButton *key : pad->findChildren<QPushButton *>())
            QVERIFY(key->height() >= twips::toPixels(720, percent / 100.0)
                    && key->width() >= key->height() && key->focusPolicy() == Qt::NoFocus);
    }

    void aHeldPressShowsTheNameAndOpensNothing()
    {
        for (const int heldMs : {0, 700}) {
            registry = makeRegistry();
            registry->show(QStringLiteral("frminizio"));
            Screen *menu = registry->screen(QStringLiteral("frminizio"));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QToolTip::hideText();
            tap(control<QWidget>(menu, "cmdcalcolo"), heldMs);
            QCOMPARE(registry->screen(QStringLiteral("frmscelta")) == nullptr, heldMs > 0);
            QCOMPARE(QToolTip::isVisible(), heldMs > 0);
            if (heldMs)
                QCOMPARE(QToolTip::text(), QStringLiteral("Calcolo le quotelle"));
        }
    }

    void everyVerdictCanBeReadByAClass()
    {
        registry = makeRegistry();
        for (const QString &name : screenNames(Kind::Exercise)) {
            registry->show(name);
            const QPalette colours = message(registry->screen(name))->palette();
            QVERIFY2(contrast(colours.color(QPalette::WindowText), colours.color(QPalette::Window))
                         >= 4.5,
                     qPrintable(name));
        }
    }
};

QTEST_MAIN(WhiteboardTest)
#include "tst_whiteboard.moc"
