#pragma once

// Look and fonts shared by the program, its tests and its tools.
void prepareApplication();
