// SPDX-License-Identifier: GPL-3.0-or-later

// The three rules pages: what they show and how they link to one another.
#include "application.h"
#include "frmregolecalcola.h"
#include "frmregolecomplementare.h"
#include "frmregoleconfronto.h"
#include "line.h"
#include "picture.h"
#include "spoken.h"
#include "testing.h"
#include "twips.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtMath>

namespace {

const QString menu = QStringLiteral("frminizio");
const QString calcola = QStringLiteral("frmregolecalcola");
const QString complementare = QStringLiteral("frmregolecomplementare");
const QString confronto = QStringLiteral("frmregoleconfronto");

const QColor Background(255, 255, 128);
const QColor Title(192, 0, 192);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

bool isComic(const QLabel *label, qreal points)
{
    return label->font().family() == QLatin1String("Comic Sans MS")
        && label->font().pointSizeF() == points && !label->font().bold()
        && label->palette().color(QPalette::Window) == Background;
}

// A fraction as the pages draw it: numerator label, bar, denominator label.
struct FractionOnPage
{
    const QLabel *numerator;
    const Line *bar;
    const QLabel *denominator;
};

// Where the glyphs of a label's text lie on its screen.
QRect inkOf(const QLabel *label)
{
    const QFontMetrics metrics(label->font(), label);
    const QRect text = metrics.boundingRect(label->contentsRect(),
                                            Qt::TextWordWrap | label->alignment(), label->text());
    return text.translated(label->pos());
}

// The darkest pixel of a button's caption as the button shows it, looked for
// in its middle, clear of the frame.
QColor captionInk(QPushButton *button)
{
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int inset = qCeil(4 * shown.devicePixelRatio());
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = inset; y < shown.height() - inset; ++y)
        for (int x = inset; x < shown.width() - inset; ++x)
            if (qGray(shown.pixel(x, y)) < qGray(darkest))
                darkest = shown.pixel(x, y);
    return QColor(darkest);
}

} // namespace

class RulesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Registry> registry;

    template<typename T>
    T *open(const QString &page)
    {
        registry = makeRegistry();
        registry->show(page);
        return loadedAs<T>(*registry, page);
    }

    // The four buttons every page has, the page's own one disabled.
    void checkButtons(Page *page, QPushButton *own)
    {
        auto *fine = control<QPushButton>(page, "cmdfine");
        auto *regola1 = control<QPushButton>(page, "cmdregola1");
        auto *regola2 = control<QPushButton>(page, "cmdregola2");
        auto *regola3 = control<QPushButton>(page, "cmdregola3");
        QVERIFY(fine && regola1 && regola2 && regola3);
        QCOMPARE(fine->text(), QStringLiteral("&Fine"));
        QCOMPARE(fine->geometry(), twips::rect(240, 6600, 855, 375));
        QCOMPARE(regola1->text(), QStringLiteral("&Regola 1"));
        QCOMPARE(regola2->text(), QStringLiteral("R&egola 2"));
        QCOMPARE(regola3->text(), QStringLiteral("Re&gola 3"));
        QCOMPARE(regola1->geometry(), twips::rect(7080, 6480, 1215, 495));
        QCOMPARE(regola2->geometry(), twips::rect(8280, 6480, 1095, 495));
        QCOMPARE(regola3->geometry(), twips::rect(9360, 6480, 1095, 495));
        // "Regola 1" is wider and reaches one pixel into "Regola 2".
        QCOMPARE(regola1->geometry().right(), regola2->geometry().left());
        for (QPushButton *button : {regola1, regola2, regola3}) {
            QCOMPARE(button->font().pointSizeF(), 9.75);
            QVERIFY(button->font().bold());
            QCOMPARE(button->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(button->isEnabled(), button != own);
        }
        // The page's own button looks disabled too: its caption is drawn in
        // the disabled text colour, the others' in black.
        const QColor disabled = own->palette().color(QPalette::Disabled, QPalette::ButtonText);
        QVERIFY(qGray(disabled.rgb()) > 128);
        for (QPushButton *button : {regola1, regola2, regola3}) {
            const QColor ink = captionInk(button);
            if (button == own)
                QVERIFY2(qAbs(qGray(ink.rgb()) - qGray(disabled.rgb())) <= 8,
                         qPrintable(button->objectName() + QLatin1Char(' ') + ink.name()));
            else
                QCOMPARE(ink, QColor(Qt::black));
        }
        QCOMPARE(page->focusWidget(), fine);
        // Tab runs through the buttons in order and passes over the disabled one.
        QList<QPushButton *> order;
        for (QPushButton *button : {regola1, regola2, regola3})
            if (button != own)
                order << button;
        QCOMPARE(nextFocusable(fine), order[0]);
        QCOMPARE(nextFocusable(order[0]), order[1]);
        QCOMPARE(nextFocusable(order[1]), fine);
    }

    void checkPicture(Picture *picture, QRect box)
    {
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), box);
        QVERIFY2(picture->isValid(), qPrintable(picture->objectName()));
        QVERIFY(picture->naturalSize().width() <= box.width());
        QVERIFY(picture->naturalSize().height() <= box.height());
    }

    // The bar lies between the two numbers and under both of their digits.
    void checkFraction(const FractionOnPage &fraction)
    {
        const QString name = fraction.numerator->objectName() + QLatin1Char('/')
            + fraction.denominator->objectName();
        const QRect top = inkOf(fraction.numerator);
        const QRect bottom = inkOf(fraction.denominator);
        const QRect bar = fraction.bar->geometry();
        const qreal y = fraction.bar->pos().y() + fraction.bar->from().y();
        QVERIFY2(top.bottom() <= y + 1 && y <= bottom.top() + 1, qPrintable(name));
        for (const QRect &digits : {top, bottom}) {
            QVERIFY2(bar.left() <= digits.left() && digits.right() <= bar.right(),
                     qPrintable(name));
        }
        QVERIFY2(fraction.bar->isVisible(), qPrintable(name));
        // A screen reader hears the whole fraction on either number.
        const QString spoken = spokenFraction(fraction.numerator->text().toInt(),
                                              fraction.denominator->text().toInt());
        QCOMPARE(fraction.numerator->accessibleDescription(), spoken);
        QCOMPARE(fraction.denominator->accessibleDescription(), spoken);
    }

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup()
    {
        registry.reset();
        flushUnloaded();
    }

    void fractionOfANumberPage()
    {
        auto *page = open<frmregolecalcola>(calcola);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Come si calcola la frazione di un numero"));
        QCOMPARE(page->size(), QSize(708, 479));
        QCOMPARE(page->palette().color(QPalette::Window), Background);
        checkButtons(page, page->cmdregola1);
        checkPicture(page->Picture2, twips::rect(8880, 120, 1455, 1215));
        checkPicture(page->Picture1, twips::rect(360, 1920, 3855, 1335));

        QCOMPARE(page->Label1->text(), QStringLiteral("Come si calcola la frazione di un numero"));
        QCOMPARE(textColour(page->Label1), Title);
        QVERIFY(isComic(page->Label1, 20.25));
        // The definitions keep their plain apostrophes.
        QCOMPARE(page->Label2->text(),
                 QStringLiteral("IL NUMERATORE indica quante parti dell'intero sono state "
                                "considerate."));
        QCOMPARE(page->Label4->text(),
                 QStringLiteral("IL DENOMINATORE indica in quante parti uguali è stato diviso "
                                "l'intero."));
        QVERIFY(page->Label5->text().contains(QStringLiteral("denominatore,  esso")));
        QCOMPARE(page->Label8->text(),
                 QStringLiteral("di 12 → 12 : 3 = 4    In questo modo ottengo"));
        QVERIFY(page->Label12->text().endsWith(QStringLiteral("moltiplicare 4 x 2 = 8.")));
        for (QLabel *definition : {page->Label2, page->Label3, page->Label4}) {
            QCOMPARE(textColour(definition), Red);
            QCOMPARE(definition->geometry().left(), twips::toPixels(4560));
        }
        for (QLabel *text : {page->Label5, page->Label6, page->Label7, page->Label8, page->Label9,
                             page->Label10, page->Label11, page->Label12})
            QCOMPARE(textColour(text), Blue);
        for (QLabel *text : page->findChildren<QLabel *>()) {
            QVERIFY2(text == page->Label1 || isComic(text, 12), qPrintable(text->objectName()));
            QCOMPARE(text->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        }
        QCOMPARE(page->findChildren<QLabel *>().size(), 12);
        for (Line *bar : {page->Line1, page->Line2}) {
            QCOMPARE(bar->colour(), Blue);
            QCOMPARE(bar->lineWidth(), 1);
        }
        checkFraction({page->Label6, page->Line1, page->Label7});
        checkFraction({page->Label9, page->Line2, page->Label10});
    }

    void complementaryFractionPage()
    {
        auto *page = open<frmregolecomplementare>(complementare);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Come si calcola la frazione complementare"));
        QCOMPARE(page->size(), QSize(708, 479));
        checkButtons(page, page->cmdregola2);
        checkPicture(page->Picture2, twips::rect(8880, 120, 1455, 1215));
        checkPicture(page->Picture1, twips::rect(360, 1800, 3375, 1815));

        QCOMPARE(page->Label1->text(), QStringLiteral("Come si calcola la frazione complementare"));
        QCOMPARE(textColour(page->Label1), Title);
        QVERIFY(isComic(page->Label1, 20.25));
        QCOMPARE(page->Label5->text(), QStringLiteral("La parte colorata rappresenta"));
        QCOMPARE(page->Label8->text(), QStringLiteral("dell'intero."));
        QCOMPARE(page->Label9->text(),
                 QStringLiteral("Per completare l’intero devo colorare le rimanenti 3 parti. La "
                                "frazione che, aggiunta a quella data, permette di avere l’intero "
                                "si chiama frazione complementare."));
        for (QLabel *text :
             {page->Label5, page->Label6, page->Label7, page->Label8, page->Label9}) {
            QCOMPARE(textColour(text), Blue);
            QVERIFY(isComic(text, 12));
        }

        // The sum reads 1/4 + 3/4 = 4/4 = 1 in large red figures.
        const std::pair<QLabel *, const char *> sum[] = {
            {page->Label2, "1"},  {page->Label3, "4"},  {page->Label17, "+"},
            {page->Label4, "3"},  {page->Label13, "4"}, {page->Label18, "="},
            {page->Label14, "4"}, {page->Label15, "4"}, {page->Label16, "= 1"}};
        for (const auto &[label, text] : sum) {
            QCOMPARE(label->text(), QString::fromLatin1(text));
            QCOMPARE(textColour(label), Red);
            QVERIFY(isComic(label, 20.25));
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
        for (Line *bar : {page->Line3, page->Line4, page->Line5}) {
            QCOMPARE(bar->colour(), Red);
            QCOMPARE(bar->lineWidth(), 3);
        }
        QCOMPARE(page->Line1->colour(), Blue);
        QCOMPARE(page->Line1->lineWidth(), 1);
        checkFraction({page->Label6, page->Line1, page->Label7});
        checkFraction({page->Label2, page->Line3, page->Label3});
        checkFraction({page->Label4, page->Line4, page->Label13});
        checkFraction({page->Label14, page->Line5, page->Label15});
        // The operators stand at the height of the bars.
        for (QLabel *op : {page->Label17, page->Label18, page->Label16}) {
            const QRect ink = inkOf(op);
            QVERIFY(ink.top() < page->Line3->geometry().center().y());
            QVERIFY(ink.bottom() > page->Line3->geometry().center().y());
        }
    }

    void comparingFractionsPage()
    {
        auto *page = open<frmregoleconfronto>(confronto);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QStringLiteral("Come si confrontano le quotelle"));
        QCOMPARE(page->size(), QSize(708, 479));
        checkButtons(page, page->cmdregola3);
        checkPicture(page->Picture1, twips::rect(240, 1680, 4335, 1215));
        checkPicture(page->Picture2, twips::rect(8880, 120, 1455, 1215));
        checkPicture(page->Picture3, twips::rect(5160, 1680, 4935, 1215));

        QCOMPARE(page->Label1->text(), QStringLiteral("Come si confrontano le quotelle"));
        QCOMPARE(textColour(page->Label1), Title);
        QVERIFY(isComic(page->Label1, 20.25));
        QCOMPARE(page->Label8->text(),
                 QStringLiteral("vedo che tutte hanno lo stesso denominatore, qual è quella "
                                "maggiore? È maggiore quella che"));
        QCOMPARE(page->Label16->text(),
                 QStringLiteral("Queste quotelle hanno numeratore uguale e denominatore diverso. "
                                "Qual è la frazione maggiore? È maggiore la frazione con il "
                                "denominatore più piccolo:"));
        QCOMPARE(page->Label15->text(), QStringLiteral("ha il numeratore più grande:"));
        for (QLabel *text : page->findChildren<QLabel *>()) {
            if (text == page->Label1)
                continue;
            QCOMPARE(textColour(text), Blue);
            QVERIFY2(isComic(text, 12), qPrintable(text->objectName()));
        }
        for (QLabel *answer : {page->Label11, page->Label12, page->Label13, page->Label14})
            QCOMPARE(answer->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(page->Label6->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

        // 1/5, 3/5 and 2/5, the answer 3/5; then the answer 2/4 of the second rule.
        checkFraction({page->Label6, page->Line1, page->Label7});
        checkFraction({page->Label9, page->Line2, page->Label10});
        checkFraction({page->Label3, page->Line3, page->Label4});
        checkFraction({page->Label11, page->Line4, page->Label12});
        checkFraction({page->Label13, page->Line5, page->Label14});
        for (Line *bar : {page->Line1, page->Line2, page->Line3, page->Line4, page->Line5}) {
            QCOMPARE(bar->colour(), Blue);
            QCOMPARE(bar->lineWidth(), 1);
        }
    }

    void barGivenRightToLeftDrawsTheSameBar()
    {
        auto *page = open<frmregoleconfronto>(confronto);
        QVERIFY(page);
        Line *bar = page->Line5;
        QCOMPARE(bar->geometry().left() + bar->to().x(), twips::toPixelsF(9840));
        QCOMPARE(bar->geometry().left() + bar->from().x(), twips::toPixelsF(10320));
        // Drawn, it is the very bar a line from left to right makes.
        Line forward(page, 9840, 4680, 10320, 4680, 1, Blue);
        QCOMPARE(bar->geometry(), forward.geometry());
        const QImage drawn = bar->grab().toImage();
        QCOMPARE(drawn, forward.grab().toImage());
        const int row = qFloor(bar->from().y() * drawn.devicePixelRatio());
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, row), Blue);
        QVERIFY(drawn.pixelColor(drawn.width() / 2, 0) != Blue);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("opens");
        const int alt = Qt::AltModifier;
        const int none = Qt::NoModifier;
        for (const QString &page : {calcola, complementare, confronto}) {
            auto row = [&](const char *what, int key, int modifiers, const QString &opens) {
                QTest::addRow("%s %s", qPrintable(page), what) << page << key << modifiers << opens;
            };
            row("Esc", Qt::Key_Escape, none, menu);
            row("Alt+F", Qt::Key_F, alt, menu);
            row("Enter", Qt::Key_Return, none, menu);
            row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, menu);
            row("Space", Qt::Key_Space, none, menu);
            // The page's own button is disabled: its key leaves the page open.
            row("Alt+R", Qt::Key_R, alt, page == calcola ? page : calcola);
            row("Alt+E", Qt::Key_E, alt, page == complementare ? page : complementare);
            row("Alt+G", Qt::Key_G, alt, page == confronto ? page : confronto);
        }
    }

    void keys()
    {
        QFETCH(QString, page);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, opens);
        registry = makeRegistry();
        registry->show(page);
        Screen *screen = registry->screen(page);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QWidget *target = screen->focusWidget();
        QCOMPARE(target, control<QWidget>(screen, "cmdfine"));
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (opens == page) {
            QTest::qWait(300);
            QCOMPARE(registry->loaded(), QStringList {page});
        } else {
            QTRY_COMPARE(registry->loaded(), QStringList {opens});
            QVERIFY(registry->screen(opens)->isVisible());
        }
    }

    void links_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        const QStringList pages = screenNames(Kind::RulesPage);
        for (int from = 0; from < 3; ++from) {
            QTest::addRow("%s fine", qPrintable(pages[from]))
                << pages[from] << QStringLiteral("cmdfine") << menu;
            for (int to = 0; to < 3; ++to) {
                // A click on the disabled button of the page keeps it open.
                QTest::addRow("%s regola %d", qPrintable(pages[from]), to + 1)
                    << pages[from] << QStringLiteral("cmdregola%1").arg(to + 1) << pages[to];
            }
        }
    }

    void links()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QString, opens);
        registry = makeRegistry();
        registry->show(page);
        Screen *screen = registry->screen(page);
        auto *pressed = control<QPushButton>(screen, qPrintable(button));
        QVERIFY(pressed);
        QPointer<Screen> before(screen);
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(registry->loaded(), QStringList {opens});
        if (opens == page) {
            QCOMPARE(registry->screen(page), screen);
            return;
        }
        // Coming back builds the page afresh, focus on "Fine" again.
        registry->show(page);
        registry->unload(opens);
        flushUnloaded();
        QVERIFY(before.isNull());
        QWidget *again = registry->screen(page);
        QCOMPARE(again->focusWidget(), control<QWidget>(again, "cmdfine"));
    }
};

QTEST_MAIN(RulesTest)
#include "tst_rules.moc"
