// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "accessibility.h"
#include "button.h"
#include "clickarea.h"
#include "line.h"
#include "picture.h"
#include "shape.h"
#include "twips.h"
#include "voice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <limits>

Screen::Screen(const QString &name, const QString &caption, int width, int height,
               const QColor &background)
    : m_designed(width, height), m_background(background)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(twips::size(width, height));
    paintBackground(this, background);
}

void Screen::settle(Placement &placement, QScreen *display, Voice &voice)
{
    m_placement = &placement;
    m_display = display;
    m_voice = &voice;
}

void Screen::Form_Load()
{
    centre();
}

void Screen::centre()
{
    centreOn(m_display);
}

void Screen::centreOn(const QScreen *display)
{
    create();
    m_origin = m_placement->centre(this, display, [this] { centreOn(screen()); });
}

void Screen::setZoom(qreal factor)
{
    setFixedSize(twips::size(m_designed.width(), m_designed.height(), factor));
    m_controls.setZoom(factor);
}

void Screen::applyZoom(qreal factor)
{
    setZoom(factor);
    centreOn(screen());
}

void Screen::addControl(QWidget *control, const QRect &designed, std::optional<Font> font)
{
    m_controls.add(control, designed, std::move(font), Layer::Windows);
}

void Screen::moveTo(const QString &screen)
{
    emit showWanted(screen);
    emit unloadWanted(name());
}

void Screen::finishBuilding()
{
    std::stable_sort(m_tabOrder.begin(), m_tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::erase_if(m_tabOrder, [](const auto &entry) { return entry.second.isNull(); });
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1].second, m_tabOrder[i].second);
    m_controls.stack(this);
}

void Screen::focusFirst()
{
    for (const auto &[index, control] : m_tabOrder) {
        if (control && control->isEnabled() && control->isVisible()
            && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

template<typename Control>
Control *Screen::place(Control *control, const char *name, const QRect &designed, Layer layer,
                       std::optional<Font> font)
{
    control->setObjectName(QString::fromLatin1(name));
    m_controls.add(control, designed, std::move(font), layer);
    return control;
}

void Screen::setControlFont(QWidget *control, const Font &font)
{
    m_controls.setFont(control, font);
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
    auto *control =
        place(new Button(caption, this), name, {left, top, width, height}, Layer::Windows, font);
    // A caption broken over two lines is one name to a screen reader.
    if (caption.contains(QLatin1Char('\n')))
        control->setAccessibleName(
            QString(caption).remove(QLatin1Char('&')).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

PictureButton *Screen::pictureButton(const char *name, const QString &picture, int left, int top,
                                     int width, int height, int tabIndex, const QString &toolTip)
{
    auto *control =
        place(new PictureButton(this, picture), name, {left, top, width, height}, Layer::Windows);
    control->setToolTip(toolTip);
    control->setAccessibleName(toolTip);
    connect(control, &PictureButton::nameWanted, this,
            [this, toolTip] { m_voice->speak(toolTip, this); });
    m_tabOrder.emplace_back(tabIndex, control);
    return control;
}

QLabel *Screen::label(const char *name, const QString &caption, int left, int top, int width,
                      int height, const Font &font, Qt::Alignment alignment, const QColor &text,
                      const QColor &background)
{
    auto *control =
        place(new QLabel(caption, this), name, {left, top, width, height}, Layer::Labels, font);
    control->setTextFormat(Qt::PlainText);
    control->setWordWrap(true);
    control->setAlignment(alignment | Qt::AlignTop);
    paintBackground(control, background.isValid() ? background : m_background);
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, text);
    control->setPalette(palette);
    return control;
}

QLineEdit *Screen::textBox(const char *name, int left, int top, int width, int height,
                           const Font &font, int tabIndex)
{
    auto *control =
        place(new QLineEdit(this), name, {left, top, width, height}, Layer::Windows, font);
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
    return place(new Picture(this, picture), name, {left, top, width, height}, Layer::Windows);
}

ClickArea *Screen::clickArea(const char *name, int left, int top, int width, int height)
{
    return place(new ClickArea(this), name, {left, top, width, height}, Layer::ClickAreas);
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
    return place(new Line(this, x1, y1, x2, y2, width, colour), name, QRect(), Layer::Strokes);
}

Shape *Screen::shape(const char *name, int left, int top, int width, int height,
                     const QColor &colour, int borderWidth, bool oval)
{
    const Shape::Outline outline = oval ? Shape::Outline::Oval : Shape::Outline::Rectangle;
    return place(new Shape(this, colour, borderWidth, outline), name, {left, top, width, height},
                 Layer::Strokes);
}

QGroupBox *Screen::frame(const char *name, const QString &caption, int left, int top, int width,
                         int height, const Font &font)
{
    auto *control =
        place(new QGroupBox(caption, this), name, {left, top, width, height}, Layer::Windows, font);
    paintBackground(control, m_background);
    return control;
}

QRadioButton *Screen::option(QGroupBox *frame, const char *name, const QString &caption, int left,
                             int top, int width, int height, const Font &font, int tabIndex)
{
    auto *control = place(new QRadioButton(caption, frame), name, {left, top, width, height},
                          Layer::Windows, font);
    inFrame(control, tabIndex);
    return control;
}

QCheckBox *Screen::checkBox(QGroupBox *frame, const char *name, const QString &caption, int left,
                            int top, int width, int height, const Font &font, int tabIndex)
{
    auto *control = place(new QCheckBox(caption, frame), name, {left, top, width, height},
                          Layer::Windows, font);
    inFrame(control, tabIndex);
    return control;
}

void Screen::inFrame(QWidget *control, int tabIndex)
{
    // An option or a check box shows its frame through it: a filled button
    // would paint the button colour, and even the frame's colour differs
    // from the frame's slightly shaded inside.
    paintBackground(control, m_background);
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(false);
    m_tabOrder.emplace_back(tabIndex, control);
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
    if (!m_announcer)
        m_announcer = new Announcer(this, *m_voice);
    m_announcer->say(text);
}

void Screen::speakToScreenReader(const QString &text)
{
    if (!m_announcer)
        m_announcer = new Announcer(this, *m_voice);
    m_announcer->sayToScreenReader(text);
}

QString Screen::reading() const
{
    std::vector<std::pair<int, QPointer<QWidget>>> order = m_tabOrder;
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList names {windowTitle()};
    for (const QWidget *control : m_controls.controls()) {
        if (const auto *label = qobject_cast<const QLabel *>(control);
            label && !label->text().isEmpty())
            names << label->text();
    }
    for (const auto &[index, control] : order) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            names << (button->toolTip().isEmpty() ? QString(button->text()).remove(QLatin1Char('&'))
                                                  : button->toolTip());
        }
    }
    // Read as one sentence: a caption's line break is a space.
    return names.join(QStringLiteral(", ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
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
    emit closed();
}
