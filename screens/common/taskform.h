// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class Announcer;
class Exercise;
class QLabel;
class QLineEdit;
class QRadioButton;
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
