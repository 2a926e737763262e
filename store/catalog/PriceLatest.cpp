#include "store/catalog/PriceLatest.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/CatalogSchema.h"
#include "store/catalog/PricePoints.h"
#include "store/catalog/SideTable.h"
#include "store/journal/RowChange.h"

#include <set>
#include <tuple>

namespace
{
const SideTable& table()
{
    static const SideTable latest(
        QStringLiteral("PriceLatest"),
        QStringLiteral("ItemID, Store, Points, LastID, PointID, Price, Unit, SeenAt, Source"),
        QStringLiteral("CREATE TABLE PriceLatest (ItemID INTEGER NOT NULL, Store %1 NOT NULL, Points INTEGER NOT NULL, "
                       "LastID BIGINT NOT NULL, PointID BIGINT, Price DOUBLE PRECISION, Unit %1, SeenAt BIGINT, "
                       "Source %1)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS PriceLatestItemIdx ON PriceLatest (ItemID)"));
    return latest;
}

// One row per item and store (as the catalog compares names) of the points
// itemFilter picks: how many points there are and the highest number among
// them (which a point added or taken away by hand changes), and a copy of
// the newest one whose price is not below zero (of two as new, the last
// made). A store whose every point is damaged keeps its count and no point:
// it then has no price.
QString workOut(const QString& itemFilter)
{
    return QStringLiteral("INSERT INTO PriceLatest (ItemID, Store, Points, LastID, PointID, Price, Unit, SeenAt, "
                          "Source) SELECT g.ItemID, g.Store, g.Points, g.LastID, p.ID, p.Price, p.Unit, p.SeenAt, "
                          "p.Source FROM (SELECT ItemID, Store, COUNT(*) AS Points, MAX(ID) AS LastID, MAX(CASE WHEN "
                          "Price >= 0 THEN SeenAt END) AS "
                          "Newest FROM PricePoints %1 GROUP BY ItemID, Store) g LEFT JOIN PricePoints p ON p.ID = "
                          "(SELECT MAX(q.ID) FROM PricePoints q WHERE q.ItemID = g.ItemID AND q.Store = g.Store "
                          "AND q.SeenAt = g.Newest AND q.Price >= 0)")
        .arg(itemFilter);
}

qint64 countOf(CAdoConnection& connection, const QString& sql)
{
    CAdoCommand count(connection, sql);
    return count.next() ? count.integer(0) : -1;
}
} // namespace

bool PriceLatest::tableUsable(CAdoConnection& connection)
{
    return CAdoCommand::available(connection) && table().usable(connection);
}

bool PriceLatest::ensureTable(CAdoConnection& connection)
{
    return table().ensure(connection);
}

void PriceLatest::refreshItems(CAdoConnection& connection, const std::vector<qint64>& ids)
{
    if (ids.empty() || !tableUsable(connection)) {
        return;
    }
    CAdoCommand erase(connection, QStringLiteral("DELETE FROM PriceLatest WHERE ItemID = ?"));
    CAdoCommand again(connection, workOut(QStringLiteral("WHERE ItemID = ?")));
    for (const qint64 id : std::set<qint64>(ids.begin(), ids.end())) {
        erase.bind(1, id);
        erase.run();
        again.bind(1, id);
        again.run();
    }
}

void PriceLatest::rebuild(CAdoConnection& connection)
{
    CAdoCommand(connection, QStringLiteral("DELETE FROM PriceLatest")).run();
    CAdoCommand(connection, workOut(QString())).run();
}

void PriceLatest::keepInStep(CAdoConnection& connection)
{
    if (!PricePoints::tableUsable(connection)) {
        return;
    }
    try {
        const bool there = tableUsable(connection);
        if (!there && !CatalogSchema::mayChange(connection)) {
            return;
        }
        if (there
            && countOf(connection, QStringLiteral("SELECT COUNT(*) FROM PricePoints"))
                   == countOf(connection, QStringLiteral("SELECT COALESCE(SUM(Points), 0) FROM PriceLatest"))
            && countOf(connection, QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM PricePoints"))
                   == countOf(connection, QStringLiteral("SELECT COALESCE(MAX(LastID), 0) FROM PriceLatest"))) {
            return;
        }
        CAdoTransaction transaction(connection);
        if (!transaction.active() || (!there && !ensureTable(connection))) {
            return;
        }
        rebuild(connection);
        std::ignore = transaction.commit();
    } catch (const CAdoException&) {
        // Left as it was: the reads check each row they use.
    }
}

void PriceLatest::follow(CAdoConnection& connection, const std::vector<RowChange>& changes)
{
    std::vector<qint64> items;
    CAdoCommand itemOf(connection, QStringLiteral("SELECT ItemID FROM PricePoints WHERE ID = ?"));
    for (const RowChange& change : changes) {
        if (change.tableName() != QLatin1String("PricePoints")) {
            continue;
        }
        // A row taken back or put back carries its item; a changed one is
        // looked up where it now stands.
        const std::vector<SqlValue>& values = change.kind == RowChange::Kind::Insert ? change.after : change.before;
        const qsizetype item = change.columns.indexOf(QStringLiteral("ItemID"));
        if (item >= 0 && static_cast<size_t>(item) < values.size()
            && values[static_cast<size_t>(item)].type() == SqlValue::Type::Integer) {
            items.push_back(values[static_cast<size_t>(item)].toInteger());
            continue;
        }
        itemOf.bind(1, change.id);
        if (itemOf.next()) {
            items.push_back(itemOf.integer(0));
        }
        itemOf.reset();
    }
    refreshItems(connection, items);
}

QString PriceLatest::selectNewest(const QString& itemFilter)
{
    return QStringLiteral("SELECT PointID, ItemID, Store, Price, Unit, SeenAt, Source FROM PriceLatest "
                          "WHERE PointID IS NOT NULL AND ")
           + itemFilter;
}
