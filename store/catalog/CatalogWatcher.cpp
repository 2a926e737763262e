#include "store/catalog/CatalogWatcher.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteConnection.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sqlite3.h>

namespace
{
constexpr int RetryMs = 2000;
const char* const kChannel = "grocelle_catalog";
} // namespace

CatalogWatcher::CatalogWatcher(const QString& location, QObject* parent)
    : QObject(parent)
    , m_location(location)
{
    if (!PgSession::isUri(location)) {
        return;
    }
    m_retry = new QTimer(this);
    m_retry->setInterval(RetryMs);
    connect(m_retry, &QTimer::timeout, this, [this] {
        if (listen()) {
            m_retry->stop();
            Q_EMIT changed();
            Q_EMIT changedElsewhere();
        }
    });
    if (!listen()) {
        m_retry->start();
    }
}

CatalogWatcher::~CatalogWatcher() = default;

bool CatalogWatcher::installTrigger(CAdoConnection& connection)
{
    CAdoRecordset set;
    if (!set.Open(QStringLiteral("SELECT count(*) FROM pg_trigger WHERE tgrelid = to_regclass('ShoppingLists') AND "
                                 "tgname = 'grocelle_catalog_changed'"),
                  connection)
        || set.IsEOF()) {
        return false;
    }
    if (set.GetField(0).GetLong() > 0) {
        return true;
    }
    set.Close();
    // The payload names the program that made the change and the table, so
    // that a program passes over its own changes and those of another
    // catalog on the same server.
    return connection.Execute(
               QStringLiteral("CREATE OR REPLACE FUNCTION grocelle_catalog_changed() RETURNS trigger "
                              "LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_notify('%1', TG_RELID::text || ' ' || "
                              "current_setting('application_name')); RETURN NULL; END $$")
                   .arg(QLatin1String(kChannel)))
           && connection.Execute(QStringLiteral("CREATE OR REPLACE TRIGGER grocelle_catalog_changed AFTER INSERT OR "
                                                "UPDATE OR DELETE OR TRUNCATE ON ShoppingLists FOR EACH STATEMENT "
                                                "EXECUTE FUNCTION grocelle_catalog_changed()"));
}

bool CatalogWatcher::listening() const
{
    return m_notifier && m_notifier->isEnabled();
}

const QString& CatalogWatcher::location() const
{
    return m_location;
}

bool CatalogWatcher::listen()
{
    delete m_notifier;
    m_notifier = nullptr;
    QString error;
    m_session = PgSession::connect(m_location, error);
    if (!m_session) {
        return false;
    }
    const PgSession::Result table = m_session->exec("SELECT to_regclass('ShoppingLists')::oid", error);
    if (!table || PQntuples(table.get()) != 1 || PQgetisnull(table.get(), 0, 0)
        || !m_session->exec(QByteArray("LISTEN ") + kChannel, error)) {
        m_session.reset();
        return false;
    }
    m_table = PQgetvalue(table.get(), 0, 0);
    m_notifier = new QSocketNotifier(PQsocket(m_session->handle()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CatalogWatcher::readNotifications);
    return true;
}

void CatalogWatcher::readNotifications()
{
    PGconn* conn = m_session->handle();
    if (!PQconsumeInput(conn) || PQstatus(conn) != CONNECTION_OK) {
        lost();
        return;
    }
    const QByteArray own = PgSession::programTag();
    bool heard = false;
    bool elsewhere = false;
    while (PGnotify* notice = PQnotifies(conn)) {
        const QByteArray payload(notice->extra);
        PQfreemem(notice);
        const qsizetype space = payload.indexOf(' ');
        if (payload.left(space) == m_table) {
            heard = true;
            elsewhere = elsewhere || payload.mid(space + 1) != own;
        }
    }
    if (heard) {
        Q_EMIT changed();
    }
    if (elsewhere) {
        Q_EMIT changedElsewhere();
    }
}

void CatalogWatcher::lost()
{
    // The notifier goes later: this may be its own signal.
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
    m_retry->start();
    Q_EMIT changed();
}

bool CatalogWatcher::isFile(const QString& location)
{
    return !PgSession::isUri(location);
}

qint64 CatalogWatcher::fileVersion(CAdoConnection& connection)
{
    if (!connection.isOpen()) {
        return -1;
    }
    sqlite3* db = SqliteConnection::handleOf(connection);
    return db ? fileVersion(db) : -1;
}

qint64 CatalogWatcher::fileVersion(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &raw, nullptr) != SQLITE_OK) {
        return -1;
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    return sqlite3_step(statement.get()) == SQLITE_ROW ? sqlite3_column_int64(statement.get(), 0) : -1;
}
