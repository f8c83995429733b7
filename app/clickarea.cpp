// SPDX-License-Identifier: GPL-3.0-or-later

#include "clickarea.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ClickArea::ClickArea(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickArea::setVisible(bool visible)
{
    // A chosen fraction may vanish under the keyboard's focus: the focus
    // goes on to the next choice, not out of the group.
    if (!visible && m_group && hasFocus())
        m_group->moveFocus(this, 1);
    QWidget::setVisible(visible);
    if (m_group)
        m_group->updateTabStop();
}

void ClickArea::setChosen(bool chosen)
{
    m_choice = true;
    if (chosen == m_chosen)
        return;
    m_chosen = chosen;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ClickArea::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

void ClickArea::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void ClickArea::keyPressEvent(QKeyEvent *event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!m_group || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_group->moveFocus(this, 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_group->moveFocus(this, -1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClickArea::focusInEvent(QFocusEvent *event)
{
    if (m_group) {
        m_group->m_current = this;
        m_group->updateTabStop();
    }
    QWidget::focusInEvent(event);
    update();
}

void ClickArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ClickArea::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 2 * m_zoom, Qt::DashLine);
    painter.setPen(pen);
    const qreal inset = 2 * m_zoom;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 6 * m_zoom,
                            6 * m_zoom);
}

ClickGroup::ClickGroup(QObject *parent, std::vector<ClickArea *> areas)
    : QObject(parent), m_areas(areas.begin(), areas.end())
{
    for (ClickArea *area : areas)
        area->m_group = this;
    m_current = areas.empty() ? nullptr : areas.front();
    updateTabStop();
}

ClickArea *ClickGroup::neighbour(const ClickArea *area, int step) const
{
    const auto at = std::find(m_areas.begin(), m_areas.end(), area);
    if (at == m_areas.end())
        return nullptr;
    const int count = static_cast<int>(m_areas.size());
    const int start = static_cast<int>(at - m_areas.begin());
    for (int k = 1; k < count; ++k) {
        ClickArea *candidate =
            m_areas[static_cast<std::size_t>(((start + step * k) % count + count) % count)];
        if (candidate && !candidate->isHidden())
            return candidate;
    }
    return nullptr;
}

void ClickGroup::moveFocus(ClickArea *from, int step)
{
    if (ClickArea *next = neighbour(from, step))
        next->setFocus(Qt::TabFocusReason);
}

void ClickGroup::updateTabStop()
{
    if (m_current && m_current->isHidden()) {
        if (ClickArea *next = neighbour(m_current, 1))
            m_current = next;
    }
    for (ClickArea *area : m_areas) {
        if (area)
            area->setFocusPolicy(area == m_current && !area->isHidden() ? Qt::TabFocus
                                                                        : Qt::NoFocus);
    }
}
