#pragma once

#include <QObject>

#include <memory>
#include <optional>

class CAdoConnection;
class CatalogWatcher;
struct sqlite3;

// Tells, without reading the list, whether the catalog may have changed
// since a moment: a generation number that goes up with every change
// committed to the catalog by anyone, this program included.
//
// On a catalog file it compares SQLite's own counters on the window's
// connection: data_version (changes committed by other connections and
// programs) and total_changes (the connection's own writes). On PostgreSQL
// it listens, on a connection of its own, to the notice the catalog's
// trigger sends for every change, its own program's too.
//
// Used on the thread of the connection it watches, which needs an event
// loop on PostgreSQL. On a file, the connection it watches should write
// nothing of its own while a transaction is open, as the window's may; the
// phone list watches a connection of its own, which only reads, and so sees
// the window's commits as another connection's.
class CatalogChangeCounter : public QObject
{
    Q_OBJECT

public:
    explicit CatalogChangeCounter(CAdoConnection& connection, QObject* parent = nullptr);
    ~CatalogChangeCounter() override;

    // The generation now. nullopt when no generation can be vouched for: a
    // transaction is open on the window's connection, the PostgreSQL
    // notices cannot be heard, or the catalog is closed. Whatever is read
    // then must be read again next time.
    std::optional<quint64> generation();

    // A write this program has just made: the next generation differs,
    // even before the engine's own counter or notice tells of it.
    void noteWrite();

private:
    void checkSqlite(sqlite3* db);
    bool listening();

    CAdoConnection& m_connection;
    quint64 m_generation = 1;

    // The file: what the counters were at the last look.
    sqlite3* m_db = nullptr;
    qint64 m_dataVersion = -1;
    qint64 m_ownChanges = -1;

    // The server: the notices of every program.
    std::unique_ptr<CatalogWatcher> m_watcher;
};
