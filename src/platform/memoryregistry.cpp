#include "platform/memoryregistry.h"

#include <cstring>

namespace Euro {

QByteArray MemoryRegistry::keyName(quint32 root, const QByteArray &subKey)
{
    return QByteArray::number(root, 16) + '\\' + subKey.toLower();
}

void MemoryRegistry::addKey(quint32 root, const QByteArray &subKey)
{
    m_keys[keyName(root, subKey)];
}

void MemoryRegistry::setValue(quint32 root, const QByteArray &subKey, const QByteArray &valueName, quint32 type,
                              const QByteArray &data)
{
    m_keys[keyName(root, subKey)].insert(valueName.toLower(), Value{type, data});
}

qint32 MemoryRegistry::openKey(quint32 root, const QByteArray &subKey, quint32, quint32 access, RegHandle &handle)
{
    m_access.append(access);
    handle = 0;
    const QByteArray name = keyName(root, subKey);
    if (!m_keys.contains(name))
        return ERROR_FILE_NOT_FOUND;
    // An ordinary user may read these keys, not write them.
    if ((access & ~KEY_READ) != 0)
        return ERROR_ACCESS_DENIED;
    handle = m_nextHandle++;
    m_open.insert(handle, name);
    return ERROR_SUCCESS;
}

qint32 MemoryRegistry::queryValue(RegHandle key, const QByteArray &valueName, quint32 &type, char *data,
                                  quint32 &size)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.cend())
        return ERROR_INVALID_HANDLE;
    const Key &values = m_keys[*open];
    const auto found = values.constFind(valueName.toLower());
    if (found == values.cend())
        return ERROR_FILE_NOT_FOUND;
    const quint32 length = quint32(found->data.size());
    type = found->type;
    if (length > size) {
        size = length;
        return ERROR_MORE_DATA;
    }
    if (length > 0)
        std::memcpy(data, found->data.constData(), length);
    size = length;
    return ERROR_SUCCESS;
}

qint32 MemoryRegistry::closeKey(RegHandle key)
{
    m_closed.append(key);
    return m_open.remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace Euro
