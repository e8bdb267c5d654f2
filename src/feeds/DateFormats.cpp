#include "DateFormats.h"

#include "DateShortcut.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <array>
#include <memory>
#include <vector>

namespace DateFormats {

namespace {

constexpr std::array<const char16_t *, 8> patterns{
    u"EEE, dd MMM yyyy HH:mm:ss Z",
    u"EEE, dd MMM yyyy HH:mm:ss zzz",
    u"EEE, dd MMM yyyy HH:mm Z",
    u"yyyy-MM-dd'T'HH:mm:ssZZZZZ",
    u"yyyy-MM-dd'T'HH:mm:ss.SSSZZZZZ",
    u"yyyy-MM-dd'T'HH:mm:ss",
    u"yyyy-MM-dd HH:mm:ss",
    u"yyyy-MM-dd",
};

// The longest date a feed writes, ISO 8601 with nanoseconds and an offset,
// has 35 characters; longer text would only cost the formatters time.
constexpr qsizetype longestText = 64;

// 0000-01-01T00:00:00.000Z and 9999-12-31T23:59:59.999Z.
constexpr UDate earliest = -62167219200000.0;
constexpr UDate latest = 253402300799999.0;

using Formatters = std::vector<std::unique_ptr<const icu::SimpleDateFormat>>;

Formatters makeFormatters()
{
    Formatters result;
    const icu::Locale posix("en_US_POSIX");
    for (const char16_t *pattern : patterns) {
        UErrorCode status = U_ZERO_ERROR;
        auto formatter = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern), posix, status);
        auto calendar = std::make_unique<icu::GregorianCalendar>(*icu::TimeZone::getGMT(), posix, status);
        // Gregorian for all years, as QDate counts, not Julian before 1582.
        calendar->setGregorianChange(U_DATE_MIN, status);
        if (U_FAILURE(status))
            continue;
        formatter->adoptCalendar(calendar.release());
        result.push_back(std::move(formatter));
    }
    return result;
}

// Built once, then only read: parsing is const on a configured formatter, so
// every thread that reads feeds shares these.
const Formatters &formatters()
{
    static const Formatters shared = makeFormatters();
    return shared;
}

// The instant of a calendar a pattern has just filled in, its fields not yet
// resolved. "yyyy" takes "24" as the year 24, so a year written with fewer
// than three digits is widened first, by the year as written (in the text's
// own zone, not in UTC). Then every field must be in range: the patterns
// read leniently, but a lenient calendar would roll "2024-13-45" over into
// 2025 and read a day of "2024" into "05 Mar 2024" taken as yyyy-MM-dd.
std::optional<QDateTime> instant(icu::Calendar &calendar)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> written(calendar.clone());
    written->set(UCAL_ZONE_OFFSET, 0);
    written->set(UCAL_DST_OFFSET, 0);
    const int32_t year = written->get(UCAL_EXTENDED_YEAR, status);
    if (U_SUCCESS(status) && year >= 0 && year < 100)
        calendar.set(UCAL_YEAR, year + (year < 50 ? 2000 : 1900));
    calendar.setLenient(false);
    const UDate time = calendar.getTime(status);
    if (U_FAILURE(status) || !(time >= earliest && time <= latest))
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(time), Qt::UTC);
}

} // namespace

std::optional<QDateTime> parse(QStringView text)
{
    text = text.trimmed();
    if (std::optional<QDateTime> common = DateShortcut::parse(text))
        return common;
    return parseWithPatterns(text);
}

std::optional<QDateTime> parseWithPatterns(QStringView text)
{
    text = text.trimmed();
    const Formatters &all = formatters();
    if (text.isEmpty() || text.size() > longestText || all.empty())
        return {};
    const icu::UnicodeString source(false, text.utf16(), static_cast<int32_t>(text.size()));
    const std::unique_ptr<icu::Calendar> calendar(all.front()->getCalendar()->clone());
    for (const auto &formatter : all) {
        calendar->clear();
        icu::ParsePosition position(0);
        formatter->parse(source, *calendar, position);
        // ICU stops where the pattern ends and ignores the rest: "yyyy-MM-dd"
        // would read 2024-03-05T23:30:00-05:00 as the 5th. Only a pattern
        // that reads the whole text counts.
        if (position.getErrorIndex() == -1 && position.getIndex() == source.length())
            return instant(*calendar);
    }
    return {};
}

}
