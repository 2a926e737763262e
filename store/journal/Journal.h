#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <set>
#include <vector>

class CAdoConnection;
struct RowChange;

// The undo journal of a catalog: the actions recorded by JournalAction, in
// two tables of its own beside ShoppingLists (JournalActions: one row per
// action; JournalChanges: the row changes of each action, in parts).
//
// Undo takes back the newest action that is not undone; Redo applies again
// the oldest undone one. Each runs in one transaction and first checks that
// every row the action touched still holds what the action left (for redo:
// what the undo left); when any does not, nothing is changed and the outcome
// says how many items changed since. Entries that cannot be read (edited by
// hand) are skipped and reported once.
class Journal
{
public:
    struct Action
    {
        qint64 id = 0;
        QString label;
        QDateTime madeAt; // UTC
        int itemCount = 0;
        bool undone = false;
    };
    struct Outcome
    {
        bool done = false;
        int itemsChanged = 0; // items written back when done
        QString message;      // why nothing was done; empty when done
    };

    explicit Journal(CAdoConnection& connection);

    // Called inside the transaction of each undo and redo with the row
    // changes it wrote back, for what is worked out from those rows (kept
    // in tables of its own) to follow them. It raises CAdoException to
    // refuse, and then nothing is written back.
    using Follower = void (*)(CAdoConnection& connection, const std::vector<RowChange>& changes);
    void followWith(Follower follower) { m_follower = follower; }

    // Why nothing can be undone on this catalog (read-only, or journal
    // tables that are not ours); empty when undo can work.
    QString unavailableReason() const;

    std::optional<Action> nextUndo();
    std::optional<Action> nextRedo();
    // The actions that can be undone, newest first.
    QList<Action> history();

    // expectedId, when given, is the action the user was shown: the undo is
    // refused when another action has come on top of it meanwhile.
    Outcome undo(qint64 expectedId = 0);
    Outcome redo(qint64 expectedId = 0);
    // Undoes the action and every later one, as one step.
    Outcome undoBackTo(qint64 id);

    // A sentence on entries found damaged and skipped since the last call;
    // empty when there are none new.
    QString takeDamageReport();

    // The journal's tables and the index on ShoppingLists(ID) that its reads
    // and writes go by, created when missing. False when the tables exist
    // with another shape, or cannot be made.
    static bool ensureTables(CAdoConnection& connection);
    // True when the journal tables exist and are ours.
    static bool tablesUsable(CAdoConnection& connection);
    static bool tablesExist(CAdoConnection& connection);
    static QString actionColumns();
    // Inside a transaction: waits for the journal (and with rowsToo the
    // catalog table) to be this program's until the transaction ends, where
    // the engine does not hold it already. Raises CAdoException on failure.
    static void lockForWriting(CAdoConnection& connection, bool rowsToo = false);

private:
    static void ensureIdIndex(CAdoConnection& connection);
    std::vector<Action> readActions();
    Outcome apply(const std::vector<Action>& targets, bool undoing);
    bool loadChanges(qint64 id, std::vector<RowChange>& out);
    void noteDamaged(const QString& key);

    CAdoConnection& m_connection;
    Follower m_follower = nullptr;
    std::set<QString> m_damaged; // entries skipped, by their ActionID as text
    int m_unreported = 0;
};
