// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Registry;

#include <QStringList>

// Teaches the registry how to build each of the twelve screens.
void addScreens(Registry &registry);

// The twelve screens' names, the main menu first.
QStringList screenNames();
