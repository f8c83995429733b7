#include "picture.h"

#include "button.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

QString picturePath(const QString &file)
{
    return QStringLiteral(":/pictures/") + file;
}

QSizeF naturalSizeOf(const QSvgRenderer &renderer)
{
    const QSizeF box = renderer.viewBoxF().size();
    return box.isEmpty() ? QSizeF(renderer.defaultSize()) : box;
}

namespace {

// Draws a drawing at its natural size with its top left corner at topLeft,
// snapped to the device pixel grid. The lettering of the banners alone takes
// milliseconds to rasterise, so each drawing is rasterised once for each
// device pixel ratio and kept in Qt's pixmap cache: a screen shown again
// only copies its pictures.
void paintDrawing(QPainter &painter, QSvgRenderer &renderer, const QString &file, QPointF topLeft,
                  qreal ratio)
{
    const QSizeF size = naturalSizeOf(renderer);
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (pixels.isEmpty())
        return;
    const QString key = QStringLiteral("quotelle/%1/%2").arg(file).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(ratio);
        QPainter render(&pixmap);
        renderer.render(&render, QRectF(QPointF(0, 0), size));
        render.end();
        QPixmapCache::insert(key, pixmap);
    }
    topLeft =
        QPointF(std::round(topLeft.x() * ratio) / ratio, std::round(topLeft.y() * ratio) / ratio);
    painter.drawPixmap(topLeft, pixmap);
}

} // namespace

Picture::Picture(QWidget *parent, const QString &file)
    : QWidget(parent), m_file(file), m_renderer(picturePath(file))
{
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDrawing(painter, m_renderer, m_file, QPointF(0, 0), devicePixelRatioF());
}

PictureButton::PictureButton(QWidget *parent, const QString &file)
    : QPushButton(parent), m_file(file), m_renderer(picturePath(file))
{
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = sharedPalette(option.palette);
    painter.drawControl(QStyle::CE_PushButton, option);

    QRectF area(QPointF(0, 0), naturalSize());
    area.moveCenter(QRectF(rect()).center());
    if (isDown())
        area.translate(1, 1);
    paintDrawing(painter, m_renderer, m_file, area.topLeft(), devicePixelRatioF());
}
