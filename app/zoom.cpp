// SPDX-License-Identifier: GPL-3.0-or-later

#include "zoom.h"

#include "placement.h"
#include "screen.h"
#include "twips.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int steps[] = {100, 125, 150, 175, 200, 250, 300};

// A window of that client size, grown by the zoom and framed, fits the room.
bool fitsIn(const QSize &designed, const QMargins &frame, const QSize &room, qreal factor)
{
    const QSize outer = twips::size(designed.width(), designed.height(), factor).grownBy(frame);
    return outer.width() <= room.width() && outer.height() <= room.height();
}

} // namespace

Zoom::Zoom(Placement &placement, Screens screens, QObject *parent)
    : QObject(parent), m_placement(placement), m_screens(std::move(screens))
{ }

void Zoom::in()
{
    const auto *next = std::upper_bound(std::begin(steps), std::end(steps), m_percent);
    if (next != std::end(steps) && fits(*next / 100.0))
        set(*next);
}

void Zoom::out()
{
    const auto *current = std::lower_bound(std::begin(steps), std::end(steps), m_percent);
    if (current != std::begin(steps))
        set(*std::prev(current));
}

void Zoom::reset()
{
    set(steps[0]);
}

void Zoom::upTo(int percent)
{
    for (int before = 0; m_percent < percent && m_percent != before;) {
        before = m_percent;
        in();
    }
}

bool Zoom::fits(qreal factor) const
{
    const std::vector<Screen *> screens = m_screens();
    return std::all_of(screens.begin(), screens.end(), [this, factor](const Screen *screen) {
        return fitsIn(screen->designedSize(), m_placement.frameMargins(screen),
                      screen->screen()->availableGeometry().size(), factor);
    });
}

void Zoom::prepare(Screen &screen, const QScreen *display)
{
    if (std::exchange(m_fillDisplay, false)) {
        QMargins frame = m_placement.frameMargins(&screen);
        // Before the first window is on the display its frame is not known:
        // a title bar is counted all the same.
        if (frame.isNull())
            frame.setTop(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
        const auto fitting =
            std::find_if(std::rbegin(steps), std::prev(std::rend(steps)), [&](int percent) {
                return fitsIn(screen.designedSize(), frame, display->availableGeometry().size(),
                              percent / 100.0);
            });
        m_percent = *fitting;
        scaleToolTips();
    }
    if (m_percent != 100)
        screen.setZoom(factor());
}

void Zoom::set(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    scaleToolTips();
    emit changed(factor());
}

void Zoom::scaleToolTips()
{
    if (!m_toolTipFont)
        m_toolTipFont = QToolTip::font();
    QFont font = *m_toolTipFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor());
    else
        font.setPixelSize(qRound(font.pixelSize() * factor()));
    QToolTip::setFont(font);
}
