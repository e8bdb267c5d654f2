#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <ostream>

// Lets GoogleTest show Qt values readably in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QUrl &url, std::ostream *out)
{
    *out << url.toString().toStdString();
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *out << (i ? ", " : "");
        PrintTo(list[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QDateTime &date, std::ostream *out)
{
    *out << date.toString(Qt::ISODateWithMs).toStdString();
}
