#include "app/instanceguard.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileSystemWatcher>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Euro {

namespace {

// A folder only this user can enter: a real folder (no link), owned by the user, with no
// rights for anyone else. Files in it cannot be swapped for links by another account.
bool isPrivateFolder(const QString &folder)
{
    struct stat info {};
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// The user's runtime folder; when it is unusable, a folder of the user's own in the shared
// temporary folder, made with owner-only rights. "" when neither is private.
QString guardFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (isPrivateFolder(runtime))
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/pecunio-") + QString::number(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700); // one planted by another account fails the check below
    return isPrivateFolder(own) ? own : QString();
}

// Opens a file of the guard's folder for writing, never through a link.
int openOwnFile(const QString &path, int flags)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

} // namespace

InstanceGuard::InstanceGuard(const QString &applicationName)
{
    const QString folder = guardFolder();
    if (!folder.isEmpty())
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
        if (!m_path.isEmpty())
            m_fd = openOwnFile(m_path, O_RDWR);
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
    if (m_path.isEmpty())
        return;
    const int fd = openOwnFile(raisePath(m_path), O_WRONLY | O_TRUNC);
    if (fd < 0)
        return;
    const QByteArray stamp = QByteArray::number(QDateTime::currentMSecsSinceEpoch()); // a change to watch
    [[maybe_unused]] const ssize_t written = ::write(fd, stamp.constData(), size_t(stamp.size()));
    ::close(fd);
}

void InstanceGuard::onRaiseRequest(QObject *context, std::function<void()> onRequest) const
{
    if (!m_held)
        return;
    const QString path = raisePath(m_path);
    const int fd = openOwnFile(path, O_WRONLY | O_TRUNC);
    if (fd < 0)
        return; // no request can come: the program runs without
    ::close(fd);
    auto *watcher = new QFileSystemWatcher({path}, context);
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, context, [watcher, path, onRequest] {
        if (!watcher->files().contains(path))
            watcher->addPath(path); // a file written anew may drop the watch
        onRequest();
    });
}

} // namespace Euro
