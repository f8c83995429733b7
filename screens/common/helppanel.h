// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help.h"
#include "zoomable.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QWidget>

#include <vector>

// What the help panel draws at one size, worked out before anything is
// painted, so that what a child sees can be checked without reading pixels.
struct HelpDrawing
{
    // A word, a numerator or denominator, a caption or a bar's label, drawn
    // centred in its rectangle.
    struct Text
    {
        QRectF rect;
        QString text;
        QFont font;
        QColor colour;
    };
    struct BarShape
    {
        // Where the bar and its labels may go.
        QRectF place;
        // The whole, or the one part drawn.
        QRectF outline;
        QRectF coloured;
        // Where a dividing line crosses the bar.
        std::vector<qreal> divisions;
        std::vector<Text> labels;
    };
    std::vector<Text> texts;
    // The bar of each fraction written stacked.
    std::vector<QLineF> fractionBars;
    std::vector<BarShape> bars;
};

// The help shown to a child who is stuck: a few lines of text and the bar
// model of the task, drawn by the program itself so that they stay crisp
// at every zoom and fit whatever size the panel is given. Fractions are
// written stacked, as on the exercises. It never takes the focus; a tap
// on it asks for more help.
class HelpPanel : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent);

    const Help &help() const { return m_help; }
    void setHelp(const Help &help);

    void setZoom(qreal zoom) override;
    // Shown or hidden by the exercise: the window that holds it closing
    // says nothing, as the exercise is going too.
    void setVisible(bool visible) override;

    // What the panel draws at a size.
    HelpDrawing drawing(const QSizeF &size) const;

signals:
    void tapped();
    // The pair the help is about, while the help shows; -1 once it hides.
    void aboutChanged(int pair);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void layBars(HelpDrawing &drawing, const QRectF &room, const QFont &textFont) const;

    Help m_help;
    qreal m_zoom = 1;
};
