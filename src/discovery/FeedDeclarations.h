#pragma once

#include "SourceKind.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QUrl>

// The feeds a page declares in its head.
namespace Discovery {

// A feed as the page declares it.
struct DeclaredFeed {
    QString href; // as written
    QString title;

    friend bool operator==(const DeclaredFeed &, const DeclaredFeed &) = default;
};

// A feed found for a company: declared, guessed or the news search.
struct FoundFeed {
    SourceKind kind = SourceKind::press;
    QString url; // absolute http(s)
    QString title;

    friend bool operator==(const FoundFeed &, const FoundFeed &) = default;
};

// The RSS, Atom and JSON feeds the page's alternate links declare, in
// document order: translations (hreflang) and comment feeds left out,
// "Feed" the title of an untitled one.
QList<DeclaredFeed> declaredFeeds(QStringView html);

// The declared feeds made absolute against the page's final address and
// classified.
QList<FoundFeed> declared(QStringView html, const QUrl &base);

// What a feed is about, judged from its address and title.
SourceKind kind(QStringView url, QStringView title);

}
