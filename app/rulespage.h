#pragma once

#include "screen.h"

// What the three rules pages share: their size and colour, "&Fine", and the
// bar of "Regola" buttons that leads from one page to the others.
class RulesPage : public Page
{
    Q_OBJECT

public:
    RulesPage(Registry &registry, const QString &name, const QString &caption);

    QPushButton *cmdregola3 = nullptr;
    QPushButton *cmdregola2 = nullptr;
    QPushButton *cmdregola1 = nullptr;

protected:
    // Builds the three buttons; the one of this page, rule own (from 1), is
    // disabled, the other two open their pages.
    void regolaButtons(int own);
};
