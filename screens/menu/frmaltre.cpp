// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmaltre.h"

#include "voice.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// The buttons of the comparison's choice screen, three to a row.
constexpr int buttonWidth = 1935;
constexpr int buttonHeight = 855;
constexpr int gap = 240;
constexpr int margin = 360;
constexpr int firstTop = 1200;

} // namespace

frmaltre::frmaltre(const std::vector<Choice> &topics, const QString &rules)
    : Page(QStringLiteral("frmaltre"), QStringLiteral("Altre quotelle"),
           2 * margin
               + std::clamp(int(topics.size()) + !rules.isEmpty(), 2, 3) * (buttonWidth + gap)
               - gap,
           firstTop + (int(topics.size()) + !rules.isEmpty() + 2) / 3 * (buttonHeight + gap) + 735,
           QColor(255, 192, 255))
{
    const int columns = std::clamp(int(topics.size()) + !rules.isEmpty(), 2, 3);
    const int width = designedSize().width();
    int cell = 0;
    const auto place = [&](const char *name, const QString &caption) {
        QPushButton *button =
            this->button(name, caption, margin + cell % columns * (buttonWidth + gap),
                         firstTop + cell / columns * (buttonHeight + gap), buttonWidth,
                         buttonHeight, Font::comic(12), cell + 1);
        ++cell;
        return button;
    };
    for (const Choice &topic : topics) {
        // "cmdequivalenti" opens frmequivalenti.
        const QByteArray name = "cmd" + topic.screen.mid(3).toLatin1();
        QPushButton *button = place(name.constData(), topic.caption);
        connect(button, &QPushButton::clicked, this, [this, topic] { choose(topic.screen); });
        choices.push_back(button);
    }
    if (!rules.isEmpty()) {
        cmdregole = place("cmdregole", QStringLiteral("Le re&gole"));
        connect(cmdregole, &QPushButton::clicked, this, [this, rules] { choose(rules); });
    }
    fineButton(cell + 1);
    moveControl(cmdfine, QRect(240, designedSize().height() - 615, 855, 375));
    Label1 = label("Label1", QStringLiteral("SCEGLI !"), margin, 240, width - 2 * margin, 615,
                   Font::comic(24).boldFace(), Qt::AlignHCenter, QColor(255, 0, 0));
    // The question is the window's, as on the other choice screens.
    setAccessibleDescription(Label1->text());
}

void frmaltre::choose(const QString &screen)
{
    moveTo(screen);
    emit unloadWanted(QStringLiteral("frminizio"));
}

void frmaltre::Form_Load()
{
    Page::Form_Load();
    voice()->speak(reading(), this);
}
