#include "EngineCatalog.h"

#include "platform/DeviceFolder.h"
#include "store/catalog/Catalog.h"

#include <QUuid>

#include <libpq-fe.h>
#include <sqlite3.h>

struct EngineCatalog::Server
{
    struct Finish
    {
        void operator()(PGconn* conn) const noexcept { PQfinish(conn); }
    };
    std::unique_ptr<PGconn, Finish> conn;
    QString location;

    // The connection, made again when the server went away and came back.
    PGconn* get()
    {
        if (!conn || PQstatus(conn.get()) != CONNECTION_OK) {
            conn.reset(PQconnectdb(location.toUtf8().constData()));
            PQsetNoticeProcessor(conn.get(), [](void*, const char*) { }, nullptr);
        }
        return conn.get();
    }
};

namespace
{
struct ResultClear
{
    void operator()(PGresult* result) const noexcept { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultClear>;

struct DbClose
{
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
struct StmtFinalize
{
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};

QString catalogFile()
{
    return DeviceFolder::map(Catalog::devicePath());
}
} // namespace

std::string engineName(Engine engine)
{
    return engine == Engine::Sqlite ? "SQLite" : "PostgreSQL";
}

EngineCatalog::EngineCatalog() = default;

EngineCatalog::~EngineCatalog()
{
    end();
}

QString EngineCatalog::serverUri()
{
    return qEnvironmentVariable("GROCELLE_TEST_POSTGRES");
}

QString EngineCatalog::withSchema(const QString& uri, const QString& schema)
{
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
           + QStringLiteral("options=-c%20search_path%3D") + schema + QStringLiteral("%2Cpublic");
}

bool EngineCatalog::begin(Engine engine, QString& why)
{
    end();
    m_engine = engine;
    if (engine == Engine::Sqlite) {
        return true;
    }
    const QString uri = serverUri();
    if (uri.isEmpty()) {
        why = QStringLiteral("GROCELLE_TEST_POSTGRES names no PostgreSQL server");
        return false;
    }
    m_server = std::make_unique<Server>();
    m_server->location = uri;
    if (PQstatus(m_server->get()) != CONNECTION_OK) {
        why = QStringLiteral("the server cannot be reached: ") + QString::fromUtf8(PQerrorMessage(m_server->get()));
        m_server.reset();
        return false;
    }
    m_schema = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    QString error;
    if (!exec(QStringLiteral("CREATE SCHEMA ") + m_schema, &error)) {
        why = error;
        m_server.reset();
        return false;
    }
    m_server->location = withSchema(uri, m_schema);
    m_server->conn.reset();
    return true;
}

void EngineCatalog::end()
{
    if (m_server && !m_schema.isEmpty()) {
        m_server->location = serverUri();
        m_server->conn.reset();
        exec(QStringLiteral("DROP SCHEMA IF EXISTS ") + m_schema + QStringLiteral(" CASCADE"));
    }
    m_server.reset();
    m_schema.clear();
}

QString EngineCatalog::location() const
{
    return m_engine == Engine::Sqlite ? catalogFile() : m_server->location;
}

bool EngineCatalog::exec(const QString& sql, QString* error) const
{
    if (m_engine == Engine::Sqlite) {
        sqlite3* raw = nullptr;
        sqlite3_open(catalogFile().toUtf8().constData(), &raw);
        const std::unique_ptr<sqlite3, DbClose> db(raw);
        char* message = nullptr;
        const bool done = sqlite3_exec(db.get(), sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK;
        if (error) {
            *error = QString::fromUtf8(message ? message : "");
        }
        sqlite3_free(message);
        return done;
    }
    const Result result(PQexec(m_server->get(), sql.toUtf8().constData()));
    const ExecStatusType status = PQresultStatus(result.get());
    const bool done = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (error) {
        *error = QString::fromUtf8(PQresultErrorMessage(result.get()));
    }
    return done;
}

QString EngineCatalog::value(const QString& sql) const
{
    if (m_engine == Engine::Sqlite) {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(catalogFile().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        const std::unique_ptr<sqlite3, DbClose> db(raw);
        sqlite3_stmt* rawStmt = nullptr;
        sqlite3_prepare_v2(db.get(), sql.toUtf8().constData(), -1, &rawStmt, nullptr);
        const std::unique_ptr<sqlite3_stmt, StmtFinalize> stmt(rawStmt);
        if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
            return QStringLiteral("<none>");
        }
        const unsigned char* text = sqlite3_column_text(stmt.get(), 0);
        return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QStringLiteral("<null>");
    }
    const Result result(PQexec(m_server->get(), sql.toUtf8().constData()));
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK || PQntuples(result.get()) == 0) {
        return QStringLiteral("<none>");
    }
    return PQgetisnull(result.get(), 0, 0) ? QStringLiteral("<null>")
                                           : QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
}
