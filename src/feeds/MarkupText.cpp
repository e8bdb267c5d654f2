#include "MarkupText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace MarkupText {

namespace {

struct Entity {
    std::u16string_view name;
    char16_t character;
};

constexpr std::array<Entity, 14> entities{{
    {u"&amp;", u'&'},
    {u"&lt;", u'<'},
    {u"&gt;", u'>'},
    {u"&quot;", u'"'},
    {u"&#39;", u'\''},
    {u"&apos;", u'\''},
    {u"&nbsp;", u' '},
    {u"&#8217;", u'\u2019'},
    {u"&#8216;", u'\u2018'},
    {u"&#8220;", u'\u201C'},
    {u"&#8221;", u'\u201D'},
    {u"&#8211;", u'\u2013'},
    {u"&#8212;", u'\u2014'},
    {u"&hellip;", u'\u2026'},
}};

bool opensTag(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!' || c == u'?';
}

// Both passes shorten the text, so they write over it from the front.
std::u16string_view removeTags(std::u16string_view text, char16_t *out)
{
    char16_t *const start = out;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == u'<' && at + 1 < text.size() && opensTag(text[at + 1])) {
            const size_t close = text.find(u'>', at + 2);
            if (close == std::u16string_view::npos) {
                // No ">" follows, so no later "<" opens a tag either.
                out = std::copy(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), out);
                break;
            }
            at = close + 1;
        } else {
            *out++ = text[at++];
        }
    }
    return {start, static_cast<size_t>(out - start)};
}

std::u16string_view decodeEntities(std::u16string_view text, char16_t *out)
{
    char16_t *const start = out;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == u'&') {
            const std::u16string_view rest = text.substr(at);
            const auto entity = std::find_if(entities.begin(), entities.end(),
                                             [rest](const Entity &e) { return rest.starts_with(e.name); });
            if (entity != entities.end()) {
                *out++ = entity->character;
                at += entity->name.size();
                continue;
            }
        }
        *out++ = text[at++];
    }
    return {start, static_cast<size_t>(out - start)};
}

} // namespace

QString clean(QString text)
{
    if (!text.contains(u'<') && !text.contains(u'&'))
        return text;
    char16_t *const data = reinterpret_cast<char16_t *>(text.data());
    std::u16string_view rest(data, static_cast<size_t>(text.size()));
    rest = removeTags(rest, data);
    rest = decodeEntities(rest, data);
    text.truncate(static_cast<qsizetype>(rest.size()));
    return std::move(text).trimmed();
}

}
