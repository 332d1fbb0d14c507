#pragma once
// The program's pictures (coin icon, pointing hand) are compiled into the window library.
// A static library's resources are registered only when asked for: the program does it
// once at start, before any window is built, and so do the window tests.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Euro {

// Makes the ":/pecunio/..." files available; calling it again does nothing more.
void registerResources();

// A PNG picture read as PNG straight away. Left to guess the format, the image reader
// would load each of Qt's image plug-ins (GIF, ICO, JPEG...) to ask it first.
QPixmap pngPixmap(const QString &path);

// The coin, in every size it is drawn at (32, 48, 64 and 96 pixels): Qt picks the one
// nearest to the size asked for, a window's icon or About's picture at the zoom in force.
QIcon coinIcon();

} // namespace Euro
