#pragma once

#include "QtPrinters.h"
#include "Store.h"

#include <QTemporaryDir>

#include <memory>

// A store on a fresh database file in a temporary directory, with a clock
// the test sets.
class TemporaryStore
{
public:
    TemporaryStore()
        : store(std::make_unique<Store>(path()))
    {
        store->setClock([this] { return now; });
    }

    [[nodiscard]] QString path() const { return directory.filePath(QStringLiteral("pelmor.sqlite")); }

    // Closes and opens the file again, as a new start of the program would.
    void reopen()
    {
        store.reset();
        store = std::make_unique<Store>(path());
        store->setClock([this] { return now; });
    }

    QTemporaryDir directory;
    QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 250), Qt::UTC);
    std::unique_ptr<Store> store;
};
