// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Registry;

#include <QStringList>

#include <optional>

// What a screen is for: the main menu, a small choice between exercises, an
// exercise or a page of rules.
enum class Kind { Menu, Choice, Exercise, RulesPage };

// Teaches the registry how to build each of the twelve screens, the
// teacher's window and the topics the teacher may switch on.
void addScreens(Registry &registry);

// The teacher's window, which no child's screen leads to but the menu's
// Ctrl+Alt+I.
QString teacherScreen();

// The names of the twelve screens, or of those of one kind, the main menu first.
QStringList screenNames(std::optional<Kind> kind = {});
