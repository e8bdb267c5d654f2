#include "FeedTesting.h"
#include "MarkupText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char16_t *input;
    const char16_t *expected;
};

void expectCleaned(std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        const QString input = QString::fromUtf16(c.input);
        EXPECT_EQ(MarkupText::clean(input), QString::fromUtf16(c.expected)) << input.toStdString();
    }
}

} // namespace

TEST(MarkupText, LeavesTextWithoutMarkupAlone)
{
    // Untouched, not even trimmed: the caller trims before cleaning.
    expectCleaned({{u"Acme raises $5M", u"Acme raises $5M"}, {u"  spaced  ", u"  spaced  "}, {u"", u""}});
}

TEST(MarkupText, RemovesTagsCommentsAndInstructions)
{
    expectCleaned({
        {u"<p>Acme <b>beats</b> estimates</p>", u"Acme beats estimates"},
        {u"Line<br/>break", u"Linebreak"},
        {u"<a href=\"https://acme.com/x?a=1&b=2\"\ntarget=\"_blank\">link</a>", u"link"},
        {u"<!-- teaser -->Text<?php echo 1 ?>", u"Text"},
        {u"  <div> padded </div>\n", u"padded"},
        {u"<img src=x>", u""},
    });
}

TEST(MarkupText, KeepsAngleBracketsThatOpenNoTag)
{
    expectCleaned({
        {u"Revenue < $5M as costs > plan", u"Revenue < $5M as costs > plan"},
        {u"I <3 feeds", u"I <3 feeds"},
        {u"a <b and no closing bracket", u"a <b and no closing bracket"},
        {u"x << <i>y</i>", u"x << y"},
        {u"<>", u"<>"},
    });
}

TEST(MarkupText, DecodesTheFourteenEntities)
{
    expectCleaned({
        {u"&amp;&lt;&gt;&quot;&#39;&apos;", u"&<>\"''"},
        {u"a&nbsp;b", u"a b"},
        {u"&#8216;&#8217;&#8220;&#8221;&#8211;&#8212;&hellip;", u"\u2018\u2019\u201C\u201D\u2013\u2014\u2026"},
        {u"&nbsp;trimmed after decoding&nbsp;", u"trimmed after decoding"},
    });
}

TEST(MarkupText, DecodesNothingElseAndOnlyOnce)
{
    expectCleaned({
        {u"&copy; &#169; &#x2019; &AMP; &amp", u"&copy; &#169; &#x2019; &AMP; &amp"},
        {u"&amp;lt;", u"&lt;"},
        // Tags go first, so escaped markup is shown as text.
        {u"&lt;b&gt;bold&lt;/b&gt;", u"<b>bold</b>"},
        // A tag between the halves of an entity leaves a whole entity behind.
        {u"Tom &am<i></i>p; Jerry", u"Tom & Jerry"},
    });
}
