#pragma once
// Shared test fixtures: fix the clock, use a throw-away settings folder (message boxes:
// support/messagecapture.h, for the tests of the windows).

#include "tape/clock.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace TestSupport {

// While alive, Euro::Now() returns the given time.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &when);
    ~FixedClock();
    FixedClock(const FixedClock &) = delete;
    FixedClock &operator=(const FixedClock &) = delete;
    void set(const QDateTime &when) { *m_when = when; }

private:
    std::shared_ptr<QDateTime> m_when;
    Euro::ClockSource m_previous;
};

// While alive, XDG_CONFIG_HOME (and HOME) point into a fresh temporary folder, so the
// settings store reads and writes there and never touches the real user's settings.
class ThrowAwaySettings
{
public:
    ThrowAwaySettings();
    ~ThrowAwaySettings();
    ThrowAwaySettings(const ThrowAwaySettings &) = delete;
    ThrowAwaySettings &operator=(const ThrowAwaySettings &) = delete;
    QString configHome() const; // the XDG configuration folder in use
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldXdg, m_oldHome;
    bool m_hadXdg = false, m_hadHome = false;
};

// While alive, the environment variable name holds value; unset again after when it was.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace TestSupport
