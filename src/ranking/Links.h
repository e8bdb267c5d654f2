#pragma once

#include <QString>

// When two links are the same article.
namespace Ranking {

// The news-search service: its redirect links are unwrapped here, and every
// company gets a search feed on it.
inline constexpr char16_t newsSearchHost[] = u"news.google.com";

// The address an article is known by: without fragment, tracking parameters
// (utm_*, fbclid, gclid, mc_cid, mc_eid, ref, source, cmpid, in any case) or
// a final "/" after a longer path. Everything else stays as written, the
// host's case and the other parameters' order and bytes included. A text
// that is not an absolute address comes back unchanged.
QString canonicalize(const QString &url);

// The publisher's address that a news.google.com redirect link carries in
// its first "url" parameter, decoded; any other text unchanged.
QString unwrapGoogleNews(const QString &link);

}
