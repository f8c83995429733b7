// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "font.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <vector>

class Announcer;
class ClickArea;
class Line;
class Picture;
class PictureButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScreen;
class QTimer;
class Registry;
class Shape;

// Where a window of a given outer size lands when centred on a display, in
// twips: single precision with a true division, so half twips are kept and a
// window larger than the display gets a negative Left or Top.
struct Origin
{
    float left;
    float top;
};
Origin centredOrigin(float screenWidth, float screenHeight, float outerWidth, float outerHeight);

// One of the program's windows: a caption, a client area in twips, a
// background colour, the shared icon and a fixed table of named controls.
// The registry builds it, runs Form_Load and shows it.
class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(Registry &registry, const QString &name, const QString &caption, int width, int height,
           const QColor &background);

    QString name() const { return objectName(); }

    // Every screen begins its Load by centring itself on the display.
    virtual void Form_Load();
    float Left() const { return m_origin.left; }
    float Top() const { return m_origin.top; }

    // Tab order and stacking, once the constructor has built every control.
    void finishBuilding();
    void focusFirst();

    // Lays every control out again at the registry's zoom, keeping what the
    // screen shows, and centres the window again on its display.
    void applyZoom();
    // Whether the window, its frame included, fits its display at a zoom.
    bool fitsDisplay(qreal zoom) const;

protected:
    Registry &registry() const { return m_registry; }
    void centre();
    // Shows another screen, then unloads this one.
    void moveTo(const QString &screen);

    QPushButton *button(const char *name, const QString &caption, int left, int top, int width,
                        int height, const Font &font, int tabIndex);
    PictureButton *pictureButton(const char *name, const QString &picture, int left, int top,
                                 int width, int height, int tabIndex, const QString &toolTip);
    QLabel *label(const char *name, const QString &caption, int left, int top, int width,
                  int height, const Font &font = {}, Qt::Alignment alignment = Qt::AlignLeft,
                  const QColor &text = Qt::black, const QColor &background = {});
    QLineEdit *textBox(const char *name, int left, int top, int width, int height, const Font &font,
                       int tabIndex);
    // A picture box paints the screen's colour behind its drawing; an image
    // lets whatever lies behind it show through.
    Picture *pictureBox(const char *name, const QString &picture, int left, int top, int width,
                        int height);
    Picture *image(const char *name, const QString &picture, int left, int top, int width,
                   int height);
    ClickArea *clickArea(const char *name, int left, int top, int width, int height);
    // Makes click areas, in reading order, one stop of the Tab chain.
    void clickGroup(const std::vector<ClickArea *> &areas, int tabIndex);
    Line *line(const char *name, int x1, int y1, int x2, int y2, int width = 1,
               const QColor &colour = Qt::black);
    Shape *shape(const char *name, int left, int top, int width, int height, const QColor &colour,
                 int borderWidth, bool oval = false);
    QGroupBox *frame(const char *name, const QString &caption, int left, int top, int width,
                     int height, const Font &font);
    QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, int left,
                         int top, int width, int height, const Font &font, int tabIndex);
    QTimer *timer(const char *name, int intervalMs);
    // A control's font, kept to grow with the zoom.
    void setControlFont(QWidget *control, const Font &font);

    // Has a screen reader say this without being asked. What one handler
    // says is spoken as one announcement, once the window is active, so
    // that it comes after the screen reader has named the window.
    void speak(const QString &text);

    // The button that Esc presses anywhere on the screen.
    void setCancel(QPushButton *button) { m_cancel = button; }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void place(QWidget *control, const char *name, int left, int top, int width, int height);
    void paintBackground(QWidget *control, const QColor &colour);
    void centreOn(const QScreen *display);
    QMargins frameMargins() const;
    qreal zoom() const;
    void speakWhenActive();

    Registry &m_registry;
    QSize m_designed;
    std::vector<std::pair<QWidget *, QRect>> m_placed;
    std::vector<std::pair<QWidget *, Font>> m_fonts;
    QColor m_background;
    Origin m_origin {0, 0};
    bool m_frameUnknown = false;
    QPushButton *m_cancel = nullptr;
    std::vector<std::pair<int, QWidget *>> m_tabOrder;
    Announcer *m_announcer = nullptr;
    QStringList m_toSay;
};

// A screen with a way back to the main menu: "&Fine", also pressed by Esc.
class Page : public Screen
{
    Q_OBJECT

public:
    using Screen::Screen;

protected:
    QPushButton *fineButton(int tabIndex);
    void cmdfine_Click();

    QPushButton *cmdfine = nullptr;
};
