#include "store/catalog/StoreWalks.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/PriceLatest.h"
#include "store/catalog/PricePoints.h"
#include "store/catalog/SideTable.h"
#include "store/catalog/WalkLearner.h"
#include "store/catalog/WalkTrips.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <limits>
#include <tuple>
#include <vector>

namespace
{
const QString kTable = QStringLiteral("StoreWalks");
const QStringList kColumns{QStringLiteral("ID"), QStringLiteral("Store"), QStringLiteral("Dept"),
                           QStringLiteral("Place")};

// One row of the table as it stands, for the journal.
struct WalkRow
{
    std::vector<SqlValue> values; // ID, Store, Dept, Place
};

std::vector<WalkRow> readRows(CAdoConnection& connection, const QString& where, const QString& name)
{
    CAdoCommand select(connection, QStringLiteral("SELECT ID, Store, Dept, Place FROM StoreWalks WHERE ") + where
                                       + QStringLiteral(" = ? ORDER BY ID"));
    select.bind(1, name);
    std::vector<WalkRow> rows;
    while (select.next()) {
        rows.push_back({{select.value(0), select.value(1), select.value(2), select.value(3)}});
    }
    return rows;
}

void removeRow(CAdoConnection& connection, JournalAction& action, const WalkRow& row)
{
    const RowChange change{RowChange::Kind::Delete, row.values[0], kColumns, row.values, {}, kTable};
    CAdoCommand erase(connection, QStringLiteral("DELETE FROM StoreWalks WHERE ID = ?"));
    erase.bind(1, row.values[0]);
    erase.run();
    action.record(change);
}

// On PostgreSQL two programs' changes of the walks take turns; SQLite's
// transaction holds the whole file already.
void lockTable(CAdoConnection& connection)
{
    if (connection.isPostgres()) {
        CAdoCommand(connection, QStringLiteral("LOCK TABLE StoreWalks IN SHARE ROW EXCLUSIVE MODE")).run();
    }
}

QStringList distinctNames(const QStringList& names)
{
    QStringList kept;
    QSet<QString> seen;
    for (const QString& name : names) {
        if (!name.isEmpty() && !seen.contains(WalkLearner::key(name))) {
            seen.insert(WalkLearner::key(name));
            kept << name;
        }
    }
    return kept;
}

QString plain(const QString& store)
{
    return store.trimmed();
}

const SideTable& walkTable()
{
    static const SideTable walks(kTable, kColumns.join(QStringLiteral(", ")),
                                 QStringLiteral("CREATE TABLE StoreWalks (ID BIGINT NOT NULL PRIMARY KEY, "
                                                "Store %1 NOT NULL, Dept %1 NOT NULL, Place INTEGER NOT NULL)"));
    return walks;
}
} // namespace

StoreWalks::StoreWalks(CAdoConnection& connection)
    : m_connection(connection)
{
}

bool StoreWalks::tableUsable(CAdoConnection& connection)
{
    return walkTable().usable(connection);
}

bool StoreWalks::ensureTable(CAdoConnection& connection)
{
    return walkTable().ensure(connection);
}

QStringList StoreWalks::globalWalk()
{
    QStringList names;
    if (!CAdoCommand::available(m_connection)) {
        return names;
    }
    // Each department at the first place any of its rows gives it.
    CAdoCommand select(m_connection, QStringLiteral("SELECT Dept, min(DeptOrder) AS Walked FROM ShoppingLists GROUP "
                                                    "BY Dept ORDER BY Walked, Dept"));
    while (select.next()) {
        names << select.value(0).toText();
    }
    return distinctNames(names);
}

QStringList StoreWalks::departmentsOf(const QString& store)
{
    QStringList names;
    if (!CAdoCommand::available(m_connection)) {
        return names;
    }
    CAdoCommand select(m_connection, QStringLiteral("SELECT DISTINCT Dept FROM ShoppingLists WHERE Store = ?"));
    select.bind(1, plain(store));
    while (select.next()) {
        names << select.value(0).toText();
    }
    return distinctNames(names);
}

StoreWalks::Walk StoreWalks::walkOf(const QString& store)
{
    if (plain(store) == QLatin1String("*")) {
        return {globalWalk(), false};
    }
    return walkWith(store, globalWalk());
}

StoreWalks::Walk StoreWalks::walkWith(const QString& store, const QStringList& global)
{
    QHash<QString, int> everyday;
    for (int i = static_cast<int>(global.size()) - 1; i >= 0; --i) {
        everyday.insert(WalkLearner::key(global[i]), i);
    }
    struct Placed
    {
        qint64 place;
        int everyday;
        QString key;
        QString name;
    };
    std::vector<Placed> rows;
    if (tableUsable(m_connection)) {
        CAdoCommand select(m_connection, QStringLiteral("SELECT Dept, Place FROM StoreWalks WHERE Store = ?"));
        select.bind(1, plain(store));
        while (select.next()) {
            const SqlValue dept = select.value(0);
            const SqlValue place = select.value(1);
            if (dept.type() == SqlValue::Type::Text && !dept.toText().isEmpty()
                && place.type() == SqlValue::Type::Integer) {
                const QString key = WalkLearner::key(dept.toText());
                rows.push_back({place.toInteger(), everyday.value(key, INT_MAX), key, dept.toText()});
            }
        }
    }
    std::sort(rows.begin(), rows.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.place, a.everyday, a.key, a.name) < std::tie(b.place, b.everyday, b.key, b.name);
    });
    QStringList ranked;
    for (const Placed& row : rows) {
        ranked << row.name;
    }
    Walk walk;
    walk.own = !rows.empty();
    walk.departments = WalkLearner::placeUnseen(distinctNames(ranked), departmentsOf(store), global);
    return walk;
}

bool StoreWalks::setWalk(const QString& store, const QStringList& departments, const QString& label)
{
    const QString name = plain(store);
    if (name.isEmpty() || name == QLatin1String("*")) {
        ADO_RAISE_DETAIL(CAdoException::ValueRefused,
                         QCoreApplication::translate("StoreWalks", "A walk belongs to one store."));
    }
    if (!ensureTable(m_connection)) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
    }
    const QStringList walk = distinctNames(departments);
    JournalAction action(m_connection, label.isEmpty() ? QStringLiteral("Walk of ") + name : label);
    lockTable(m_connection);
    const std::vector<WalkRow> before = readRows(m_connection, QStringLiteral("Store"), name);
    bool same = before.size() == static_cast<size_t>(walk.size());
    for (size_t i = 0; same && i < before.size(); ++i) {
        same = before[i].values[1].sameCell(SqlValue::text(name))
               && before[i].values[2].sameCell(SqlValue::text(walk[static_cast<qsizetype>(i)]))
               && before[i].values[3].sameCell(SqlValue::integer(static_cast<qint64>(i)));
    }
    if (same) {
        return false;
    }
    // New rows take numbers above every row there was, so that undo and redo
    // never meet a number used twice.
    CAdoCommand highest(m_connection, QStringLiteral("SELECT coalesce(max(ID), 0) FROM StoreWalks"));
    qint64 next = (highest.next() ? highest.integer(0) : 0) + 1;
    highest.reset();
    for (const WalkRow& row : before) {
        removeRow(m_connection, action, row);
    }
    CAdoCommand insert(m_connection,
                       QStringLiteral("INSERT INTO StoreWalks (ID, Store, Dept, Place) VALUES (?, ?, ?, ?)"));
    for (qsizetype i = 0; i < walk.size(); ++i) {
        const std::vector<SqlValue> values{SqlValue::integer(next++), SqlValue::text(name), SqlValue::text(walk[i]),
                                           SqlValue::integer(i)};
        for (int p = 0; p < 4; ++p) {
            insert.bind(p + 1, values[static_cast<size_t>(p)]);
        }
        insert.run();
        action.record({RowChange::Kind::Insert, values[0], kColumns, {}, values, kTable});
    }
    action.commit();
    return true;
}

StoreWalks::Learned StoreWalks::learnedWalk(const QString& store, qint64 now)
{
    const QString name = plain(store);
    std::vector<WalkLearner::Trip> trips = WalkTrips::kept(m_connection, name);
    qint64 since = std::numeric_limits<qint64>::min();
    for (const WalkLearner::Trip& trip : trips) {
        since = std::max(since, trip.end);
    }
    const std::vector<WalkLearner::Trip> fresh = WalkLearner::findTrips(MarkLog::marksAt(m_connection, name, since));
    const qint64 clock = now != 0 ? now : QDateTime::currentMSecsSinceEpoch();
    std::vector<WalkLearner::Trip> over;
    for (const WalkLearner::Trip& trip : fresh) {
        if (trip.end <= clock - WalkLearner::TripGap) {
            over.push_back(trip);
        }
    }
    Learned learned;
    if (WalkTrips::keep(m_connection, name, over)) {
        learned.finished = static_cast<int>(over.size());
        since = std::max(since, over.back().end);
    }
    // The marks before the newest kept trip are never read again.
    if (since != std::numeric_limits<qint64>::min()) {
        MarkLog::dropThrough(m_connection, name, since);
    }
    trips.insert(trips.end(), fresh.begin(), fresh.end());
    const WalkLearner::Estimate estimate = WalkLearner::estimate(trips);
    learned.trips = estimate.trips;
    learned.confidence = estimate.confidence;
    const QStringList global = globalWalk();
    learned.departments = WalkLearner::placeUnseen(estimate.order, walkWith(store, global).departments, global);
    return learned;
}

void StoreWalks::carryRename(CAdoConnection& connection, JournalAction& action, Column column, const QString& from,
                             const QString& to)
{
    const bool stores = column == Column::Store;
    const QString name = stores ? QStringLiteral("Store") : QStringLiteral("Dept");
    if (from == to) {
        return;
    }
    MarkLog::carryRename(connection, name, from, to);
    WalkTrips::carryRename(connection, name, from, to);
    if (!tableUsable(connection)) {
        return;
    }
    lockTable(connection);
    const std::vector<WalkRow> renamed = readRows(connection, name, from);
    if (renamed.empty()) {
        return;
    }
    // Rows already named to give way, unless only the letter case changes;
    // for a department only in the stores whose walk holds from.
    if (WalkLearner::key(from) != WalkLearner::key(to)) {
        QSet<QString> walksWithFrom;
        for (const WalkRow& row : renamed) {
            walksWithFrom.insert(WalkLearner::key(row.values[1].toText()));
        }
        for (const WalkRow& row : readRows(connection, name, to)) {
            if (stores || walksWithFrom.contains(WalkLearner::key(row.values[1].toText()))) {
                removeRow(connection, action, row);
            }
        }
    }
    const int at = stores ? 1 : 2;
    CAdoCommand update(connection,
                       QStringLiteral("UPDATE StoreWalks SET ") + name + QStringLiteral(" = ? WHERE ID = ?"));
    for (const WalkRow& row : renamed) {
        update.bind(1, to);
        update.bind(2, row.values[0]);
        update.run();
        action.record({RowChange::Kind::Update,
                       row.values[0],
                       {name},
                       {row.values[static_cast<size_t>(at)]},
                       {SqlValue::text(to)},
                       kTable});
    }
}

namespace
{
// Copies the rows of table whose values have the types given ('I' a whole
// number, 'T' text, 't' text or nothing, 'R' a number) from source to target,
// in place of target's rows.
long copyTable(CAdoConnection& source, CAdoConnection& target, const QString& table, const QStringList& columns,
               const char* types)
{
    CAdoCommand(target, QStringLiteral("DELETE FROM ") + table).run();
    const QString list = columns.join(QStringLiteral(", "));
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    CAdoCommand read(source, QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + table);
    CAdoCommand write(target, QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + list
                                  + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", "))
                                  + QStringLiteral(")"));
    long copied = 0;
    while (read.next()) {
        bool fits = true;
        for (int c = 0; fits && c < columns.size(); ++c) {
            const SqlValue::Type type = read.value(c).type();
            fits = types[c] == 'I' ? type == SqlValue::Type::Integer
                   : types[c] == 'R'
                       ? type == SqlValue::Type::Integer || type == SqlValue::Type::Real
                       : type == SqlValue::Type::Text || (types[c] == 't' && type == SqlValue::Type::Null);
        }
        if (!fits) {
            continue;
        }
        for (int c = 0; c < columns.size(); ++c) {
            write.bind(c + 1, read.value(c));
        }
        write.run();
        ++copied;
    }
    return copied;
}
} // namespace

long StoreWalks::copyInto(CAdoConnection& source, CAdoConnection& target)
{
    const QStringList trips{QStringLiteral("Store"), QStringLiteral("StartedAt"), QStringLiteral("EndedAt"),
                            QStringLiteral("Items"), QStringLiteral("Depts")};
    const QStringList marks{QStringLiteral("MarkedAt"), QStringLiteral("ItemID"), QStringLiteral("Dept"),
                            QStringLiteral("Store"), QStringLiteral("Marked")};
    const QStringList codes{QStringLiteral("ID"), QStringLiteral("Code"), QStringLiteral("ItemID")};
    const struct
    {
        bool (*usable)(CAdoConnection&);
        bool (*ensure)(CAdoConnection&);
        QString table;
        const QStringList& columns;
        const char* types;
    } tables[] = {
        {&tableUsable, &ensureTable, kTable, kColumns, "ITTI"},
        {&WalkTrips::tableUsable, &WalkTrips::ensureTable, QStringLiteral("WalkTrips"), trips, "TIIIT"},
        {&MarkLog::tableUsable, &MarkLog::ensureTable, QStringLiteral("MarkLog"), marks, "IIttI"},
        {&Barcodes::tableUsable, &Barcodes::ensureTable, QStringLiteral("Barcodes"), codes, "ITI"},
        {&PricePoints::tableUsable, &PricePoints::ensureTable, QStringLiteral("PricePoints"), PricePoints::columns(),
         PricePoints::columnKinds()},
    };
    long walks = 0;
    for (const auto& table : tables) {
        // A target whose table of that name is another program's keeps it
        // as it is, as its undo history would be kept.
        if (!table.ensure(target)) {
            continue;
        }
        if (table.usable(source)) {
            const long copied = copyTable(source, target, table.table, table.columns, table.types);
            walks = table.table == kTable ? copied : walks;
        } else {
            CAdoCommand(target, QStringLiteral("DELETE FROM ") + table.table).run();
        }
    }
    // The copy's newest prices are worked out from the points it was given.
    if (PriceLatest::ensureTable(target)) {
        PriceLatest::rebuild(target);
    }
    return walks;
}
