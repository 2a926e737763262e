#include "store/catalog/MarkLog.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/SideTable.h"

#include <QDateTime>

#include <tuple>

namespace
{
const QString kColumns = QStringLiteral("MarkedAt, ItemID, Dept, Store, Marked");

const SideTable& table()
{
    static const SideTable marks(QStringLiteral("MarkLog"), kColumns,
                                 QStringLiteral("CREATE TABLE MarkLog (MarkedAt BIGINT NOT NULL, ItemID INTEGER, "
                                                "Dept %1, Store %1, Marked INTEGER NOT NULL)"),
                                 QStringLiteral("CREATE INDEX MarkLogStoreIdx ON MarkLog (Store, MarkedAt)"));
    return marks;
}
} // namespace

namespace
{
// The newest KeptMarks marks stay, with any that share the time of the
// oldest of them.
void pruneBeyondKept(CAdoConnection& connection)
{
    CAdoCommand prune(connection, QStringLiteral("DELETE FROM MarkLog WHERE MarkedAt < (SELECT MarkedAt FROM MarkLog "
                                                 "ORDER BY MarkedAt DESC LIMIT 1 OFFSET ?)"));
    prune.bind(1, qint64(MarkLog::KeptMarks - 1));
    prune.run();
}
} // namespace

bool MarkLog::tableUsable(CAdoConnection& connection)
{
    return table().usable(connection);
}

bool MarkLog::ensureTable(CAdoConnection& connection)
{
    if (!table().ensure(connection)) {
        return false;
    }
    // Pruning finds the newest marks of every store by this index. Made apart
    // from the table, so that a log made before it gets it too; outside any
    // transaction (the structure check), where a refusal harms nothing.
    std::ignore = connection.Execute(QStringLiteral("CREATE INDEX IF NOT EXISTS MarkLogTimeIdx ON MarkLog (MarkedAt)"));
    return true;
}

void MarkLog::record(CAdoConnection& connection, qint64 itemId, bool marked, const QString& store, qint64 madeAt)
{
    if (!CAdoCommand::available(connection) || !tableUsable(connection)) {
        return;
    }
    const QString place = store.trimmed();
    const bool home = place.isEmpty() || place == QLatin1String("*");
    try {
        CAdoTransaction part(connection);
        if (!part.active()) {
            return;
        }
        // Values, not a select, so that every parameter takes its column's type.
        CAdoCommand insert(
            connection,
            QStringLiteral("INSERT INTO MarkLog (") + kColumns
                + QStringLiteral(") VALUES (?, ?, (SELECT Dept FROM ShoppingLists WHERE ID = ? LIMIT 1), ?, ?)"));
        // A time not yet come (a phone's clock set wrong) is taken as now:
        // it would otherwise stand as the newest trip for ever.
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        insert.bind(1, madeAt > 0 && madeAt < now ? madeAt : now);
        insert.bind(2, itemId);
        insert.bind(3, itemId);
        insert.bind(4, home ? SqlValue() : SqlValue::text(store));
        insert.bind(5, qint64(marked ? 1 : 0));
        insert.run();
        insert.reset();
        pruneBeyondKept(connection);
        part.commit();
    } catch (const CAdoException&) {
        // The savepoint is rolled back; the mark goes on without its note.
    }
}

std::vector<WalkLearner::Mark> MarkLog::marksAt(CAdoConnection& connection, const QString& store, qint64 after)
{
    std::vector<WalkLearner::Mark> marks;
    if (!CAdoCommand::available(connection) || !tableUsable(connection)) {
        return marks;
    }
    try {
        CAdoCommand select(connection, QStringLiteral("SELECT ") + kColumns
                                           + QStringLiteral(" FROM MarkLog WHERE Store = ? AND MarkedAt > ? ORDER BY "
                                                            "MarkedAt"));
        select.bind(1, store);
        select.bind(2, after);
        while (select.next()) {
            // Rows edited by hand into something else are passed over.
            const SqlValue at = select.value(0);
            const SqlValue item = select.value(1);
            if (at.type() != SqlValue::Type::Integer || item.type() != SqlValue::Type::Integer) {
                continue;
            }
            WalkLearner::Mark mark;
            mark.at = at.toInteger();
            mark.itemId = item.toInteger();
            mark.dept = select.value(2).toText();
            mark.store = select.value(3).toText();
            mark.marked = select.value(4).type() != SqlValue::Type::Integer || select.value(4).toInteger() != 0;
            marks.push_back(mark);
        }
    } catch (const CAdoException&) {
        marks.clear();
    }
    return marks;
}

void MarkLog::dropThrough(CAdoConnection& connection, const QString& store, qint64 through)
{
    if (!CAdoCommand::available(connection) || !tableUsable(connection)) {
        return;
    }
    try {
        // Most calls find nothing to let go, and then write nothing: a write
        // would cost a commit each time a walk is looked at.
        CAdoCommand any(connection, QStringLiteral("SELECT 1 FROM MarkLog WHERE Store = ? AND MarkedAt <= ? LIMIT 1"));
        any.bind(1, store.trimmed());
        any.bind(2, through);
        if (!any.next()) {
            return;
        }
        any.reset();
        CAdoTransaction part(connection);
        if (!part.active()) {
            return;
        }
        CAdoCommand drop(connection, QStringLiteral("DELETE FROM MarkLog WHERE Store = ? AND MarkedAt <= ?"));
        drop.bind(1, store.trimmed());
        drop.bind(2, through);
        drop.run();
        part.commit();
    } catch (const CAdoException&) {
        // Rolled back: the marks are read again next time, and teach the same.
    }
}

void MarkLog::carryRename(CAdoConnection& connection, const QString& column, const QString& from, const QString& to)
{
    const bool known = column == QLatin1String("Store") || column == QLatin1String("Dept");
    if (!known || from == to || !CAdoCommand::available(connection) || !tableUsable(connection)) {
        return;
    }
    try {
        CAdoTransaction part(connection);
        if (!part.active()) {
            return;
        }
        CAdoCommand update(connection, QStringLiteral("UPDATE MarkLog SET %1 = ? WHERE %1 = ?").arg(column));
        update.bind(1, to);
        update.bind(2, from);
        update.run();
        part.commit();
    } catch (const CAdoException&) {
        // The savepoint is rolled back; the rename matters more than its log.
    }
}

QStringList MarkLog::storesMarked(CAdoConnection& connection)
{
    QStringList stores;
    if (!CAdoCommand::available(connection) || !tableUsable(connection)) {
        return stores;
    }
    try {
        CAdoCommand select(connection,
                           QStringLiteral("SELECT DISTINCT Store FROM MarkLog WHERE Store IS NOT NULL ORDER BY Store"));
        while (select.next()) {
            const SqlValue store = select.value(0);
            if (store.type() == SqlValue::Type::Text && !store.toText().trimmed().isEmpty()) {
                stores << store.toText();
            }
        }
    } catch (const CAdoException&) {
        stores.clear();
    }
    return stores;
}
