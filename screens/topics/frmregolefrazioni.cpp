// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmregolefrazioni.h"

#include "help.h"
#include "partsdrawing.h"
#include "picture.h"
#include "spoken.h"
#include "topics.h"

#include <QLabel>

namespace {

using Outline = PartsDrawing::Outline;

// One drawing: its outline, parts, wholes and coloured parts, and where it lies.
struct Drawn
{
    Outline outline;
    int parts;
    int wholes;
    int coloured;
    QRect place;
};

struct Row
{
    const char *fraction;
    const char *text;
    std::vector<Drawn> drawings;
};

constexpr int firstRow = 1440;
constexpr int rowStep = 1020;

} // namespace

frmregolefrazioni::frmregolefrazioni()
    : Page(QStringLiteral("frmregolefrazioni"), QStringLiteral("Le frazioni: tipi ed equivalenze"),
           10620, 7185, QColor(255, 255, 128))
{
    const Font body = Font::comic(12);
    const QColor blue(0, 0, 255);
    fineButton(0);
    Picture2 = pictureBox("Picture2", QStringLiteral("bookworm.svg"), 8880, 120, 1455, 1215);
    const Row table[] = {
        {"3/4",
         "Una frazione è PROPRIA quando il numeratore è minore del denominatore: è meno di un "
         "intero.",
         {{Outline::Strips, 4, 1, 3, {360, 0, 2880, 600}}}},
        {"5/4",
         "È IMPROPRIA quando il numeratore è maggiore del denominatore, ma non un suo multiplo: è "
         "più di un intero.",
         {{Outline::Strips, 4, 2, 5, {360, 0, 2880, 600}}}},
        {"8/4 = 2",
         "È APPARENTE quando il numeratore è un multiplo del denominatore: è un numero intero, qui "
         "2 interi.",
         {{Outline::Strips, 4, 2, 8, {360, 0, 2880, 600}}}},
        {"2/3 = 4/6",
         "Moltiplicando o dividendo il numeratore e il denominatore per lo stesso numero si ha una "
         "frazione EQUIVALENTE: la stessa parte dell’intero.",
         {{Outline::Strips, 3, 1, 2, {360, -60, 2880, 360}},
          {Outline::Strips, 6, 1, 4, {360, 420, 2880, 360}}}},
        {"3/8",
         "Il denominatore dice in quante parti uguali è diviso l’intero, il numeratore quante "
         "se ne prendono.",
         {{Outline::Sectors, 8, 1, 3, {1320, -60, 900, 900}}}},
    };
    int top = firstRow;
    for (const Row &row : table) {
        Rule rule;
        for (const Drawn &drawn : row.drawings) {
            auto *drawing = new PartsDrawing(this);
            drawing->setShape(drawn.outline, drawn.parts, drawn.wholes);
            drawing->setColoured(drawn.coloured);
            addControl(drawing, drawn.place.translated(0, top));
            rule.drawings.push_back(drawing);
        }
        const int k = int(rules.size()) + 1;
        rule.fraction = label(QStringLiteral("lblfrazione%1").arg(k).toLatin1().constData(),
                              QString::fromUtf8(row.fraction), 3360, top + 60, 1560, 495,
                              Font::comic(15.75).boldFace(), Qt::AlignHCenter, QColor(255, 0, 0));
        rule.text =
            label(QStringLiteral("lblregola%1").arg(k).toLatin1().constData(),
                  QString::fromUtf8(row.text), 4980, top, 5400, 960, body, Qt::AlignLeft, blue);
        rules.push_back(rule);
        top += rowStep;
    }
    Label1 = label("Label1", windowTitle(), 480, 240, 8160, 615, Font::comic(20.25), Qt::AlignLeft,
                   QColor(192, 0, 192));
}

void frmregolefrazioni::Form_Load()
{
    Page::Form_Load();
    speak(reading());
}

QString frmregolefrazioni::reading() const
{
    QStringList text {windowTitle() + QLatin1Char('.')};
    for (const Rule &rule : rules) {
        for (const PartsDrawing *drawing : rule.drawings)
            text << QStringLiteral("Disegno: %1.").arg(drawing->description());
        text << spokenLine(rule.fraction->text()) + QLatin1Char('.')
             << spokenLine(withoutCapitals(rule.text->text()));
    }
    return text.join(QLatin1Char(' '));
}

void frmregolefrazioni::cmdfine_Click()
{
    moveTo(topicsChoice());
}
