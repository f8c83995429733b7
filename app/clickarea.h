// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zoomable.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class ClickGroup;

// An invisible area that answers to the mouse: a click released inside it
// emits clicked(). It lies over what it stands for. In a group it can also
// be reached from the keyboard, and shows a focus mark while it has the
// focus; the mouse never gives it the focus.
class ClickArea : public QWidget, public Zoomable
{
    Q_OBJECT

public:
    explicit ClickArea(QWidget *parent);

    // What a full click does, for those who press it another way.
    void click() { emit clicked(); }

    void setVisible(bool visible) override;
    // The focus mark grows with the program's zoom.
    void setZoom(qreal zoom) override;

    // A choice that stays chosen, marked on the screen by something else
    // (a ring): screen readers hear it as a radio button, selected or not.
    void setChosen(bool chosen);
    bool isChoice() const { return m_choice; }
    bool isChosen() const { return m_chosen; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class ClickGroup;

    bool m_pressed = false;
    bool m_choice = false;
    bool m_chosen = false;
    qreal m_zoom = 1;
    QPointer<ClickGroup> m_group;
};

// The click areas that stand for the choices of one question, as one stop in
// the Tab chain: Tab enters at the choice last visited, the arrow keys move
// between the visible choices, Space or Enter presses the focused one.
class ClickGroup : public QObject
{
    Q_OBJECT

public:
    ClickGroup(QObject *parent, std::vector<ClickArea *> areas);

private:
    friend class ClickArea;

    // The next visible choice after (step 1) or before (step -1) this one,
    // round the group; null when no other is visible.
    ClickArea *neighbour(const ClickArea *area, int step) const;
    void moveFocus(ClickArea *from, int step);
    // Only the current choice takes the focus from Tab; a hidden one hands
    // that on.
    void updateTabStop();

    std::vector<QPointer<ClickArea>> m_areas;
    QPointer<ClickArea> m_current;
};
