#pragma once

#include <QString>

#include <optional>

// One outlet of the catalog, the master list of publishers.
struct CatalogRecord {
    std::optional<qint64> id; // none until stored
    QString domain; // unique
    QString name; // for learned outlets, the domain itself
    QString category; // a SourceCategory text
    bool enabled = false; // the outlet is shown
    bool isCustom = false; // added by hand
    QString paywall = QStringLiteral("none"); // a Paywall text

    friend bool operator==(const CatalogRecord &, const CatalogRecord &) = default;
};
