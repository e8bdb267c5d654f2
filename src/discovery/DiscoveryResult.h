#pragma once

#include "FeedDeclarations.h"
#include "LinkHunt.h"

#include <QList>
#include <QString>

#include <optional>

namespace Discovery {

// What a discovery run found for a company.
struct DiscoveryResult {
    QString name; // read from the home page's title when it gives one
    QList<FoundFeed> feeds; // distinct by url; the news search first
    std::optional<QString> logo; // absolute address
    QList<FoundLink> links; // the website first

    friend bool operator==(const DiscoveryResult &, const DiscoveryResult &) = default;
};

}
