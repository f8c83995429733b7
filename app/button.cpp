// SPDX-License-Identifier: GPL-3.0-or-later

#include "button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

Button::Button(const QString &caption, QWidget *parent) : QPushButton(caption, parent) { }

void Button::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    flags |= style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) ? Qt::TextShowMnemonic
                                                                             : Qt::TextHideMnemonic;
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}
