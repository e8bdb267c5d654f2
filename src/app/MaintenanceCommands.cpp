// Commands that change stored items in bulk.

#include "CommandLineTools.h"

#include "Console.h"
#include "Store.h"

#include <QRegularExpression>

namespace CommandLineTools {

void unread(const QStringList &arguments)
{
    // A decimal integer with an optional sign; anything else means a day.
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    qint64 hours = 24;
    if (!arguments.isEmpty() && integer.match(arguments.first()).hasMatch()) {
        bool fits = false;
        const qint64 parsed = arguments.first().toLongLong(&fits);
        if (fits)
            hours = parsed;
    }
    try {
        Store::shared().markUnread(hours);
    } catch (const DatabaseError &) {
    }
    Console::printLine(QStringLiteral("marked the last ") + QString::number(hours) + QStringLiteral("h unread"));
}

}
