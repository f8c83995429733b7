// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "drawing.h"
#include "notice.h"
#include "numberpad.h"
#include "programkeys.h"
#include "readback.h"
#include "screen.h"
#include "settingsfile.h"
#include "voice.h"
#include "zoom.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

Registry::Registry()
    : m_random(std::make_unique<Random>()), m_zoom(new Zoom(
                                                m_placement, [this] { return screens(); }, this)),
      m_voice(new Voice(this)), m_pad(new NumberPad([this] { return screens(); }, this)),
      m_readBack(new ReadBack(*m_voice, this)), m_settingsFile(new SettingsFile(this))
{
    connect(m_settingsFile, &SettingsFile::changed, this, &Registry::applySettings);
    connect(m_zoom, &Zoom::changed, this, [this](qreal factor) {
        for (Screen *screen : screens())
            screen->applyZoom(factor);
    });
    new KeyDispatch([this](KeyAction action, QWidget *window,
                           bool run) { return programKey(action, window, run); },
                    this);
    // The class learns why the child hears nothing, on the menu if it is open.
    connect(m_voice, &Voice::unavailable, this, [this] {
        const std::vector<Screen *> open = screens();
        if (open.empty())
            return;
        const auto menu = std::find_if(open.begin(), open.end(),
                                       [](const Screen *screen) { return screen->noticePlace(); });
        showNotice(menu != open.end() ? **menu : *open.front(), *m_voice,
                   QStringLiteral("La voce non è disponibile: il perché è nel README, "
                                  "«Per chi legge con fatica (DSA)», in\n"
                                  "/usr/share/doc/quotelle/README.md"));
    });
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
    // Not for ever, should a window manager never map the new window.
    m_patience.setSingleShot(true);
    m_patience.setInterval(10000);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        m_appearing = nullptr;
        releaseLeaving();
    });
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
    show(m_home);
}

void Registry::show(const QString &name)
{
    if (m_ended)
        return;
    if (name == m_teacherWindow && !settings().teacherWindow()) {
        refuse(QStringLiteral("Le impostazioni per l’insegnante non si aprono: "
                              "le ha chiuse il laboratorio."));
        return;
    }
    auto loaded = m_screens.find(name);
    if (loaded == m_screens.end()) {
        const auto factory = m_factories.find(name);
        // A name that is not in the table is a slip in the program itself.
        if (factory == m_factories.end())
            qFatal("Registry::show: no screen is called %s", qPrintable(name));
        std::unique_ptr<Screen> screen = factory->second(*this);
        m_zoom->prepare(*screen, display());
        screen->finishBuilding();
        // The program's first window is on the screen sooner with its
        // drawings rasterised beside its creation.
        if (std::exchange(m_firstLoad, false))
            prepareDrawings(screen.get());
        screen->settle(m_placement, display(), *m_voice);
        wire(screen.get());
        screen->Form_Load();
        m_pad->attach(screen.get());
        m_readBack->attach(screen.get());
        Screen *shown = screen.get();
        m_screens.emplace(name, std::move(screen));
        m_placement.setLastWindow(shown);
        m_appearing = shown;
        shown->show();
        shown->focusFirst();
        shown->activateWindow();
        return;
    }
    Screen *screen = loaded->second.get();
    m_placement.setLastWindow(screen);
    screen->raise();
    screen->activateWindow();
}

bool Registry::programKey(KeyAction action, QWidget *window, bool run)
{
    const auto loaded =
        std::find_if(m_screens.begin(), m_screens.end(),
                     [window](const auto &entry) { return entry.second.get() == window; });
    if (loaded == m_screens.end())
        return false;
    Screen *screen = loaded->second.get();
    // The framework's own keys work on every screen; the rest are the
    // screen's to answer.
    switch (action) {
    case KeyAction::ZoomIn:
    case KeyAction::ZoomOut:
    case KeyAction::ZoomReset:
    case KeyAction::Read:
    case KeyAction::Pad:
        break;
    default:
        return screen->programKey(action, run);
    }
    if (!run)
        return true;
    if (action == KeyAction::ZoomIn)
        m_zoom->in();
    else if (action == KeyAction::ZoomOut)
        m_zoom->out();
    else if (action == KeyAction::ZoomReset)
        m_zoom->reset();
    else if (action == KeyAction::Read) {
        // Under a screen reader the voice is silent and the reader says it,
        // as it says a verdict.
        m_voice->read(screen->reading(), screen);
        screen->speakToScreenReader(screen->reading());
    } else
        m_pad->toggle();
    return true;
}

void Registry::wire(Screen *screen)
{
    connect(screen, &Screen::showWanted, this, &Registry::show);
    connect(screen, &Screen::unloadWanted, this, &Registry::unload);
    connect(screen, &Screen::endWanted, this, &Registry::end);
    // The close box unloads that screen only, unless it is already going.
    connect(screen, &Screen::closed, this, [this, screen] {
        if (this->screen(screen->name()) == screen)
            unload(screen->name());
    });
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
    m_voice->stop(screen);
    if (screen == m_appearing)
        m_appearing = nullptr;
    m_leaving.emplace_back(screen);
    if (!m_appearing)
        releaseLeaving();
    else
        m_patience.start();
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

std::vector<Screen *> Registry::screens() const
{
    std::vector<Screen *> screens;
    for (const auto &entry : m_screens)
        screens.push_back(entry.second.get());
    return screens;
}

QStringList Registry::loaded() const
{
    QStringList names;
    for (const auto &entry : m_screens)
        names << entry.first;
    return names;
}

const Settings &Registry::settings() const
{
    return m_settingsFile->settings();
}

void Registry::applySettings()
{
    const Settings &now = settings();
    if (now.voice() != m_applied.voice())
        m_voice->setOn(now.voice());
    if (now.pace() != m_applied.pace())
        m_voice->setPace(now.pace());
    // At the whiteboard: as large as the display allows, the pad on the
    // exercises, for every screen loaded from now on.
    if (now.whiteboard() && !m_applied.whiteboard())
        m_zoom->fillDisplay();
    else if (!now.whiteboard() && m_applied.whiteboard())
        m_zoom->reset();
    m_whiteboard = now.whiteboard();
    m_readBack->setOn(now.readBack());
    m_timesTable = now.timesTable();
    if (now.pad() || now.whiteboard()) {
        if (!m_applied.pad() && !m_applied.whiteboard())
            m_pad->setShown(true);
    } else if (m_applied.pad() || m_applied.whiteboard()) {
        m_pad->setShown(false);
    }
    m_applied = now;
}

void Registry::setRandom(std::unique_ptr<Random> random)
{
    m_random = std::move(random);
}

QScreen *Registry::display() const
{
    return m_placement.display(m_screens.empty() ? nullptr : m_screens.begin()->second.get());
}

void Registry::refuse(const QString &text)
{
    const std::vector<Screen *> open = screens();
    const auto menu = std::find_if(open.begin(), open.end(),
                                   [](const Screen *screen) { return screen->noticePlace(); });
    if (!open.empty())
        showNotice(menu != open.end() ? **menu : *open.front(), *m_voice, text);
}

void Registry::releaseLeaving()
{
    m_patience.stop();
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
        Screen *shown = std::exchange(m_appearing, nullptr);
        // The screens it replaces had the keyboard until now; a window
        // manager may have kept it with them while it mapped this one.
        if (!m_leaving.empty()) {
            releaseLeaving();
            if (!shown->isActiveWindow())
                shown->activateWindow();
        }
        return false;
    }
    // A screen on its way out takes no key, click or shortcut.
    if (m_leaving.empty() || !event->isInputEvent())
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (widget
        && std::find(m_leaving.begin(), m_leaving.end(), widget->window()) != m_leaving.end()) {
        event->accept();
        return true;
    }
    return false;
}
