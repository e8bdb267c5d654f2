#pragma once

#include "ParsedFeed.h"
#include "QtPrinters.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <ostream>
#include <string_view>

// Readable failure messages for the parser's values.
template<typename T>
void PrintTo(const std::optional<T> &value, std::ostream *out)
{
    if (value)
        PrintTo(*value, out);
    else
        *out << "(none)";
}

inline void PrintTo(const ParsedItem &item, std::ostream *out)
{
    *out << "{title ";
    PrintTo(item.title, out);
    *out << ", link ";
    PrintTo(item.link, out);
    *out << ", summary ";
    PrintTo(item.summary, out);
    *out << ", published ";
    PrintTo(item.published, out);
    *out << ", sourceName ";
    PrintTo(item.sourceName, out);
    *out << ", sourceURL ";
    PrintTo(item.sourceURL, out);
    *out << '}';
}

inline QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
}

// An RSS 2.0 document around the given items.
inline QByteArray rss(std::string_view items, std::string_view channel = "<title>Acme news</title>")
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>")
        + QByteArray(channel.data(), static_cast<qsizetype>(channel.size()))
        + QByteArray(items.data(), static_cast<qsizetype>(items.size())) + "</channel></rss>";
}

// An Atom document around the given entries.
inline QByteArray atom(std::string_view entries)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>Acme blog</title>")
        + QByteArray(entries.data(), static_cast<qsizetype>(entries.size())) + "</feed>";
}
