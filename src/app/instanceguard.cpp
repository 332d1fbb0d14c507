#include "app/instanceguard.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileSystemWatcher>
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

namespace {
QString raisePath(const QString &lockPath) { return lockPath + QStringLiteral(".raise"); }
} // namespace

void InstanceGuard::requestRaise() const
{
    QFile request(raisePath(m_path));
    if (request.open(QIODevice::WriteOnly | QIODevice::Truncate))
        request.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch())); // a change to watch
}

void InstanceGuard::onRaiseRequest(QObject *context, std::function<void()> onRequest) const
{
    if (!m_held)
        return;
    const QString path = raisePath(m_path);
    QFile request(path);
    if (!request.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return; // no request can come: the program runs without
    request.close();
    auto *watcher = new QFileSystemWatcher({path}, context);
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, context, [watcher, path, onRequest] {
        if (!watcher->files().contains(path))
            watcher->addPath(path); // a file written anew may drop the watch
        onRequest();
    });
}

} // namespace Euro
