#pragma once

#include <QDateTime>
#include <QStringView>

#include <optional>

// Reads the shapes nearly every feed uses, without the cost of the date
// patterns: RFC 822 with a numeric offset, GMT, UT, UTC or Z, and ISO 8601
// (a day; a time with or without a fraction and a Z or "+hh:mm" offset),
// each well formed, in range and with a year from 1000 on. It gives the same
// instant as DateFormats::parseWithPatterns on every text it accepts.
// Nothing means "not one of these shapes": ask the patterns, not "no date".
namespace DateShortcut {

std::optional<QDateTime> parse(QStringView text);

}
