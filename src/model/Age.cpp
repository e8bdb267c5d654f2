#include "Age.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>

namespace Age {

QString shortForm(qint64 minutes)
{
    if (minutes < 1)
        return QStringLiteral("now");
    if (minutes < 60)
        return QString::number(minutes) + u'm';
    if (minutes < 1440)
        return QString::number(minutes / 60) + u'h';
    return QString::number(minutes / 1440) + u'd';
}

QString stamp(const QDateTime &date, const QDateTime &now)
{
    const QDateTime local = date.toTimeZone(now.timeZone());
    const QLocale locale = QLocale::system();
    if (local.date() == now.date())
        return locale.toString(local, QStringLiteral("HH:mm"));
    if (date.secsTo(now) < 7 * 86400)
        return locale.toString(local, QStringLiteral("ddd HH:mm"));
    return locale.toString(local, QStringLiteral("d MMM"));
}

QDateTime localNow()
{
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone::systemTimeZone());
}

qint64 minutesSince(const QDateTime &date, const QDateTime &now)
{
    return std::max<qint64>(0, date.secsTo(now) / 60);
}

}
