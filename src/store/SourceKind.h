#pragma once

#include "EnumText.h"

#include <QString>

#include <array>

// The kind of a feed, stored in source.kind as its text.
enum class SourceKind { press, blog, ir, status, googleNews, wire, national, trade };

// Every kind, in the order lists offer them.
inline constexpr std::array allSourceKinds{SourceKind::press,    SourceKind::blog,     SourceKind::ir,
                                           SourceKind::status,   SourceKind::googleNews, SourceKind::wire,
                                           SourceKind::national, SourceKind::trade};

QString toText(SourceKind kind);

inline std::optional<SourceKind> sourceKindFromText(QStringView text)
{
    return enumFromText(allSourceKinds, text);
}
