#pragma once

class Registry;

// Teaches the registry how to build each of the twelve screens.
void addScreens(Registry &registry);
