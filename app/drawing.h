// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zoomable.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <future>
#include <memory>
#include <vector>

class QIcon;
class QPainter;
class QSvgRenderer;
class QWidget;

// One of our drawings (resources/pictures/FILE), drawn at its natural size:
// our drawings give it in pixels with fractions (twips / 15), as their view
// box. The SVG is read only when first needed and rasterised the first time
// it is shown at a device pixel ratio, then kept in Qt's pixmap cache: a
// screen that opens again only copies pixels, where rasterising the paths of
// a drawing can take milliseconds. At the program's zoom it is drawn that
// much larger, rasterised again from the SVG at that size.
class Drawing : public Zoomable
{
public:
    explicit Drawing(const QString &file);
    ~Drawing() override;

    bool isValid() const;
    QSizeF naturalSize() const;

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom) override { m_zoom = zoom; }

protected:
    // Draws it with its top left corner at topLeft, snapped to the device
    // pixel grid of the painter's device.
    void paintDrawing(QPainter &painter, QPointF topLeft) const;

private:
    friend void prepareDrawings(const QWidget *window);
    QSvgRenderer &renderer() const;

    // What the worker thread makes of one drawing.
    struct Prepared
    {
        QImage image;
        QSizeF naturalSize;
    };

    QString m_file;
    qreal m_zoom = 1;
    mutable std::unique_ptr<QSvgRenderer> m_renderer;
    // Known once read, here or on the worker thread: a picture button needs
    // it at every paint, and its first paint need not read the SVG again.
    mutable QSizeF m_naturalSize;
    // Rasterised ahead on a worker thread, for this ratio and zoom.
    mutable std::shared_future<std::vector<Prepared>> m_prepared;
    std::size_t m_preparedIndex = 0;
    qreal m_preparedRatio = 0;
    qreal m_preparedZoom = 0;
};

// Starts rasterising, on one worker thread and in the order they are
// painted, the drawings a window not yet shown will paint first, while the
// window is being created and mapped. Their first paint takes the result.
void prepareDrawings(const QWidget *window);

QString picturePath(const QString &file);

// The program's icon, for the title bar and the task bar.
QIcon programIcon();

// The size a drawing's view box gives, or its default size without one.
QSizeF naturalSizeOf(const QSvgRenderer &renderer);

// A drawing rasterised at its natural size times zoom for a device pixel
// ratio, over a transparent background, with its top left corner on a pixel
// corner.
QImage rasterise(QSvgRenderer &renderer, qreal ratio, qreal zoom = 1);
