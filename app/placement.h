// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QScreen;

// Where a window of a given outer size lands when centred on a display, in
// twips: single precision with a true division, so half twips are kept and a
// window larger than the display gets a negative Left or Top.
struct Origin
{
    float left;
    float top;
};
Origin centredOrigin(float screenWidth, float screenHeight, float outerWidth, float outerHeight);

// Where the program's windows go: centred, frame included, on the display
// the program's last window is on, wherever the teacher dragged it.
class Placement : public QObject
{
    Q_OBJECT

public:
    // Centres a created window on a display and returns where its outer top
    // left corner lands. A window centred before the window manager has told its
    // frame is centred again, by again, once the frame is known.
    Origin centre(QWidget *window, const QScreen *display, std::function<void()> again = {});

    // The window manager's frame around a window: its own once shown, else
    // the one the first shown window told.
    QMargins frameMargins(const QWidget *window) const;

    // The display of the program's last active window, of fallback when
    // that one is gone, or the primary display.
    QScreen *display(const QWidget *fallback = nullptr) const;
    void setLastWindow(QWidget *window) { m_last = window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void settle(QWidget *window);

    QMargins m_frame;
    QPointer<QWidget> m_last;
    std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> m_unsettled;
};
