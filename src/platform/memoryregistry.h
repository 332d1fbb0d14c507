#pragma once
// A registry held in memory: keys and values are set by the program itself. It answers like
// the real thing for an ordinary user: keys open for reading only, write rights are refused,
// names are compared without regard to case. It keeps count of the handles it gave out, so
// a caller that forgets to close a key shows up.

#include "platform/registry.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace Euro {

class MemoryRegistry : public Registry
{
public:
    // Stores a value (bytes exactly as given: add the NUL of a text yourself if wanted).
    void setValue(quint32 root, const QByteArray &subKey, const QByteArray &valueName, quint32 type,
                  const QByteArray &data);
    // Makes a key exist without any value.
    void addKey(quint32 root, const QByteArray &subKey);

    qint32 openKey(quint32 root, const QByteArray &subKey, quint32 options, quint32 access,
                   RegHandle &handle) override;
    qint32 queryValue(RegHandle key, const QByteArray &valueName, quint32 &type, char *data,
                      quint32 &size) override;
    qint32 closeKey(RegHandle key) override;

    // Keys opened and not closed yet.
    int openHandleCount() const { return int(m_open.size()); }
    // Every closeKey call, the handle passed included (0 for a key that never opened).
    const QList<RegHandle> &closedHandles() const { return m_closed; }
    // The access masks asked for, in order.
    const QList<quint32> &accessRequested() const { return m_access; }

private:
    struct Value {
        quint32 type = 0;
        QByteArray data;
    };
    using Key = QHash<QByteArray, Value>; // lower-case value name -> value
    static QByteArray keyName(quint32 root, const QByteArray &subKey);

    QHash<QByteArray, Key> m_keys;     // keyName() -> values
    QHash<RegHandle, QByteArray> m_open; // handle -> keyName()
    QList<RegHandle> m_closed;
    QList<quint32> m_access;
    RegHandle m_nextHandle = 0x100;
};

} // namespace Euro
