#pragma once

#include "EnumText.h"

#include <QString>
#include <QStringList>

#include <array>

// The kind of a company link, stored in link.kind as its text. A text that
// names no kind is shown as a custom link.
enum class LinkKind { website, press, blog, ir, linkedin, x, facebook, instagram, youtube, github, crunchbase, custom };

inline constexpr std::array allLinkKinds{LinkKind::website,   LinkKind::press,   LinkKind::blog,     LinkKind::ir,
                                         LinkKind::linkedin,  LinkKind::x,       LinkKind::facebook, LinkKind::instagram,
                                         LinkKind::youtube,   LinkKind::github,  LinkKind::crunchbase, LinkKind::custom};

namespace LinkKinds {
// The fields a company form always offers.
inline constexpr std::array standard{LinkKind::website, LinkKind::press,    LinkKind::blog,     LinkKind::ir,
                                     LinkKind::linkedin, LinkKind::x,       LinkKind::facebook, LinkKind::github};
// The kinds a form adds on request.
inline constexpr std::array addable{LinkKind::instagram, LinkKind::youtube, LinkKind::crunchbase, LinkKind::custom};
// The kinds whose profile addresses can be recognised, in declared order.
inline constexpr std::array discoverable{LinkKind::linkedin,  LinkKind::x,       LinkKind::facebook, LinkKind::instagram,
                                         LinkKind::youtube,   LinkKind::github,  LinkKind::crunchbase};
}

QString toText(LinkKind kind);
// What the user reads, and the short mark on a link card.
QString label(LinkKind kind);
QString mark(LinkKind kind);
// Host-and-path beginnings of a profile address on the kind's service, each
// host its registrable domain without "www."; empty for site links.
QStringList hosts(LinkKind kind);

inline std::optional<LinkKind> linkKindFromText(QStringView text)
{
    return enumFromText(allLinkKinds, text);
}
