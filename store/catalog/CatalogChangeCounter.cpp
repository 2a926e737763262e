#include "store/catalog/CatalogChangeCounter.h"

#include "store/access/CAdoConnection.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteConnection.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sqlite3.h>

namespace
{
constexpr int RetryMs = 2000;
// The channel and payload of the catalog's trigger: "<table oid> <program>".
const char* const Channel = "grocelle_catalog";
} // namespace

CatalogChangeCounter::CatalogChangeCounter(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
{
    m_retry = new QTimer(this);
    m_retry->setInterval(RetryMs);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, [this] {
        if (m_connection.isPostgres() && !listen(m_connection.location())) {
            m_retry->start();
        }
    });
}

CatalogChangeCounter::~CatalogChangeCounter() = default;

void CatalogChangeCounter::noteWrite()
{
    ++m_generation;
}

std::optional<quint64> CatalogChangeCounter::generation()
{
    if (!m_connection.isOpen()) {
        return std::nullopt;
    }
    if (sqlite3* db = SqliteConnection::handleOf(m_connection)) {
        if (!sqlite3_get_autocommit(db)) {
            // Writes of an open transaction are counted now but seen by
            // other connections only at its commit, which counts nothing.
            ++m_generation;
            return std::nullopt;
        }
        checkSqlite(db);
        return m_generation;
    }
    if (!m_connection.isPostgres()) {
        return std::nullopt;
    }
    if (m_location != m_connection.location() || !m_notifier) {
        if (m_location != m_connection.location() || !m_retry->isActive()) {
            if (!listen(m_connection.location())) {
                m_retry->start();
            }
        }
        if (!m_notifier) {
            return std::nullopt;
        }
    }
    return m_generation;
}

void CatalogChangeCounter::checkSqlite(sqlite3* db)
{
    qint64 dataVersion = -1;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &raw, nullptr) == SQLITE_OK) {
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
        if (sqlite3_step(statement.get()) == SQLITE_ROW) {
            dataVersion = sqlite3_column_int64(statement.get(), 0);
        }
    }
    const qint64 ownChanges = sqlite3_total_changes64(db);
    // A failed read, another catalog opened, or either counter moved.
    if (dataVersion < 0 || db != m_db || dataVersion != m_dataVersion || ownChanges != m_ownChanges) {
        ++m_generation;
    }
    m_db = dataVersion < 0 ? nullptr : db;
    m_dataVersion = dataVersion;
    m_ownChanges = ownChanges;
}

bool CatalogChangeCounter::listen(const QString& location)
{
    delete m_notifier;
    m_notifier = nullptr;
    m_session.reset();
    m_location = location;
    ++m_generation; // anything may have changed while nobody listened
    QString error;
    std::unique_ptr<PgSession> session = PgSession::connect(location, error);
    if (!session) {
        return false;
    }
    const PgSession::Result table = session->exec("SELECT to_regclass('ShoppingLists')::oid", error);
    if (!table || PQntuples(table.get()) != 1 || PQgetisnull(table.get(), 0, 0)
        || !session->exec(QByteArray("LISTEN ") + Channel, error)) {
        return false;
    }
    m_table = PQgetvalue(table.get(), 0, 0);
    m_session = std::move(session);
    m_notifier = new QSocketNotifier(PQsocket(m_session->handle()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CatalogChangeCounter::readNotices);
    return true;
}

void CatalogChangeCounter::readNotices()
{
    PGconn* conn = m_session->handle();
    if (!PQconsumeInput(conn) || PQstatus(conn) != CONNECTION_OK) {
        lost();
        return;
    }
    while (PGnotify* notice = PQnotifies(conn)) {
        const QByteArray payload(notice->extra);
        PQfreemem(notice);
        if (payload.left(payload.indexOf(' ')) == m_table) {
            ++m_generation;
        }
    }
}

void CatalogChangeCounter::lost()
{
    // The notifier goes later: this may be its own signal.
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
    ++m_generation;
    m_retry->start();
}
