// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twips.h"

#include <QColor>
#include <QWidget>

// What a line and an outline share: a colour, a pen as wide as designed and
// grown with the zoom, and clicks that pass through to what lies below.
class Stroke : public QWidget
{
public:
    QColor colour() const { return m_colour; }
    // The width in pixels at a zoom of 1.
    int lineWidth() const { return m_width; }

protected:
    Stroke(QWidget *parent, const QColor &colour, int width)
        : QWidget(parent), m_colour(colour), m_width(width), m_penWidth(twips::penWidth(width, 1))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void setPenZoom(qreal zoom) { m_penWidth = twips::penWidth(m_width, zoom); }
    int penWidth() const { return m_penWidth; }

private:
    QColor m_colour;
    int m_width;
    int m_penWidth;
};
