// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise.h"

#include "registry.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

Exercise::Exercise(Registry &registry, const QString &name, const QString &caption,
                   const QColor &background)
    : Page(name, caption, 10620, 7185, background), m_registry(registry)
{
    tmrtempo = timer("tmrtempo", 3000);
    connect(tmrtempo, &QTimer::timeout, this, &Exercise::tmrtempo_Timer);
}

void Exercise::Form_Load()
{
    Page::Form_Load();
    rnd().reseed();
    estrai();
    speak(spokenTask());
}

QLabel *Exercise::message(int left, int top, int width, int height, const Font &font,
                          const QColor &text)
{
    lblmess = label("lblmess", QString(), left, top, width, height, font.italicFace(),
                    Qt::AlignHCenter, text);
    return lblmess;
}

void Exercise::confermaButton(int left, int top, int width, int height, const Font &font,
                              int tabIndex)
{
    cmdconferma = button("cmdconferma", QStringLiteral("&Conferma"), left, top, width, height, font,
                         tabIndex);
    connect(cmdconferma, &QPushButton::clicked, this, &Exercise::cmdconferma_Click);
}

void Exercise::cmdconferma_Click()
{
    if (m_newTaskByConferma.isValid()
        && m_newTaskByConferma.elapsed() < QApplication::doubleClickInterval())
        return;
    const Verdict verdict = judge();
    lblmess->setText(verdict.text);
    speak(verdict.text);
    tmrtempo->start();
    if (verdict.right) {
        estrai();
        m_newTaskByConferma.start();
        speak(spokenTask());
    }
}

Random &Exercise::rnd() const
{
    return m_registry.random();
}

const Settings &Exercise::settings() const
{
    return m_registry.settings();
}

void Exercise::tmrtempo_Timer()
{
    lblmess->setText(QString());
}
