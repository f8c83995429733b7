// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QSvgRenderer>

#include <cmath>
#include <cstring>

namespace {

struct PackedHeader
{
    char magic[4];
    quint32 width;
    quint32 height;
    quint32 reserved;
    double naturalWidth;
    double naturalHeight;
};
static_assert(sizeof(PackedHeader) == 32);

constexpr char Magic[4] = {'Q', 'P', 'X', '2'};

} // namespace

QString picturePath(const QString &file)
{
    return QStringLiteral(":/pictures/") + file;
}

QSizeF naturalSizeOf(const QSvgRenderer &renderer)
{
    const QSizeF box = renderer.viewBoxF().size();
    return box.isEmpty() ? QSizeF(renderer.defaultSize()) : box;
}

QImage rasterise(QSvgRenderer &renderer, qreal ratio)
{
    const QSizeF size = naturalSizeOf(renderer);
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

QByteArray packPixels(const QImage &image, QSizeF natural)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    PackedHeader header {};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.width = static_cast<quint32>(pixels.width());
    header.height = static_cast<quint32>(pixels.height());
    header.naturalWidth = natural.width();
    header.naturalHeight = natural.height();
    QByteArray packed(reinterpret_cast<const char *>(&header), sizeof header);
    for (int y = 0; y < pixels.height(); ++y)
        packed.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4);
    return packed;
}

QImage unpackPixels(const uchar *data, qint64 size, QSizeF *natural)
{
    PackedHeader header {};
    if (!data || size < qint64(sizeof header))
        return {};
    std::memcpy(&header, data, sizeof header);
    if (std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.width == 0
        || header.height == 0 || header.width > 16384 || header.height > 16384
        || size != qint64(sizeof header) + qint64(header.width) * header.height * 4)
        return {};
    if (natural)
        *natural = QSizeF(header.naturalWidth, header.naturalHeight);
    const uchar *pixels = data + sizeof header;
    QImage image(pixels, int(header.width), int(header.height), int(header.width) * 4,
                 QImage::Format_ARGB32_Premultiplied);
    // Pixels read as 32-bit words must be aligned as such; where the resource
    // data is not, the image gets its own copy.
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) ? image.copy() : image;
}

QImage readyPixels(const QString &file, QSizeF *natural)
{
    const QResource ready(QStringLiteral(":/pictures/1x/") + QFileInfo(file).completeBaseName()
                          + QStringLiteral(".pixels"));
    if (!ready.isValid() || ready.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return unpackPixels(ready.data(), ready.size(), natural);
}

Drawing::Drawing(const QString &file) : m_file(file), m_ready(readyPixels(file, &m_natural))
{
    if (m_ready.isNull())
        m_natural = naturalSizeOf(renderer());
}

Drawing::~Drawing() = default;

QSvgRenderer &Drawing::renderer()
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(picturePath(m_file));
        m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *m_renderer;
}

void Drawing::paint(QPainter &painter, QPointF topLeft, qreal ratio)
{
    topLeft =
        QPointF(std::round(topLeft.x() * ratio) / ratio, std::round(topLeft.y() * ratio) / ratio);
    if (ratio == 1.0 && !m_ready.isNull()) {
        painter.drawImage(topLeft, m_ready);
        return;
    }
    const QString key = QStringLiteral("quotelle/%1/%2").arg(m_file).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        if (!renderer().isValid())
            return;
        pixmap = QPixmap::fromImage(rasterise(renderer(), ratio));
        QPixmapCache::insert(key, pixmap);
    }
    painter.drawPixmap(topLeft, pixmap);
}
