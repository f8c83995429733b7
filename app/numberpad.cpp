// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberpad.h"

#include "screen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

const QString cancel = QStringLiteral("Cancella");

// In twips: a key is 48 pixels square at 100 %, large enough for a finger.
constexpr int keySize = 720;
constexpr int gap = 90;

bool isDigit(const QString &key)
{
    return key.size() == 1 && key.at(0).isDigit();
}

} // namespace

PadKeys::PadKeys(Screen *screen, const QStringList &keys)
    : QWidget(screen), m_screen(screen), m_keys(keys)
{
    setObjectName(QStringLiteral("tastierino"));
    setAutoFillBackground(true);
    const QSize size = keysSize(m_columns);
    screen->addControl(this, {0, 0, size.width(), size.height()});
    for (const Key &key : grid(m_columns)) {
        auto *button = new QPushButton(key.text, this);
        button->setObjectName(key.text);
        button->setFocusPolicy(Qt::NoFocus);
        // Held down, Cancella goes on deleting, as the key does.
        button->setAutoRepeat(key.text == cancel);
        screen->addControl(button, {}, key.text == cancel ? Font::comic(12) : Font::sans(18));
        connect(button, &QPushButton::clicked, this, [this, button] { press(button->text()); });
    }
    arrange(m_columns, {QPoint(), size});
}

std::vector<PadKeys::Key> PadKeys::grid(int columns) const
{
    // Rows of keys in the order given; "Cancella" fills the rest of its
    // row, two keys wide at least, and "?", which asks for help, stands
    // before it or on a row of its own; "×", for the times table, ends the
    // last row.
    QStringList typing = m_keys;
    const bool help = typing.removeAll(QStringLiteral("?")) > 0;
    const bool table = typing.removeAll(QStringLiteral("×")) > 0;
    // In a wide pad the digits run as on a keyboard's top row.
    if (columns > 3 && std::all_of(typing.begin(), typing.end(), isDigit)) {
        std::sort(typing.begin(), typing.end(), [](const QString &a, const QString &b) {
            return (a == QLatin1String("0") ? 10 : a.toInt())
                < (b == QLatin1String("0") ? 10 : b.toInt());
        });
    }
    std::vector<Key> keys;
    int slot = 0;
    const auto put = [&keys, &slot](const QString &text, int span) {
        keys.push_back({text, slot, span});
        slot += span;
    };
    for (const QString &key : typing)
        put(key, 1);
    const int free = columns - slot % columns;
    if (free >= 2 + int(help) + int(table)) {
        if (help)
            put(QStringLiteral("?"), 1);
        put(cancel, free - int(help) - int(table));
        if (table)
            put(QStringLiteral("×"), 1);
        return keys;
    }
    if (help && free >= 3)
        put(QStringLiteral("?"), 1);
    put(cancel, columns - slot % columns);
    if (help && free < 3)
        put(QStringLiteral("?"), table ? columns - 1 : columns);
    if (table)
        put(QStringLiteral("×"), columns - slot % columns);
    return keys;
}

QSize PadKeys::keysSize(int columns) const
{
    const std::vector<Key> keys = grid(columns);
    const int used = keys.back().slot + keys.back().span;
    const int rows = (used + columns - 1) / columns;
    return {columns * keySize + (columns + 1) * gap, rows * keySize + (rows + 1) * gap};
}

void PadKeys::arrange(int columns, const QRect &place)
{
    m_columns = columns;
    m_screen->moveControl(this, place);
    const QList<QPushButton *> buttons = findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
    for (const Key &key : grid(columns)) {
        const auto button = std::find_if(buttons.begin(), buttons.end(),
                                         [&key](const auto *b) { return b->text() == key.text; });
        m_screen->moveControl(*button,
                              {gap + key.slot % columns * (keySize + gap),
                               gap + key.slot / columns * (keySize + gap),
                               key.span * keySize + (key.span - 1) * gap, keySize});
    }
}

void PadKeys::press(const QString &key)
{
    // "?" asks the screen for help, as F1 does, wherever the focus is; "×"
    // for the times table, as F2 does.
    if (key == QLatin1String("?") || key == QStringLiteral("×")) {
        QWidget *focused = window()->focusWidget() ? window()->focusWidget() : window();
        const int code = key == QLatin1String("?") ? Qt::Key_F1 : Qt::Key_F2;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, code, Qt::NoModifier);
            QCoreApplication::sendEvent(focused, &event);
        }
        return;
    }
    auto *box = qobject_cast<QLineEdit *>(window()->focusWidget());
    if (!box)
        return;
    const bool erase = key == cancel;
    const int code = erase ? int(Qt::Key_Backspace) : int(key.at(0).unicode());
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, code, Qt::NoModifier, erase ? QString() : key);
        QCoreApplication::sendEvent(box, &event);
    }
}

NumberPad::NumberPad(Screens screens, QObject *parent)
    : QObject(parent), m_screens(std::move(screens))
{ }

void NumberPad::setShown(bool shown)
{
    m_shown = shown;
    for (Screen *screen : m_screens()) {
        if (shown)
            showOn(screen);
        else if (PadKeys *pad = screen->findChild<PadKeys *>())
            pad->hide();
    }
}

void NumberPad::attach(Screen *screen)
{
    if (screen->padKeys().isEmpty())
        return;
    for (QLineEdit *box : screen->findChildren<QLineEdit *>())
        box->installEventFilter(this);
    if (m_shown)
        showOn(screen);
}

void NumberPad::showOn(Screen *screen)
{
    const QStringList keys = screen->padKeys();
    if (keys.isEmpty() || !screen->findChild<QLineEdit *>())
        return;
    auto *pad = screen->findChild<PadKeys *>();
    if (!pad)
        pad = new PadKeys(screen, keys);
    pad->show();
    pad->raise();
}

bool NumberPad::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    // A mouse, or a board's pen that acts as one, leaves the pad as it is.
    const QInputDevice *device = static_cast<QMouseEvent *>(event)->device();
    const QInputDevice::DeviceType type = device ? device->type() : QInputDevice::DeviceType::Mouse;
    if (!m_shown
        && (type == QInputDevice::DeviceType::TouchScreen
            || type == QInputDevice::DeviceType::Stylus
            || type == QInputDevice::DeviceType::Airbrush))
        setShown(true);
    return false;
}
