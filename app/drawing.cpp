// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

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

QImage rasterise(QSvgRenderer &renderer, qreal ratio, qreal zoom)
{
    const QSizeF size = naturalSizeOf(renderer) * zoom;
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (pixels.isEmpty())
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

Drawing::Drawing(const QString &file) : m_file(file) { }

Drawing::~Drawing() = default;

bool Drawing::isValid() const
{
    return renderer().isValid();
}

QSizeF Drawing::naturalSize() const
{
    return naturalSizeOf(renderer());
}

QSvgRenderer &Drawing::renderer() const
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(picturePath(m_file));
        m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *m_renderer;
}

void Drawing::paintDrawing(QPainter &painter, QPointF topLeft) const
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    topLeft =
        QPointF(std::round(topLeft.x() * ratio) / ratio, std::round(topLeft.y() * ratio) / ratio);
    const QString key = QStringLiteral("quotelle/%1/%2/%3").arg(m_file).arg(ratio).arg(m_zoom);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        if (!isValid())
            return;
        pixmap = QPixmap::fromImage(rasterise(renderer(), ratio, m_zoom));
        QPixmapCache::insert(key, pixmap);
    }
    painter.drawPixmap(topLeft, pixmap);
}
