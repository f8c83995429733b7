// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// Screens are designed in twips, as they were drawn on a 96 dpi display:
// 15 twips make one device-independent pixel. Qt scales pixels for high-DPI;
// the program's own zoom multiplies here, so at 1 every length is as designed.
namespace twips {

constexpr int PerPixel = 15;

inline int toPixels(int value, qreal zoom = 1)
{
    return qRound(value * zoom / PerPixel);
}
inline qreal toPixelsF(qreal value, qreal zoom = 1)
{
    return value * zoom / PerPixel;
}
inline QPoint point(int x, int y, qreal zoom = 1)
{
    return {toPixels(x, zoom), toPixels(y, zoom)};
}
inline QSize size(int width, int height, qreal zoom = 1)
{
    return {toPixels(width, zoom), toPixels(height, zoom)};
}
inline QRect rect(int left, int top, int width, int height, qreal zoom = 1)
{
    return {point(left, top, zoom), size(width, height, zoom)};
}
inline QRect rect(const QRect &designed, qreal zoom)
{
    return rect(designed.x(), designed.y(), designed.width(), designed.height(), zoom);
}
// A pen as wide as the design's, grown with the zoom, in whole pixels so
// that an unsmoothed line keeps one width along its length.
inline int penWidth(int width, qreal zoom)
{
    return qMax(1, qRound(width * zoom));
}

} // namespace twips
