#include "FeedParser.h"

#include <cstddef>
#include <cstdint>

// Any bytes at all: the parser may find no feed in them, but must never
// crash, hang or run out of memory.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<ParsedFeed> feed = FeedParser::parse(QByteArrayView(data, static_cast<qsizetype>(size)));
    // Whatever comes back keeps the promises callers rely on.
    if (feed) {
        if (feed->items.isEmpty())
            __builtin_trap();
        for (const ParsedItem &item : feed->items) {
            if (item.title.isEmpty() || item.link.isEmpty())
                __builtin_trap();
        }
    }
    return 0;
}
