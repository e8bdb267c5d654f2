#include "Database.h"

#include "DateText.h"

#include <sqlite3.h>

Database::Database(const QString &path)
{
    const QByteArray file = path.toUtf8();
    const int result = sqlite3_open_v2(file.constData(), &m_db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(result);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw DatabaseError(message);
    }
    sqlite3_extended_result_codes(m_db, 1);
}

Database::~Database()
{
    for (const auto &[sql, statement] : m_statements)
        sqlite3_finalize(statement);
    sqlite3_close_v2(m_db);
}

void Database::execute(std::string_view sql)
{
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

sqlite3_stmt *Database::compile(std::string_view sql, unsigned flags)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.data(), static_cast<int>(sql.size()), flags, &statement, nullptr) != SQLITE_OK)
        fail();
    return statement;
}

Statement Database::prepare(std::string_view sql)
{
    std::string key(sql);
    auto found = m_statements.find(key);
    if (found == m_statements.end()) {
        sqlite3_stmt *statement = compile(key, SQLITE_PREPARE_PERSISTENT);
        found = m_statements.emplace(std::move(key), statement).first;
    }
    return Statement(m_db, found->second, Statement::Ownership::cached);
}

Statement Database::prepareOnce(std::string_view sql)
{
    return Statement(m_db, compile(sql, 0), Statement::Ownership::owned);
}

qint64 Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

void Database::fail() const
{
    throw DatabaseError(sqlite3_errmsg(m_db));
}

Statement::Statement(sqlite3 *db, sqlite3_stmt *statement, Ownership ownership)
    : m_db(db)
    , m_statement(statement)
    , m_ownership(ownership)
{
}

Statement::~Statement()
{
    if (m_ownership == Ownership::owned) {
        sqlite3_finalize(m_statement);
    } else {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

Statement &Statement::bind(int index, qint64 value)
{
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        fail();
    return *this;
}

Statement &Statement::bind(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT)
        != SQLITE_OK)
        fail();
    return *this;
}

Statement &Statement::bind(int index, const char *value)
{
    if (sqlite3_bind_text(m_statement, index, value, -1, SQLITE_STATIC) != SQLITE_OK)
        fail();
    return *this;
}

Statement &Statement::bind(int index, const QDateTime &value)
{
    return bind(index, DateText::format(value));
}

Statement &Statement::bind(int index, std::nullopt_t)
{
    if (sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        fail();
    return *this;
}

bool Statement::step()
{
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        fail();
    }
}

void Statement::run()
{
    while (step()) { }
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 Statement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

int Statement::integer(int column) const
{
    return sqlite3_column_int(m_statement, column);
}

QString Statement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}

std::optional<QString> Statement::optionalText(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return text(column);
}

QDateTime Statement::date(int column) const
{
    return DateText::parse(text(column));
}

std::optional<QDateTime> Statement::optionalDate(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return date(column);
}

void Statement::fail() const
{
    throw DatabaseError(sqlite3_errmsg(m_db));
}

Transaction::Transaction(Database &database)
    : m_database(database)
{
    m_database.execute("BEGIN");
}

Transaction::~Transaction()
{
    if (m_open) {
        // Rolling back cannot usefully fail here; a failed ROLLBACK leaves
        // SQLite's own automatic rollback in charge.
        try {
            m_database.execute("ROLLBACK");
        } catch (const DatabaseError &) {
        }
    }
}

void Transaction::commit()
{
    m_database.execute("COMMIT");
    m_open = false;
}
