// SPDX-License-Identifier: GPL-3.0-or-later

// The drawings of the children and of the bookworm: each loads, has the size its picture box
// gives it, is drawn on a transparent background and nothing of it is cut off at the edges.
#include "application.h"
#include "picture.h"
#include "testing.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

namespace {

QImage rendered(QSvgRenderer &renderer, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

class TestPicturesPeople : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void drawing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("girl with book") << "girl-with-book.svg" << QSizeF(113.27, 205.4);
        QTest::newRow("boy green jumper") << "boy-green-jumper.svg" << QSizeF(145, 329);
        QTest::newRow("girl back to school") << "girl-back-to-school.svg" << QSizeF(169, 289);
        QTest::newRow("boy smiling") << "boy-smiling.svg" << QSizeF(161, 265);
        QTest::newRow("boy arms spread") << "boy-arms-spread.svg" << QSizeF(193, 281);
        QTest::newRow("boy thinking") << "boy-thinking.svg" << QSizeF(209, 265);
        QTest::newRow("boy hands on hips") << "boy-hands-on-hips.svg" << QSizeF(135.6, 159.73);
        QTest::newRow("bookworm") << "bookworm.svg" << QSizeF(97, 81);
    }

    void drawing()
    {
        QFETCH(QString, file);
        QFETCH(QSizeF, size);
        QSvgRenderer renderer(picturePath(file));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));
        // The picture box takes the whole pixels of the size, as Qt's renderer gives them.
        QCOMPARE(renderer.defaultSize(), QSize(int(size.width()), int(size.height())));

        const QImage image = rendered(renderer, renderer.defaultSize());
        const int width = image.width();
        const int height = image.height();
        int opaque = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255) {
                    ++opaque;
                    colours.insert(pixel & 0xe0e0e0);
                }
                const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                if (edge && qAlpha(pixel) != 0)
                    QFAIL(qPrintable(QStringLiteral("drawn on the edge at %1, %2").arg(x).arg(y)));
            }
        }
        QVERIFY2(opaque > width * height / 4, qPrintable(QString::number(opaque)));
        QVERIFY2(colours.size() >= 8, qPrintable(QString::number(colours.size())));
    }
};

QTEST_MAIN(TestPicturesPeople)
#include "tst_pictures_people.moc"
