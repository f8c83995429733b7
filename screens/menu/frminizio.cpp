// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminizio.h"

#include "picture.h"
#include "picturename.h"

#include <QPushButton>

frminizio::frminizio()
    : Screen(QStringLiteral("frminizio"), QStringLiteral("Le quotelle"), 10620, 7185,
             QColor(255, 255, 128))
{
    cmdripassa = pictureButton("cmdripassa", QStringLiteral("book-quill-inkpot.svg"), 7200, 4440,
                               2055, 1935, 6, QStringLiteral("Ripasso le regole"));
    setControlFont(cmdripassa, Font::sans(13.5));
    cmdesci = button("cmdesci", QStringLiteral("&Esci"), 240, 6600, 855, 375, Font {}, 5);
    setCancel(cmdesci);
    cmdconfronto = pictureButton("cmdconfronto", QStringLiteral("ruler-and-pencil.svg"), 4080, 4440,
                                 2055, 1935, 4, QStringLiteral("Confronto le quotelle"));
    cmdtrovo = pictureButton("cmdtrovo", QStringLiteral("magnifying-glass.svg"), 7200, 2040, 2055,
                             1935, 3, QStringLiteral("Trovo la frazione complementare"));
    cmdcalcolo = pictureButton("cmdcalcolo", QStringLiteral("cup-of-pencils.svg"), 4080, 2040, 2055,
                               1935, 2, QStringLiteral("Calcolo le quotelle"));
    Picture2 = pictureBox("Picture2", QStringLiteral("girl-with-book.svg"), 360, 1560, 2535, 4815);
    Picture1 =
        pictureBox("Picture1", QStringLiteral("title-le-quotelle.svg"), 840, 240, 9015, 1215);
    Image5 = image("Image5", QStringLiteral("credit-banner.svg"), 9240, 6840, 1230, 165);
    Image4 = image("Image4", QStringLiteral("credit-banner.svg"), 9240, 8640, 1230, 165);

    connect(cmdcalcolo, &QPushButton::clicked, this, &frminizio::cmdcalcolo_Click);
    connect(cmdconfronto, &QPushButton::clicked, this, &frminizio::cmdconfronto_Click);
    connect(cmdtrovo, &QPushButton::clicked, this, &frminizio::cmdtrovo_Click);
    connect(cmdripassa, &QPushButton::clicked, this, &frminizio::cmdripassa_Click);
    connect(cmdesci, &QPushButton::clicked, this, &frminizio::cmdesci_Click);
}

// The teacher's window: three keys at once, which no child presses by chance.
bool frminizio::programKey(KeyAction action, bool run)
{
    if (action != KeyAction::Settings)
        return false;
    if (run)
        emit showWanted(QStringLiteral("frmimpostazioni"));
    return true;
}

void frminizio::showNames()
{
    // Each name is as wide as half the way to the next column, so that
    // neighbours never touch; the bands end before the title above and the
    // credit below.
    constexpr int width = 3060;
    for (PictureButton *button : {cmdcalcolo, cmdtrovo, cmdconfronto, cmdripassa}) {
        const QRect picture = designedRect(button);
        const bool topRow = picture.top() < 4000;
        const QRect place(picture.center().x() - width / 2, topRow ? 1470 : 6390, width,
                          topRow ? 555 : 440);
        auto *name = new PictureName(button->toolTip(), this);
        name->setObjectName(button->objectName() + QStringLiteral("_nome"));
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
        name->setPalette(palette);
        addControl(name, place, Font::comic(14).boldFace());
    }
}

void frminizio::cmdcalcolo_Click()
{
    emit showWanted(QStringLiteral("frmscelta"));
}

void frminizio::cmdconfronto_Click()
{
    emit showWanted(QStringLiteral("frmscelta2"));
}

void frminizio::cmdtrovo_Click()
{
    moveTo(QStringLiteral("frmcomplementare"));
}

void frminizio::cmdripassa_Click()
{
    moveTo(QStringLiteral("frmregolecalcola"));
}

void frminizio::cmdesci_Click()
{
    emit endWanted();
}
