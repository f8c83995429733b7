// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmsimbolo.h"

#include "accessibility.h"
#include "spoken.h"
#include "line.h"
#include "picture.h"
#include "random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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
    cmdconferma =
        button("cmdconferma", QStringLiteral("&Conferma"), 840, 5760, 1695, 495, Font {}, 6);
    fineButton(7);
    message(4320, 6120, 5775, 615, Font::comic(21.75), QColor(255, 255, 0));

    connect(cmdconferma, &QPushButton::clicked, this, &frmsimbolo::cmdconferma_Click);
}

void frmsimbolo::Form_Load()
{
    Exercise::Form_Load();
    for (int p = 0; p < 6; ++p) {
        inventa();
        showPair(p);
    }
    speakTask();
}

// The first pair: each box says its own pair when it takes the focus.
QString frmsimbolo::spokenTask() const
{
    return QStringLiteral("%1 e %2").arg(
        spokenFraction(lbln[0][0]->text().toInt(), lbld[0][0]->text().toInt()),
        spokenFraction(lbln[0][1]->text().toInt(), lbld[0][1]->text().toInt()));
}

void frmsimbolo::inventa()
{
    // The kind is drawn once; a rejected attempt draws all four numbers again.
    tipo = rnd().draw(2);
    int cont = 0;
    while (cont != 2) {
        cont = 0;
        num1 = rnd().draw(9);
        den1 = rnd().draw(99);
        num2 = rnd().draw(9);
        den2 = rnd().draw(99);
        if (tipo == 1)
            num2 = num1;
        if (tipo == 2)
            den2 = den1;
        if (num1 < den1)
            ++cont;
        if (num2 < den2)
            ++cont;
    }
}

void frmsimbolo::showPair(int p)
{
    lbln[p][0]->setText(QString::number(num1));
    lbld[p][0]->setText(QString::number(den1));
    lbln[p][1]->setText(QString::number(num2));
    lbld[p][1]->setText(QString::number(den2));
    describeFraction(lbln[p][0], lbld[p][0]);
    describeFraction(lbln[p][1], lbld[p][1]);
    txtsim[p]->setAccessibleName(QStringLiteral("simbolo tra %1 e %2")
                                     .arg(spokenFraction(num1, den1), spokenFraction(num2, den2)));
}

QString symbolBetween(int a, int b, int c, int d)
{
    QString simbolo;
    if (a == c && b > d)
        simbolo = QStringLiteral("<");
    if (a == c && b < d)
        simbolo = QStringLiteral(">");
    if (b == d && a < c)
        simbolo = QStringLiteral("<");
    if (b == d && a > c)
        simbolo = QStringLiteral(">");
    if (b == d && a == c)
        simbolo = QStringLiteral("=");
    return simbolo;
}

void frmsimbolo::cmdconferma_Click()
{
    if (isSecondPressOfADoubleClick())
        return;
    int esatte = 0;
    for (int p = 0; p < 6; ++p) {
        // The labels hold the numbers; they are the program's own digits.
        const QString simbolo =
            symbolBetween(lbln[p][0]->text().toInt(), lbld[p][0]->text().toInt(),
                          lbln[p][1]->text().toInt(), lbld[p][1]->text().toInt());
        if (txtsim[p]->text() == simbolo)
            ++esatte;
        else
            txtsim[p]->clear();
    }
    tmrtempo->start();
    if (esatte != 6)
        say(QStringLiteral("Sbagliato, riprova!"));
    if (esatte == 6) {
        say(QStringLiteral("Bravissimo!"));
        for (int p = 0; p < 6; ++p) {
            inventa();
            showPair(p);
        }
        for (QLineEdit *box : txtsim)
            box->clear();
        newTaskByConferma();
    }
    txtsim[0]->setFocus(Qt::OtherFocusReason);
}
