#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One entry of a feed, as read from the document.
struct ParsedItem {
    QString title; // markup removed; never empty in a parsed feed
    QString link; // never empty in a parsed feed
    std::optional<QString> summary; // markup removed and cut to 500 characters in RSS and Atom
    std::optional<QDateTime> published; // UTC
    std::optional<QString> sourceName; // the outlet that first carried the entry
    std::optional<QString> sourceURL;

    friend bool operator==(const ParsedItem &, const ParsedItem &) = default;
};
