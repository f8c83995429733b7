// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

class QLabel;
class QTimer;
class Random;

// What the six exercise screens share: the random generator, seeded at every
// loading, and the verdict label lblmess that tmrtempo empties.
class Exercise : public Page
{
    Q_OBJECT

public:
    Exercise(Registry &registry, const QString &name, const QString &caption,
             const QColor &background);

    void Form_Load() override;

protected:
    // Builds lblmess: centred, italic, empty at start.
    QLabel *message(int left, int top, int width, int height, const Font &font, const QColor &text);

    // Writes a verdict into lblmess and has a screen reader speak it. The caller enables tmrtempo
    // where its check says so; enabling restarts the period, so every verdict stays readable for
    // the full interval.
    void say(const QString &verdict);

    void tmrtempo_Timer();

    // The registry's generator, asked for at every draw, so that a test can
    // hand in a scripted one at any time.
    Random &rnd() const;

    QLabel *lblmess = nullptr;
    QTimer *tmrtempo = nullptr;
};

// A typed answer or a copied caption is right only when it is exactly the
// plain decimal text of the expected number: nothing is trimmed or parsed.
bool matches(const QString &text, int expected);
