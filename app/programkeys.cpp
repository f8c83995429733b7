// SPDX-License-Identifier: GPL-3.0-or-later

#include "programkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

const std::vector<ProgramKey> &programKeys()
{
    static const std::vector<ProgramKey> keys {
        {"F1", KeyAction::Help, "mostra l’aiuto, o il suo passo successivo", "esercizi",
         "sì: aiuto = no"},
        {"F2", KeyAction::TimesTable, "mostra e nasconde la tavola pitagorica",
         "esercizi con la tavola", "sì: c’è solo con tavola_pitagorica = si"},
        {"F3", KeyAction::TeacherTask, "apre «Scrivi i numeri dell’esercizio»", "esercizi", "no"},
        {"Ctrl+L", KeyAction::Read, "legge di nuovo ad alta voce l’esercizio o la pagina",
         "tutte le schermate", "no"},
        {"Ctrl+T", KeyAction::Pad, "mostra e nasconde il tastierino", "esercizi in cui si scrive",
         "no"},
        {"Ctrl++", KeyAction::ZoomIn, "ingrandisce tutto il programma", "tutte le schermate", "no"},
        {"Ctrl+−", KeyAction::ZoomOut, "rimpicciolisce tutto il programma", "tutte le schermate",
         "no"},
        {"Ctrl+0", KeyAction::ZoomReset, "riporta il programma alla grandezza di sempre",
         "tutte le schermate", "no"},
        {"Ctrl+Alt+I", KeyAction::Settings, "apre «Impostazioni per l’insegnante»",
         "menu principale", "no"},
    };
    return keys;
}

std::optional<KeyAction> programKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_F1:
            return KeyAction::Help;
        case Qt::Key_F2:
            return KeyAction::TimesTable;
        case Qt::Key_F3:
            return KeyAction::TeacherTask;
        default:
            return std::nullopt;
        }
    }
    if (modifiers == (Qt::ControlModifier | Qt::AltModifier) && key == Qt::Key_I)
        return KeyAction::Settings;
    if (modifiers == Qt::ControlModifier && key == Qt::Key_L)
        return KeyAction::Read;
    if (modifiers == Qt::ControlModifier && key == Qt::Key_T)
        return KeyAction::Pad;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::ControlModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return KeyAction::ZoomIn;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return KeyAction::ZoomOut;
    case Qt::Key_0:
        return KeyAction::ZoomReset;
    default:
        return std::nullopt;
    }
}

KeyDispatch::KeyDispatch(Handler handler, QObject *parent)
    : QObject(parent), m_handler(std::move(handler))
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool KeyDispatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    // Each key reaches the window's handle first, then the focused control:
    // it is taken at the control.
    auto *control = qobject_cast<QWidget *>(watched);
    const auto *key = static_cast<const QKeyEvent *>(event);
    const std::optional<KeyAction> action = programKey(*key);
    if (!control || !action || !m_handler(*action, control->window(), false))
        return false;
    // Taken as a key press, not as a shortcut of some control.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    // A key held down steps the zoom on, and does nothing else again.
    const bool zoom = *action == KeyAction::ZoomIn || *action == KeyAction::ZoomOut
        || *action == KeyAction::ZoomReset;
    if (!key->isAutoRepeat() || zoom)
        m_handler(*action, control->window(), true);
    return true;
}
