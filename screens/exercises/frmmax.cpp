// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmmax.h"

#include "clickarea.h"
#include "fractionlabels.h"
#include "line.h"
#include "picture.h"
#include "shape.h"

#include <QLabel>
#include <QStringList>

namespace {

const char *const numeratorNames[4] = {"lbln1", "lbln2", "lbln3", "lbln4"};
const char *const denominatorNames[4] = {"lbld1", "lbld2", "lbld3", "lbld4"};
const char *const barNames[4] = {"Line1", "Line2", "Line3", "Line4"};
const char *const ringNames[4] = {"cer1", "cer2", "cer3", "cer4"};
const char *const areaNames[4] = {"sel1", "sel2", "sel3", "sel4"};

// Top left corner of the rectangle around fraction k; its numerator sits
// 240 twips in and 240 down, the bar 600 below that, the denominator 720.
constexpr int cornerLeft[4] = {1200, 3360, 1200, 3360};
constexpr int cornerTop[4] = {2280, 2280, 4320, 4320};

} // namespace

frmmax::frmmax(Registry &registry)
    : Exercise(registry, QStringLiteral("frmmax"), QStringLiteral("Trovo la frazione maggiore"),
               QColor(192, 192, 255))
{
    Picture2 = pictureBox("Picture2", QStringLiteral("banner-maggiore.svg"), 360, 240, 9855, 855);
    Picture1 = pictureBox("Picture1", QStringLiteral("boy-thinking.svg"), 6720, 1560, 3135, 3975);
    Label1 = label("Label1", QStringLiteral("Fai clic con il mouse"), 360, 1320, 3255, 495,
                   Font::comic(15.75).boldFace());
    for (int k = 0; k < 4; ++k) {
        const int x = cornerLeft[k];
        const int y = cornerTop[k];
        lbln[k] = label(numeratorNames[k], QString(), x + 240, y + 240, 615, 495, Font::sans(24),
                        Qt::AlignHCenter);
        lbld[k] = label(denominatorNames[k], QString(), x + 240, y + 960, 615, 495, Font::sans(24),
                        Qt::AlignHCenter);
        bars[k] = line(barNames[k], x + 120, y + 840, x + 960, y + 840, 3);
        cer[k] = shape(ringNames[k], x, y, 1095, 1695, QColor(255, 0, 0), 3, true);
        sel[k] = clickArea(areaNames[k], x, y, 1095, 1695);
        connect(sel[k], &ClickArea::clicked, this, [this, k] { select(k); });
    }
    // The fractions come just before Conferma in the Tab chain.
    clickGroup({sel.begin(), sel.end()}, 2);
    select(-1);
    confermaButton(4800, 3840, 1335, 495, Font {}, 0);
    fineButton(1);
    message(5760, 5880, 4215, 615, Font::comic(18).boldFace(), QColor(0, 0, 255));
}

QString frmmax::spokenTask() const
{
    QStringList fractions;
    for (int k = 0; k < 4; ++k)
        fractions << spoken(task.fraction(k));
    return fractions.join(QStringLiteral(", "));
}

void frmmax::estrai()
{
    showTask(drawLargest(rnd(), settings().maxDenominator()));
}

void frmmax::showTask(const LargestTask &given)
{
    if (scelta >= 0)
        select(-1);
    task = given;
    for (int k = 0; k < 4; ++k)
        showFraction(task.fraction(k), lbln[k], lbld[k], sel[k]);
}

void frmmax::select(int k)
{
    scelta = k;
    for (int ring = 0; ring < 4; ++ring)
        cer[ring]->setVisible(ring == k);
    for (int area = 0; area < 4; ++area)
        sel[area]->setChosen(area == k);
}

frmmax::Verdict frmmax::judge()
{
    const Judgement judgement = ::judge(task, scelta);
    select(-1);
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Hai sbagliato, riprova!"));
}

Help frmmax::helpAt(int level, const Judgement &) const
{
    return help(task, level);
}
