#pragma once

#include "ConnectTo.h"

#include <QString>

// Routes the process's HTTP requests by entries ("host=address:port,...")
// for one scope, then restores the routing that was in force.
class ScopedConnectTo
{
public:
    explicit ScopedConnectTo(const QString &entries)
        : m_previous(ConnectTo::current())
    {
        ConnectTo::setCurrent(ConnectTo::parse(entries));
    }
    ~ScopedConnectTo() { ConnectTo::setCurrent(m_previous); }
    ScopedConnectTo(const ScopedConnectTo &) = delete;
    ScopedConnectTo &operator=(const ScopedConnectTo &) = delete;

private:
    ConnectTo m_previous;
};
