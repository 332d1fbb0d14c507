#include "app/instanceguard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Euro {

InstanceGuard::InstanceGuard(const QString &applicationName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_path = folder + QLatin1Char('/') + applicationName + QStringLiteral(".lock");
}

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the lock; the file stays, empty and harmless
}

bool InstanceGuard::tryAcquire()
{
    if (m_held)
        return true;
    if (m_fd < 0) {
        const QByteArray path = QFile::encodeName(m_path);
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0)
            return true; // no guard can be set up: better to run than to refuse
    }
    int rc;
    do {
        rc = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        m_held = true;
        return true;
    }
    return errno != EWOULDBLOCK;
}

} // namespace Euro
