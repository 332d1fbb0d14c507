#include "app/instanceguard.h"

#include "ui/kit/userfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Euro {

namespace {

// A folder only this user can enter: a real folder (no link), owned by the user, with
// rights for the owner alone. Files in it cannot be swapped for links by another account.
bool isPrivateFolder(const QString &folder)
{
    struct stat info {
    };
    if (folder.isEmpty() || ::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
}

// The folder, made owner-only when it is not there yet (or made so when the user's umask
// left it open); "" unless it is private. One that another account planted, or a link,
// fails the check.
QString ownFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        struct stat info {
        };
        if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 0777) != 0700)
            ::fchmod(fd, 0700);
        ::close(fd);
    }
    return isPrivateFolder(folder) ? folder : QString();
}

struct GuardFolder {
    QString folder;
    QString suffix; // after the application's name in the lock's file name
};

QList<GuardFolder> guardFolders()
{
    QList<GuardFolder> folders;
    // XDG_RUNTIME_DIR itself: Qt's stand-in for an unset one is a folder of the shared
    // temporary folder that differs with TMPDIR.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        folders.append({runtime, QString()});
    if (const QString home = userHomeFolder(); !home.isEmpty()) {
        const QString cache = home + QStringLiteral("/.cache");
        ::mkdir(QFile::encodeName(cache).constData(), 0700); // there already, as a rule
        QString host = QSysInfo::machineHostName();
        host.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (const QString own = ownFolder(cache + QStringLiteral("/pecunio")); !own.isEmpty())
            folders.append({own, QLatin1Char('-') + host});
    }
    if (folders.isEmpty()) {
        const QString own = ownFolder(QDir::tempPath() + QStringLiteral("/pecunio-") + QString::number(::geteuid()));
        if (!own.isEmpty())
            folders.append({own, QString()});
    }
    return folders;
}

// Opens a file of the guard's folder for writing, never through a link.
int openOwnFile(const QString &path, int flags)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

QString raisePath(const QString &lockPath) { return lockPath + QStringLiteral(".raise"); }

} // namespace

InstanceGuard::InstanceGuard(const QString &applicationName)
{
    for (const GuardFolder &place : guardFolders())
        m_paths.append(place.folder + QLatin1Char('/') + applicationName + place.suffix + QStringLiteral(".lock"));
}

InstanceGuard::~InstanceGuard() { release(); }

void InstanceGuard::release()
{
    for (const int fd : std::as_const(m_fds)) {
        if (fd >= 0)
            ::close(fd); // closing releases the lock; the file stays, empty and harmless
    }
    m_fds.clear();
    m_held = false;
}

bool InstanceGuard::tryAcquire()
{
    if (m_held)
        return true;
    release();
    // Every lock, or none: a lock held by another copy in any folder refuses this one.
    for (const QString &path : std::as_const(m_paths)) {
        const int fd = openOwnFile(path, O_RDWR);
        m_fds.append(fd);
        if (fd < 0)
            continue; // this folder cannot hold a guard: the others still do
        int rc;
        do {
            rc = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0 && errno == EWOULDBLOCK) {
            release();
            return false;
        }
    }
    m_held = true; // with no lock at all, too: better to run than to refuse
    return true;
}

void InstanceGuard::requestRaise() const
{
    // The running copy listens on a local socket beside each of its locks; one that answers
    // is enough. A file that is not that copy's socket (a link, a leftover) takes no request.
    for (const QString &path : m_paths) {
        QLocalSocket socket;
        socket.connectToServer(raisePath(path));
        if (!socket.waitForConnected(1000))
            continue;
        socket.write("raise\n");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        return;
    }
}

void InstanceGuard::onRaiseRequest(QObject *context, std::function<void()> onRequest) const
{
    if (!m_held)
        return;
    QList<QLocalServer *> servers;
    for (const QString &lock : m_paths) {
        auto *server = new QLocalServer(context);
        server->setObjectName(raisePath(lock));
        // A crashed copy's socket: only the holder of the guard listens, in a folder of the user's alone.
        QLocalServer::removeServer(server->objectName());
        if (!server->listen(server->objectName())) {
            delete server; // no request can come this way
            continue;
        }
        QObject::connect(server, &QLocalServer::newConnection, context, [server, onRequest] {
            while (QLocalSocket *client = server->nextPendingConnection()) {
                QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                client->disconnectFromServer();
            }
            onRequest();
        });
        servers.append(server);
    }
    if (servers.isEmpty())
        return;
    // A socket file deleted under a running copy would end raising for the run: the copy
    // listens again as soon as its folder changes without it.
    QStringList folders;
    for (const QLocalServer *server : std::as_const(servers))
        folders.append(QFileInfo(server->objectName()).path());
    auto *watcher = new QFileSystemWatcher(folders, context);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, context, [servers] {
        for (QLocalServer *server : servers) {
            if (QFileInfo::exists(server->objectName()))
                continue;
            server->close();
            QLocalServer::removeServer(server->objectName());
            server->listen(server->objectName());
        }
    });
}

} // namespace Euro
