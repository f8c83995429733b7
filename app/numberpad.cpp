// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberpad.h"

#include "picture.h"
#include "screen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <vector>

namespace {

const QString cancel = QStringLiteral("Cancella");

// In twips: a key is 48 pixels square at 100 %, large enough for a finger.
constexpr int keySize = 720;
constexpr int gap = 90;
constexpr int columns = 3;

// The exercise's illustration, the tallest of its pictures: nothing a child
// reads or presses lies on it.
QRect illustration(const Screen *screen)
{
    QRect tallest;
    for (const Picture *picture : screen->findChildren<Picture *>(Qt::FindDirectChildrenOnly)) {
        const QRect designed = screen->designedRect(picture);
        if (designed.height() > tallest.height())
            tallest = designed;
    }
    return tallest;
}

} // namespace

PadKeys::PadKeys(Screen *screen, const QStringList &keys) : QWidget(screen)
{
    // Rows of three, the keys in the order given; "Cancella" fills the rest
    // of its row, two keys wide at least, and "?", which asks for help,
    // stands before it or on a row of its own.
    QStringList typing = keys;
    const bool help = typing.removeAll(QStringLiteral("?")) > 0;
    const bool table = typing.removeAll(QStringLiteral("×")) > 0;
    struct Key
    {
        QString text;
        int slot;
        int span;
    };
    std::vector<Key> grid;
    int slot = 0;
    const auto put = [&grid, &slot](const QString &text, int span) {
        grid.push_back({text, slot, span});
        slot += span;
    };
    for (const QString &key : typing)
        put(key, 1);
    const int free = columns - slot % columns;
    // A single free slot is too narrow for "Cancella": "?" takes it, or it
    // stays blank, and "Cancella" has a row of its own.
    if (help && (free >= 3 || free == 1))
        put(QStringLiteral("?"), 1);
    else if (free == 1)
        ++slot;
    put(cancel, columns - slot % columns);
    if (help && free == 2)
        put(QStringLiteral("?"), table ? columns - 1 : columns);
    // "×", for the times table, ends the last row.
    if (table)
        put(QStringLiteral("×"), columns - slot % columns);
    const int rows = (slot + columns - 1) / columns;

    // The pad hides the whole illustration, so that no odd piece of it
    // shows around the keys.
    const QRect picture = illustration(screen);
    QRect keypad(0, 0, columns * keySize + (columns + 1) * gap, rows * keySize + (rows + 1) * gap);
    keypad.moveCenter(picture.center());
    const QRect designed = keypad.united(picture);
    const QPoint origin = keypad.topLeft() - designed.topLeft();
    setObjectName(QStringLiteral("tastierino"));
    setAutoFillBackground(true);
    screen->addControl(this, designed);

    for (const auto &[text, at, span] : grid) {
        auto *key = new QPushButton(text, this);
        key->setObjectName(text);
        key->setFocusPolicy(Qt::NoFocus);
        // Held down, Cancella goes on deleting, as the key does.
        key->setAutoRepeat(text == cancel);
        const QRect place(origin.x() + gap + at % columns * (keySize + gap),
                          origin.y() + gap + at / columns * (keySize + gap),
                          span * keySize + (span - 1) * gap, keySize);
        screen->addControl(key, place, text == cancel ? Font::comic(12) : Font::sans(18));
        connect(key, &QPushButton::clicked, this, [this, key] { press(key->text()); });
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
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), screen);
    connect(shortcut, &QShortcut::activated, this, &NumberPad::toggle);
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
