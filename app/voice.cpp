// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice.h"

#include "spoken.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QWidget>

namespace {

// A clear step either side of the child's pace, for a teacher who finds it
// too slow or a child who needs it slower still.
constexpr double paceStep = 0.3;

const QString a11yService = QStringLiteral("org.a11y.Bus");
const QString a11yPath = QStringLiteral("/org/a11y/bus");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString a11yStatus = QStringLiteral("org.a11y.Status");
const QString screenReaderEnabled = QStringLiteral("ScreenReaderEnabled");

double rateFor(Pace pace)
{
    switch (pace) {
    case Pace::Slow:
        return childRate - paceStep;
    case Pace::Fast:
        return childRate + paceStep;
    case Pace::Normal:
        break;
    }
    return childRate;
}

} // namespace

Voice::Voice(QObject *parent) : QObject(parent), m_rate(childRate), m_factory(speechService) { }

Voice::~Voice() = default;

void Voice::setOn(bool on)
{
    m_on = on;
    if (!on)
        return;
    watchScreenReader();
    if (!m_screenReader)
        speaker();
}

void Voice::setPace(Pace pace)
{
    m_rate = rateFor(pace);
    if (m_speaker)
        m_speaker->setRate(m_rate);
}

void Voice::speak(const QString &text, const QObject *from)
{
    if (m_on)
        read(text, from);
}

void Voice::read(const QString &text, const QObject *from)
{
    watchScreenReader();
    if (m_screenReader || text.isEmpty())
        return;
    m_speaking = from;
    speaker().say(withoutCapitals(text));
}

void Voice::stop(const QObject *from)
{
    if (m_speaker && m_speaking && m_speaking == from) {
        m_speaker->stop();
        m_speaking = nullptr;
    }
}

void Voice::setSpeakerFactory(SpeakerFactory factory)
{
    m_factory = std::move(factory);
    m_speaker.reset();
}

Speaker &Voice::speaker()
{
    if (!m_speaker) {
        m_speaker = m_factory(
            [this] { QMetaObject::invokeMethod(this, &Voice::unavailable, Qt::QueuedConnection); });
        if (m_rate != childRate)
            m_speaker->setRate(m_rate);
    }
    return *m_speaker;
}

void Voice::watchScreenReader()
{
    if (std::exchange(m_watching, true))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(a11yService, a11yPath, propertiesInterface, QStringLiteral("PropertiesChanged"),
                this, SLOT(accessibilityStatusChanged(QString, QVariantMap)));
    QDBusMessage get = QDBusMessage::createMethodCall(a11yService, a11yPath, propertiesInterface,
                                                      QStringLiteral("Get"));
    get << a11yStatus << screenReaderEnabled;
    // Asked once and at once, so that not a word is said over a screen
    // reader; a bus that is slow to answer is not waited for long.
    const QDBusReply<QDBusVariant> reply = bus.call(get, QDBus::Block, 250);
    if (reply.isValid())
        m_screenReader = reply.value().variant().toBool();
}

void Voice::setScreenReaderRunning(bool running)
{
    m_screenReader = running;
    if (running && m_speaker)
        m_speaker->stop();
}

void Voice::accessibilityStatusChanged(const QString &interface, const QVariantMap &changed)
{
    if (interface == a11yStatus && changed.contains(screenReaderEnabled))
        setScreenReaderRunning(changed.value(screenReaderEnabled).toBool());
}
