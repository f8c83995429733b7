// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing.h"

#include <QIcon>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

#include <cmath>

QString picturePath(const QString &file)
{
    return QStringLiteral(":/pictures/") + file;
}

QIcon programIcon()
{
    // Read as the PNG it is: unless told not to guess, Qt loads every image
    // format plugin to ask which reads it, before the first window is shown.
    QImageReader reader(picturePath(QStringLiteral("icon.png")), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
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
    if (m_naturalSize.isValid())
        return m_naturalSize;
    if (m_prepared.valid())
        m_naturalSize = m_prepared.get()[m_preparedIndex].naturalSize;
    else
        m_naturalSize = naturalSizeOf(renderer());
    return m_naturalSize;
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
        if (m_prepared.valid() && ratio == m_preparedRatio && m_zoom == m_preparedZoom)
            pixmap = QPixmap::fromImage(m_prepared.get()[m_preparedIndex].image);
        else if (isValid())
            pixmap = QPixmap::fromImage(rasterise(renderer(), ratio, m_zoom));
        if (!pixmap.isNull())
            QPixmapCache::insert(key, pixmap);
    }
    m_prepared = {};
    if (!pixmap.isNull())
        painter.drawPixmap(topLeft, pixmap);
}

void prepareDrawings(const QWidget *window)
{
    const qreal ratio = window->screen()->devicePixelRatio();
    std::vector<Drawing *> drawings;
    std::vector<std::pair<QString, qreal>> jobs;
    // Children are painted from the bottom of the stack up.
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        auto *drawing = dynamic_cast<Drawing *>(child);
        if (!drawing || child->isHidden() || !window->rect().intersects(child->geometry()))
            continue;
        drawing->m_preparedIndex = drawings.size();
        drawing->m_preparedRatio = ratio;
        drawing->m_preparedZoom = drawing->m_zoom;
        drawings.push_back(drawing);
        jobs.emplace_back(picturePath(drawing->m_file), drawing->m_zoom);
    }
    if (jobs.empty())
        return;
    // The last drawing to let go of the result waits for the worker, if it
    // has not finished yet.
    const std::shared_future<std::vector<Drawing::Prepared>> images =
        std::async(std::launch::async, [jobs, ratio] {
            std::vector<Drawing::Prepared> images;
            for (const auto &[path, zoom] : jobs) {
                QSvgRenderer renderer(path);
                renderer.setAspectRatioMode(Qt::KeepAspectRatio);
                images.push_back({renderer.isValid() ? rasterise(renderer, ratio, zoom) : QImage(),
                                  naturalSizeOf(renderer)});
            }
            return images;
        }).share();
    for (Drawing *drawing : drawings)
        drawing->m_prepared = images;
}
