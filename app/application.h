// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Look and fonts shared by the program, its tests and its tools.
void prepareApplication();

// Until QApplication has its display, Qt's own messages are held back:
// with no display it would abort with English advice to reinstall, where
// whoever started the program needs one line in Italian and status 1.
void holdDisplayMessages();
// The display is there: what was held back is written as ever.
void releaseDisplayMessages();
