// SPDX-License-Identifier: GPL-3.0-or-later

#include "partsdrawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The same flat colours and dark outline as the program's drawings.
const QColor colouredPart(255, 159, 28);
const QColor emptyPart(255, 255, 255);
const QColor outline(43, 42, 51);
// Between two wholes, in pixels at 100 %.
constexpr qreal wholeGap = 14;

// Rows and columns of a grid of so many cells.
std::pair<int, int> gridOf(int parts)
{
    switch (parts) {
    case 4:
        return {2, 2};
    case 6:
        return {2, 3};
    case 8:
        return {2, 4};
    case 9:
        return {3, 3};
    case 10:
        return {2, 5};
    case 12:
        return {3, 4};
    default:
        return {1, parts};
    }
}

// A toggle draws nothing of its own: the drawing paints every part, and
// takes every click, so that a click lands on the part under it however
// the sectors' rectangles overlap.
class PartToggle : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override { }
};

} // namespace

PartsDrawing::PartsDrawing(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

bool PartsDrawing::hasGrid(int parts)
{
    return gridOf(parts).first > 1;
}

void PartsDrawing::setShape(Outline outline, int parts, int wholes)
{
    m_outline = outline == Outline::Grid && !hasGrid(parts) ? Outline::Strips : outline;
    m_parts = std::max(1, parts);
    m_wholes = std::max(1, wholes);
    m_coloured = 0;
    if (!m_toggles.empty())
        setToggles(true);
    setAccessibleName(description());
    update();
}

void PartsDrawing::setColoured(int coloured)
{
    m_coloured = std::clamp(coloured, 0, m_parts * m_wholes);
    setAccessibleName(description());
    update();
}

int PartsDrawing::coloured() const
{
    if (m_toggles.empty())
        return m_coloured;
    return int(std::count_if(m_toggles.begin(), m_toggles.end(),
                             [](const QPushButton *toggle) { return toggle->isChecked(); }));
}

QString PartsDrawing::description() const
{
    const QString shape = m_outline == Outline::Sectors ? QStringLiteral("un cerchio")
        : m_outline == Outline::Grid                    ? QStringLiteral("una griglia")
                                                        : QStringLiteral("un rettangolo");
    const int coloured = this->coloured();
    const QString parts =
        QStringLiteral("%1 diviso in %2 parti uguali, %3 %4")
            .arg(shape)
            .arg(m_parts)
            .arg(coloured)
            .arg(coloured == 1 ? QStringLiteral("colorata") : QStringLiteral("colorate"));
    if (m_wholes == 1)
        return parts;
    return QStringLiteral("%1 interi, ognuno diviso in %2 parti uguali; %3 parti colorate")
        .arg(m_wholes)
        .arg(m_parts)
        .arg(coloured);
}

void PartsDrawing::setToggles(bool on)
{
    qDeleteAll(m_toggles);
    m_toggles.clear();
    if (on) {
        for (int k = 0; k < m_parts; ++k) {
            auto *toggle = new PartToggle(this);
            toggle->setObjectName(QStringLiteral("parte%1").arg(k + 1));
            toggle->setCheckable(true);
            // The drawing hit-tests the parts themselves.
            toggle->setAttribute(Qt::WA_TransparentForMouseEvents);
            toggle->installEventFilter(this);
            connect(toggle, &QPushButton::toggled, this, [this, k] {
                nameToggle(std::size_t(k));
                setAccessibleName(description());
                update();
                emit toggled();
            });
            m_toggles.push_back(toggle);
            nameToggle(std::size_t(k));
            toggle->show();
        }
        focusToggle(0);
        placeToggles();
    }
    setAccessibleName(description());
    update();
}

void PartsDrawing::nameToggle(std::size_t k)
{
    QPushButton *toggle = m_toggles[k];
    toggle->setAccessibleName(
        QStringLiteral("parte %1 di %2%3")
            .arg(k + 1)
            .arg(m_parts)
            .arg(toggle->isChecked() ? QStringLiteral(", colorata") : QString()));
}

void PartsDrawing::focusToggle(std::size_t k)
{
    // Only one part is a stop of the Tab chain: the one last visited.
    for (std::size_t t = 0; t < m_toggles.size(); ++t)
        m_toggles[t]->setFocusPolicy(t == k ? Qt::StrongFocus : Qt::ClickFocus);
    if (hasFocus()
        || std::any_of(m_toggles.begin(), m_toggles.end(),
                       [](const QPushButton *toggle) { return toggle->hasFocus(); }))
        m_toggles[k]->setFocus(Qt::TabFocusReason);
}

void PartsDrawing::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

QRectF PartsDrawing::wholeRect(int whole) const
{
    const qreal pen = 2 * m_zoom;
    const QRectF room = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    const qreal gap = wholeGap * m_zoom;
    const qreal width = (room.width() - gap * (m_wholes - 1)) / m_wholes;
    QRectF place(room.left() + whole * (width + gap), room.top(), width, room.height());
    if (m_outline == Outline::Strips)
        return place;
    // A circle is round, and a grid's cells are square.
    const auto [rows, columns] = gridOf(m_parts);
    const qreal aspect = m_outline == Outline::Sectors ? 1.0 : qreal(columns) / rows;
    const qreal w = std::min(place.width(), place.height() * aspect);
    const qreal h = w / aspect;
    return {place.center().x() - w / 2, place.center().y() - h / 2, w, h};
}

QPainterPath PartsDrawing::partPath(int whole, int k) const
{
    const QRectF box = wholeRect(whole);
    QPainterPath path;
    switch (m_outline) {
    case Outline::Strips: {
        const qreal width = box.width() / m_parts;
        path.addRect(QRectF(box.left() + k * width, box.top(), width, box.height()));
        break;
    }
    case Outline::Sectors: {
        // From twelve o'clock, clockwise, as a clock's minutes.
        const qreal sweep = 360.0 / m_parts;
        path.moveTo(box.center());
        path.arcTo(box, 90 - k * sweep, -sweep);
        path.closeSubpath();
        break;
    }
    case Outline::Grid: {
        const auto [rows, columns] = gridOf(m_parts);
        const qreal width = box.width() / columns;
        const qreal height = box.height() / rows;
        path.addRect(QRectF(box.left() + k % columns * width, box.top() + k / columns * height,
                            width, height));
        break;
    }
    }
    return path;
}

void PartsDrawing::placeToggles()
{
    for (std::size_t k = 0; k < m_toggles.size(); ++k)
        m_toggles[k]->setGeometry(partPath(0, int(k)).boundingRect().toAlignedRect());
}

void PartsDrawing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = 2 * m_zoom;
    int index = 0;
    for (int whole = 0; whole < m_wholes; ++whole) {
        for (int k = 0; k < m_parts; ++k, ++index) {
            const bool coloured =
                m_toggles.empty() ? index < m_coloured : m_toggles[std::size_t(k)]->isChecked();
            const QPainterPath path = partPath(whole, k);
            painter.fillPath(path, coloured ? colouredPart : emptyPart);
            painter.strokePath(path, QPen(outline, pen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        }
    }
    for (std::size_t k = 0; k < m_toggles.size(); ++k) {
        if (!m_toggles[k]->hasFocus())
            continue;
        // The focus mark: a dashed ring just inside the part.
        const QPainterPath path = partPath(0, int(k));
        const QPointF centre = path.boundingRect().center();
        QTransform inward;
        inward.translate(centre.x(), centre.y());
        inward.scale(0.8, 0.8);
        inward.translate(-centre.x(), -centre.y());
        painter.strokePath(inward.map(path), QPen(outline, pen, Qt::DashLine));
    }
}

void PartsDrawing::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeToggles();
}

void PartsDrawing::mousePressEvent(QMouseEvent *event)
{
    for (std::size_t k = 0; k < m_toggles.size(); ++k) {
        if (partPath(0, int(k)).contains(event->position())) {
            m_toggles[k]->toggle();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

bool PartsDrawing::eventFilter(QObject *watched, QEvent *event)
{
    const auto at = std::find(m_toggles.begin(), m_toggles.end(), watched);
    if (at == m_toggles.end())
        return QWidget::eventFilter(watched, event);
    const std::size_t k = std::size_t(at - m_toggles.begin());
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const std::size_t count = m_toggles.size();
        if (key == Qt::Key_Right || key == Qt::Key_Down) {
            focusToggle((k + 1) % count);
            return true;
        }
        if (key == Qt::Key_Left || key == Qt::Key_Up) {
            focusToggle((k + count - 1) % count);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
