// SPDX-License-Identifier: GPL-3.0-or-later

#include "topicrules.h"

#include "helpdiagram.h"
#include "topicwords.h"

#include <QLabel>
#include <QPushButton>

const TopicRulesPage::Content TopicRulesPage::Decimals {
    "frmregoledecimali", "Frazioni decimali e numeri decimali",
    "Una frazione con denominatore 10, 100 o 1000 si chiama frazione decimale. Si scrive "
    "come numero decimale: dopo la virgola ci sono tante cifre quanti sono gli zeri del "
    "denominatore.",
    PlaceValueTable {{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QString()}},
    "125/100 = 1,25\n7/10 = 0,7\n37/1000 = 0,037\nLo zero in fondo non serve:\n0,70 = 0,7"};

const TopicRulesPage::Content TopicRulesPage::WholeFromFraction {
    "frmregoleintero", "Dalla frazione all’intero",
    "I 3/4 di un numero sono 60: qual è il numero? Le 3 parti colorate valgono 60. Divido "
    "per il numeratore e trovo quanto vale una parte; moltiplico per il denominatore e trovo "
    "l’intero.",
    PartsBar {4, 3, QStringLiteral("20"), QStringLiteral("60"), QStringLiteral("?")},
    "60 : 3 = 20\n20 x 4 = 80\nIl numero è 80:\ni 3/4 di 80 sono 60."};

const TopicRulesPage::Content TopicRulesPage::Percentages {
    "frmregolepercentuale", "La percentuale",
    "Il 25% vuol dire 25 parti su 100. Per calcolare il 25% di un numero lo divido per 100 e "
    "moltiplico per 25.",
    HundredSquare {25},
    "25% = 25/100 = 1/4\nIl 25% di 80: 80 : 100 x 25 = 20\n50% = 1/2     10% = 1/10"};

TopicRulesPage::TopicRulesPage(const Content &content, const QStringList &pages,
                               const QString &back)
    : RulesPage(QString::fromLatin1(content.name), QString::fromUtf8(content.caption), pages)
{
    // Back to the choice screen the page was opened from, not to the menu.
    disconnect(cmdfine, &QPushButton::clicked, nullptr, nullptr);
    connect(cmdfine, &QPushButton::clicked, this, [this, back] { moveTo(back); });

    Label2 = label("Label2", QString::fromUtf8(content.rule), 480, 1200, 8280, 1215, body,
                   Qt::AlignLeft, Blue);
    Label2->setWordWrap(true);
    Picture1 = new DiagramView(content.diagram, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    addControl(Picture1, {480, 2640, 4560, 3480}, Font::comic(12).boldFace());
    Label3 = label("Label3", QString::fromUtf8(content.examples), 5400, 2760, 4935, 3255,
                   Font::comic(16.5), Qt::AlignLeft, QColor(255, 0, 0));
    title(8175);
    Picture1->setAccessibleName(QStringLiteral("Disegno"));
}

QString TopicRulesPage::reading() const
{
    QStringList text {spokenTopicLine(Label2->text()),
                      QStringLiteral("Disegno: ") + Picture1->accessibleDescription() + '.'};
    for (const QString &line : Label3->text().split(QLatin1Char('\n'))) {
        // Each line a sentence, or a clause that the next line ends.
        QString sentence = spokenTopicLine(line);
        if (!sentence.back().isPunct())
            sentence += QLatin1Char('.');
        text << sentence;
    }
    return text.join(QLatin1Char(' '));
}
