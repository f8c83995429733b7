// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "font.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

// Where a control lies in the stack of its screen, bottom to top, as the
// screens were designed: labels, then lines and outlines, then the real
// windows (boxes, buttons, pictures, frames), which lie over the drawn
// controls where they touch; click areas over everything, so that a click
// on a number reaches them.
enum class Layer { Labels, Strokes, Windows, ClickAreas };

// A screen's controls as designed: each one's rectangle in twips (none for
// a line, which places itself by its end points), font and layer. Every
// zoom is applied from here, by one path: the rectangle and the font grow
// with the factor, and a Zoomable control is told the factor. A control
// that is deleted (a notice that goes after a while) leaves the table by
// itself: nothing here ever reaches a dead one.
class ControlTable
{
public:
    // Adds a control and lays it out at the present zoom.
    void add(QWidget *control, const QRect &designed, std::optional<Font> font, Layer layer);
    void setFont(QWidget *control, const Font &font);
    // Puts a control somewhere else, at the present zoom.
    void move(QWidget *control, const QRect &designed);
    QRect designedRect(const QWidget *control) const;

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal factor);

    // Stacks the controls lying directly on parent by their layers, in the
    // order they were added within a layer.
    void stack(const QWidget *parent) const;

    // Every control still there, in the order they were added.
    std::vector<QWidget *> controls() const;

private:
    struct Placed
    {
        QPointer<QWidget> control;
        QRect designed;
        std::optional<Font> font;
        Layer layer;
    };
    void layOut(const Placed &placed) const;
    // Forgets the controls deleted since.
    void forgetDeleted();
    // The control's row; it must be there, unless only looked at.
    std::vector<Placed>::iterator find(const QWidget *control);
    std::vector<Placed>::const_iterator find(const QWidget *control) const;

    std::vector<Placed> m_placed;
    qreal m_zoom = 1;
};
