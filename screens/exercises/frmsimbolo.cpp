// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmsimbolo.h"

#include "fractionlabels.h"
#include "line.h"
#include "picture.h"
#include "shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace {

const char *const numeratorNames[6][2] = {{"lbln11", "lbln12"}, {"lbln21", "lbln22"},
                                          {"lbln31", "lbln32"}, {"lbln41", "lbln42"},
                                          {"lbln51", "lbln52"}, {"lbln61", "lbln62"}};
const char *const denominatorNames[6][2] = {{"lbld11", "lbld12"}, {"lbld21", "lbld22"},
                                            {"lbld31", "lbld32"}, {"lbld41", "lbld42"},
                                            {"lbld51", "lbld52"}, {"lbld61", "lbld62"}};
const char *const barNames[12] = {"Line1", "Line2", "Line3", "Line4",  "Line5",  "Line6",
                                  "Line7", "Line8", "Line9", "Line10", "Line11", "Line12"};
const char *const boxNames[6] = {"txtsim1", "txtsim2", "txtsim3", "txtsim4", "txtsim5", "txtsim6"};

// The pairs stand in two columns of three rows; the second fraction of a
// pair is 1800 twips to the right of the first, the box between them (the
// middle row's boxes sit a little higher than the others).
constexpr int columnLeft[2] = {4320, 7680};
constexpr int rowTop[3] = {1560, 3000, 4440};
constexpr int boxTop[3] = {1920, 3240, 4800};
constexpr int fractionStep = 1800;

} // namespace

frmsimbolo::frmsimbolo(Registry &registry)
    : Exercise(registry, QStringLiteral("frmsimbolo"),
               QStringLiteral("Inserisci il simbolo giusto"), QColor(255, 192, 128))
{
    Picture2 = pictureBox("Picture2", QStringLiteral("banner-simboli.svg"), 240, 360, 10095, 615);
    Picture1 = pictureBox("Picture1", QStringLiteral("boy-arms-spread.svg"), 240, 1200, 2895, 4215);
    for (int p = 0; p < 6; ++p) {
        const int left = columnLeft[p % 2];
        const int top = rowTop[p / 2];
        for (int f = 0; f < 2; ++f) {
            const int x = left + f * fractionStep;
            lbln[p][f] = label(numeratorNames[p][f], QString(), x, top, 615, 495, Font::sans(24),
                               Qt::AlignHCenter);
            lbld[p][f] = label(denominatorNames[p][f], QString(), x, top + 720, 615, 495,
                               Font::sans(24), Qt::AlignHCenter);
            bars[2 * p + f] = line(barNames[2 * p + f], x - 120, top + 600, x + 720, top + 600, 3);
        }
        txtsim[p] = textBox(boxNames[p], left + 840, boxTop[p / 2], 735, 555, Font::sans(24), p);
    }
    confermaButton(840, 5760, 1695, 495, Font {}, 6);
    fineButton(7);
    // Blue as on the other exercises: yellow on this orange could not be read.
    message(4320, 6120, 5775, 615, Font::comic(21.75), QColor(0, 0, 255));
    setPadKeys({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">")});
}

// All six pairs, in the order Tab reaches their boxes.
QString frmsimbolo::spokenTask() const
{
    QStringList pairs;
    for (const auto &[first, second] : coppie)
        pairs << spoken(first) + QStringLiteral(" e ") + spoken(second);
    return pairs.join(QStringLiteral("; "));
}

void frmsimbolo::estrai()
{
    showTask(drawSymbolTask(rnd(), settings().maxDenominator()));
}

void frmsimbolo::showTask(const SymbolTask &given)
{
    coppie = given;
    for (int p = 0; p < 6; ++p) {
        const auto [first, second] = coppie[p];
        showFraction(first, lbln[p][0], lbld[p][0], bars[2 * p]);
        showFraction(second, lbln[p][1], lbld[p][1], bars[2 * p + 1]);
        txtsim[p]->setAccessibleName(
            QStringLiteral("simbolo tra %1 e %2").arg(spoken(first), spoken(second)));
    }
    // New pairs start with empty boxes, the cursor in the first.
    for (QLineEdit *box : txtsim)
        box->clear();
    txtsim[0]->setFocus(Qt::OtherFocusReason);
}

frmsimbolo::Verdict frmsimbolo::judge()
{
    std::array<QString, 6> symbols;
    for (int p = 0; p < 6; ++p)
        symbols[p] = txtsim[p]->text();
    const Judgement judgement = ::judge(coppie, symbols);
    emptyWrong(judgement, {txtsim.begin(), txtsim.end()});
    if (!judgement.allRight())
        txtsim[0]->setFocus(Qt::OtherFocusReason);
    return verdict(judgement, QStringLiteral("Bravissimo!"), QStringLiteral("Sbagliato, riprova!"));
}

Help frmsimbolo::helpAt(int level, const Judgement &last) const
{
    return help(coppie, last, level);
}

// A frame around both fractions and the box between them, in the help's
// blue, so that "la terza coppia" is found at a glance.
void frmsimbolo::markHelped(int pair)
{
    if (pair < 0 || pair >= 6) {
        if (helpedPair)
            helpedPair->hide();
        return;
    }
    const QRect around(columnLeft[pair % 2] - 180, rowTop[pair / 2] - 60, fractionStep + 960, 1335);
    if (!helpedPair)
        helpedPair = shape("helpedPair", around.left(), around.top(), around.width(),
                           around.height(), QColor(30, 90, 200), 3);
    else
        moveControl(helpedPair, around);
    helpedPair->show();
}
