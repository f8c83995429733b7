// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zoomable.h"

#include <QPainterPath>
#include <QPushButton>
#include <QWidget>

#include <vector>

// Wholes cut into equal parts, some of them coloured: strips of a
// rectangle, sectors of a circle or the cells of a grid, exact to the part.
// Side by side when there are more wholes than one, the first parts
// coloured. With toggles the parts of one whole are buttons a child colours
// by click, touch or the keys: one stop of the Tab chain, the arrow keys
// between them, Space to colour, each heard as «parte 3 di 8, colorata».
class PartsDrawing : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    enum class Outline { Strips, Sectors, Grid };

    explicit PartsDrawing(QWidget *parent);

    // A grid is drawn only for the parts a grid cuts evenly: 4, 6, 8, 9,
    // 10 and 12.
    static bool hasGrid(int parts);

    void setShape(Outline outline, int parts, int wholes = 1);
    void setColoured(int coloured);
    // The parts become toggles, none coloured; off, they go.
    void setToggles(bool on);

    int parts() const { return m_parts; }
    int coloured() const;
    // What the drawing shows, for a screen reader: "un cerchio diviso in 8
    // parti uguali, 3 colorate".
    QString description() const;
    // The toggles, in order; empty without them.
    const std::vector<QPushButton *> &toggles() const { return m_toggles; }

    void setZoom(qreal zoom) override;

signals:
    // A child coloured a part or took its colour away.
    void toggled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Part k of a whole, in the widget's pixels.
    QPainterPath partPath(int whole, int k) const;
    QRectF wholeRect(int whole) const;
    void placeToggles();
    void nameToggle(std::size_t k);
    // Moves the focus, and the Tab stop with it, to toggle k.
    void focusToggle(std::size_t k);

    Outline m_outline = Outline::Strips;
    int m_parts = 1;
    int m_wholes = 1;
    int m_coloured = 0;
    qreal m_zoom = 1;
    std::vector<QPushButton *> m_toggles;
};
