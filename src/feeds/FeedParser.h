#pragma once

#include "ParsedFeed.h"

#include <QByteArrayView>

#include <optional>

namespace FeedParser {

// Reads a JSON Feed, or any RSS, RDF or Atom document, from its raw bytes.
// Nothing when the bytes are not a feed: not well-formed, or without one
// entry that has both a title and a link. Safe to call from several
// threads at once.
std::optional<ParsedFeed> parse(QByteArrayView data);

}
