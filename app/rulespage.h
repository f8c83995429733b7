// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

#include <vector>

class QLabel;

// What the three rules pages share: their size and colour, "&Fine", and the
// bar of "Regola" buttons that leads from one page to the others.
class RulesPage : public Page
{
    Q_OBJECT

public:
    RulesPage(Registry &registry, const QString &name, const QString &caption);

    // A screen reader reads the page aloud as it opens.
    void Form_Load() override;

    QPushButton *cmdregola3 = nullptr;
    QPushButton *cmdregola2 = nullptr;
    QPushButton *cmdregola1 = nullptr;

protected:
    // Builds the three buttons; the one of this page, rule own (from 1), is
    // disabled, the other two open their pages.
    void regolaButtons(int own);

    // One piece of the page's text: a label, or a fraction made of its
    // numerator and denominator labels, read the way a teacher says it.
    struct Reading
    {
        QLabel *text;
        QLabel *denominator = nullptr;
    };
    // The page's text in reading order, top to bottom, left to right.
    void readingOrder(std::vector<Reading> order) { m_reading = std::move(order); }

private:
    std::vector<Reading> m_reading;
};
