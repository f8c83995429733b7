// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The name of a picture button in words, for a class in front of a
// whiteboard, where no pointer hovers to show a tooltip. It draws the text
// as large as its font allows within its place, wrapping at words and
// shrinking only if it must; it is no label, so that a screen reader and
// Ctrl+L hear the name once, from its button.
class PictureName : public QWidget
{
    Q_OBJECT

public:
    PictureName(const QString &text, QWidget *parent);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
