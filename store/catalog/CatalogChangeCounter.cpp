#include "store/catalog/CatalogChangeCounter.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogWatcher.h"
#include "store/sqlite/SqliteConnection.h"

#include <sqlite3.h>

CatalogChangeCounter::CatalogChangeCounter(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
{
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
        m_watcher.reset();
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
        m_watcher.reset();
        return std::nullopt;
    }
    if (!listening()) {
        return std::nullopt;
    }
    return m_generation;
}

void CatalogChangeCounter::checkSqlite(sqlite3* db)
{
    const qint64 dataVersion = CatalogWatcher::fileVersion(db);
    const qint64 ownChanges = sqlite3_total_changes64(db);
    // A failed read, another catalog opened, or either counter moved.
    if (dataVersion < 0 || db != m_db || dataVersion != m_dataVersion || ownChanges != m_ownChanges) {
        ++m_generation;
    }
    m_db = dataVersion < 0 ? nullptr : db;
    m_dataVersion = dataVersion;
    m_ownChanges = ownChanges;
}

bool CatalogChangeCounter::listening()
{
    if (!m_watcher || m_watcher->location() != m_connection.location()) {
        // Anything may have changed while nobody listened. A watcher that
        // cannot listen yet tries again on its own.
        ++m_generation;
        m_watcher = std::make_unique<CatalogWatcher>(m_connection.location());
        connect(m_watcher.get(), &CatalogWatcher::changed, this, [this] { ++m_generation; });
    }
    return m_watcher->listening();
}
