// SPDX-License-Identifier: GPL-3.0-or-later

#include "rulespage.h"

#include "spoken.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace {

const char *const pages[] = {"frmregolecalcola", "frmregolecomplementare", "frmregoleconfronto"};

} // namespace

RulesPage::RulesPage(Registry &registry, const QString &name, const QString &caption)
    : Page(registry, name, caption, 10620, 7185, QColor(255, 255, 128))
{ }

void RulesPage::Form_Load()
{
    Page::Form_Load();
    QStringList text;
    for (const Reading &piece : m_reading) {
        text << (piece.denominator
                     ? spokenFraction(piece.text->text().toInt(), piece.denominator->text().toInt())
                     : spokenSigns(piece.text->text()));
    }
    speak(text.join(QLatin1Char(' ')));
}

void RulesPage::regolaButtons(int own)
{
    const Font key = Font::sans(9.75).boldFace();
    cmdregola3 = button("cmdregola3", QStringLiteral("Re&gola 3"), 9360, 6480, 1095, 495, key, 3);
    cmdregola2 = button("cmdregola2", QStringLiteral("R&egola 2"), 8280, 6480, 1095, 495, key, 2);
    // A little wider than the others, so it overlaps its neighbour by 15
    // twips, and built last, so it lies on top.
    cmdregola1 = button("cmdregola1", QStringLiteral("&Regola 1"), 7080, 6480, 1215, 495, key, 1);
    QPushButton *const buttons[] = {cmdregola1, cmdregola2, cmdregola3};
    for (int k = 0; k < 3; ++k) {
        QPushButton *regola = buttons[k];
        if (k + 1 == own) {
            regola->setEnabled(false);
            continue;
        }
        const QString page = QString::fromLatin1(pages[k]);
        connect(regola, &QPushButton::clicked, this, [this, page] { moveTo(page); });
    }
}
