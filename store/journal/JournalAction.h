#pragma once

#include "store/access/CAdoTransaction.h"
#include "store/journal/RowChange.h"

#include <QString>

#include <map>
#include <vector>

class CAdoConnection;

// One user action that changes the catalog, recorded in the undo journal in
// the same transaction as the change itself, so that both land or neither
// does. Construction begins the transaction (a savepoint when one is running
// already); the change is then made on the same connection, its rows told
// to the action (record) or watched (watch); commit writes the journal entry
// and makes all of it final. Without commit, the destructor rolls the change
// back. On a server, construction waits for the journal to be this
// program's, and raises CAdoException with the reason when the server ends
// that wait (another program's lock held too long, or a deadlock).
//
//     JournalAction action(connection, QStringLiteral("Add one: Milk"));
//     action.watch(id);
//     ... change the row through any statement ...
//     action.commit();
//
// An action that changed nothing leaves no entry. A new entry drops the redo
// branch (the undone actions) and prunes the oldest entries beyond the
// limits. When the catalog's journal tables are not ours (made by hand with
// other columns), the change is still made, only without an entry.
class JournalAction
{
public:
    // How much history is kept: the newest actions up to a count and a size
    // (the text of their changes); the newest is kept whatever its size.
    struct Limits
    {
        int maxActions;
        qint64 maxBytes;
    };
    static constexpr Limits DefaultLimits = {500, 50LL * 1024 * 1024};

    JournalAction(CAdoConnection& connection, const QString& label, Limits limits = DefaultLimits);
    ~JournalAction();
    JournalAction(const JournalAction&) = delete;
    JournalAction& operator=(const JournalAction&) = delete;

    // False when the transaction could not begin; commit then raises.
    bool active() const { return m_transaction.active(); }

    // Remembers the rows with this ID as they are now; commit records what
    // became of them: changed columns, a row deleted, a row inserted. Raises
    // CAdoException when the rows cannot be read.
    void watch(qint64 itemId);
    // A change the caller made (a bulk pass tells each row this way).
    void record(const RowChange& change);
    // The name in the history, when it is known only once the row is read.
    void setLabel(const QString& label) { m_label = label; }

    // Records the watched rows, writes the entry and commits. Raises
    // CAdoException when any of it fails; nothing of the action is then kept.
    void commit();

    // Items the action changed so far.
    int itemCount() const { return m_items; }

private:
    struct Row
    {
        QStringList columns;
        std::vector<SqlValue> values;
    };
    std::vector<Row> readRows(qint64 itemId);
    void recordWatched();
    void begin();
    void flush();
    void prune();

    CAdoConnection& m_connection;
    CAdoTransaction m_transaction;
    QString m_label;
    Limits m_limits;
    std::map<qint64, std::vector<Row>> m_watched;

    enum class Journalling
    {
        NotYet,
        Yes,
        No
    } m_journalling = Journalling::NotYet;
    bool m_tablesReady = false; // made and locked by the constructor
    qint64 m_actionId = 0;
    int m_part = 0;
    QString m_buffer;
    QStringList m_lastColumns; // of the change appended last to m_buffer
    int m_items = 0;
    qint64 m_bytes = 0;
};
