// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturename.h"

#include <QPainter>

PictureName::PictureName(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureName::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont face = font();
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    while (face.pointSizeF() > 6
           && !rect().contains(QFontMetrics(face).boundingRect(rect(), flags, m_text))) {
        face.setPointSizeF(face.pointSizeF() * 0.95);
    }
    painter.setFont(face);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, m_text);
}
