#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// Sends the requests for chosen hosts to another server, so that tests and
// benchmarks can serve any site from a local plain-HTTP server. Written as
// comma-separated "host=address:port" entries; the host "*" stands for every
// host not named. A routed request goes over plain HTTP to address:port with
// the original Host header; everyone above the HTTP client keeps seeing the
// original addresses.
class ConnectTo
{
public:
    struct Target {
        QString address;
        quint16 port = 0;

        friend bool operator==(const Target &, const Target &) = default;
    };

    // Malformed entries are skipped; a later entry for a host replaces an
    // earlier one.
    static ConnectTo parse(QStringView text);

    [[nodiscard]] bool isEmpty() const { return m_targets.isEmpty(); }

    // Where requests for host go, or nothing when they go to the host itself.
    [[nodiscard]] std::optional<Target> target(const QString &host) const;

    // The address a request for url is really sent to: url itself unless its
    // host is mapped.
    [[nodiscard]] QUrl route(const QUrl &url) const;

    // The mapping every HTTP client of the process applies: read once from
    // PELMOR_DEBUG_CONNECT_TO, replaceable in-process by tests.
    static ConnectTo current();
    static void setCurrent(const ConnectTo &connectTo);

private:
    QHash<QString, Target> m_targets;
};
