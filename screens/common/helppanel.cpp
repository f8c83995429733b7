// SPDX-License-Identifier: GPL-3.0-or-later

#include "helppanel.h"

#include "helpdiagram.h"

#include <QPainter>

#include <algorithm>

namespace {

// Dark blue on white: far above 3:1 against the bar's empty parts and the
// panel alike; the text is black on white.
const QColor coloured(30, 90, 200);
const QColor outline(40, 40, 40);
// Dividing lines closer than this, in pixels, would run together.
constexpr qreal closestLines = 4;

} // namespace

HelpPanel::HelpPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("aiuto"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HelpPanel::setHelp(const Help &help)
{
    m_help = help;
    setAccessibleName(m_help.lines.join(QLatin1Char(' ')));
    QStringList bars;
    for (const Bar &bar : m_help.bars)
        bars << (bar.caption.isEmpty() ? describe(bar)
                                       : bar.caption + QStringLiteral(": ") + describe(bar));
    if (const QString diagram = describe(m_help.diagram); !diagram.isEmpty())
        bars << diagram;
    setAccessibleDescription(bars.join(QStringLiteral("; ")));
    update();
}

void HelpPanel::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

void HelpPanel::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit tapped();
}

void HelpPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const qreal pen = 2 * m_zoom;
    painter.setPen(QPen(outline, pen));
    painter.drawRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));

    const qreal margin = 8 * m_zoom;
    const QRectF inside = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    QRectF text = inside;
    QRectF bars = inside;
    if (isWide()) {
        text.setWidth(inside.width() * 0.6);
        bars.setLeft(text.right() + margin);
    }
    painter.setPen(Qt::black);
    const QString lines = m_help.lines.join(QLatin1Char('\n'));
    // Where room is short the text grows smaller rather than be cut off;
    // above the bars it leaves them a row at least.
    const qreal barsHeight = 56 * m_zoom * qreal(m_help.bars.size() + diagramRows(m_help.diagram));
    const qreal room =
        isWide() ? text.height() : text.height() - std::min(barsHeight, text.height() / 2);
    QFont font = painter.font();
    QRectF used = painter.boundingRect(text, Qt::TextWordWrap | Qt::AlignLeft, lines);
    for (int step = 0; step < 6 && used.height() > room; ++step) {
        font.setPointSizeF(font.pointSizeF() * 0.92);
        painter.setFont(font);
        used = painter.boundingRect(text, Qt::TextWordWrap | Qt::AlignLeft, lines);
    }
    painter.drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, lines);
    if (!isWide())
        bars.setTop(used.bottom() + margin);
    paintBars(painter, bars);
    paintDiagram(painter, m_help.diagram, bars, m_zoom);
}

void HelpPanel::paintBars(QPainter &painter, const QRectF &room) const
{
    const int count = int(m_help.bars.size());
    if (count == 0 || room.height() <= 0)
        return;
    // The captions in a column of their own, so that every bar is as long.
    qreal captionWidth = 0;
    for (const Bar &bar : m_help.bars)
        captionWidth =
            std::max(captionWidth, qreal(painter.fontMetrics().horizontalAdvance(bar.caption)));
    const qreal row = std::min(room.height() / count, 56 * m_zoom);
    for (int k = 0; k < count; ++k) {
        const QRectF caption(room.left(), room.top() + k * row, captionWidth, row);
        painter.setPen(Qt::black);
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, m_help.bars[k].caption);
        const qreal gap = captionWidth > 0 ? 6 * m_zoom : 0;
        const QRectF place(caption.right() + gap, caption.top() + row * 0.15,
                           room.right() - caption.right() - gap, row * 0.7);
        paintBar(painter, m_help.bars[k], place);
    }
}

void HelpPanel::paintBar(QPainter &painter, const Bar &bar, const QRectF &place) const
{
    if (bar.parts < 1 || place.width() <= 0)
        return;
    painter.fillRect(place, Qt::white);
    // The coloured length is exact, whatever lines can be drawn.
    const qreal part = place.width() / bar.parts;
    painter.fillRect(QRectF(place.left(), place.top(), part * bar.coloured, place.height()),
                     coloured);
    painter.setPen(QPen(outline, std::max(1.0, m_zoom)));
    if (part >= closestLines * m_zoom) {
        for (int k = 1; k < bar.parts; ++k)
            painter.drawLine(QPointF(place.left() + k * part, place.top()),
                             QPointF(place.left() + k * part, place.bottom()));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
    if (bar.partLabel.isEmpty()
        || painter.fontMetrics().horizontalAdvance(bar.partLabel) + 4 * m_zoom > part)
        return;
    for (int k = 0; k < bar.parts; ++k) {
        const QRectF cell(place.left() + k * part, place.top(), part, place.height());
        painter.setPen(k < bar.coloured ? Qt::white : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, bar.partLabel);
    }
}
