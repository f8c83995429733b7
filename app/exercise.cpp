// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise.h"

#include "registry.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

Exercise::Exercise(Registry &registry, const QString &name, const QString &caption,
                   const QColor &background)
    : Page(registry, name, caption, 10620, 7185, background)
{
    tmrtempo = timer("tmrtempo", 3000);
    connect(tmrtempo, &QTimer::timeout, this, &Exercise::tmrtempo_Timer);
}

void Exercise::Form_Load()
{
    Page::Form_Load();
    rnd().reseed();
}

QLabel *Exercise::message(int left, int top, int width, int height, const Font &font,
                          const QColor &text)
{
    lblmess = label("lblmess", QString(), left, top, width, height, font.italicFace(),
                    Qt::AlignHCenter, text);
    return lblmess;
}

void Exercise::say(const QString &verdict)
{
    lblmess->setText(verdict);
    speak(verdict);
}

void Exercise::newTaskByConferma()
{
    m_newTaskByConferma.start();
    speakTask();
}

bool Exercise::isSecondPressOfADoubleClick() const
{
    return m_newTaskByConferma.isValid()
        && m_newTaskByConferma.elapsed() < QApplication::doubleClickInterval();
}

Random &Exercise::rnd() const
{
    return registry().random();
}

void Exercise::tmrtempo_Timer()
{
    lblmess->setText(QString());
}

bool matches(const QString &text, int expected)
{
    return text == QString::number(expected);
}
