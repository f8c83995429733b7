// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <memory>

// Whatever turns text into sound: the desktop's speech service, or a
// stand-in that only listens.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // Starts saying text, in place of whatever was being said.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    // The pace, on the service's scale of −1 to 1.
    virtual void setRate(double rate) { static_cast<void>(rate); }
};

// Somewhat slower than the service's own pace, on its scale of −1 to 1:
// about a child of eight's pace when following a text read aloud.
inline constexpr double childRate = -0.3;

// The desktop's speech service through Qt TextToSpeech, in Italian at a
// pace a child can follow. It is reached on a thread of its own, so that a
// service that is slow to start, or never answers, keeps no window waiting;
// the first failure is told once on the error output, and to failed.
std::unique_ptr<Speaker> speechService(std::function<void()> failed);
