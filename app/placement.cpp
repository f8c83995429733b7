// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include "twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

Origin centredOrigin(float screenWidth, float screenHeight, float outerWidth, float outerHeight)
{
    return {(screenWidth - outerWidth) / 2.0f, (screenHeight - outerHeight) / 2.0f};
}

Origin Placement::centre(QWidget *window, const QScreen *display, std::function<void()> again)
{
    const QRect area = display->geometry();
    const QMargins frame = frameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    const float perPixel = twips::PerPixel;
    Origin origin = centredOrigin(area.width() * perPixel, area.height() * perPixel,
                                  outer.width() * perPixel, outer.height() * perPixel);
    origin.left += area.left() * perPixel;
    origin.top += area.top() * perPixel;
    // Placed by its client area, which every window manager reads the same
    // way, whether the window is mapped yet or not.
    const QPoint corner(qRound(origin.left / perPixel), qRound(origin.top / perPixel));
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
    // Watched for as long as it lives: its activation makes it the last window.
    window->removeEventFilter(this);
    window->installEventFilter(this);
    std::erase_if(m_unsettled, [window](const auto &entry) {
        return entry.first.isNull() || entry.first == window;
    });
    if (frame.isNull() && again)
        m_unsettled.emplace_back(window, std::move(again));
    return origin;
}

QMargins Placement::frameMargins(const QWidget *window) const
{
    // The outer size counts the window manager's frame. Before the first
    // window is mapped nobody knows it; after that it is remembered.
    const QMargins frame =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return frame.isNull() ? m_frame : frame;
}

QScreen *Placement::display(const QWidget *fallback) const
{
    const QWidget *last = m_last ? m_last.data() : fallback;
    QScreen *display = last ? last->screen() : nullptr;
    return display ? display : QGuiApplication::primaryScreen();
}

bool Placement::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::WindowActivate)
        m_last = window;
    if (!m_unsettled.empty())
        settle(window);
    return false;
}

void Placement::settle(QWidget *window)
{
    // The first window is centred before the window manager has framed it.
    // Once it is on the screen and the frame reads sensibly (window managers
    // report transient values while they reparent), it is centred again, and
    // every later window counts the frame from the start.
    const auto unsettled =
        std::find_if(m_unsettled.begin(), m_unsettled.end(),
                     [window](const auto &entry) { return entry.first == window; });
    if (unsettled == m_unsettled.end() || !window->isActiveWindow() || !window->windowHandle())
        return;
    const QMargins frame = window->windowHandle()->frameMargins();
    const bool settled = frame.left() >= 0 && frame.left() == frame.right()
        && frame.top() >= frame.bottom() && frame.bottom() >= 0 && !frame.isNull();
    if (!settled)
        return;
    m_frame = frame;
    const std::function<void()> again = std::move(unsettled->second);
    m_unsettled.erase(unsettled);
    again();
}
