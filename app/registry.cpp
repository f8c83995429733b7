// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "screen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int zoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

enum class ZoomKey { None, In, Out, Reset };

// The keys every browser zooms with, told apart by what they type, so that
// + works as its own key (Italian keyboards), as Shift and = (American ones)
// and on the keypad alike.
ZoomKey zoomKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers != Qt::ControlModifier)
        return ZoomKey::None;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ZoomKey::In;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return ZoomKey::Out;
    case Qt::Key_0:
        return ZoomKey::Reset;
    default:
        return ZoomKey::None;
    }
}

} // namespace

Registry::Registry() : m_random(std::make_unique<Random>())
{
    // Seen before any control, so that a text box never types the key.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

Registry::~Registry()
{
    for (const QPointer<Screen> &screen : m_leaving)
        delete screen;
}

void Registry::add(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

void Registry::start()
{
    m_ended = false;
    show(QStringLiteral("frminizio"));
}

void Registry::show(const QString &name)
{
    if (m_ended)
        return;
    auto loaded = m_screens.find(name);
    if (loaded == m_screens.end()) {
        const auto factory = m_factories.find(name);
        // A name that is not in the table is a slip in the program itself.
        if (factory == m_factories.end())
            qFatal("Registry::show: no screen is called %s", qPrintable(name));
        std::unique_ptr<Screen> screen = factory->second(*this);
        screen->finishBuilding();
        screen->Form_Load();
        Screen *shown = screen.get();
        m_screens.emplace(name, std::move(screen));
        m_last = shown;
        m_appearing = shown;
        shown->show();
        shown->focusFirst();
        shown->activateWindow();
        return;
    }
    Screen *screen = loaded->second.get();
    m_last = screen;
    screen->raise();
    screen->activateWindow();
}

void Registry::unload(const QString &name)
{
    auto loaded = m_screens.find(name);
    if (loaded == m_screens.end())
        return;
    // The screen may be running the handler that unloads it: it is deleted
    // once that handler has returned. It goes off the display when the next
    // screen is on it: a busy window manager may take seconds to map a new
    // window (openbox reloads its keyboard map at every change of the key
    // mapping), while the old one would vanish at once and leave the child
    // with no window at all.
    Screen *screen = loaded->second.release();
    m_screens.erase(loaded);
    if (screen == m_appearing)
        m_appearing = nullptr;
    m_leaving.emplace_back(screen);
    if (!m_appearing)
        releaseLeaving();
    if (m_screens.empty() && !m_ended) {
        m_ended = true;
        emit ended();
    }
}

void Registry::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_appearing = nullptr;
    releaseLeaving();
    for (auto &[name, screen] : m_screens) {
        screen->hide();
        screen.release()->deleteLater();
    }
    m_screens.clear();
    emit ended();
}

Screen *Registry::screen(const QString &name) const
{
    const auto loaded = m_screens.find(name);
    return loaded == m_screens.end() ? nullptr : loaded->second.get();
}

QStringList Registry::loaded() const
{
    QStringList names;
    for (const auto &entry : m_screens)
        names << entry.first;
    return names;
}

void Registry::setRandom(std::unique_ptr<Random> random)
{
    m_random = std::move(random);
}

QScreen *Registry::display() const
{
    const Screen *last = m_last;
    if (!last && !m_screens.empty())
        last = m_screens.begin()->second.get();
    QScreen *display = last ? last->screen() : nullptr;
    return display ? display : QGuiApplication::primaryScreen();
}

void Registry::releaseLeaving()
{
    for (const QPointer<Screen> &screen : std::exchange(m_leaving, {})) {
        if (screen) {
            screen->hide();
            screen->deleteLater();
        }
    }
}

bool Registry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && m_appearing && watched == m_appearing->windowHandle()
        && m_appearing->windowHandle()->isExposed()) {
        m_appearing = nullptr;
        releaseLeaving();
        return false;
    }
    // A screen on its way out takes no key, click or shortcut.
    if (const auto *widget = qobject_cast<const QWidget *>(watched); widget && event->isInputEvent()
        && std::find(m_leaving.begin(), m_leaving.end(), widget->window()) != m_leaving.end()) {
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    // Each key reaches the window's handle first, then the focused control:
    // it is taken at the control.
    const auto *control = qobject_cast<const QWidget *>(watched);
    const ZoomKey key = zoomKey(*static_cast<const QKeyEvent *>(event));
    if (!control || key == ZoomKey::None)
        return false;
    const bool ours = std::any_of(m_screens.begin(), m_screens.end(), [control](const auto &entry) {
        return entry.second.get() == control->window();
    });
    if (!ours)
        return false;
    // Taken as a key press, not as a shortcut of some control.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (key == ZoomKey::In)
        zoomIn();
    else if (key == ZoomKey::Out)
        zoomOut();
    else
        resetZoom();
    return true;
}

void Registry::setLastWindow(Screen *screen)
{
    m_last = screen;
}

void Registry::zoomIn()
{
    const auto *next = std::upper_bound(std::begin(zoomSteps), std::end(zoomSteps), m_zoom);
    if (next == std::end(zoomSteps))
        return;
    const qreal factor = *next / 100.0;
    for (const auto &entry : m_screens) {
        if (!entry.second->fitsDisplay(factor))
            return;
    }
    setZoom(*next);
}

void Registry::zoomOut()
{
    const auto *current = std::lower_bound(std::begin(zoomSteps), std::end(zoomSteps), m_zoom);
    if (current != std::begin(zoomSteps))
        setZoom(*std::prev(current));
}

void Registry::resetZoom()
{
    setZoom(zoomSteps[0]);
}

void Registry::setZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    for (const auto &entry : m_screens)
        entry.second->applyZoom();
}
