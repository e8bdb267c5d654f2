#include "FeedElement.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>

namespace {

struct Name {
    std::string_view text;
    FeedElement element;
};

constexpr std::array<Name, 15> names{{
    {"item", FeedElement::entry},
    {"entry", FeedElement::entry},
    {"title", FeedElement::title},
    {"link", FeedElement::link},
    {"guid", FeedElement::identifier},
    {"id", FeedElement::identifier},
    {"description", FeedElement::summary},
    {"summary", FeedElement::summary},
    {"content", FeedElement::summary},
    {"content:encoded", FeedElement::summary},
    {"pubdate", FeedElement::date},
    {"published", FeedElement::date},
    {"updated", FeedElement::date},
    {"dc:date", FeedElement::date},
    {"source", FeedElement::source},
}};

constexpr size_t longestName = std::max_element(names.begin(), names.end(), [](const Name &a, const Name &b) {
                                   return a.text.size() < b.text.size();
                               })->text.size();

FeedElement lookUp(std::string_view lowerName)
{
    const auto found = std::find_if(names.begin(), names.end(), [lowerName](const Name &n) { return n.text == lowerName; });
    return found == names.end() ? FeedElement::other : found->element;
}

} // namespace

FeedElement feedElement(std::string_view qualifiedName)
{
    // Runs for every element of every document, so ASCII names, nearly all
    // of them, are lower-cased on the stack without building a string.
    const bool ascii = std::all_of(qualifiedName.begin(), qualifiedName.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        if (qualifiedName.size() > longestName)
            return FeedElement::other;
        std::array<char, longestName> lower{};
        std::transform(qualifiedName.begin(), qualifiedName.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; });
        return lookUp({lower.data(), qualifiedName.size()});
    }
    // Full Unicode lower-casing: the Kelvin sign in "LINK" lower-cases to "k".
    const QByteArray lower = QString::fromUtf8(qualifiedName.data(), static_cast<qsizetype>(qualifiedName.size()))
                                 .toLower()
                                 .toUtf8();
    return lookUp({lower.constData(), static_cast<size_t>(lower.size())});
}
