#include "support/testsupport.h"

#include <QDir>
#include <QtGlobal>

namespace TestSupport {

FixedClock::FixedClock(const QDateTime &when)
    : m_when(std::make_shared<QDateTime>(when))
{
    m_previous = Euro::installClock([w = m_when] { return *w; });
}

FixedClock::~FixedClock() { Euro::installClock(std::move(m_previous)); }

ThrowAwaySettings::ThrowAwaySettings()
{
    m_hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_oldXdg = qgetenv("XDG_CONFIG_HOME");
    m_hadHome = qEnvironmentVariableIsSet("HOME");
    m_oldHome = qgetenv("HOME");
    QDir(m_dir.path()).mkpath(QStringLiteral(".config"));
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
}

ThrowAwaySettings::~ThrowAwaySettings()
{
    if (m_hadXdg)
        qputenv("XDG_CONFIG_HOME", m_oldXdg);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (m_hadHome)
        qputenv("HOME", m_oldHome);
    else
        qunsetenv("HOME");
}

QString ThrowAwaySettings::configHome() const { return m_dir.path() + QStringLiteral("/.config"); }

ScopedEnv::ScopedEnv(const char *name, const QByteArray &value)
    : m_name(name)
    , m_old(qgetenv(name))
    , m_wasSet(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_wasSet)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

} // namespace TestSupport
