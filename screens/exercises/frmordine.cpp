// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmordine.h"

#include "accessibility.h"
#include "clickarea.h"
#include "fractionlabels.h"
#include "line.h"
#include "picture.h"
#include "shape.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace {

const QColor pink(255, 192, 192);
constexpr std::array<int, 5> columnLeft {720, 1920, 3120, 4320, 5520};

} // namespace

frmordine::frmordine(Registry &registry)
    : Exercise(registry, QStringLiteral("frmordine"), QStringLiteral("Metto in ordine le quotelle"),
               pink)
{
    static const char *const lblnNames[] = {"lbln1", "lbln2", "lbln3", "lbln4", "lbln5"};
    static const char *const topLineNames[] = {"line6", "line7", "line8", "line9", "line10"};
    static const char *const lbldNames[] = {"lbld1", "lbld2", "lbld3", "lbld4", "lbld5"};
    static const char *const imgNames[] = {"img1", "img2", "img3", "img4", "img5"};
    static const char *const shapeNames[] = {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5"};
    static const int shapeLeft[] = {1680, 480, 2880, 4080, 5280};
    static const char *const lblrnNames[] = {"lblrn1", "lblrn2", "lblrn3", "lblrn4", "lblrn5"};
    static const char *const placeLineNames[] = {"line1", "line2", "line3", "line4", "line5"};
    static const char *const lblrdNames[] = {"lblrd1", "lblrd2", "lblrd3", "lblrd4", "lblrd5"};
    const Font number = Font::sans(24);

    Picture1 = pictureBox("Picture1", QStringLiteral("banner-ordine.svg"), 1200, 240, 8175, 855);
    Picture2 =
        pictureBox("Picture2", QStringLiteral("boy-hands-on-hips.svg"), 7200, 1560, 2895, 3255);
    for (int k = 0; k < 5; ++k) {
        const int left = columnLeft[k];
        lbln[k] = label(lblnNames[k], QString(), left, 1800, 615, 495, number, Qt::AlignHCenter,
                        Qt::black, pink);
        topLine[k] = line(topLineNames[k], left - 120, 2400, left + 720, 2400, 3);
        lbld[k] = label(lbldNames[k], QString(), left, 2520, 615, 495, number, Qt::AlignHCenter,
                        Qt::black, pink);
        img[k] = clickArea(imgNames[k], left - 120, 1680, 855, 1455);
    }
    // The fractions come just before Conferma in the Tab chain.
    clickGroup({img.begin(), img.end()}, 24);
    for (int k = 0; k < 5; ++k)
        shapes[k] = shape(shapeNames[k], shapeLeft[k], 3600, 1095, 1455, Qt::black, 2);
    for (int s = 0; s < 5; ++s) {
        const int left = columnLeft[s];
        lblrn[s] = label(lblrnNames[s], QString(), left, 3720, 615, 495, number, Qt::AlignHCenter,
                         Qt::black, Qt::white);
        placeLine[s] = line(placeLineNames[s], left - 120, 4320, left + 720, 4320, 3);
        placeLine[s]->hide();
        lblrd[s] = label(lblrdNames[s], QString(), left, 4440, 615, 495, number, Qt::AlignHCenter,
                         Qt::black, Qt::white);
    }
    message(720, 5520, 5415, 735, Font::comic(24), QColor(0, 0, 255));
    confermaButton(6360, 5520, 1215, 495, Font::sans(9.75), 25);
    cmdannulla = button("cmdannulla", QStringLiteral("&Annulla"), 6360, 6120, 1215, 495,
                        Font::sans(9.75), 14);
    fineButton(3);
    Frame1 = frame("Frame1", QStringLiteral("Ordine"), 7920, 5280, 2415, 1575, Font::comic(14.25));
    optcre = option(Frame1, "optcre", QStringLiteral("Crescente"), 240, 480, 1815, 375,
                    Font::comic(14.25), 1);
    optdecre = option(Frame1, "optdecre", QStringLiteral("Decrescente"), 240, 960, 2055, 375,
                      Font::comic(14.25), 2);

    for (int k = 0; k < 5; ++k)
        connect(img[k], &ClickArea::clicked, this, [this, k] { img_Click(k); });
    // An option reorders whenever it becomes the selected one, by mouse,
    // arrow keys or at load; choosing the selected one again changes nothing.
    connect(optcre, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optcre_Click();
    });
    connect(optdecre, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optdecre_Click();
    });
    connect(cmdannulla, &QPushButton::clicked, this, &frmordine::cmdannulla_Click);
}

void frmordine::Form_Load()
{
    // An order the teacher fixed is the only one, from the first task on.
    if (const std::optional<Direction> fixed = settings().fixedOrder()) {
        (*fixed == Direction::Ascending ? optdecre : optcre)->setEnabled(false);
        (*fixed == Direction::Ascending ? optcre : optdecre)->setChecked(true);
    }
    Exercise::Form_Load();
    // "Crescente" takes the focus at open; in this toolkit focus alone does
    // not select an option, so select it here.
    if (optcre->isEnabled())
        optcre->setChecked(true);
}

QString frmordine::spokenTask() const
{
    // The top row as drawn, whichever order the answer places expect.
    QStringList fractions;
    for (int k = 0; k < 5; ++k)
        fractions << spoken(m_task.fraction(k));
    return fractions.join(QStringLiteral(", ")) + QStringLiteral("; in ordine ")
        + (optdecre->isChecked() ? QStringLiteral("decrescente") : QStringLiteral("crescente"));
}

void frmordine::estrai()
{
    showTask(drawOrder(rnd(), optdecre->isChecked() ? Direction::Descending : Direction::Ascending,
                       settings().maxDenominator()));
}

void frmordine::showTask(const OrderTask &given)
{
    if (!placed.empty())
        azzera();
    m_task = given;
    (given.direction == Direction::Descending ? optdecre : optcre)->setChecked(true);
    // The top row in draw order.
    for (int k = 0; k < 5; ++k)
        showFraction(m_task.fraction(k), lbln[k], lbld[k], img[k]);
}

void frmordine::ordina(Direction direction)
{
    m_task.direction = direction;
    helpChanged();
}

void frmordine::img_Click(int k)
{
    // A placed fraction has no click area left; it cannot move twice.
    if (img[k]->isHidden() || placed.size() == 5)
        return;
    const std::size_t s = placed.size();
    placed.push_back(k);
    showFraction(m_task.fraction(k), lblrn[s], lblrd[s], placeLine[s]);
    lbln[k]->hide();
    lbld[k]->hide();
    img[k]->hide();
    placeLine[s]->show();
    topLine[k]->hide();
    // Only the layout shows where it went.
    speak(spoken(m_task.fraction(k)) + QStringLiteral(" al ") + ordinalMasculine(int(s) + 1)
          + QStringLiteral(" posto"));
}

QString frmordine::reading() const
{
    if (placed.empty())
        return Exercise::reading();
    QStringList order;
    for (int k : placed)
        order << spoken(m_task.fraction(k));
    return spokenTask() + QStringLiteral(". In ordine finora: ") + order.join(QStringLiteral(", "))
        + QLatin1Char('.') + Exercise::reading().mid(spokenTask().size());
}

void frmordine::optcre_Click()
{
    ordina(Direction::Ascending);
}

void frmordine::optdecre_Click()
{
    ordina(Direction::Descending);
}

frmordine::Verdict frmordine::judge()
{
    const Judgement judgement = ::judge(m_task, placed);
    azzera();
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmordine::helpAt(int level, const Judgement &) const
{
    return help(m_task, level);
}

void frmordine::cmdannulla_Click()
{
    azzera();
    speak(QStringLiteral("I posti sono di nuovo vuoti."));
}

void frmordine::azzera()
{
    placed.clear();
    for (QLabel *numerator : lblrn)
        numerator->setText(QString());
    for (QLabel *denominator : lblrd)
        denominator->setText(QString());
    for (int s = 0; s < 5; ++s) {
        describeFraction(lblrn[s], lblrd[s]);
        placeLine[s]->setAccessibleName(QString());
    }
    for (Line *bar : placeLine)
        bar->hide();
    for (QLabel *numerator : lbln)
        numerator->show();
    for (QLabel *denominator : lbld)
        denominator->show();
    for (Line *bar : topLine)
        bar->show();
    for (ClickArea *area : img)
        area->show();
}
