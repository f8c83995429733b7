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
    // of the last row. The pad hides the whole illustration, so that no odd
    // piece of it shows around the keys.
    const int rows = int(keys.size()) / columns + 1;
    const QRect picture = illustration(screen);
    QRect keypad(0, 0, columns * keySize + (columns + 1) * gap, rows * keySize + (rows + 1) * gap);
    keypad.moveCenter(picture.center());
    const QRect designed = keypad.united(picture);
    const QPoint origin = keypad.topLeft() - designed.topLeft();
    setObjectName(QStringLiteral("tastierino"));
    setAutoFillBackground(true);
    screen->addControl(this, designed);

    const QStringList all = keys + QStringList {cancel};
    for (int k = 0; k < all.size(); ++k) {
        const int row = k / columns;
        const int column = k % columns;
        const int span = all.at(k) == cancel ? columns - column : 1;
        auto *key = new QPushButton(all.at(k), this);
        key->setObjectName(all.at(k));
        key->setFocusPolicy(Qt::NoFocus);
        // Held down, Cancella goes on deleting, as the key does.
        key->setAutoRepeat(all.at(k) == cancel);
        const QRect place(origin.x() + gap + column * (keySize + gap),
                          origin.y() + gap + row * (keySize + gap),
                          span * keySize + (span - 1) * gap, keySize);
        screen->addControl(key, place, all.at(k) == cancel ? Font::comic(12) : Font::sans(18));
        connect(key, &QPushButton::clicked, this, [this, key] { press(key->text()); });
    }
}

void PadKeys::press(const QString &key)
{
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
