// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechservice.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {

// How long the service may take to answer before the program says, once,
// that it does not.
constexpr int patienceMs = 10000;

// What the speech thread and the program both know of the service: whether
// it has answered, and whether the one line on the error output, the first
// time anything goes wrong, has been written.
struct ServiceState
{
    void complain(const QString &what)
    {
        if (!complained.exchange(true))
            std::fputs(qPrintable(QStringLiteral("quotelle: %1\n").arg(what)), stderr);
    }

    // The voice will not be heard at all.
    void fail(const QString &what)
    {
        complain(what);
        if (!failed.exchange(true))
            onFailure();
    }

    std::function<void()> onFailure;
    std::atomic<bool> answered = false;
    std::atomic<bool> complained = false;
    std::atomic<bool> failed = false;
};

// Why the voice is silent, in Italian: the speech plugin explains in English.
QString reasonFor(QTextToSpeech::ErrorReason reason, const QString &system)
{
    switch (reason) {
    case QTextToSpeech::ErrorReason::Initialization:
        return QStringLiteral("il servizio della voce (speech-dispatcher) non risponde");
    case QTextToSpeech::ErrorReason::Configuration:
        return QStringLiteral("il servizio della voce (speech-dispatcher) non ha una voce "
                              "che si possa usare");
    case QTextToSpeech::ErrorReason::Playback:
        return QStringLiteral("il servizio della voce (speech-dispatcher) non riesce a "
                              "parlare");
    case QTextToSpeech::ErrorReason::Input:
        // What speech-dispatcher's plugin says when a text cannot be sent.
        return QStringLiteral("il servizio della voce (speech-dispatcher) non risponde più");
    case QTextToSpeech::ErrorReason::NoError:
        break;
    }
    return system.isEmpty() ? QStringLiteral("il servizio della voce non risponde") : system;
}

// Lives on the speech thread: Qt TextToSpeech is made and used there only.
class SpeechWorker : public QObject
{
public:
    explicit SpeechWorker(std::shared_ptr<ServiceState> state) : m_state(std::move(state)) { }

    void open()
    {
        m_speech = new QTextToSpeech(this);
        m_state->answered = true;
        // A service that lists no voice is not there at all.
        const QList<QLocale> locales = m_speech->availableLocales();
        if (locales.isEmpty()) {
            m_state->fail(QStringLiteral("la voce non è disponibile: %1")
                              .arg(reasonFor(m_speech->errorReason(), m_speech->errorString())));
            return;
        }
        // A service that ends while the program runs leaves it silent; the
        // class is told once, and nothing more is sent its way.
        connect(m_speech, &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason reason, const QString &system) {
                    if (!m_usable)
                        return;
                    m_usable = false;
                    m_state->fail(
                        QStringLiteral("la voce si è fermata: %1").arg(reasonFor(reason, system)));
                });
        // The service starts in the desktop's language, and reports an error
        // when it has no voice for it, which Italian then mends.
        const auto italian =
            std::find_if(locales.begin(), locales.end(), [](const QLocale &locale) {
                return locale.language() == QLocale::Italian;
            });
        if (italian != locales.end())
            m_speech->setLocale(*italian);
        else
            m_state->complain(QStringLiteral("il servizio della voce non ha una voce italiana"));
        m_speech->setRate(m_rate);
        m_usable = true;
    }

    void setRate(double rate)
    {
        m_rate = rate;
        if (m_usable)
            m_speech->setRate(rate);
    }

    void say(const QString &text)
    {
        if (!m_usable)
            return;
        m_speech->stop();
        m_speech->say(text);
    }

    void stop()
    {
        if (m_usable)
            m_speech->stop();
    }

private:
    std::shared_ptr<ServiceState> m_state;
    QTextToSpeech *m_speech = nullptr;
    double m_rate = childRate;
    bool m_usable = false;
};

class SpeechService : public Speaker
{
public:
    explicit SpeechService(std::function<void()> failed)
        : m_thread(std::make_unique<QThread>()), m_worker(new SpeechWorker(m_state))
    {
        m_state->onFailure = std::move(failed);
        m_thread->setObjectName(QStringLiteral("voice"));
        m_worker->moveToThread(m_thread.get());
        QObject::connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread->start();
        QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->open(); });
        m_patience.setSingleShot(true);
        m_patience.callOnTimeout([this] {
            if (!m_state->answered)
                m_state->fail(QStringLiteral("il servizio della voce non risponde"));
        });
        m_patience.start(patienceMs);
    }

    ~SpeechService() override
    {
        // Nothing goes on speaking once the program has ended.
        stop();
        m_thread->quit();
        // A service that never answered holds the thread for good: it is
        // left to end with the program rather than waited for.
        if (!m_thread->wait(QDeadlineTimer(1000)))
            static_cast<void>(m_thread.release());
    }

    void say(const QString &text) override
    {
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, text] { worker->say(text); });
    }

    void stop() override
    {
        QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->stop(); });
    }

    void setRate(double rate) override
    {
        QMetaObject::invokeMethod(m_worker, [worker = m_worker, rate] { worker->setRate(rate); });
    }

private:
    std::shared_ptr<ServiceState> m_state = std::make_shared<ServiceState>();
    std::unique_ptr<QThread> m_thread;
    SpeechWorker *m_worker;
    QTimer m_patience;
};

} // namespace

std::unique_ptr<Speaker> speechService(std::function<void()> failed)
{
    return std::make_unique<SpeechService>(std::move(failed));
}
