// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "clickarea.h"
#include "screen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <array>

namespace {

const std::array<const char *, 20> cardinals {
    "",         "uno",    "due",         "tre",      "quattro",
    "cinque",   "sei",    "sette",       "otto",     "nove",
    "dieci",    "undici", "dodici",      "tredici",  "quattordici",
    "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
const std::array<const char *, 10> tens {"",          "",         "venti",    "trenta",  "quaranta",
                                         "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};
const std::array<const char *, 11> firstOrdinals {
    "", "", "mezz", "terz", "quart", "quint", "sest", "settim", "ottav", "non", "decim"};

// The Italian word for 1 to 99: the tens lose their vowel before "uno" and
// "otto" (ventuno, trentotto).
QString cardinal(int n)
{
    if (n < 20)
        return QString::fromLatin1(cardinals[n]);
    QString word = QString::fromLatin1(tens[n / 10]);
    const int unit = n % 10;
    if (unit == 1 || unit == 8)
        word.chop(1);
    return word + QString::fromLatin1(cardinals[unit]);
}

// The ordinal's stem, to which "o" or "i" is added: up to ten a word of
// its own, then the number word without its last vowel and "esim", except
// that a final "tre" or "sei" keeps its vowel (ventitreesimo, trentaseiesimo).
QString ordinalStem(int n)
{
    if (n <= 10)
        return QString::fromLatin1(firstOrdinals[n]);
    QString word = cardinal(n);
    if (!(n > 20 && (n % 10 == 3 || n % 10 == 6)))
        word.chop(1);
    return word + QStringLiteral("esim");
}

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Announcer *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *screen) : QAccessibleWidget(screen, QAccessible::Window) { }
};

class ClickAreaAccessible : public QAccessibleWidget
{
public:
    explicit ClickAreaAccessible(ClickArea *area) : QAccessibleWidget(area, QAccessible::Button) { }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isVisible() && widget()->isEnabled())
            static_cast<ClickArea *>(widget())->click();
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *area = qobject_cast<ClickArea *>(object))
        return new ClickAreaAccessible(area);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    if (auto *screen = qobject_cast<Screen *>(object))
        return new WindowAccessible(screen);
    return nullptr;
}

} // namespace

QString spokenFraction(int numerator, int denominator)
{
    if (denominator < 2 || denominator > 99 || numerator < 0)
        return QStringLiteral("%1 su %2").arg(numerator).arg(denominator);
    if (numerator == 1)
        return QStringLiteral("un ") + ordinalStem(denominator) + QLatin1Char('o');
    return QString::number(numerator) + QLatin1Char(' ') + ordinalStem(denominator)
        + QLatin1Char('i');
}

void describeFraction(QLabel *numerator, QLabel *denominator)
{
    bool numeratorRead = false;
    bool denominatorRead = false;
    const int n = numerator->text().toInt(&numeratorRead);
    const int d = denominator->text().toInt(&denominatorRead);
    const QString fraction = numeratorRead && denominatorRead ? spokenFraction(n, d) : QString();
    numerator->setAccessibleDescription(fraction);
    denominator->setAccessibleDescription(fraction);
}

Announcer::Announcer(QWidget *screen) : QWidget(screen)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
    m_text = text;
    // Showing it again is what has a screen reader speak it, even when the
    // text is the same as last time.
    hide();
    show();
}

void installAccessibility()
{
    QAccessible::installFactory(accessibleFor);
}
