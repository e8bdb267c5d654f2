#pragma once

#include "ParsedItem.h"

#include <QList>
#include <QString>

// What one document yields: its own title and its usable entries.
struct ParsedFeed {
    QString title; // possibly empty
    QList<ParsedItem> items; // in document order, never empty

    friend bool operator==(const ParsedFeed &, const ParsedFeed &) = default;
};
