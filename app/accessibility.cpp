// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "clickarea.h"
#include "spoken.h"
#include "voice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace {

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

const char *const partOfFraction = "partOfFraction";

// A label is read by the text it shows, unless it is a number of a fraction
// that has an object of its own: that one reads the whole fraction.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->property(partOfFraction).toBool())
            state.invisible = true;
        return state;
    }
};

// A group with a title is no panel of its own: its options are already
// labelled by its title, and a screen reader would say it twice.
class GroupAccessible : public QAccessibleWidget
{
public:
    explicit GroupAccessible(QGroupBox *group) : QAccessibleWidget(group, QAccessible::Client) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(static_cast<const QGroupBox *>(widget())->title())
                .remove(QLatin1Char('&'));
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

    // A choice that stays chosen is one of a set of radio buttons.
    QAccessible::Role role() const override
    {
        return static_cast<const ClickArea *>(widget())->isChoice() ? QAccessible::RadioButton
                                                                    : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *area = static_cast<const ClickArea *>(widget());
        state.checkable = area->isChoice();
        state.checked = area->isChosen();
        return state;
    }

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
    if (auto *label = qobject_cast<QLabel *>(object); label && label->pixmap().isNull())
        return new LabelAccessible(label);
    if (auto *group = qobject_cast<QGroupBox *>(object); group && !group->title().isEmpty())
        return new GroupAccessible(group);
    // A top-level window is one of the screens; tooltips and menus are not.
    if (auto *window = qobject_cast<QWidget *>(object);
        window && window->windowType() == Qt::Window)
        return new WindowAccessible(window);
    return nullptr;
}

} // namespace

void describeFraction(QLabel *numerator, QLabel *denominator, QWidget *bar)
{
    bool numeratorRead = false;
    bool denominatorRead = false;
    const int n = numerator->text().toInt(&numeratorRead);
    const int d = denominator->text().toInt(&denominatorRead);
    const QString fraction = numeratorRead && denominatorRead ? spokenFraction(n, d) : QString();
    numerator->setAccessibleDescription(fraction);
    denominator->setAccessibleDescription(fraction);
    if (bar) {
        bar->setAccessibleName(fraction);
        keepInFraction(numerator);
        keepInFraction(denominator);
    }
}

void keepInFraction(QLabel *number)
{
    number->setProperty(partOfFraction, true);
}

Announcer::Announcer(QWidget *window, Voice &voice) : QWidget(window), m_voice(voice)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
    window->installEventFilter(this);
}

void Announcer::say(const QString &text)
{
    m_toSay << text;
    m_toVoice << text;
    if (m_toVoice.size() == 1) {
        QTimer::singleShot(0, this, [this] {
            m_voice.speak(m_toVoice.join(QLatin1Char(' ')), window());
            m_toVoice.clear();
        });
    }
    sayWhenActive();
}

void Announcer::sayToScreenReader(const QString &text)
{
    m_toSay << text;
    sayWhenActive();
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && watched == parent())
        sayWhenActive();
    return false;
}

void Announcer::sayWhenActive()
{
    if (m_toSay.isEmpty() || !window()->isActiveWindow())
        return;
    // Whatever else this handler says joins the same announcement.
    QTimer::singleShot(0, this, [this] {
        if (m_toSay.isEmpty())
            return;
        announce(m_toSay.join(QLatin1Char(' ')));
        m_toSay.clear();
    });
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
