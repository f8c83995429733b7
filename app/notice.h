// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Screen;
class Voice;

// Tells the class something it would otherwise never learn: for a few
// seconds in the free place the screen names, and to a screen reader.
// A screen with no free place only has it said.
void showNotice(Screen &screen, Voice &voice, const QString &text);
