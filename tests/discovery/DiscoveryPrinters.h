#pragma once

#include "DiscoveryResult.h"
#include "LinkHunt.h"
#include "PageLinks.h"
#include "Profiles.h"
#include "QtPrinters.h"

#include <ostream>

// Discovery's values as failure messages show them.
namespace Discovery {

inline void PrintTo(const FoundFeed &feed, std::ostream *out)
{
    *out << '(' << toText(feed.kind).toStdString() << ", " << feed.url.toStdString() << ", "
         << feed.title.toStdString() << ')';
}

inline void PrintTo(const DeclaredFeed &feed, std::ostream *out)
{
    *out << '(' << feed.href.toStdString() << ", " << feed.title.toStdString() << ')';
}

inline void PrintTo(const FoundLink &link, std::ostream *out)
{
    *out << '(' << toText(link.kind).toStdString() << ", " << link.url.toStdString() << ')';
}

inline void PrintTo(const Anchor &anchor, std::ostream *out)
{
    *out << '(' << anchor.href.toStdString() << ", " << anchor.text.toStdString() << ')';
}

inline void PrintTo(const Profile &profile, std::ostream *out)
{
    *out << '(' << profile.url.toStdString() << ", rank " << profile.rank << ')';
}

inline void PrintTo(const LinkHunt::Candidate &candidate, std::ostream *out)
{
    *out << '(' << candidate.score << ", " << candidate.url.toStdString() << ')';
}

}
