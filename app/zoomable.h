// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// A control kind that draws more at the zoom than its rectangle and font
// show: a line's end points, a pen's width, a drawing's scale, a focus mark.
// Its screen tells it every zoom, just after laying it out at that zoom.
class Zoomable
{
public:
    virtual ~Zoomable() = default;
    virtual void setZoom(qreal zoom) = 0;
};
