#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One feed of a company: a row of the source table.
struct SourceRecord {
    std::optional<qint64> id; // none until stored
    qint64 companyId = 0;
    QString kind; // a SourceKind text; an unknown text is kept as it is
    QString url;
    QString title;
    bool enabled = true; // fetched by the scanner
    std::optional<QString> etag; // validators of the last successful fetch
    std::optional<QString> lastModified;
    std::optional<QDateTime> lastFetchAt; // last recorded fetch, success or failure
    std::optional<QString> lastError; // present while the last fetch failed
    int failureCount = 0; // failures in a row

    friend bool operator==(const SourceRecord &, const SourceRecord &) = default;
};
