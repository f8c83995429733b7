// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QScreen;
class Screen;

// Owns the loaded screens, one instance per screen name, and moves between
// them: show loads a screen on first use, unload discards it, end stops the
// program. It also hands the exercises their random generator, and keeps the
// zoom every screen is drawn at until the program ends.
class Registry : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Screen>(Registry &)>;

    Registry();
    ~Registry() override;

    void add(const QString &name, Factory factory);

    void start();
    void show(const QString &name);
    void unload(const QString &name);
    void end();

    Screen *screen(const QString &name) const;
    QStringList loaded() const;
    bool hasEnded() const { return m_ended; }

    Random &random() { return *m_random; }
    void setRandom(std::unique_ptr<Random> random);

    // The window manager's frame around a screen, once a shown window has told.
    QMargins frameMargins() const { return m_frameMargins; }
    void setFrameMargins(const QMargins &margins) { m_frameMargins = margins; }

    // The display a screen that loads now is centred on: the one the
    // program's last window is on, wherever the teacher dragged it.
    QScreen *display() const;
    void setLastWindow(Screen *screen);

    // Magnification in percent, one of the steps 100 to 300. A step that
    // would not let every loaded window fit its display is not taken.
    int zoom() const { return m_zoom; }
    qreal zoomFactor() const { return m_zoom / 100.0; }
    void zoomIn();
    void zoomOut();
    void resetZoom();

protected:
    // The zoom keys, wherever the focus is on one of the screens.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The program is over: "&Esci" was pressed or the last window was closed.
    void ended();

private:
    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    std::unique_ptr<Random> m_random;
    void setZoom(int percent);
    void releaseLeaving();

    // A new window is on the display only once the window manager has
    // mapped it. Until the screen last loaded is, the screens unloaded in
    // the meantime stay in sight, taking no input.
    QPointer<Screen> m_appearing;
    std::vector<QPointer<Screen>> m_leaving;

    QMargins m_frameMargins;
    QPointer<Screen> m_last;
    int m_zoom = 100;
    bool m_ended = false;
};
