// SPDX-License-Identifier: GPL-3.0-or-later

// The drawings of objects, the lettering, the rules diagrams and the icon:
// each loads at its natural size, and the diagrams teach exactly what they say.
#include "application.h"
#include "frminizio.h"
#include "picture.h"
#include "testing.h"

#include <QFile>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <numbers>

namespace {

// What a test needs of one element of a drawing that carries an id.
struct Part
{
    QString fill;
    QString d;
    QRectF rect;
};

std::map<QString, Part> partsOf(const QString &file)
{
    std::map<QString, Part> parts;
    QFile svg(picturePath(file));
    if (!svg.open(QIODevice::ReadOnly))
        return parts;
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (!a.hasAttribute(QStringLiteral("id"))
            || (xml.name() != QStringLiteral("path") && xml.name() != QStringLiteral("rect")))
            continue;
        auto number = [&a](const char *name) { return a.value(QLatin1String(name)).toDouble(); };
        parts[a.value(QStringLiteral("id")).toString()] = {
            a.value(QStringLiteral("fill")).toString(), a.value(QStringLiteral("d")).toString(),
            QRectF(number("x"), number("y"), number("width"), number("height"))};
    }
    return parts;
}

// The numbers of a path's data, in order, its commands dropped.
QList<double> numbersOf(const QString &d)
{
    static const QRegularExpression number(QStringLiteral("-?[0-9]*\\.?[0-9]+"));
    QList<double> values;
    for (const QRegularExpressionMatch &m : number.globalMatch(d))
        values.append(m.captured().toDouble());
    return values;
}

enum class Colour { White, Red, Green, Blue, Other };

Colour colourOf(const QString &fill)
{
    const QColor c(fill);
    if (c == Qt::white)
        return Colour::White;
    if (c.red() > 200 && c.green() < 100 && c.blue() < 100)
        return Colour::Red;
    if (c.green() > 150 && c.red() < 100 && c.blue() < 120)
        return Colour::Green;
    if (c.blue() > 200 && c.red() < 100 && c.green() < 160)
        return Colour::Blue;
    return Colour::Other;
}

// Degrees swept clockwise (on screen, y down) from a to b around c.
double sweep(QPointF c, QPointF a, QPointF b)
{
    const double from = std::atan2(a.y() - c.y(), a.x() - c.x());
    double to = std::atan2(b.y() - c.y(), b.x() - c.x());
    if (to < from)
        to += 2 * std::numbers::pi;
    return (to - from) * 180 / std::numbers::pi;
}

double triangleArea(QPointF a, QPointF b, QPointF c)
{
    return std::abs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y())) / 2;
}

bool near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 0.01;
}

} // namespace

class PicturesThingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void drawingHasItsNaturalSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSizeF>("size");
        const std::pair<const char *, QSizeF> drawings[] = {
            {"cup-of-pencils.svg", {78.13, 121.33}},
            {"magnifying-glass.svg", {121.33, 88.27}},
            {"ruler-and-pencil.svg", {100.6, 101.93}},
            {"book-quill-inkpot.svg", {120.53, 101.73}},
            {"title-le-quotelle.svg", {407.6, 60}},
            {"credit-banner.svg", {82.27, 10.73}},
            {"banner-calcola-red.svg", {673, 57}},
            {"banner-calcola-blue.svg", {673, 57}},
            {"banner-complementare.svg", {521, 129}},
            {"banner-simboli.svg", {673, 41}},
            {"banner-maggiore.svg", {657, 57}},
            {"banner-ordine.svg", {292.2, 26.87}},
            {"fraction-parts.svg", {257, 89}},
            {"square-quarters.svg", {225, 121}},
            {"pentagons.svg", {289, 81}},
            {"circles.svg", {329, 81}},
            {"icon.svg", {32, 32}},
        };
        for (const auto &[file, size] : drawings)
            QTest::newRow(file) << QString::fromLatin1(file) << size;
    }

    // Loads at its size, draws something, and leaves its background transparent
    // so that the screen's colour shows through.
    void drawingHasItsNaturalSize()
    {
        QFETCH(QString, file);
        QFETCH(QSizeF, size);
        QSvgRenderer renderer(picturePath(file));
        QVERIFY(renderer.isValid());
        QVERIFY(std::abs(renderer.viewBoxF().width() - size.width()) < 0.005);
        QVERIFY(std::abs(renderer.viewBoxF().height() - size.height()) < 0.005);
        QVERIFY(std::abs(renderer.defaultSize().width() - size.width()) < 1);
        QVERIFY(std::abs(renderer.defaultSize().height() - size.height()) < 1);

        for (int scale : {1, 2}) {
            QImage image((size * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter, QRectF(QPointF(0, 0), size * scale));
            painter.end();
            int inked = 0;
            int clear = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    inked += alpha == 255;
                    clear += alpha == 0;
                }
            }
            const int area = image.width() * image.height();
            QVERIFY2(inked > area / 20, qPrintable(file));
            QVERIFY2(clear > area / 100, qPrintable(file));
        }
    }

    void circlesHaveEqualSlicesTwoOfThemRed()
    {
        const auto parts = partsOf(QStringLiteral("circles.svg"));
        QVERIFY(!parts.empty());
        for (int slices : {8, 4, 16}) {
            const QString circle = QStringLiteral("circle%1-slice").arg(slices);
            QVERIFY(!parts.contains(circle + QString::number(slices + 1)));
            int red = 0;
            QPointF centre;
            double radius = 0;
            double total = 0;
            QPointF previousEnd;
            QPointF firstStart;
            for (int k = 1; k <= slices; ++k) {
                const auto part = parts.find(circle + QString::number(k));
                QVERIFY2(part != parts.end(), qPrintable(circle + QString::number(k)));
                const Colour colour = colourOf(part->second.fill);
                QVERIFY(colour == Colour::Red || colour == Colour::White);
                red += colour == Colour::Red;
                // M centre L start A r r 0 0 1 end Z
                const QList<double> n = numbersOf(part->second.d);
                QCOMPARE(n.size(), 11);
                QCOMPARE(n.mid(6, 3), QList<double>({0, 0, 1}));
                QCOMPARE(n.at(4), n.at(5));
                const QPointF c(n.at(0), n.at(1));
                const QPointF start(n.at(2), n.at(3));
                const QPointF end(n.at(9), n.at(10));
                if (k == 1) {
                    centre = c;
                    radius = n.at(4);
                    firstStart = start;
                } else {
                    QVERIFY(near(c, centre));
                    QCOMPARE(n.at(4), radius);
                    QVERIFY(near(start, previousEnd));
                }
                QVERIFY(std::abs(QLineF(c, start).length() - radius) < 0.01);
                QVERIFY(std::abs(QLineF(c, end).length() - radius) < 0.01);
                const double angle = sweep(c, start, end);
                QVERIFY2(std::abs(angle - 360.0 / slices) < 0.05,
                         qPrintable(QStringLiteral("%1%2: %3°").arg(circle).arg(k).arg(angle)));
                total += angle;
                previousEnd = end;
            }
            QVERIFY(near(previousEnd, firstStart));
            QVERIFY(std::abs(total - 360) < 0.05);
            QCOMPARE(red, 2);
        }
    }

    void pentagonsHaveFiveEqualPartsColouredOneThreeTwo()
    {
        const auto parts = partsOf(QStringLiteral("pentagons.svg"));
        const int green[] = {1, 3, 2};
        for (int p = 1; p <= 3; ++p) {
            const QString pentagon = QStringLiteral("pentagon%1-part").arg(p);
            QVERIFY(!parts.contains(pentagon + QStringLiteral("6")));
            int coloured = 0;
            double firstArea = 0;
            QPointF centre;
            QPointF previousEnd;
            QPointF firstStart;
            double circumradius = 0;
            for (int k = 1; k <= 5; ++k) {
                const auto part = parts.find(pentagon + QString::number(k));
                QVERIFY2(part != parts.end(), qPrintable(pentagon + QString::number(k)));
                const Colour colour = colourOf(part->second.fill);
                QVERIFY(colour == Colour::Green || colour == Colour::White);
                coloured += colour == Colour::Green;
                // M centre L vertex L next vertex Z
                const QList<double> n = numbersOf(part->second.d);
                QCOMPARE(n.size(), 6);
                const QPointF c(n.at(0), n.at(1));
                const QPointF a(n.at(2), n.at(3));
                const QPointF b(n.at(4), n.at(5));
                const double area = triangleArea(c, a, b);
                if (k == 1) {
                    centre = c;
                    firstArea = area;
                    firstStart = a;
                    circumradius = QLineF(c, a).length();
                } else {
                    QVERIFY(near(c, centre));
                    QVERIFY(near(a, previousEnd));
                    QVERIFY2(std::abs(area - firstArea) < firstArea * 0.001,
                             qPrintable(QStringLiteral("%1%2").arg(pentagon).arg(k)));
                }
                // A regular pentagon: every vertex as far from the centre, 72° apart.
                QVERIFY(std::abs(QLineF(c, a).length() - circumradius) < 0.01);
                QVERIFY(std::abs(QLineF(c, b).length() - circumradius) < 0.01);
                QVERIFY(std::abs(sweep(c, a, b) - 72) < 0.05);
                previousEnd = b;
            }
            QVERIFY(near(previousEnd, firstStart));
            QCOMPARE(coloured, green[p - 1]);
        }
    }

    void squareHasFourEqualCellsTheTopLeftBlue()
    {
        const auto parts = partsOf(QStringLiteral("square-quarters.svg"));
        QVERIFY(!parts.contains(QStringLiteral("square-cell5")));
        QList<QRectF> cells;
        int blue = 0;
        for (int k = 1; k <= 4; ++k) {
            const auto part = parts.find(QStringLiteral("square-cell%1").arg(k));
            QVERIFY(part != parts.end());
            const Colour colour = colourOf(part->second.fill);
            QVERIFY(colour == Colour::Blue || colour == Colour::White);
            blue += colour == Colour::Blue;
            if (colour == Colour::Blue)
                QCOMPARE(k, 1);
            cells.append(part->second.rect);
        }
        QCOMPARE(blue, 1);
        const QRectF first = cells.first();
        QVERIFY(first.width() > 0);
        QCOMPARE(first.width(), first.height());
        QRectF whole;
        for (const QRectF &cell : cells) {
            QCOMPARE(cell.size(), first.size());
            whole = whole.united(cell);
        }
        // The four cells tile a square twice their side, the first at its top left.
        QCOMPARE(whole.size(), first.size() * 2);
        QCOMPARE(whole.topLeft(), first.topLeft());
        QCOMPARE(QSet<double>({cells[0].x(), cells[1].x(), cells[2].x(), cells[3].x()}).size(), 2);
        QCOMPARE(QSet<double>({cells[0].y(), cells[1].y(), cells[2].y(), cells[3].y()}).size(), 2);
    }

    void iconIsThirtyTwoPixelsInSixteenColours()
    {
        const QImage icon(picturePath(QStringLiteral("icon.png")));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.colorCount() <= 16);
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY(colours.size() > 2);
        QVERIFY(colours.size() <= 16);
    }

    // Each picture button shows its drawing whole, centred on the button, at
    // whatever device pixel ratio the display has, and at the zoom drawn
    // afresh from the SVG at its larger size, not stretched.
    void pictureButtonsCentreTheirDrawings_data()
    {
        QTest::addColumn<int>("percent");
        QTest::newRow("100 %") << 100;
        QTest::newRow("175 %") << 175;
    }
    void pictureButtonsCentreTheirDrawings()
    {
        QFETCH(int, percent);
        const qreal zoom = percent / 100.0;
        auto registry = makeRegistry();
        zoomTo(*registry, percent);
        registry->show(QStringLiteral("frminizio"));
        const auto buttons =
            registry->screen(QStringLiteral("frminizio"))->findChildren<PictureButton *>();
        QCOMPARE(buttons.size(), 4);
        const std::map<QString, QString> files = {
            {QStringLiteral("cmdcalcolo"), QStringLiteral("cup-of-pencils.svg")},
            {QStringLiteral("cmdtrovo"), QStringLiteral("magnifying-glass.svg")},
            {QStringLiteral("cmdconfronto"), QStringLiteral("ruler-and-pencil.svg")},
            {QStringLiteral("cmdripassa"), QStringLiteral("book-quill-inkpot.svg")}};
        for (PictureButton *button : buttons) {
            const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const qreal ratio = shown.devicePixelRatio();
            QSvgRenderer renderer(picturePath(files.at(button->objectName())));
            const QImage drawing =
                rasterise(renderer, ratio, zoom).convertToFormat(QImage::Format_ARGB32);
            const QSizeF size = naturalSizeOf(renderer) * zoom * ratio;
            const QPointF centre = QRectF(button->rect()).center() * ratio;
            const QPoint corner(qRound(centre.x() - size.width() / 2),
                                qRound(centre.y() - size.height() / 2));
            int opaque = 0;
            int matching = 0;
            for (int y = 0; y < drawing.height(); ++y) {
                for (int x = 0; x < drawing.width(); ++x) {
                    const QRgb pixel = drawing.pixel(x, y);
                    if (qAlpha(pixel) != 255)
                        continue;
                    ++opaque;
                    matching += shown.pixel(corner + QPoint(x, y)) == pixel;
                }
            }
            QVERIFY2(opaque > 1000, qPrintable(button->objectName()));
            QVERIFY2(matching >= opaque * 99 / 100, qPrintable(button->objectName()));
        }
        registry.reset();
        flushUnloaded();
    }

    void everyWindowCarriesTheIcon()
    {
        auto registry = makeRegistry();
        for (const QString &name : screenNames()) {
            registry->show(name);
            QWidget *screen = registry->screen(name);
            QVERIFY2(screen, qPrintable(name));
            QCOMPARE(screen->windowIcon().availableSizes(), QList<QSize>({QSize(32, 32)}));
        }
        registry.reset();
        flushUnloaded();
    }
};

QTEST_MAIN(PicturesThingsTest)
#include "tst_pictures_things.moc"
