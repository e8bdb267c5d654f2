#pragma once

#include <QDateTime>
#include <QStringView>

#include <optional>

// Dates as feeds write them, read with eight fixed patterns tried in turn:
//   EEE, dd MMM yyyy HH:mm:ss Z        EEE, dd MMM yyyy HH:mm:ss zzz
//   EEE, dd MMM yyyy HH:mm Z           yyyy-MM-dd'T'HH:mm:ssZZZZZ
//   yyyy-MM-dd'T'HH:mm:ss.SSSZZZZZ     yyyy-MM-dd'T'HH:mm:ss
//   yyyy-MM-dd HH:mm:ss                yyyy-MM-dd
// in English (en_US_POSIX), with UTC where the text gives no zone.
//
// A pattern counts only when it reads the whole text, so an ISO date with a
// zone is never taken by a pattern without one. Patterns are read leniently
// in form (a one-digit day, a wrong weekday, a space for the "T") but
// strictly in range: "2024-02-30" is no date rather than the 1st of March.
// A year below 100 is widened as RFC 822 does: 0-49 to 2000-2049, 50-99 to
// 1950-1999. Dates outside the years 0-9999 are nothing.
//
// Safe to call from several threads.
namespace DateFormats {

// The instant the text gives, or nothing when no pattern reads it.
std::optional<QDateTime> parse(QStringView text);

// The same answer, always through the patterns: the reference that the
// shortcut for common shapes is checked against.
std::optional<QDateTime> parseWithPatterns(QStringView text);

}
