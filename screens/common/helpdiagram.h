// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "diagram.h"

#include <QRectF>

class QPainter;

// How much room a diagram asks for, in rows of a help's bar (none for none).
int diagramRows(const Diagram &diagram);

// Draws a help's diagram as large as it fits in room, centred, its lines
// and letters grown with the zoom: the bar model with its braces, the
// place-value table, the hundred-square.
void paintDiagram(QPainter &painter, const Diagram &diagram, const QRectF &room, qreal zoom);
