// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableWidget>

// The times table, 10 by 10, for a child whose plan allows it in place of
// the tables learnt by heart. The row of the task's divisor stands out, as
// that row answers the division. A screen reader moves through it cell by
// cell and hears each as a teacher says it: "7 per 4, 28".
class TimesTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit TimesTable(QWidget *parent);

    // Highlights that row, 1 to 10, and puts the arrows' cell at its start;
    // any other highlights none, for a task no row answers.
    void setRow(int row);
    int row() const { return m_row; }

protected:
    // The numbers as large as the cells allow, at any zoom and in any place.
    void resizeEvent(QResizeEvent *event) override;
    // Hidden, the table has no cells: a screen reader would find a cell of a
    // hidden table still "showing", as it lies within the table's bounds.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Tells a screen reader the cell the arrows reached, numbered row by row,
    // and on entering the table, the cell it starts from.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void fill();
    void tellCurrent();

    int m_row = 0;
};
