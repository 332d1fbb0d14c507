#pragma once
// One running copy of the program per executable name and per user.
//
// The guard is an advisory lock (flock) on a file named after the executable, taken in each
// folder private to the user that it finds: the runtime folder (XDG_RUNTIME_DIR), and
// ".cache/pecunio" in the home folder, which a copy started without a runtime folder (from
// a terminal of another session, by su, by a service) finds just the same. The file in the
// home carries the machine's name, so that a home shared between machines holds one copy
// per machine. Only when neither folder is usable, a folder of the user's own in the
// temporary folder serves. Every folder is checked (a real folder, the user's, owner-only)
// and its files are never opened through a link. The kernel drops the locks when the process
// ends, however it ends, so a crash or a kill never leaves a stale guard behind.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace Euro {

class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &applicationName);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // True when this process now holds the guard (or already did); false when another
    // running process of the same name and user holds it in any of its folders. A guard
    // that cannot be set up at all (no private folder) lets the program run.
    bool tryAcquire();

    // The lock files, in the order they are taken.
    QStringList lockFilePaths() const { return m_paths; }

    // A refused copy asks the running one to come to the front: it connects to the local
    // socket the holder of the guard listens on beside its locks.
    void requestRaise() const;
    // While context lives, runs onRequest each time a refused copy asks (holder only).
    void onRaiseRequest(QObject *context, std::function<void()> onRequest) const;

private:
    void release();

    QStringList m_paths;
    QList<int> m_fds; // one per path once tried, -1 when it could not be opened
    bool m_held = false;
};

} // namespace Euro
