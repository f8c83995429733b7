// SPDX-License-Identifier: GPL-3.0-or-later

#include "rulespage.h"

#include "spoken.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

RulesPage::RulesPage(const QString &name, const QString &caption, const QStringList &pages)
    : Page(name, caption, 10620, 7185, QColor(255, 255, 128))
{
    fineButton(0);
    Picture2 = pictureBox("Picture2", QStringLiteral("bookworm.svg"), 8880, 120, 1455, 1215);
    const Font key = Font::sans(9.75).boldFace();
    cmdregola3 = button("cmdregola3", QStringLiteral("Re&gola 3"), 9360, 6480, 1095, 495, key, 3);
    cmdregola2 = button("cmdregola2", QStringLiteral("R&egola 2"), 8280, 6480, 1095, 495, key, 2);
    // A little wider than the others, so it overlaps its neighbour by 15
    // twips, and built last, so it lies on top.
    cmdregola1 = button("cmdregola1", QStringLiteral("&Regola 1"), 7080, 6480, 1215, 495, key, 1);
    QPushButton *const buttons[] = {cmdregola1, cmdregola2, cmdregola3};
    for (int k = 0; k < 3; ++k) {
        const QString page = pages.value(k);
        if (page == name)
            buttons[k]->setEnabled(false);
        else
            connect(buttons[k], &QPushButton::clicked, this, [this, page] { moveTo(page); });
    }
}

void RulesPage::title(int width)
{
    Label1 = label("Label1", windowTitle(), 480, 240, width, 615, Font::comic(20.25), Qt::AlignLeft,
                   QColor(192, 0, 192));
}

void RulesPage::Form_Load()
{
    Page::Form_Load();
    speak(reading());
}

QString RulesPage::reading() const
{
    QStringList text;
    for (const Reading &piece : m_reading) {
        if (piece.drawing) {
            text << piece.drawing->accessibleDescription();
            continue;
        }
        text << (piece.denominator
                     ? spokenFraction(piece.text->text().toInt(), piece.denominator->text().toInt())
                     : spokenSigns(piece.text->text()));
    }
    return text.join(QLatin1Char(' '));
}

RulesPage::Reading RulesPage::drawing(QWidget *picture, const QString &description)
{
    picture->setAccessibleDescription(description);
    return {nullptr, nullptr, picture};
}
