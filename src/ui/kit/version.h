#pragma once
// The program's version, declared once in CMake and shown as "Version 1.0.0".

#include <QString>

namespace Euro {

inline constexpr int VersionMajor = PECUNIO_VERSION_MAJOR;
inline constexpr int VersionMinor = PECUNIO_VERSION_MINOR;
inline constexpr int VersionRevision = PECUNIO_VERSION_PATCH;

// "Version " followed by major.minor.revision, plain decimal integers.
inline QString versionCaption()
{
    return QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace Euro
