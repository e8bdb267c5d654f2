#pragma once

#include "ParsedFeed.h"

#include <QByteArrayView>

#include <optional>

// JSON Feed (jsonfeed.org): an object whose "items" are objects with a "url".
// Texts are taken as they are: JSON Feed carries no escaped markup.
namespace JsonFeedReader {

// Nothing when the bytes are not such an object or no item has a "url".
std::optional<ParsedFeed> read(QByteArrayView data);

}
