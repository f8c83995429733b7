// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// Screens are designed in twips, as they were drawn on a 96 dpi display:
// 15 twips make one device-independent pixel. Qt scales pixels for high-DPI.
namespace twips {

constexpr int PerPixel = 15;

inline int toPixels(int value)
{
    return qRound(value / double(PerPixel));
}
inline qreal toPixelsF(qreal value)
{
    return value / PerPixel;
}
inline QPoint point(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}
inline QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}
inline QRect rect(int left, int top, int width, int height)
{
    return {point(left, top), size(width, height)};
}

} // namespace twips
