// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "accessibility.h"
#include "button.h"
#include "clickarea.h"
#include "line.h"
#include "picture.h"
#include "registry.h"
#include "shape.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <limits>

Origin centredOrigin(float screenWidth, float screenHeight, float outerWidth, float outerHeight)
{
    return {(screenWidth - outerWidth) / 2.0f, (screenHeight - outerHeight) / 2.0f};
}

Screen::Screen(Registry &registry, const QString &name, const QString &caption, int width,
               int height, const QColor &background)
    : m_registry(registry), m_designed(width, height), m_background(background)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(QIcon(picturePath(QStringLiteral("icon.png"))));
    setFixedSize(twips::size(width, height, zoom()));
    paintBackground(this, background);
}

void Screen::Form_Load()
{
    centre();
}

void Screen::centre()
{
    centreOn(m_registry.display());
}

void Screen::centreOn(const QScreen *display)
{
    const QRect area = display->geometry();
    create();
    const QMargins frame = frameMargins();
    m_frameUnknown = frame.isNull();
    const QSize outer = size().grownBy(frame);
    const float perPixel = twips::PerPixel;
    m_origin = centredOrigin(area.width() * perPixel, area.height() * perPixel,
                             outer.width() * perPixel, outer.height() * perPixel);
    m_origin.left += area.left() * perPixel;
    m_origin.top += area.top() * perPixel;
    // Placed by its client area, which every window manager reads the same
    // way, whether the window is mapped yet or not.
    const QPoint corner(qRound(m_origin.left / perPixel), qRound(m_origin.top / perPixel));
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

QMargins Screen::frameMargins() const
{
    // The outer size counts the window manager's frame. Before the first
    // window is mapped nobody knows it; after that the registry remembers it.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    return frame.isNull() ? m_registry.frameMargins() : frame;
}

qreal Screen::zoom() const
{
    return m_registry.zoomFactor();
}

void Screen::applyZoom()
{
    const qreal factor = zoom();
    setFixedSize(twips::size(m_designed.width(), m_designed.height(), factor));
    for (const auto &[control, designed] : m_placed)
        control->setGeometry(twips::rect(designed, factor));
    for (const auto &[control, font] : m_fonts)
        control->setFont(font.toQFont(factor));
    for (Line *line : findChildren<Line *>())
        line->setZoom(factor);
    for (Shape *shape : findChildren<Shape *>())
        shape->setZoom(factor);
    for (ClickArea *area : findChildren<ClickArea *>())
        area->setZoom(factor);
    for (Picture *picture : findChildren<Picture *>())
        picture->setZoom(factor);
    for (PictureButton *button : findChildren<PictureButton *>())
        button->setZoom(factor);
    centreOn(screen());
}

bool Screen::fitsDisplay(qreal zoom) const
{
    const QSize outer =
        twips::size(m_designed.width(), m_designed.height(), zoom).grownBy(frameMargins());
    const QSize room = screen()->availableGeometry().size();
    return outer.width() <= room.width() && outer.height() <= room.height();
}

void Screen::moveTo(const QString &screen)
{
    m_registry.show(screen);
    m_registry.unload(name());
}

void Screen::finishBuilding()
{
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1].second, m_tabOrder[i].second);
    // Stacking as the screens were designed: labels at the bottom, then
    // lines and outlines, then the real windows (boxes, buttons, pictures,
    // frames), which always lie over the drawn controls where they touch.
    // Click areas lie over everything, so a click on a number reaches them.
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<Line *>(control) || qobject_cast<Shape *>(control))
            control->raise();
    }
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<Line *>(control)
            && !qobject_cast<Shape *>(control) && !qobject_cast<ClickArea *>(control))
            control->raise();
    }
    for (ClickArea *area : findChildren<ClickArea *>(Qt::FindDirectChildrenOnly))
        area->raise();
}

void Screen::focusFirst()
{
    for (const auto &[index, control] : m_tabOrder) {
        if (control->isEnabled() && control->isVisible()
            && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Screen::place(QWidget *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    m_placed.emplace_back(control, QRect(left, top, width, height));
    control->setGeometry(twips::rect(left, top, width, height, zoom()));
}

void Screen::setControlFont(QWidget *control, const Font &font)
{
    m_fonts.emplace_back(control, font);
    control->setFont(font.toQFont(zoom()));
}

void Screen::paintBackground(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QPushButton *Screen::button(const char *name, const QString &caption, int left, int top, int width,
                            int height, const Font &font, int tabIndex)
{
    auto *control = new Button(caption, this);
    place(control, name, left, top, width, height);
    setControlFont(control, font);
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

PictureButton *Screen::pictureButton(const char *name, const QString &picture, int left, int top,
                                     int width, int height, int tabIndex, const QString &toolTip)
{
    auto *control = new PictureButton(this, picture);
    place(control, name, left, top, width, height);
    control->setZoom(zoom());
    control->setToolTip(toolTip);
    control->setAccessibleName(toolTip);
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

QLabel *Screen::label(const char *name, const QString &caption, int left, int top, int width,
                      int height, const Font &font, Qt::Alignment alignment, const QColor &text,
                      const QColor &background)
{
    auto *control = new QLabel(caption, this);
    place(control, name, left, top, width, height);
    control->setTextFormat(Qt::PlainText);
    control->setWordWrap(true);
    control->setAlignment(alignment | Qt::AlignTop);
    setControlFont(control, font);
    paintBackground(control, background.isValid() ? background : m_background);
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, text);
    control->setPalette(palette);
    return control;
}

QLineEdit *Screen::textBox(const char *name, int left, int top, int width, int height,
                           const Font &font, int tabIndex)
{
    auto *control = new QLineEdit(this);
    place(control, name, left, top, width, height);
    setControlFont(control, font);
    control->setAlignment(Qt::AlignCenter);
    control->setMaxLength(std::numeric_limits<int>::max());
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

Picture *Screen::pictureBox(const char *name, const QString &picture, int left, int top, int width,
                            int height)
{
    Picture *control = image(name, picture, left, top, width, height);
    paintBackground(control, m_background);
    return control;
}

Picture *Screen::image(const char *name, const QString &picture, int left, int top, int width,
                       int height)
{
    auto *control = new Picture(this, picture);
    place(control, name, left, top, width, height);
    control->setZoom(zoom());
    return control;
}

ClickArea *Screen::clickArea(const char *name, int left, int top, int width, int height)
{
    auto *control = new ClickArea(this);
    place(control, name, left, top, width, height);
    control->setZoom(zoom());
    return control;
}

void Screen::clickGroup(const std::vector<ClickArea *> &areas, int tabIndex)
{
    new ClickGroup(this, areas);
    for (ClickArea *area : areas)
        m_tabOrder.emplace_back(tabIndex, area);
}

Line *Screen::line(const char *name, int x1, int y1, int x2, int y2, int width,
                   const QColor &colour)
{
    auto *control = new Line(this, x1, y1, x2, y2, width, colour, zoom());
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

Shape *Screen::shape(const char *name, int left, int top, int width, int height,
                     const QColor &colour, int borderWidth, bool oval)
{
    auto *control = new Shape(this, colour, borderWidth,
                              oval ? Shape::Outline::Oval : Shape::Outline::Rectangle, zoom());
    place(control, name, left, top, width, height);
    return control;
}

QGroupBox *Screen::frame(const char *name, const QString &caption, int left, int top, int width,
                         int height, const Font &font)
{
    auto *control = new QGroupBox(caption, this);
    place(control, name, left, top, width, height);
    setControlFont(control, font);
    paintBackground(control, m_background);
    return control;
}

QRadioButton *Screen::option(QGroupBox *frame, const char *name, const QString &caption, int left,
                             int top, int width, int height, const Font &font, int tabIndex)
{
    auto *control = new QRadioButton(caption, frame);
    place(control, name, left, top, width, height);
    setControlFont(control, font);
    // An option shows its frame through it: a filled button would paint the
    // button colour, and even the frame's colour differs from the frame's
    // slightly shaded inside.
    paintBackground(control, m_background);
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(false);
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

QTimer *Screen::timer(const char *name, int intervalMs)
{
    auto *control = new QTimer(this);
    control->setObjectName(QString::fromLatin1(name));
    control->setInterval(intervalMs);
    // A coarse timer may fire up to 5% late; a verdict must be gone on time.
    control->setTimerType(Qt::PreciseTimer);
    return control;
}

void Screen::speak(const QString &text)
{
    m_toSay << text;
    speakWhenActive();
}

void Screen::speakWhenActive()
{
    if (m_toSay.isEmpty() || !isActiveWindow())
        return;
    // Whatever else this handler says joins the same announcement.
    QTimer::singleShot(0, this, [this] {
        if (m_toSay.isEmpty())
            return;
        if (!m_announcer)
            m_announcer = new Announcer(this);
        m_announcer->announce(m_toSay.join(QLatin1Char(' ')));
        m_toSay.clear();
    });
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    // No screen has a default button: Enter presses only a focused button.
    // Esc presses the Cancel button, wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel && m_cancel->isEnabled())
            m_cancel->click();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget());
            focused && focused->isEnabled())
            focused->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::closeEvent(QCloseEvent *event)
{
    // The close box unloads this screen only; no handler of the screen runs.
    event->accept();
    if (m_registry.screen(name()) == this)
        m_registry.unload(name());
}

bool Screen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_registry.setLastWindow(this);
        speakWhenActive();
    }
    // The first window is centred before the window manager has framed it.
    // Once it is on the screen and the frame reads sensibly (window managers
    // report transient values while they reparent), centre it again and tell
    // the registry, so that every later screen counts the frame from the start.
    if (m_frameUnknown && isActiveWindow() && windowHandle()) {
        const QMargins frame = windowHandle()->frameMargins();
        const bool settled = frame.left() >= 0 && frame.left() == frame.right()
            && frame.top() >= frame.bottom() && frame.bottom() >= 0 && !frame.isNull();
        if (settled) {
            m_registry.setFrameMargins(frame);
            centreOn(screen());
        }
    }
    return QWidget::event(event);
}

QPushButton *Page::fineButton(int tabIndex)
{
    cmdfine = button("cmdfine", QStringLiteral("&Fine"), 240, 6600, 855, 375, Font {}, tabIndex);
    setCancel(cmdfine);
    connect(cmdfine, &QPushButton::clicked, this, &Page::cmdfine_Click);
    return cmdfine;
}

void Page::cmdfine_Click()
{
    moveTo(QStringLiteral("frminizio"));
}
