#pragma once
// The program's pictures (coin icon, pointing hand) are compiled into the window library.
// A static library's resources are registered only when asked for: the program does it
// once at start, before any window is built, and so do the window tests.

namespace Euro {

// Makes the ":/pecunio/..." files available; calling it again does nothing more.
void registerResources();

} // namespace Euro
