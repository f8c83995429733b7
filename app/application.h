// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Look and fonts shared by the program, its tests and its tools.
void prepareApplication();
