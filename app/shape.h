// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stroke.h"
#include "zoomable.h"

// An outline drawn inside its rectangle: the frame of an answer place or the
// ring around a chosen fraction. Clicks pass through it.
class Shape : public Stroke, public Zoomable
{
    Q_OBJECT

public:
    enum class Outline { Rectangle, Oval };

    // The border's width in pixels at a zoom of 1.
    Shape(QWidget *parent, const QColor &colour, int width, Outline outline);

    void setZoom(qreal zoom) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Outline m_outline;
};
