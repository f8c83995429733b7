// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

#include "accessibility.h"
#include "screen.h"

#include <QLabel>
#include <QTimer>

namespace {

// Long enough to read twice, short enough not to stay in the way.
constexpr int shownMs = 8000;

} // namespace

void showNotice(Screen &screen, Voice &voice, const QString &text)
{
    (new Announcer(&screen, voice))->say(text);
    const std::optional<QRect> place = screen.noticePlace();
    if (!place)
        return;
    auto *notice = new QLabel(text, &screen);
    notice->setObjectName(QStringLiteral("avviso"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    QPalette palette = notice->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    notice->setPalette(palette);
    screen.addControl(notice, *place, Font::sans(9).boldFace());
    notice->show();
    QTimer::singleShot(shownMs, notice, &QObject::deleteLater);
}
