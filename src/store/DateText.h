#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// Dates are stored as UTC text "yyyy-MM-dd HH:mm:ss.zzz" (23 characters), so
// that text order is time order.
namespace DateText {

QString format(const QDateTime &date);

// Reads the stored form; also accepts a "T" separator, missing milliseconds
// and a trailing "Z", which older writers used. Anything else is invalid.
QDateTime parse(QStringView text);

}
