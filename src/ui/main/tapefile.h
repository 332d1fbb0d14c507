#pragma once
// Saving the operations tape as a text file to keep: the user names the file in Qt's file
// dialog (the documents folder and "bande-AAAA-MM-JJ.txt" proposed), and it is written in
// UTF-8 with the printed page's heading (name, calculation mode, date), an empty line, then
// the tape's lines as the tape box shows them. A name typed without an extension gets
// ".txt". The file is replaced whole or not at all: a failed write leaves an existing file as
// it was, says why (the system's reason), naming the file, and offers the dialog again.

#include "ui/main/tapeprinter.h"

#include <QString>

class QWidget;

namespace Euro {

// "Pecunio — Calcul en FRF — 10/12/2026", an empty line, then the tape's lines, each ended
// by a line feed.
QString tapeFileText(const QString &tapeText, const PageHeading &heading);

// The documents folder's "bande-2026-12-10.txt", by the program's clock (the home folder's
// when there is no documents folder).
QString proposedTapeFile();

// The dialog, then the file, until it is written or the dialog cancelled; modeLine names
// the calculation's currency when the tape does not. True when the file was written.
bool saveTape(QWidget *owner, const QString &tapeText, const QString &modeLine);

} // namespace Euro
