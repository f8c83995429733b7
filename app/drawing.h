// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

// One of our drawings (resources/pictures/FILE), drawn at its natural size:
// our drawings give it in pixels with fractions (twips / 15), as their view
// box. The SVG is read only when first needed and rasterised the first time
// it is shown at a device pixel ratio, then kept in Qt's pixmap cache: a
// screen that opens again only copies pixels, where rasterising the paths of
// a drawing can take milliseconds.
class Drawing
{
public:
    explicit Drawing(const QString &file);
    ~Drawing();

    bool isValid() const;
    QSizeF naturalSize() const;

protected:
    // Draws it with its top left corner at topLeft, snapped to the device
    // pixel grid of the painter's device.
    void paintDrawing(QPainter &painter, QPointF topLeft) const;

private:
    QSvgRenderer &renderer() const;

    QString m_file;
    mutable std::unique_ptr<QSvgRenderer> m_renderer;
};

QString picturePath(const QString &file);

// The size a drawing's view box gives, or its default size without one.
QSizeF naturalSizeOf(const QSvgRenderer &renderer);

// A drawing rasterised at its natural size for a device pixel ratio, over a
// transparent background, with its top left corner on a pixel corner.
QImage rasterise(QSvgRenderer &renderer, qreal ratio);
