#include "store/sqlite/SqliteConnection.h"

#include "platform/DeviceFolder.h"
#include "platform/NameFold.h"
#include "store/access/AdoDetail.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CachedRows.h"
#include "store/sqlite/SqliteCommand.h"
#include "store/sqlite/SqliteKeysetRows.h"
#include "store/sqlite/SqliteStatementRows.h"
#include "store/sqlite/WriteAheadLog.h"

#include <QCoreApplication>
#include <QFileInfo>

using sqlite_detail::StatementPtr;

namespace
{
int compareNames(void* /*context*/, int leftSize, const void* left, int rightSize, const void* right)
{
    return NameFold::compareUtf8(left, leftSize, right, rightSize);
}
} // namespace

SqliteConnection::SqliteConnection(ado_detail::SharedConnection& owner)
    : m_owner(owner)
{
}

SqliteConnection::~SqliteConnection()
{
    WriteAheadLog::leave(m_db.get());
}

sqlite3* SqliteConnection::handleOf(const CAdoConnection& connection)
{
    auto* engine = dynamic_cast<SqliteConnection*>(connection.backend());
    return engine ? engine->handle() : nullptr;
}

void SqliteConnection::failed()
{
    m_owner.noteError(sqlite_detail::message(m_db.get()), sqlite_detail::kindOf(m_db.get()));
}

bool SqliteConnection::open(const QString& location)
{
    if (sqlite3_initialize() != SQLITE_OK) {
        m_owner.noteError(QCoreApplication::translate("SqliteConnection", "the SQLite library cannot start"));
        return false;
    }
    // An absolute path, so that a name starting with "file:" is never taken
    // for a URI.
    const QString file = QFileInfo(DeviceFolder::map(location)).absoluteFilePath();
    sqlite3* raw = nullptr;
    // A connection is used from one thread only: no mutex around every call.
    const int opened =
        sqlite3_open_v2(file.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    sqlite_detail::DatabasePtr db(raw);
    if (opened != SQLITE_OK) {
        m_owner.noteError(sqlite_detail::message(db.get()), sqlite_detail::kindOf(db.get()));
        return false;
    }
    sqlite3_extended_result_codes(db.get(), 1);
    sqlite3_busy_timeout(db.get(), CAdoConnection::BusyTimeoutMs);
    // The catalog's text columns are NOCASE: here it ignores letter case for
    // every letter, not only A to Z, as the server catalog does. Indexes made
    // by SQLite's own NOCASE are rebuilt once by the structure check.
    if (sqlite3_create_collation_v2(db.get(), "NOCASE", SQLITE_UTF8, nullptr, compareNames, nullptr) != SQLITE_OK) {
        m_owner.noteError(sqlite_detail::message(db.get()), sqlite_detail::kindOf(db.get()));
        return false;
    }
    // Opening reads nothing yet: read the schema now, so that a file that is
    // not a database is refused here, without anything written to it.
    char* error = nullptr;
    const int schemaRead = sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error);
    if (schemaRead != SQLITE_OK) {
        m_owner.noteError(QString::fromUtf8(error ? error : "file is not a database"),
                          sqlite_detail::kindOfCode(schemaRead));
        sqlite3_free(error);
        return false;
    }
    // A page cache that holds a catalog of many thousand items whole (SQLite's
    // default holds 2 MB); memory is taken only as pages are read.
    sqlite3_exec(db.get(), "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    m_db = std::move(db);
    m_file = file;
    m_logTried = false;
    return true;
}

void SqliteConnection::takeLogBeforeFirstWrite(const QByteArray& sql, sqlite3_stmt* stmt)
{
    // A transaction that will write begins with BEGIN, which itself reads
    // nothing; the journal mode can only change outside a transaction.
    if (m_logTried || sqlite3_get_autocommit(m_db.get()) == 0) {
        return;
    }
    if (sqlite3_stmt_readonly(stmt) != 0 && !sql.trimmed().toUpper().startsWith("BEGIN")) {
        return;
    }
    m_logTried = true;
    WriteAheadLog::enter(m_db.get(), m_file);
}

bool SqliteConnection::prepare(const QByteArray& sql, const std::vector<SqlValue>& parameters, StatementPtr& stmt)
{
    const int prepared = sqlite_detail::prepareSingle(m_db.get(), sql, stmt);
    if (prepared == SQLITE_MISUSE) {
        m_owner.noteError(QCoreApplication::translate("SqliteConnection", "only one statement can be run at a time"),
                          CAdoException::Kind::Invalid);
        return false;
    }
    if (prepared != SQLITE_OK) {
        failed();
        return false;
    }
    takeLogBeforeFirstWrite(sql, stmt.get());
    const int bound = sqlite_detail::bindAll(stmt.get(), parameters);
    if (bound == SQLITE_RANGE) {
        m_owner.noteError(
            QCoreApplication::translate("SqliteConnection", "the statement takes %1 values, %2 were given")
                .arg(sqlite3_bind_parameter_count(stmt.get()))
                .arg(parameters.size()),
            CAdoException::Kind::Invalid);
        return false;
    }
    if (bound != SQLITE_OK) {
        failed();
        return false;
    }
    return true;
}

bool SqliteConnection::execute(const QByteArray& sql, const std::vector<SqlValue>& parameters)
{
    StatementPtr stmt;
    if (!prepare(sql, parameters, stmt)) {
        return false;
    }
    int step = SQLITE_ROW;
    while (step == SQLITE_ROW) {
        step = sqlite3_step(stmt.get());
    }
    if (step != SQLITE_DONE) {
        failed();
        return false;
    }
    return true;
}

std::unique_ptr<IRowSource> SqliteConnection::query(const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                                    bool keyset, bool readOnly)
{
    Q_UNUSED(readOnly); // SQLite holds the whole file while a transaction writes
    StatementPtr stmt;
    if (!prepare(sql, parameters, stmt)) {
        return nullptr;
    }
    if (sqlite3_column_count(stmt.get()) == 0) {
        // A statement without result rows: run it, its success is the result.
        int step = SQLITE_ROW;
        while (step == SQLITE_ROW) {
            step = sqlite3_step(stmt.get());
        }
        if (step != SQLITE_DONE) {
            failed();
            return nullptr;
        }
        auto none = std::make_unique<CachedRows>(std::vector<ado_detail::Column>());
        none->finish(false);
        return none;
    }
    if (keyset) {
        return SqliteKeysetRows::read(m_owner, m_db.get(), sql, parameters, std::move(stmt));
    }
    return SqliteStatementRows::start(m_owner, sql, parameters, std::move(stmt));
}

std::unique_ptr<ICommandBackend> SqliteConnection::command(const QByteArray& sql)
{
    return std::make_unique<SqliteCommand>(m_owner, m_db.get(), sql);
}

bool SqliteConnection::inTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db.get());
}

bool SqliteConnection::isReadOnly()
{
    return sqlite3_db_readonly(m_db.get(), "main") == 1;
}

bool SqliteConnection::compiles(const QString& sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const int prepared = sqlite3_prepare_v2(m_db.get(), text.constData(), static_cast<int>(text.size()), &raw, nullptr);
    const StatementPtr stmt(raw);
    return prepared == SQLITE_OK && stmt;
}
