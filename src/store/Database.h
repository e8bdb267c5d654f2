#pragma once

#include "DatabaseError.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

class Statement;

// One SQLite connection with a cache of prepared statements. It is not
// thread-safe: its owner runs one access at a time.
class Database
{
public:
    // Opens the file, creating it when missing. Throws DatabaseError.
    explicit Database(const QString &path);
    ~Database();

    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Runs SQL text without parameters, possibly several statements.
    void execute(std::string_view sql);

    // A prepared statement, cached by its text for the life of the connection.
    Statement prepare(std::string_view sql);
    // A prepared statement used once, for texts built at run time.
    Statement prepareOnce(std::string_view sql);

    [[nodiscard]] qint64 lastInsertId() const;
    [[nodiscard]] int changes() const;

private:
    [[noreturn]] void fail() const;
    sqlite3_stmt *compile(std::string_view sql, unsigned flags);

    sqlite3 *m_db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt *> m_statements;
};

// A use of a cached prepared statement: bind, step, read columns. Leaving
// scope resets the statement and clears its bindings for the next use.
class Statement
{
public:
    enum class Ownership { cached, owned };
    Statement(sqlite3 *db, sqlite3_stmt *statement, Ownership ownership);
    ~Statement();

    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int index, qint64 value);
    Statement &bind(int index, int value) { return bind(index, qint64{value}); }
    Statement &bind(int index, bool value) { return bind(index, qint64{value ? 1 : 0}); }
    Statement &bind(int index, const QString &value);
    // For texts that outlive the statement's use, such as literals.
    Statement &bind(int index, const char *value);
    // Dates are bound in their stored text form, so they compare as stored.
    Statement &bind(int index, const QDateTime &value);
    Statement &bind(int index, std::nullopt_t);
    template<typename T>
    Statement &bind(int index, const std::optional<T> &value)
    {
        return value ? bind(index, *value) : bind(index, std::nullopt);
    }

    // Binds the arguments to the parameters 1, 2, … in order.
    template<typename... Args>
    Statement &with(const Args &...args)
    {
        int index = 0;
        (bind(++index, args), ...);
        return *this;
    }

    // Advances to the next row; false once the statement is done.
    bool step();
    // Runs the statement to its end, ignoring any rows.
    void run();

    [[nodiscard]] bool isNull(int column) const;
    [[nodiscard]] qint64 int64(int column) const;
    [[nodiscard]] int integer(int column) const;
    [[nodiscard]] bool boolean(int column) const { return int64(column) != 0; }
    [[nodiscard]] QString text(int column) const;
    [[nodiscard]] std::optional<QString> optionalText(int column) const;
    [[nodiscard]] QDateTime date(int column) const;
    [[nodiscard]] std::optional<QDateTime> optionalDate(int column) const;

private:
    [[noreturn]] void fail() const;

    sqlite3 *m_db;
    sqlite3_stmt *m_statement;
    Ownership m_ownership;
};

// Runs the enclosing scope as one transaction: committed by commit(), rolled
// back when the scope is left without it (an exception, an early return).
class Transaction
{
public:
    explicit Transaction(Database &database);
    ~Transaction();

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_database;
    bool m_open = true;
};
