#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Sets (or, given no value, removes) an environment variable for one scope
// and restores it afterwards.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const std::optional<QString> &value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value)
            qputenv(name, value->toUtf8());
        else
            qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};
