#include "FeedParser.h"

#include "JsonFeedReader.h"
#include "XmlFeedReader.h"

namespace FeedParser {

std::optional<ParsedFeed> parse(QByteArrayView data)
{
    if (std::optional<ParsedFeed> feed = JsonFeedReader::read(data))
        return feed;
    return XmlFeedReader::read(data);
}

}
