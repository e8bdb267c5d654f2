#include "Profiles.h"

#include <QStringList>

namespace Discovery {

namespace {

constexpr QStringView sharingMarkers[] = {
    u"/share",   u"/sharer",   u"sharer.php", u"share.php",     u"/intent/", u"sharearticle",
    u"shareopenurl", u"sharing/share", u"/pin/create", u"/dialog/", u"/plugins/", u"/login",
    u"/signin",  u"/sign-in",  u"/signup",    u"/sign-up",      u"/oauth",
};

// Where each service's profiles canonically live.
constexpr QStringView linkedinHost = u"https://www.linkedin.com";
constexpr QStringView xHost = u"https://x.com";
constexpr QStringView facebookHost = u"https://www.facebook.com";
constexpr QStringView instagramHost = u"https://www.instagram.com";
constexpr QStringView youtubeHost = u"https://www.youtube.com";
constexpr QStringView youtubeShortHost = u"youtu.be";
constexpr QStringView githubHost = u"https://github.com";
constexpr QStringView crunchbaseHost = u"https://www.crunchbase.com";

bool isOneOf(const QString &word, std::initializer_list<QStringView> words)
{
    return std::ranges::find(words, QStringView(word)) != words.end();
}

std::optional<Profile> linkedin(const QStringList &segments)
{
    if (segments.size() < 2)
        return std::nullopt;
    const QString first = segments[0].toLower();
    if (isOneOf(first, {u"company", u"school", u"showcase"}))
        return Profile{linkedinHost + u'/' + first + u'/' + segments[1], 0};
    if (first == u"in")
        return Profile{linkedinHost + QStringLiteral("/in/") + segments[1], 1};
    return std::nullopt;
}

std::optional<Profile> x(const QStringList &segments)
{
    if (isOneOf(segments[0].toLower(), {u"intent", u"share", u"home", u"login", u"i", u"hashtag", u"search",
                                        u"explore", u"privacy", u"tos", u"settings", u"messages"}))
        return std::nullopt;
    return Profile{xHost + u'/' + segments[0], 0};
}

std::optional<Profile> facebook(const QStringList &segments, const QString &query)
{
    const QString first = segments[0].toLower();
    if (first == u"pages" && segments.size() >= 3)
        return Profile{facebookHost + QStringLiteral("/pages/") + segments[1] + u'/' + segments[2], 0};
    if (first == u"profile.php" && !query.isEmpty())
        return Profile{facebookHost + QStringLiteral("/profile.php?") + query, 0};
    if (isOneOf(first, {u"sharer", u"share", u"dialog", u"plugins", u"tr", u"pages", u"profile.php"}))
        return std::nullopt;
    return Profile{facebookHost + u'/' + segments[0], 0};
}

std::optional<Profile> instagram(const QStringList &segments)
{
    if (isOneOf(segments[0].toLower(), {u"p", u"reel", u"reels", u"tv", u"explore", u"accounts", u"stories"}))
        return std::nullopt;
    return Profile{instagramHost + u'/' + segments[0], 0};
}

std::optional<Profile> youtube(const QStringList &segments, const QString &query, QStringView host)
{
    if (host.endsWith(youtubeShortHost))
        return Profile{QStringLiteral("https://") + youtubeShortHost + u'/' + segments[0], 1};
    const QString first = segments[0].toLower();
    if (isOneOf(first, {u"c", u"channel", u"user"})) {
        if (segments.size() < 2)
            return std::nullopt;
        return Profile{youtubeHost + u'/' + first + u'/' + segments[1], 0};
    }
    if (isOneOf(first, {u"watch", u"playlist"})) {
        if (query.isEmpty())
            return std::nullopt;
        return Profile{youtubeHost + u'/' + first + u'?' + query, 1};
    }
    if (segments[0].startsWith(u'@'))
        return Profile{youtubeHost + u'/' + segments[0], 0};
    return std::nullopt;
}

std::optional<Profile> github(const QStringList &segments)
{
    const QString first = segments[0].toLower();
    if (first == u"orgs" && segments.size() >= 2)
        return Profile{githubHost + u'/' + segments[1], 0};
    if (isOneOf(first, {u"features", u"pricing", u"about", u"marketplace", u"topics", u"explore", u"security",
                        u"enterprise", u"sponsors", u"join", u"collections", u"trending", u"apps", u"site", u"orgs",
                        u"readme"}))
        return std::nullopt;
    return Profile{githubHost + u'/' + segments[0], segments.size() >= 2 ? 1 : 0};
}

std::optional<Profile> crunchbase(const QStringList &segments)
{
    if (segments[0].toLower() == u"organization" && segments.size() >= 2)
        return Profile{crunchbaseHost + QStringLiteral("/organization/") + segments[1], 0};
    return std::nullopt;
}

}

bool isSharing(QStringView url)
{
    const QString lowered = url.toString().toLower();
    return std::ranges::any_of(sharingMarkers, [&](QStringView marker) { return lowered.contains(marker); });
}

bool owns(QStringView pattern, const QUrl &url, QStringView host)
{
    const QString hay = (host + url.path(QUrl::FullyEncoded) + u'/').toLower();
    for (qsizetype at = hay.indexOf(pattern); at >= 0; at = hay.indexOf(pattern, at + 1)) {
        if (at == 0 || hay[at - 1] == u'.')
            return true;
    }
    return false;
}

std::optional<Profile> profile(LinkKind kind, const QUrl &url, QStringView host)
{
    const QStringList segments = url.path(QUrl::FullyEncoded).split(u'/', Qt::SkipEmptyParts);
    if (segments.isEmpty())
        return std::nullopt;
    const QString query = url.query(QUrl::FullyEncoded);
    switch (kind) {
    case LinkKind::linkedin:
        return linkedin(segments);
    case LinkKind::x:
        return x(segments);
    case LinkKind::facebook:
        return facebook(segments, query);
    case LinkKind::instagram:
        return instagram(segments);
    case LinkKind::youtube:
        return youtube(segments, query, host);
    case LinkKind::github:
        return github(segments);
    case LinkKind::crunchbase:
        return crunchbase(segments);
    case LinkKind::website:
    case LinkKind::press:
    case LinkKind::blog:
    case LinkKind::ir:
    case LinkKind::custom:
        return std::nullopt;
    }
    Q_UNREACHABLE();
}

}
