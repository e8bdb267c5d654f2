#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One fetched article: a row of the item table. Its identity is its
// canonical url, unique across all companies.
struct ItemRecord {
    std::optional<qint64> id; // none until stored
    qint64 sourceId = 0;
    qint64 companyId = 0;
    QString url;
    QString title;
    std::optional<QString> summary;
    QDateTime publishedAt;
    QDateTime discoveredAt;
    QString clusterKey;
    QString severity; // a Severity text
    QString publisher; // the outlet's domain, empty when none was found
    bool isHidden = false;
    bool isRead = false;

    friend bool operator==(const ItemRecord &, const ItemRecord &) = default;
};
