// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "diagram.h"
#include "zoomable.h"

#include <QRectF>
#include <QWidget>

class QPainter;

// How much room a diagram asks for, in rows of a help's bar (none for none).
int diagramRows(const Diagram &diagram);

// Draws a help's diagram as large as it fits in room, centred, its lines
// and letters grown with the zoom: the bar model with its braces, the
// place-value table, the hundred-square.
void paintDiagram(QPainter &painter, const Diagram &diagram, const QRectF &room, qreal zoom);

// A diagram on a page of rules, drawn exactly at every zoom; a screen
// reader reads its description.
class DiagramView : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    DiagramView(const Diagram &diagram, QWidget *parent);

    void setZoom(qreal zoom) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Diagram m_diagram;
    qreal m_zoom = 1;
};
