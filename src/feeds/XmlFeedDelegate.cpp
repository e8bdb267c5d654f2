#include "XmlFeedDelegate.h"

#include "DateFormats.h"
#include "MarkupText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// No field needs more text than this; the rest of a larger text is dropped,
// so that a hostile document cannot make one grow without bound.
constexpr size_t maxTextBytes = 1 << 20;

constexpr qsizetype summaryLength = 500;

const char *attribute(const char *const *attributes, std::string_view name)
{
    for (; *attributes; attributes += 2) {
        if (name == *attributes)
            return attributes[1];
    }
    return nullptr;
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Feed texts are mostly wrapped in ASCII white space, cheap to drop before
// decoding; trimmed() then catches the rest of Unicode's spaces.
QString trimmedText(std::string_view utf8)
{
    while (!utf8.empty() && isAsciiSpace(utf8.front()))
        utf8.remove_prefix(1);
    while (!utf8.empty() && isAsciiSpace(utf8.back()))
        utf8.remove_suffix(1);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return text.trimmed();
}

// The first `count` user-perceived characters, so that a cut never parts a
// letter from its accent or splits a surrogate pair.
QString leadingCharacters(QString text, qsizetype count)
{
    if (text.size() <= count)
        return text;
    // Below U+0300 each code unit but CR (which joins a following LF) is a
    // character of its own. That covers most feed text without the cost of
    // the boundary finder.
    const bool oneUnitEach = std::all_of(text.cbegin(), text.cbegin() + count + 1,
                                         [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
    if (oneUnitEach) {
        text.truncate(count);
        return text;
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype n = 0; n < count && end >= 0; ++n)
        end = characters.toNextBoundary();
    if (end >= 0)
        text.truncate(end);
    return text;
}

} // namespace

void XmlFeedDelegate::startElement(std::string_view name, const char *const *attributes)
{
    clearText();
    // Inside an entry's source element, elements describe the feed the entry
    // was first published in, not the entry.
    const FeedElement element = m_sourceDepth != 0 ? FeedElement::other : feedElement(name);
    m_open.push_back(element);
    if (element == FeedElement::entry) {
        m_current = ParsedItem{};
    } else if (element == FeedElement::source && m_current) {
        m_sourceDepth = m_open.size();
        if (const char *url = attribute(attributes, "url"))
            m_current->sourceURL = QString::fromUtf8(url);
    } else if (element == FeedElement::link && m_current) {
        takeLink(attributes);
    }
    m_collecting = wants(element);
}

void XmlFeedDelegate::endElement()
{
    const FeedElement element = m_open.back();
    m_open.pop_back();
    if (m_collecting)
        take(element, trimmedText(m_text));
    if (element == FeedElement::entry)
        finishEntry();
    if (m_sourceDepth > m_open.size())
        m_sourceDepth = 0;
    clearText();
    m_collecting = !m_open.empty() && wants(m_open.back());
}

void XmlFeedDelegate::characters(std::string_view text)
{
    if (!m_collecting || m_textCut)
        return;
    const size_t room = maxTextBytes - m_text.size();
    if (text.size() > room) {
        // Cut before the character that would not fit whole.
        size_t end = room;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text = text.substr(0, end);
        m_textCut = true;
    }
    m_text.append(text);
}

std::optional<ParsedFeed> XmlFeedDelegate::feed() &&
{
    if (m_items.isEmpty())
        return {};
    return ParsedFeed{.title = std::move(m_feedTitle), .items = std::move(m_items)};
}

// Whether the end of this element, were it the next event, would use the
// text. Only events change the entry, so this holds until the next one.
bool XmlFeedDelegate::wants(FeedElement element) const
{
    if (!m_current)
        return element == FeedElement::title && !m_sawChannelTitle;
    switch (element) {
    case FeedElement::title:
    case FeedElement::source:
        return true;
    case FeedElement::link:
    case FeedElement::identifier:
        return m_current->link.isEmpty();
    case FeedElement::summary:
        return !m_current->summary;
    case FeedElement::date:
        return !m_current->published;
    case FeedElement::entry:
    case FeedElement::other:
        break;
    }
    return false;
}

// The trimmed text of an element that wants() it.
void XmlFeedDelegate::take(FeedElement element, QString value)
{
    if (!m_current) {
        if (!value.isEmpty()) {
            m_feedTitle = MarkupText::clean(std::move(value));
            m_sawChannelTitle = true;
        }
        return;
    }
    switch (element) {
    case FeedElement::title:
        m_current->title = MarkupText::clean(std::move(value));
        break;
    case FeedElement::link:
    case FeedElement::identifier:
        // A guid or id may be a tag: URI or a number; only web addresses are links.
        if (value.startsWith(u"http"))
            m_current->link = std::move(value);
        break;
    case FeedElement::summary:
        if (!value.isEmpty())
            m_current->summary = leadingCharacters(MarkupText::clean(std::move(value)), summaryLength);
        break;
    case FeedElement::date:
        // A date that does not parse leaves room for a later one.
        m_current->published = DateFormats::parse(value);
        break;
    case FeedElement::source:
        if (!value.isEmpty())
            m_current->sourceName = MarkupText::clean(std::move(value));
        break;
    case FeedElement::entry:
    case FeedElement::other:
        break;
    }
}

// Atom's alternate link, which is also what a link without rel means.
void XmlFeedDelegate::takeLink(const char *const *attributes)
{
    const char *href = attribute(attributes, "href");
    if (!href || !m_current->link.isEmpty())
        return;
    const char *rel = attribute(attributes, "rel");
    if (!rel || std::string_view(rel) == "alternate")
        m_current->link = QString::fromUtf8(href);
}

void XmlFeedDelegate::finishEntry()
{
    if (m_current && !m_current->title.isEmpty() && !m_current->link.isEmpty())
        m_items.append(std::move(*m_current));
    m_current.reset();
}

void XmlFeedDelegate::clearText()
{
    m_text.clear();
    m_textCut = false;
}
