#pragma once

#include "store/access/IConnectionBackend.h"
#include "store/sqlite/SqliteDetail.h"

class CAdoConnection;
namespace ado_detail
{
struct SharedConnection;
}

// The catalog in an SQLite file: the engine behind CAdoConnection for every
// location that is not a server's URI.
class SqliteConnection final : public IConnectionBackend
{
public:
    explicit SqliteConnection(ado_detail::SharedConnection& owner);
    // Leaves the file on its rollback journal when no one else has it open.
    ~SqliteConnection() override;

    // The handle of connection while an SQLite catalog is open on it, else
    // null: for the catalog's own checks, the tests and the benchmarks.
    static sqlite3* handleOf(const CAdoConnection& connection);

    Kind kind() const override { return Kind::Sqlite; }
    // Never creates the file, and never changes a file that is not an SQLite
    // database. Waits up to about five seconds for a file another program
    // holds.
    bool open(const QString& location) override;
    bool execute(const QByteArray& sql, const std::vector<SqlValue>& parameters) override;
    std::unique_ptr<IRowSource> query(const QByteArray& sql, const std::vector<SqlValue>& parameters, bool keyset,
                                      bool readOnly) override;
    std::unique_ptr<ICommandBackend> command(const QByteArray& sql) override;
    QByteArray beginStatement() const override { return "BEGIN IMMEDIATE"; }
    bool inTransaction() const override;
    bool isReadOnly() override;
    bool compiles(const QString& sql) override;

    sqlite3* handle() const { return m_db.get(); }

private:
    // Notes SQLite's message of the last failure on the connection.
    void failed();
    // sql prepared as one statement with parameters bound; false, the reason
    // noted, when it cannot be.
    bool prepare(const QByteArray& sql, const std::vector<SqlValue>& parameters, sqlite_detail::StatementPtr& stmt);
    // The write-ahead log is taken with the first write, never on opening:
    // a file that turns out to be no catalog is left exactly as it was.
    void takeLogBeforeFirstWrite(const QByteArray& sql, sqlite3_stmt* stmt);

    ado_detail::SharedConnection& m_owner;
    sqlite_detail::DatabasePtr m_db;
    QString m_file;
    bool m_logTried = false;
};
