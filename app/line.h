// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stroke.h"
#include "zoomable.h"

// A straight line between two points of its screen, drawn over the labels it
// separates (a fraction bar). Clicks pass through it.
class Line : public Stroke, public Zoomable
{
    Q_OBJECT

public:
    // End points in twips, width in pixels at a zoom of 1.
    Line(QWidget *parent, int x1, int y1, int x2, int y2, int width, const QColor &colour);

    // Places it again, end points and width grown with the zoom.
    void setZoom(qreal zoom) override;

    QPointF from() const { return m_from; }
    QPointF to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_twipsFrom;
    QPoint m_twipsTo;
    QPointF m_from;
    QPointF m_to;
};
