#include "DateShortcut.h"

#include <array>
#include <chrono>
#include <string_view>

namespace DateShortcut {

namespace {

using namespace std::chrono;

constexpr std::array<std::u16string_view, 7> weekdays{u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
constexpr std::array<std::u16string_view, 12> months{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                     u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<std::u16string_view, 4> utcNames{u"GMT", u"UTC", u"UT", u"Z"};

// Steps through the text; a read that fails leaves the position alone.
class Cursor
{
public:
    explicit Cursor(QStringView text)
        : m_text(text.utf16(), static_cast<size_t>(text.size()))
    {
    }

    [[nodiscard]] bool atEnd() const { return m_at == m_text.size(); }

    bool skip(std::u16string_view literal)
    {
        if (!m_text.substr(m_at).starts_with(literal))
            return false;
        m_at += literal.size();
        return true;
    }

    // The value of exactly `count` digits, or -1.
    int number(size_t count)
    {
        if (m_text.size() - m_at < count)
            return -1;
        int value = 0;
        for (size_t i = m_at; i < m_at + count; ++i) {
            if (m_text[i] < u'0' || m_text[i] > u'9')
                return -1;
            value = value * 10 + (m_text[i] - u'0');
        }
        m_at += count;
        return value;
    }

    // The index of the first word the text goes on with, or -1.
    template<size_t size>
    int word(const std::array<std::u16string_view, size> &words)
    {
        for (size_t i = 0; i < size; ++i) {
            if (skip(words[i]))
                return static_cast<int>(i);
        }
        return -1;
    }

    // Milliseconds from a fraction of one to nine digits, cut as the
    // patterns cut them (".5" is 500, ".1239" is 123), or -1.
    int fraction()
    {
        size_t end = m_at;
        while (end < m_text.size() && end - m_at < 10 && m_text[end] >= u'0' && m_text[end] <= u'9')
            ++end;
        const size_t length = end - m_at;
        if (length == 0 || length > 9)
            return -1;
        int value = 0;
        for (size_t i = 0; i < 3; ++i)
            value = value * 10 + (i < length ? m_text[m_at + i] - u'0' : 0);
        m_at = end;
        return value;
    }

private:
    std::u16string_view m_text;
    size_t m_at = 0;
};

struct Fields {
    int year = -1;
    int month = -1;
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = 0;
    int millisecond = 0;
    int offsetMinutes = 0; // east of UTC
};

// "+hhmm" or "+hh:mm" (with `separator`) into minutes, false when malformed.
bool readOffset(Cursor &in, std::u16string_view separator, int &minutes)
{
    int sign = 0;
    if (in.skip(u"+"))
        sign = 1;
    else if (in.skip(u"-"))
        sign = -1;
    else
        return false;
    const int hours = in.number(2);
    if (hours < 0 || hours > 23 || !in.skip(separator))
        return false;
    const int rest = in.number(2);
    if (rest < 0 || rest > 59)
        return false;
    minutes = sign * (hours * 60 + rest);
    return true;
}

// "Tue, 05 Mar 2024 14:30:00 +0000", "Tue, 5 Mar 2024 14:30 GMT".
bool readRfc822(Cursor &in, Fields &f)
{
    if (in.word(weekdays) < 0 || !in.skip(u", "))
        return false;
    f.day = in.number(2);
    if (f.day < 0)
        f.day = in.number(1);
    f.month = in.skip(u" ") ? in.word(months) + 1 : 0;
    if (f.month == 0 || !in.skip(u" "))
        return false;
    f.year = in.number(4);
    if (!in.skip(u" "))
        return false;
    f.hour = in.number(2);
    if (!in.skip(u":"))
        return false;
    f.minute = in.number(2);
    if (in.skip(u":"))
        f.second = in.number(2);
    if (!in.skip(u" "))
        return false;
    return in.word(utcNames) >= 0 || readOffset(in, u"", f.offsetMinutes);
}

// "2024-03-05", "2024-03-05 14:30:00", "2024-03-05T14:30:00",
// "2024-03-05T14:30:00Z", "2024-03-05T14:30:00.123456+05:30".
bool readIso8601(Cursor &in, Fields &f)
{
    f.year = in.number(4);
    if (!in.skip(u"-"))
        return false;
    f.month = in.number(2);
    if (!in.skip(u"-"))
        return false;
    f.day = in.number(2);
    if (in.atEnd()) {
        f.hour = f.minute = 0;
        return true;
    }
    const bool spaced = in.skip(u" ");
    if (!spaced && !in.skip(u"T"))
        return false;
    f.hour = in.number(2);
    if (!in.skip(u":"))
        return false;
    f.minute = in.number(2);
    if (!in.skip(u":"))
        return false;
    f.second = in.number(2);
    if (spaced || in.atEnd())
        return true;
    if (in.skip(u"."))
        f.millisecond = in.fraction();
    return in.skip(u"Z") || readOffset(in, u":", f.offsetMinutes);
}

std::optional<QDateTime> instant(const Fields &f)
{
    // The year bounds keep every offset clear of the years 0-99, which are
    // widened, and of the end of year 9999.
    if (f.year < 1000 || f.year > 9998 || f.month < 1 || f.day < 1 || f.hour < 0 || f.hour > 23 || f.minute < 0
        || f.minute > 59 || f.second < 0 || f.second > 59 || f.millisecond < 0)
        return {};
    const year_month_day date{year{f.year}, month{static_cast<unsigned>(f.month)}, day{static_cast<unsigned>(f.day)}};
    if (!date.ok())
        return {};
    const sys_time<milliseconds> time = sys_days{date} + hours{f.hour} + minutes{f.minute - f.offsetMinutes}
        + seconds{f.second} + milliseconds{f.millisecond};
    return QDateTime::fromMSecsSinceEpoch(time.time_since_epoch().count(), Qt::UTC);
}

} // namespace

std::optional<QDateTime> parse(QStringView text)
{
    Fields fields;
    Cursor in(text);
    const bool iso = !text.isEmpty() && text.front().isDigit();
    const bool read = iso ? readIso8601(in, fields) : readRfc822(in, fields);
    if (!read || !in.atEnd())
        return {};
    return instant(fields);
}

}
