#pragma once
// The windows were laid out for Tahoma and MS Sans Serif metrics. Debian ships both in
// fonts-wine without registering them with fontconfig; the program adds them itself when
// fontconfig does not already know them. Arial resolves to Liberation Sans through fontconfig.

#include <QString>
#include <QStringList>

namespace Euro {

// Folder where fonts-wine installs its fonts.
QString wineFontFolder();

// Registers Tahoma, Tahoma Bold and MS Sans Serif for this process when missing, or only
// those of families when given (the start-up card needs MS Sans Serif alone).
// Returns the families that were added (empty when all were known or none was found).
QStringList registerFonts(const QString &folder = wineFontFolder(), const QStringList &families = {});

} // namespace Euro
