// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"

#include <QMargins>
#include <QObject>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class Screen;

// Owns the loaded screens, one instance per screen name, and moves between
// them: show loads a screen on first use, unload discards it, end stops the
// program. It also hands the exercises their random generator.
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

signals:
    // The program is over: "&Esci" was pressed or the last window was closed.
    void ended();

private:
    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    std::unique_ptr<Random> m_random;
    QMargins m_frameMargins;
    bool m_ended = false;
};
