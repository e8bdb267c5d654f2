// Commands that change stored items in bulk.

#include "CommandLineTools.h"

#include "Console.h"
#include "Scanner.h"
#include "Store.h"
#include "StoreFailures.h"

#include <QRegularExpression>

namespace CommandLineTools {

void scan()
{
    ScanReport report;
    wait([&]() -> QCoro::Task<> { report = co_await Scanner::shared().scanAll(); });
    Console::printLine(QStringLiteral("checked ") + QString::number(report.scanned) + QStringLiteral(" sources, ")
                       + QString::number(report.failed) + QStringLiteral(" failed, ") + QString::number(report.newItems)
                       + QStringLiteral(" new items"));
}

void rehash()
{
    const int count = orEmpty([] { return Store::shared().rehash(); });
    Console::printLine(QStringLiteral("rehashed ") + QString::number(count) + QStringLiteral(" items"));
}

void unread(const QStringList &arguments)
{
    // A decimal integer with an optional sign; anything else means a day.
    static const QRegularExpression integer(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    qint64 hours = 24;
    if (!arguments.isEmpty() && integer.match(arguments.first()).hasMatch()) {
        bool fits = false;
        const qint64 parsed = arguments.first().toLongLong(&fits);
        if (fits)
            hours = parsed;
    }
    ignoringErrors([&] { Store::shared().markUnread(hours); });
    Console::printLine(QStringLiteral("marked the last ") + QString::number(hours) + QStringLiteral("h unread"));
}

}
