#include "FeedParser.h"

#include "JsonFeedReader.h"
#include "XmlFeedReader.h"

namespace FeedParser {

namespace {

// Many servers print a blank line or two before the XML declaration, which
// XML forbids; feed readers accept such feeds, and so does this one.
QByteArrayView withoutSpaceBeforeDeclaration(QByteArrayView data)
{
    qsizetype start = 0;
    while (start < data.size() && QByteArrayView(" \t\r\n").contains(data[start]))
        ++start;
    const QByteArrayView rest = data.sliced(start);
    return rest.startsWith("<?xml") ? rest : data;
}

}

std::optional<ParsedFeed> parse(QByteArrayView data)
{
    if (std::optional<ParsedFeed> feed = JsonFeedReader::read(data))
        return feed;
    return XmlFeedReader::read(withoutSpaceBeforeDeclaration(data));
}

}
