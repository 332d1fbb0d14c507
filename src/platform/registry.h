#pragma once
// The program finds the system-information tool through two registry entries. Linux has no
// registry, so the lookups go through this small interface shaped like the three classic
// calls (open a key, query a value, close the key); a stand-in answers them here, and tests
// give their own contents.

#include <QByteArray>
#include <QtGlobal>

namespace Euro {

using RegHandle = quintptr;

// Root keys are given by their classic handle values.
inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;

// Access masks: reading only, and the mask that also asks for write rights.
inline constexpr quint32 KEY_READ = 0x20019u;
inline constexpr quint32 KEY_READ_WRITE = 0x2003Fu;

// Value types.
inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_DWORD = 4;

// Results: 0 is success, anything else a failure.
inline constexpr qint32 ERROR_SUCCESS = 0;
inline constexpr qint32 ERROR_FILE_NOT_FOUND = 2;
inline constexpr qint32 ERROR_ACCESS_DENIED = 5;
inline constexpr qint32 ERROR_INVALID_HANDLE = 6;
inline constexpr qint32 ERROR_MORE_DATA = 234;

class Registry
{
public:
    virtual ~Registry() = default;

    // Opens root\subKey (an 8-bit path with backslashes) with the given access; on success
    // handle receives a key that must be closed. On failure handle is left at 0.
    virtual qint32 openKey(quint32 root, const QByteArray &subKey, quint32 options, quint32 access,
                           RegHandle &handle) = 0;

    // Reads a value: type receives its type; data (size bytes long) receives its bytes and
    // size their count. When the data does not fit, answers ERROR_MORE_DATA with size set
    // to the length needed and leaves data alone.
    virtual qint32 queryValue(RegHandle key, const QByteArray &valueName, quint32 &type, char *data,
                              quint32 &size) = 0;

    virtual qint32 closeKey(RegHandle key) = 0;
};

} // namespace Euro
