// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskform.h"

#include "accessibility.h"
#include "aidarea.h"
#include "exercise.h"
#include "numberpad.h"
#include "screen.h"
#include "spoken.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

TaskForm::TaskForm(Screen *screen, const QRect &place, Voice &voice)
    : QWidget(screen), m_screen(screen), m_announcer(new Announcer(screen, voice))
{
    setObjectName(QStringLiteral("frmtask"));
    const QString title = QStringLiteral("Scrivi i numeri dell’esercizio");
    setAccessibleName(title);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(palette);
    screen->addControl(this, place);
    auto *heading = new QLabel(title, this);
    heading->setAlignment(Qt::AlignCenter);
    screen->addControl(heading, {120, 60, place.width() - 240, 480}, Font::comic(15.75));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblproblem"));
    m_problem->setWordWrap(true);
    m_problem->setAlignment(Qt::AlignCenter);
    QPalette red = m_problem->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    m_problem->setPalette(red);
    screen->addControl(m_problem, {120, place.height() - 1500, place.width() - 240, 900},
                       Font::comic(12));
    auto *use = new QPushButton(QStringLiteral("&Usa questi numeri"), this);
    use->setObjectName(QStringLiteral("cmdusa"));
    screen->addControl(use, {120, place.height() - 540, 2655, 450}, Font::sans(9.75));
    auto *cancel = new QPushButton(QStringLiteral("&Annulla"), this);
    cancel->setObjectName(QStringLiteral("cmdannullaform"));
    screen->addControl(cancel, {place.width() - 1575, place.height() - 540, 1455, 450},
                       Font::sans(9.75));
    connect(use, &QPushButton::clicked, this, &TaskForm::accept);
    connect(cancel, &QPushButton::clicked, this, &TaskForm::close);
    hide();
}

QLineEdit *TaskForm::box(const QString &name, int left, int top, int width)
{
    auto *box = new QLineEdit(this);
    box->setAccessibleName(name);
    box->setAlignment(Qt::AlignCenter);
    m_screen->addControl(box, {left, top, width, 495}, Font::sans(18));
    connect(box, &QLineEdit::returnPressed, this, &TaskForm::accept);
    if (!m_boxes.empty())
        setTabOrder(m_boxes.back(), box);
    m_boxes.push_back(box);
    return box;
}

void TaskForm::fraction(const QString &name, int left, int top)
{
    box(QStringLiteral("numeratore") + name, left, top);
    auto *bar = new QFrame(this);
    bar->setAutoFillBackground(true);
    QPalette black = bar->palette();
    black.setColor(QPalette::Window, Qt::black);
    bar->setPalette(black);
    m_screen->addControl(bar, {left - 60, top + 540, 735, 45});
    box(QStringLiteral("denominatore") + name, left, top + 630);
}

void TaskForm::text(const QString &caption, int left, int top, int width)
{
    auto *label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    m_screen->addControl(label, {left, top, width, 495}, Font::sans(18));
}

QRadioButton *TaskForm::option(const QString &caption, int left, int top, int width)
{
    auto *choice = new QRadioButton(caption, this);
    m_screen->addControl(choice, {left, top, width, 375}, Font::comic(12));
    return choice;
}

void TaskForm::open()
{
    if (isVisible())
        return;
    m_focus = m_screen->focusWidget();
    for (QLineEdit *box : m_boxes)
        box->clear();
    m_problem->clear();
    show();
    raise();
    if (auto *pad = m_screen->findChild<PadKeys *>())
        pad->raise();
    // The focus goes straight to the first field once a screen reader has
    // met the form: a control disabled while it has the focus would hand it
    // on to the next, and a screen reader would follow it across the screen.
    m_disabled.clear();
    QTimer::singleShot(0, this, [this] {
        if (isHidden())
            return;
        m_boxes.front()->setFocus(Qt::OtherFocusReason);
        for (QWidget *control : m_screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control != this && !qobject_cast<PadKeys *>(control) && control->isEnabled()
                && control != m_announcer) {
                control->setEnabled(false);
                m_disabled.emplace_back(control);
            }
        }
        // Orca does not hear the focus enter a form it meets for the first
        // time: the field is named here too.
        m_announcer->say(accessibleName() + QStringLiteral(": ") + m_boxes.front()->accessibleName()
                         + QLatin1Char('.'));
    });
}

void TaskForm::accept()
{
    QStringList typed;
    for (const QLineEdit *box : m_boxes)
        typed << box->text();
    const QString problem = m_check(typed);
    m_problem->setText(problem);
    if (!problem.isEmpty()) {
        m_announcer->say(spokenFractions(problem));
        return;
    }
    m_focus.clear();
    close();
    m_screen->focusFirst();
    m_announcer->say(m_screen->reading());
}

void TaskForm::close()
{
    for (const QPointer<QWidget> &control : m_disabled) {
        if (control)
            control->setEnabled(true);
    }
    m_disabled.clear();
    hide();
    if (m_focus)
        m_focus->setFocus(Qt::OtherFocusReason);
}

void TaskForm::keyPressEvent(QKeyEvent *event)
{
    // Esc leaves the form, not the exercise.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void addTaskForm(Exercise &screen, Voice &voice, std::function<void(TaskForm &)> build,
                 std::function<void(TaskForm &)> before)
{
    screen.setTeacherTask([&screen, &voice, build, before, form = QPointer<TaskForm>()]() mutable {
        if (!form) {
            form = new TaskForm(&screen, formPlace(screen.aidArea(), screen.designedSize()), voice);
            build(*form);
        }
        if (before)
            before(*form);
        form->open();
    });
}
