#pragma once

#include "FeedElement.h"
#include "ParsedFeed.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the events of one RSS, RDF or Atom document add up to, whichever
// parser reports them: element names as written, prefix included, and
// character data in UTF-8. Entries are "item" or "entry" elements; each is
// kept when it has both a title and a link. One delegate reads one document.
class XmlFeedDelegate
{
public:
    // `attributes` alternates names and values and ends with a null.
    void startElement(std::string_view name, const char *const *attributes);
    void endElement();
    void characters(std::string_view text);

    // The feed read so far; nothing without a complete entry.
    std::optional<ParsedFeed> feed() &&;

private:
    [[nodiscard]] bool wants(FeedElement element) const;
    void take(FeedElement element, QString value);
    void takeLink(const char *const *attributes);
    void finishEntry();
    void clearText();

    QString m_feedTitle;
    QList<ParsedItem> m_items;
    std::optional<ParsedItem> m_current; // the entry being read
    bool m_sawChannelTitle = false;

    std::vector<FeedElement> m_open; // the open elements, innermost last
    size_t m_sourceDepth = 0; // of the current entry's open source element, 0 when none

    // Character data since the last element start or end. Only the end of the
    // innermost open element can use it, so it is kept only when that end
    // will (m_collecting), and only up to a bound (m_textCut once reached).
    std::string m_text;
    bool m_collecting = false;
    bool m_textCut = false;
};
