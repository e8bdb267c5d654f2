#pragma once

#include <QDateTime>
#include <QString>

// How long ago something happened, as the panel and reports write it.
namespace Age {

// "now" under a minute (and for times ahead), then minutes, hours or days:
// "59m", "1h", "23h", "1d".
QString shortForm(qint64 minutes);

// When something appeared, in the user's locale and in the time zone now is
// given in: the time of day for today, the weekday and time within the last
// week, else day and month.
QString stamp(const QDateTime &date, const QDateTime &now);

// The current time in the user's time zone, as stamp wants it. Converting
// through a time zone object rather than local time spares a look at the
// system's zone file for every date.
QDateTime localNow();

// Whole minutes from date to now, truncated; 0 for times ahead.
qint64 minutesSince(const QDateTime &date, const QDateTime &now);

}
