// SPDX-License-Identifier: GPL-3.0-or-later

#include "page.h"

#include <QPushButton>

QPushButton *Page::fineButton(int tabIndex)
{
    cmdfine = button("cmdfine", QStringLiteral("&Fine"), 240, 6600, 855, 375, Font {}, tabIndex);
    setCancel(cmdfine);
    connect(cmdfine, &QPushButton::clicked, this, &Page::cmdfine_Click);
    return cmdfine;
}

void Page::cmdfine_Click()
{
    moveTo(QStringLiteral("frminizio"));
}
