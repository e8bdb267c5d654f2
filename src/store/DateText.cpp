#include "DateText.h"

#include <algorithm>
#include <array>

namespace DateText {

namespace {

void put(std::array<char16_t, 23> &out, qsizetype at, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i) {
        out[static_cast<size_t>(at + i)] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    }
}

// The number in text[at, at + digits), or -1 when a character is not a digit.
int number(QStringView text, qsizetype at, int digits)
{
    int value = 0;
    for (qsizetype i = at; i < at + digits; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString format(const QDateTime &date)
{
    // Written by hand: QDateTime::toString with a pattern is slow enough to
    // show in bulk inserts and reads.
    const QDateTime utc = date.toUTC();
    const QDate day = utc.date();
    const QTime time = utc.time();
    std::array<char16_t, 23> out{u'0', u'0', u'0', u'0', u'-', u'0', u'0', u'-', u'0', u'0', u' ', u'0',
                                 u'0', u':', u'0', u'0', u':', u'0', u'0', u'.', u'0', u'0', u'0'};
    put(out, 0, std::clamp(day.year(), 0, 9999), 4);
    put(out, 5, day.month(), 2);
    put(out, 8, day.day(), 2);
    put(out, 11, time.hour(), 2);
    put(out, 14, time.minute(), 2);
    put(out, 17, time.second(), 2);
    put(out, 20, time.msec(), 3);
    return QString(reinterpret_cast<const QChar *>(out.data()), static_cast<qsizetype>(out.size()));
}

QDateTime parse(QStringView text)
{
    if (text.endsWith(u'Z'))
        text.chop(1);
    if (text.size() != 19 && text.size() != 23)
        return {};
    if (text[4] != u'-' || text[7] != u'-' || (text[10] != u' ' && text[10] != u'T') || text[13] != u':'
        || text[16] != u':' || (text.size() == 23 && text[19] != u'.'))
        return {};
    const int year = number(text, 0, 4);
    const int month = number(text, 5, 2);
    const int day = number(text, 8, 2);
    const int hour = number(text, 11, 2);
    const int minute = number(text, 14, 2);
    const int second = number(text, 17, 2);
    const int msec = text.size() == 23 ? number(text, 20, 3) : 0;
    if (std::min({year, month, day, hour, minute, second, msec}) < 0)
        return {};
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, msec);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

}
