#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace Ranking {

// An absolute address cut into its parts exactly as written, as views into
// the parsed text. QUrl in strict mode decides what is an address (it must
// have a scheme and a host), but its parts are not used: it lower-cases the
// host and re-encodes the query, and both must stay as the publisher wrote
// them.
struct UrlText {
    QStringView head; // scheme, user part, host and port: "https://Host:8080"
    QStringView host;
    QStringView path;
    std::optional<QStringView> query; // without its "?"; none without a "?"

    // None when QUrl rejects the text or finds no scheme or host.
    static std::optional<UrlText> parse(const QString &text);
};

// One parameter of a query: its text as written, its name percent-decoded
// for comparison, and its value as written (none without "=").
struct QueryParameter {
    QStringView text;
    QString name;
    std::optional<QStringView> value;
};

// The parameters of a query in order. Empty pieces ("a=1&&b=2", a bare
// "?") name no parameter and are left out.
QList<QueryParameter> queryParameters(QStringView query);

QString percentDecoded(QStringView text);

}
