#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Reading tags out of web pages in time linear in the page's size, whatever
// the markup: each tag is found by a forward scan and only its own text is
// searched, so thousands of unclosed tags cannot make a page slow to read.
// Names compare without regard to case, as in HTML.
namespace Discovery {

// One start tag as written, from its "<" to its ">".
class Tag
{
public:
    explicit Tag(QStringView text)
        : m_text(text)
    {
    }

    [[nodiscard]] QStringView text() const { return m_text; }

    // The first non-empty quoted value written as name="…" or name='…'
    // anywhere in the tag (so "href" also finds the end of "data-href").
    [[nodiscard]] std::optional<QString> value(QStringView name) const;

    // Whether some name in the tag has the quoted value word.
    [[nodiscard]] bool hasValue(QStringView name, QStringView word) const;

    // Whether some name=… in the tag, its value quoted or not, begins with
    // word.
    [[nodiscard]] bool valueStartsWith(QStringView name, QStringView word) const;

    // Whether some name=… in the tag, its value quoted or not, contains word.
    [[nodiscard]] bool valueContains(QStringView name, QStringView word) const;

private:
    QStringView m_text;
};

// The start tags of the element name (such as "link"), each from its "<" to
// the next ">", in document order. Scanning goes on after each tag's ">", so
// tags never overlap; text after the last ">" holds no tag.
QList<Tag> startTags(QStringView html, QStringView name);

// The text of each element name that holds text only, in document order:
// what lies between its start tag and the "</" + name + ">" that directly
// follows the text.
QList<QStringView> textElements(QStringView html, QStringView name);

}
