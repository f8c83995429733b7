// SPDX-License-Identifier: GPL-3.0-or-later

#include "readback.h"

#include "screen.h"
#include "spoken.h"
#include "voice.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

ReadBack::ReadBack(Voice &voice, QObject *parent) : QObject(parent), m_voice(voice) { }

void ReadBack::attach(Screen *screen)
{
    for (QLineEdit *box : screen->findChildren<QLineEdit *>()) {
        box->installEventFilter(this);
        connect(box, &QObject::destroyed, this,
                [this, box] { m_entered.remove(static_cast<const QLineEdit *>(box)); });
    }
}

bool ReadBack::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return false;
    if (event->type() == QEvent::FocusIn) {
        m_entered.insert(box, box->text());
        return false;
    }
    // The window losing the focus, or a menu opening, is not leaving.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const bool changed = m_entered.value(box) != box->text();
    m_entered.insert(box, box->text());
    // A click on Conferma, or its access key, moves the focus to it first;
    // Tab to it is leaving the box like any other.
    const auto *screen = qobject_cast<const Screen *>(box->window());
    const bool conferma = screen && screen->confirmButton()
        && QApplication::focusWidget() == screen->confirmButton()
        && (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason);
    if (m_on && changed && !conferma)
        m_voice.speak(spokenTyped(box->text()), box->window());
    return false;
}
