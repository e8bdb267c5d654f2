#pragma once

#include <string_view>

// The elements that mean something in RSS, RDF and Atom, whatever their
// case. Names keep their prefix: "dc:date" is a date, "atom:link" is not a
// link.
enum class FeedElement : unsigned char {
    other,
    entry, // item, entry
    title,
    link,
    identifier, // guid, id
    summary, // description, summary, content, content:encoded
    date, // pubdate, published, updated, dc:date
    source,
};

// The element with this qualified name, compared after lower-casing.
FeedElement feedElement(std::string_view qualifiedName);
