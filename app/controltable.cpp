// SPDX-License-Identifier: GPL-3.0-or-later

#include "controltable.h"

#include "twips.h"
#include "zoomable.h"

#include <QWidget>

#include <algorithm>

void ControlTable::add(QWidget *control, const QRect &designed, std::optional<Font> font,
                       Layer layer)
{
    forgetDeleted();
    m_placed.push_back({control, designed, std::move(font), layer});
    layOut(m_placed.back());
}

void ControlTable::setFont(QWidget *control, const Font &font)
{
    Placed &placed = *find(control);
    placed.font = font;
    layOut(placed);
}

void ControlTable::move(QWidget *control, const QRect &designed)
{
    Placed &placed = *find(control);
    placed.designed = designed;
    layOut(placed);
}

QRect ControlTable::designedRect(const QWidget *control) const
{
    const auto placed = find(control);
    return placed == m_placed.end() ? QRect() : placed->designed;
}

std::vector<ControlTable::Placed>::iterator ControlTable::find(const QWidget *control)
{
    const auto placed = std::find_if(m_placed.begin(), m_placed.end(),
                                     [control](const Placed &p) { return p.control == control; });
    Q_ASSERT(placed != m_placed.end());
    return placed;
}

std::vector<ControlTable::Placed>::const_iterator ControlTable::find(const QWidget *control) const
{
    return std::find_if(m_placed.begin(), m_placed.end(),
                        [control](const Placed &p) { return p.control == control; });
}

void ControlTable::forgetDeleted()
{
    std::erase_if(m_placed, [](const Placed &placed) { return placed.control.isNull(); });
}

void ControlTable::setZoom(qreal factor)
{
    forgetDeleted();
    m_zoom = factor;
    for (const Placed &placed : m_placed)
        layOut(placed);
}

void ControlTable::stack(const QWidget *parent) const
{
    for (const Layer layer : {Layer::Labels, Layer::Strokes, Layer::Windows, Layer::ClickAreas}) {
        for (const Placed &placed : m_placed) {
            if (placed.control && placed.layer == layer && placed.control->parentWidget() == parent)
                placed.control->raise();
        }
    }
}

std::vector<QWidget *> ControlTable::controls() const
{
    std::vector<QWidget *> controls;
    for (const Placed &placed : m_placed) {
        if (placed.control)
            controls.push_back(placed.control);
    }
    return controls;
}

void ControlTable::layOut(const Placed &placed) const
{
    if (!placed.control)
        return;
    if (!placed.designed.isNull())
        placed.control->setGeometry(twips::rect(placed.designed, m_zoom));
    if (placed.font)
        placed.control->setFont(placed.font->toQFont(m_zoom));
    if (auto *zoomable = dynamic_cast<Zoomable *>(placed.control.data()))
        zoomable->setZoom(m_zoom);
}
