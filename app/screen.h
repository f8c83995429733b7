// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controltable.h"
#include "font.h"
#include "placement.h"
#include "programkeys.h"

#include <QColor>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

class Announcer;
class ClickArea;
class Line;
class Picture;
class PictureButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScreen;
class QTimer;
class Shape;
class Voice;

// One of the program's windows: a caption, a client area in twips, a
// background colour, the shared icon and a fixed table of named controls.
// Whoever loads it settles it, runs Form_Load and shows it; it asks for
// other screens through its signals and knows none of them.
class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(const QString &name, const QString &caption, int width, int height,
           const QColor &background);

    QString name() const { return objectName(); }

    // Where windows go, the display it opens on and the voice it speaks
    // with, handed over before Form_Load.
    void settle(Placement &placement, QScreen *display, Voice &voice);

    // The button that judges the answer; none on a screen without one.
    QPushButton *confirmButton() const { return m_confirm; }

    // The keys of the number pad this screen takes; none takes no pad.
    virtual QStringList padKeys() const { return {}; }

    // Whether this screen takes one of the program's keys that is its own
    // to answer (programkeys.h), and when run is set, what it does.
    virtual bool programKey(KeyAction /*action*/, bool /*run*/) { return false; }

    // Every screen begins its Load by centring itself on the display.
    virtual void Form_Load();
    float Left() const { return m_origin.left; }
    float Top() const { return m_origin.top; }

    // Tab order and stacking, once the constructor has built every control.
    void finishBuilding();
    void focusFirst();

    // The client area as designed, in twips.
    QSize designedSize() const { return m_designed; }
    // Lays every control out again at a zoom, keeping what the screen shows.
    virtual void setZoom(qreal factor);
    qreal zoom() const { return m_controls.zoom(); }
    // The same, then centres the window again on its display.
    void applyZoom(qreal factor);
    // Where a control built from the table lies, in twips.
    QRect designedRect(const QWidget *control) const { return m_controls.designedRect(control); }
    // Places a control added after building, such as the number pad, in
    // twips within its parent, to be zoomed with every other by the same
    // path as the builders' controls. Made last, it lies over them.
    void addControl(QWidget *control, const QRect &designed, std::optional<Font> font = {});
    // Puts a control added after building somewhere else, in twips.
    void moveControl(QWidget *control, const QRect &designed)
    {
        m_controls.move(control, designed);
    }

    // What Ctrl+L reads aloud: the task or the page, the way a teacher
    // reads it. A screen without one gives its caption, its labels and its
    // buttons' names (a drawing's is its tooltip), in Tab order.
    virtual QString reading() const;
    // Has a screen reader alone say this: what the child asked for (Ctrl+L),
    // which the program's own voice reads its own way.
    void speakToScreenReader(const QString &text);

    // A place, in twips, where a line of text for the class covers nothing.
    virtual std::optional<QRect> noticePlace() const { return std::nullopt; }

signals:
    // Asks for a screen to be shown or unloaded, or for the program to end.
    void showWanted(const QString &screen);
    void unloadWanted(const QString &screen);
    void endWanted();
    // The close box was pressed.
    void closed();

protected:
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
    QCheckBox *checkBox(QGroupBox *frame, const char *name, const QString &caption, int left,
                        int top, int width, int height, const Font &font, int tabIndex);
    QTimer *timer(const char *name, int intervalMs);
    // A control's font, kept to grow with the zoom.
    void setControlFont(QWidget *control, const Font &font);

    // Has a screen reader say this without being asked, once the window is
    // active; what one handler says is one announcement.
    void speak(const QString &text);
    // The program's own voice, for what only it should say.
    Voice *voice() const { return m_voice; }

    // The button that Esc presses anywhere on the screen.
    void setCancel(QPushButton *button) { m_cancel = button; }
    // The button that judges the answer, when the screen has one.
    void setConfirm(QPushButton *button) { m_confirm = button; }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Names a control built from the table and places it on its layer.
    template<typename Control>
    Control *place(Control *control, const char *name, const QRect &designed, Layer layer,
                   std::optional<Font> font = {});
    void paintBackground(QWidget *control, const QColor &colour);
    // A choice inside a frame: the frame shows through it, and it takes its
    // place in the Tab order.
    void inFrame(QWidget *control, int tabIndex);
    void centreOn(const QScreen *display);

    Placement *m_placement = nullptr;
    QPointer<QScreen> m_display;
    Voice *m_voice = nullptr;
    QSize m_designed;
    ControlTable m_controls;
    QColor m_background;
    Origin m_origin {0, 0};
    QPointer<QPushButton> m_cancel;
    QPointer<QPushButton> m_confirm;
    std::vector<std::pair<int, QPointer<QWidget>>> m_tabOrder;
    QPointer<Announcer> m_announcer;
};
