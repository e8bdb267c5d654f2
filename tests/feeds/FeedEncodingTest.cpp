#include "FeedParser.h"
#include "FeedTesting.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray document(const QByteArray &declaration, const QByteArray &title)
{
    return declaration + "<rss><channel><item><title>" + title
        + "</title><link>https://acme.com/1</link></item></channel></rss>";
}

QByteArray declaring(const char *encoding, const QByteArray &title)
{
    return document(QByteArray("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>", title);
}

std::optional<QString> title(const QByteArray &document)
{
    const std::optional<ParsedFeed> feed = FeedParser::parse(document);
    return feed ? std::optional(feed->items.first().title) : std::nullopt;
}

QByteArray utf16(QStringConverter::Encoding encoding, QStringConverter::Flags flags, const QString &text)
{
    QStringEncoder encoder(encoding, flags);
    return encoder(text);
}

} // namespace

TEST(FeedEncoding, FollowsTheByteOrderMark)
{
    const QString text = QString::fromUtf8(document("<?xml version=\"1.0\"?>", "Caf\u00e9 \u65e5\u672c \U0001F4C8"));
    const QString expected = u"Caf\u00e9 \u65e5\u672c \U0001F4C8"_s;
    EXPECT_EQ(title("\xEF\xBB\xBF" + text.toUtf8()), expected);
    EXPECT_EQ(title(utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom, text)), expected);
    EXPECT_EQ(title(utf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom, text)), expected);
    EXPECT_EQ(title(utf16(QStringConverter::Utf16LE, QStringConverter::Flag::Default, text)), expected);
}

TEST(FeedEncoding, FollowsTheDeclaration)
{
    struct Case {
        const char *encoding;
        QByteArray title;
        QString expected;
    };
    for (const Case &c : {
             Case{"UTF-8", "Caf\xC3\xA9", u"Caf\u00e9"_s},
             Case{"ISO-8859-1", "Caf\xE9", u"Caf\u00e9"_s},
             Case{"latin1", "<![CDATA[Caf\xE9]]>", u"Caf\u00e9"_s},
             Case{"windows-1252", "\x93Quoted\x94 \x80 5", u"\u201cQuoted\u201d \u20ac 5"_s},
             Case{"ISO-8859-7", "\xC1\xE8\xE7\xED\xE1", u"\u0391\u03b8\u03b7\u03bd\u03b1"_s},
             Case{"KOI8-R", "\xED\xCF\xD3\xCB\xD7\xC1", u"\u041c\u043e\u0441\u043a\u0432\u0430"_s},
             // Trail bytes may fall in the ASCII range: 0x7B is "{".
             Case{"Shift_JIS", "\x93\xFA\x96\x7B", u"\u65e5\u672c"_s},
             Case{"EUC-KR", "\xC7\xD1\xB1\xB9", u"\ud55c\uad6d"_s},
         }) {
        SCOPED_TRACE(c.encoding);
        EXPECT_EQ(title(declaring(c.encoding, c.title)), c.expected);
    }
}

TEST(FeedEncoding, RejectsBytesTheEncodingDoesNotHave)
{
    EXPECT_EQ(title(declaring("UTF-8", "Caf\xE9")), std::nullopt);
    EXPECT_EQ(title(declaring("ISO-8859-7", "Unmapped \xFF")), std::nullopt);
    EXPECT_EQ(title(declaring("Shift_JIS", "Half \x93")), std::nullopt);
    EXPECT_EQ(title(declaring("bogus", "Plain")), std::nullopt);
    // Multi-byte encodings with sequences of three bytes or more are not read.
    EXPECT_EQ(title(declaring("EUC-JP", "Plain")), std::nullopt);
}
