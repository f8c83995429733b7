// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

// One of our drawings (resources/pictures/FILE), drawn at its natural size:
// our drawings give it in pixels with fractions (twips / 15), as their view
// box. At a device pixel ratio of 1 its pixels come ready-made with the
// program (see prerender); at any other ratio the SVG is rasterised the first
// time and kept in Qt's pixmap cache. Either way a screen that opens, or
// opens again, only copies pixels: rasterising the paths of a drawing can
// take milliseconds.
class Drawing
{
public:
    explicit Drawing(const QString &file);
    ~Drawing();

    bool isValid() const { return !m_natural.isEmpty(); }
    QSizeF naturalSize() const { return m_natural; }

    // Draws it with its top left corner at topLeft, snapped to the device
    // pixel grid of a device with the given pixel ratio.
    void paint(QPainter &painter, QPointF topLeft, qreal ratio);

private:
    QSvgRenderer &renderer();

    QString m_file;
    QSizeF m_natural;
    QImage m_ready;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

QString picturePath(const QString &file);

// The ready-made pixels of resources/pictures/FILE (an SVG or a PNG) for a
// device pixel ratio of 1, and its natural size where asked; a null image if
// the build made none.
QImage readyPixels(const QString &file, QSizeF *natural = nullptr);

// The size a drawing's view box gives, or its default size without one.
QSizeF naturalSizeOf(const QSvgRenderer &renderer);

// A drawing rasterised at its natural size for a device pixel ratio, over a
// transparent background, with its top left corner on a pixel corner.
QImage rasterise(QSvgRenderer &renderer, qreal ratio);

// The ready-made pixels of a drawing, as the build stores them: a header with
// the pixel size and the natural size, then premultiplied ARGB32 pixels, so
// that showing them needs neither an image decoder nor a copy.
QByteArray packPixels(const QImage &image, QSizeF natural);
// An image over packed pixels (no copy: data must outlive it) and its
// natural size where asked; a null image if data is not packed pixels.
QImage unpackPixels(const uchar *data, qint64 size, QSizeF *natural = nullptr);
