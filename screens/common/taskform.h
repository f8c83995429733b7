// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class Announcer;
class Exercise;
class QLabel;
class QLineEdit;
class Screen;
class Voice;

// «Scrivi i numeri dell'esercizio»: the teacher's own task, typed into
// boxes laid out like the task on the exercise, over the exercise but
// clear of its illustration, where the number pad goes. While it is open
// the exercise takes no input; nothing on it changes until the task is one
// the exercise could have drawn.
class TaskForm : public QWidget
{
    Q_OBJECT

public:
    // Takes the typed boxes in order; shows a valid task on the exercise
    // and gives nothing, or gives the sentence saying what is wrong.
    using Check = std::function<QString(const QStringList &typed)>;

    // place is in twips on the screen; everything inside in twips from it.
    TaskForm(Screen *screen, const QRect &place, Voice &voice);

    // A number box, named for a screen reader.
    QLineEdit *box(const QString &name, int left, int top, int width = 615);
    // A numerator box over a bar over a denominator box, 615 twips wide.
    void fraction(const QString &name, int left, int top);
    void text(const QString &caption, int left, int top, int width);
    QRadioButton *option(const QString &caption, int left, int top, int width);
    void setCheck(Check check) { m_check = std::move(check); }

    // Opens the form empty, the cursor in its first box.
    void open();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void accept();
    void close();

    Screen *m_screen;
    QPointer<Announcer> m_announcer;
    QLabel *m_problem;
    std::vector<QLineEdit *> m_boxes;
    Check m_check;
    // What the form switched off on the exercise, and where the focus was.
    std::vector<QPointer<QWidget>> m_disabled;
    QPointer<QWidget> m_focus;
};

// F3 on a screen builds the teacher's form the first time (build lays out
// its boxes and sets its check), then opens it; before, when given, readies
// it at every opening.
void addTaskForm(Exercise &screen, Voice &voice, std::function<void(TaskForm &)> build,
                 std::function<void(TaskForm &)> before = {});

// Shows a task the teacher typed on its screen when it is one the screen
// could have drawn, and gives nothing; otherwise gives what is wrong.
template<typename Screen, typename Checked>
QString shownOnScreen(Screen &screen, const Checked &checked)
{
    if (checked.task) {
        screen.showTask(*checked.task);
        screen.taskChanged();
    }
    return checked.problem;
}

// Two options for the two kinds of task a screen asks in turn: set to the
// kind on the screen each time the form opens, read by the check. Copies
// share the options, so that the form's build, its check and its opening
// can each hold one.
class KindOptions
{
public:
    void add(TaskForm &form, const QString &first, const QString &second, int secondLeft,
             int width) const
    {
        (*m_options)[0] = form.option(first, 360, 2400, width);
        (*m_options)[1] = form.option(second, secondLeft, 2400, width);
    }
    bool secondChosen() const { return (*m_options)[1] && (*m_options)[1]->isChecked(); }
    void choose(bool second) const
    {
        if (QRadioButton *option = (*m_options)[second])
            option->setChecked(true);
    }

private:
    std::shared_ptr<std::array<QPointer<QRadioButton>, 2>> m_options =
        std::make_shared<std::array<QPointer<QRadioButton>, 2>>();
};
