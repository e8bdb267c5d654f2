#include "PageTitle.h"

#include "Markup.h"
#include "MarkupText.h"

#include <QStringList>

namespace Discovery {

namespace {

// A name longer than this is a sentence, not a company.
constexpr qsizetype longestName = 60;

constexpr QStringView genericTitleSegments[] = {
    u"home", u"homepage", u"home page", u"welcome", u"index", u"official site", u"official website", u"start",
    u"main",
};

constexpr QStringView separators[] = {
    u" | ", u" \u2013 ", u" \u2014 ", u" \u00B7 ", u" \\ ", u" / ", u" \u00BB ", u" - ", u": ",
};

// The title's text, markup and entities removed and white space collapsed:
// titles written over several lines read as one.
std::optional<QString> titleText(QStringView html)
{
    const QList<QStringView> titles = textElements(html, u"title");
    if (titles.isEmpty())
        return std::nullopt;
    return MarkupText::clean(titles.first().toString()).simplified();
}

bool isGeneric(const QString &piece)
{
    const QString lowered = piece.toLower();
    return std::ranges::find(genericTitleSegments, QStringView(lowered)) != std::end(genericTitleSegments);
}

}

std::optional<QString> title(QStringView html)
{
    const auto text = titleText(html);
    if (!text)
        return std::nullopt;
    QString marked = *text;
    for (const QStringView separator : separators)
        marked.replace(separator.toString(), QStringLiteral("\u0001"));
    QStringList pieces;
    for (const QString &piece : marked.split(u'\u0001')) {
        if (const QString trimmed = piece.trimmed(); !trimmed.isEmpty())
            pieces.append(trimmed);
    }
    QString name = *text;
    if (!pieces.isEmpty()) {
        const auto specific = std::ranges::find_if_not(pieces, isGeneric);
        name = specific != pieces.end() ? *specific : pieces.first();
    }
    // Characters, not UTF-16 units: a name with an emoji is no longer for it.
    if (name.isEmpty() || name.toUcs4().size() > longestName)
        return std::nullopt;
    return name;
}

bool isMissing(QStringView html)
{
    const auto text = titleText(html);
    if (!text)
        return false;
    const QString lowered = text->toLower();
    return lowered.contains(u"404") || lowered.contains(u"not found");
}

}
