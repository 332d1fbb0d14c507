#pragma once
// One running copy of the program per executable name and per user.
//
// The guard is an advisory lock (flock) on a file in the user's runtime folder (or, when that
// is unusable, a folder of the user's own made with owner-only rights in the temporary
// folder), named after the executable. Its files are never opened through a link. The
// kernel drops the lock when the process ends, however it ends, so a crash or a kill never
// leaves a stale guard behind.

#include <QString>

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
    // running process of the same name and user holds it. A guard that cannot be set up
    // at all (no private folder) lets the program run.
    bool tryAcquire();

    QString lockFilePath() const { return m_path; }

    // A refused copy asks the running one to come to the front: it writes a file beside the
    // lock, which the holder of the guard watches.
    void requestRaise() const;
    // While context lives, runs onRequest each time a refused copy asks (holder only).
    void onRaiseRequest(QObject *context, std::function<void()> onRequest) const;

private:
    QString m_path;
    int m_fd = -1;
    bool m_held = false;
};

} // namespace Euro
