#pragma once

#include "ParsedFeed.h"

#include <QByteArrayView>

#include <optional>

// RSS, RDF and Atom through expat, without namespace processing: names
// arrive as written ("dc:date"). The encoding comes from the byte-order mark
// or the XML declaration. Nothing outside the document is ever loaded, and
// entity expansion is bounded.
namespace XmlFeedReader {

// Nothing when the document is not well formed, even after complete entries.
std::optional<ParsedFeed> read(QByteArrayView data);

}
