// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "help.h"
#include "zoomable.h"

#include <QWidget>

// The help shown to a child who is stuck: a few lines of text and the bar
// model of the task, drawn by the program itself so that they stay crisp
// at every zoom. It never takes the focus; a tap on it asks for more help.
class HelpPanel : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent);

    const Help &help() const { return m_help; }
    void setHelp(const Help &help);

    void setZoom(qreal zoom) override;

signals:
    void tapped();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The text beside the bars when the panel is wide, above them otherwise.
    bool isWide() const { return width() > 2 * height(); }
    void paintBars(QPainter &painter, const QRectF &room) const;
    void paintBar(QPainter &painter, const Bar &bar, const QRectF &place) const;

    Help m_help;
    qreal m_zoom = 1;
};
