#include "store/catalog/PricePoints.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/PriceLatest.h"
#include "store/catalog/SideTable.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace
{
const QString kTable = QStringLiteral("PricePoints");
const QString kSelect = QStringLiteral("SELECT ID, ItemID, Store, Price, Unit, SeenAt, Source FROM PricePoints");

const SideTable& table()
{
    static const SideTable points(
        kTable, PricePoints::columns().join(QStringLiteral(", ")),
        QStringLiteral("CREATE TABLE PricePoints (ID BIGINT NOT NULL PRIMARY KEY, ItemID INTEGER NOT NULL, "
                       "Store %1 NOT NULL, Price DOUBLE PRECISION NOT NULL, Unit %1, SeenAt BIGINT NOT NULL, "
                       "Source %1 NOT NULL)"),
        // The newest point of each item and store is read from this index
        // alone, without the rows of its history.
        QStringLiteral("CREATE INDEX IF NOT EXISTS PricePointsItemIdx ON PricePoints (ItemID, Store, SeenAt, Price)"));
    return points;
}

// A number kept by hand as text still counts when it is one.
bool numberOf(const SqlValue& value, double& number)
{
    switch (value.type()) {
    case SqlValue::Type::Real:
        number = value.toReal();
        return true;
    case SqlValue::Type::Integer:
        number = static_cast<double>(value.toInteger());
        return true;
    case SqlValue::Type::Text: {
        bool ok = false;
        number = value.toText().trimmed().toDouble(&ok);
        return ok;
    }
    default:
        return false;
    }
}

// The point of the select's current row; false for a row damaged by hand.
bool readPoint(const CAdoCommand& select, PricePoint& point)
{
    const SqlValue id = select.value(0);
    const SqlValue item = select.value(1);
    const SqlValue seen = select.value(5);
    double seenAt = 0.0;
    if (id.type() != SqlValue::Type::Integer || item.type() != SqlValue::Type::Integer
        || !numberOf(select.value(3), point.price) || !PricePoint::priceAcceptable(point.price)
        || !numberOf(seen, seenAt)) {
        return false;
    }
    point.id = id.toInteger();
    point.itemId = item.toInteger();
    point.store = select.value(2).toText().trimmed();
    point.unit = select.value(4).toText().trimmed();
    point.seenAt = static_cast<qint64>(seenAt);
    point.source = PricePoint::sourceFrom(select.value(6).toText());
    return !point.store.isEmpty();
}

// Points by item, then time; of a point kept twice only the first stays.
std::vector<PricePoint> readAll(CAdoCommand& select)
{
    std::vector<PricePoint> points;
    PricePoint point;
    while (select.next()) {
        if (readPoint(select, point)) {
            points.push_back(point);
        }
    }
    const auto key = [](const PricePoint& p) { return std::make_tuple(p.itemId, p.seenAt, p.id); };
    std::sort(points.begin(), points.end(), [&](const PricePoint& a, const PricePoint& b) { return key(a) < key(b); });
    const auto same = [](const PricePoint& a, const PricePoint& b) {
        return a.itemId == b.itemId && a.seenAt == b.seenAt && a.price == b.price
               && a.store.compare(b.store, Qt::CaseInsensitive) == 0;
    };
    points.erase(std::unique(points.begin(), points.end(), same), points.end());
    return points;
}

// The newest sound-priced point of each item and store among the items
// itemFilter picks (a condition on ItemID); ties in time all come, for
// readAll to settle as it does for every point.
QString latestSelect(const QString& itemFilter)
{
    return QStringLiteral("SELECT p.ID, p.ItemID, p.Store, p.Price, p.Unit, p.SeenAt, p.Source FROM PricePoints p "
                          "JOIN (SELECT ItemID, Store, MAX(SeenAt) AS Newest FROM PricePoints WHERE Price >= 0 AND ")
           + itemFilter
           + QStringLiteral(" GROUP BY ItemID, Store) n ON p.ItemID = n.ItemID AND p.Store = n.Store "
                            "AND p.SeenAt = n.Newest");
}

QString placeholders(size_t count)
{
    QStringList marks;
    for (size_t i = 0; i < count; ++i) {
        marks << QStringLiteral("?");
    }
    return marks.join(QLatin1Char(','));
}

std::vector<SqlValue> rowOf(const CAdoCommand& select)
{
    std::vector<SqlValue> values;
    for (int c = 0; c < 7; ++c) {
        values.push_back(select.value(c));
    }
    return values;
}

void removeRows(CAdoConnection& connection, JournalAction& action, const std::vector<std::vector<SqlValue>>& rows)
{
    CAdoCommand erase(connection, QStringLiteral("DELETE FROM PricePoints WHERE ID = ?"));
    for (const std::vector<SqlValue>& row : rows) {
        erase.bind(1, row[0]);
        erase.run();
        action.record({RowChange::Kind::Delete, row[0], PricePoints::columns(), row, {}, kTable});
    }
}

[[noreturn]] void refuse(const QString& why)
{
    ADO_RAISE_KIND(CAdoException::ValueRefused, why, CAdoException::Kind::Invalid);
}
} // namespace

const QStringList& PricePoints::columns()
{
    static const QStringList names{QStringLiteral("ID"),    QStringLiteral("ItemID"), QStringLiteral("Store"),
                                   QStringLiteral("Price"), QStringLiteral("Unit"),   QStringLiteral("SeenAt"),
                                   QStringLiteral("Source")};
    return names;
}

const char* PricePoints::columnKinds()
{
    return "IITRtIT";
}

bool PricePoints::tableUsable(CAdoConnection& connection)
{
    return CAdoCommand::available(connection) && table().usable(connection);
}

bool PricePoints::ensureTable(CAdoConnection& connection)
{
    return table().ensure(connection);
}

QString PricePoints::noTableMessage()
{
    return tr("This catalog keeps no prices per store: it was made by a user who may not add tables to it.");
}

bool PricePoints::record(CAdoConnection& connection, JournalAction& action, const PricePoint& point)
{
    if (!PricePoint::priceAcceptable(point.price)) {
        refuse(tr("A price cannot be below zero."));
    }
    if (point.store.trimmed().isEmpty()) {
        refuse(tr("A price needs the store it was seen at."));
    }
    if (!tableUsable(connection)) {
        return false;
    }
    // New rows take numbers above every row there was, so that undo and redo
    // never meet a number used twice.
    CAdoCommand highest(connection, QStringLiteral("SELECT coalesce(max(ID), 0) FROM PricePoints"));
    const qint64 id = (highest.next() ? highest.integer(0) : 0) + 1;
    highest.reset();
    const std::vector<SqlValue> values{SqlValue::integer(id),
                                       SqlValue::integer(point.itemId),
                                       SqlValue::text(point.store.trimmed()),
                                       SqlValue::real(point.price),
                                       SqlValue::text(point.unit.trimmed()),
                                       SqlValue::integer(point.seenAt),
                                       SqlValue::text(PricePoint::sourceName(point.source))};
    CAdoCommand insert(connection, QStringLiteral("INSERT INTO PricePoints (ID, ItemID, Store, Price, Unit, SeenAt, "
                                                  "Source) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (int p = 0; p < 7; ++p) {
        insert.bind(p + 1, values[static_cast<size_t>(p)]);
    }
    insert.run();
    action.record({RowChange::Kind::Insert, values[0], columns(), {}, values, kTable});
    PriceLatest::refreshItems(connection, {point.itemId});
    return true;
}

bool PricePoints::noteChange(CAdoConnection& connection, JournalAction& action, const PricePoint& after, double before)
{
    const auto cents = [](double price) { return std::llround(price * 100.0); };
    if (!PricePoint::priceAcceptable(after.price) || after.price <= 0.0 || after.store.trimmed().isEmpty()
        || (PricePoint::priceAcceptable(before) && cents(before) == cents(after.price))) {
        return false;
    }
    PricePoint point = after;
    if (point.seenAt == 0) {
        point.seenAt = QDateTime::currentMSecsSinceEpoch();
    }
    return record(connection, action, point);
}

std::vector<PricePoint> PricePoints::pointsOf(CAdoConnection& connection, qint64 itemId)
{
    if (!tableUsable(connection)) {
        return {};
    }
    CAdoCommand select(connection, kSelect + QStringLiteral(" WHERE ItemID = ?"));
    select.bind(1, itemId);
    return readAll(select);
}

std::vector<PricePoint> PricePoints::allPoints(CAdoConnection& connection, bool neededOnly)
{
    if (!tableUsable(connection)) {
        return {};
    }
    CAdoCommand select(connection, neededOnly
                                       ? QStringLiteral("SELECT p.ID, p.ItemID, p.Store, p.Price, p.Unit, "
                                                        "p.SeenAt, p.Source FROM PricePoints p JOIN "
                                                        "ShoppingLists s ON s.ID = p.ItemID WHERE s.QtyToBuy > 0")
                                       : kSelect);
    return readAll(select);
}

std::vector<PricePoint> PricePoints::latestOfItems(CAdoConnection& connection, const std::vector<qint64>& ids)
{
    if (ids.empty() || !tableUsable(connection)) {
        return {};
    }
    return latestOf(connection, QStringLiteral("ItemID IN (%1)").arg(placeholders(ids.size())), ids);
}

std::vector<PricePoint> PricePoints::latestOfNeeded(CAdoConnection& connection)
{
    if (!tableUsable(connection)) {
        return {};
    }
    return latestOf(connection, QStringLiteral("ItemID IN (SELECT ID FROM ShoppingLists WHERE QtyToBuy > 0)"), {});
}

// Through the newest prices kept beside the points when the catalog keeps
// them, otherwise from the points themselves.
std::vector<PricePoint> PricePoints::latestOf(CAdoConnection& connection, const QString& itemFilter,
                                              const std::vector<qint64>& ids)
{
    CAdoCommand select(connection, PriceLatest::tableUsable(connection) ? PriceLatest::selectNewest(itemFilter)
                                                                        : latestSelect(itemFilter));
    for (size_t i = 0; i < ids.size(); ++i) {
        select.bind(static_cast<int>(i) + 1, ids[i]);
    }
    return readAll(select);
}

void PricePoints::dropItem(CAdoConnection& connection, JournalAction& action, qint64 itemId)
{
    if (!tableUsable(connection)) {
        return;
    }
    CAdoCommand select(connection, kSelect + QStringLiteral(" WHERE ItemID = ?"));
    select.bind(1, itemId);
    std::vector<std::vector<SqlValue>> rows;
    while (select.next()) {
        rows.push_back(rowOf(select));
    }
    removeRows(connection, action, rows);
    PriceLatest::refreshItems(connection, {itemId});
}

void PricePoints::carryRename(CAdoConnection& connection, JournalAction& action, const QString& from, const QString& to)
{
    if (from == to || !tableUsable(connection)) {
        return;
    }
    CAdoCommand select(connection, kSelect + QStringLiteral(" WHERE Store = ?"));
    select.bind(1, from);
    std::vector<std::vector<SqlValue>> rows;
    while (select.next()) {
        rows.push_back(rowOf(select));
    }
    CAdoCommand update(connection, QStringLiteral("UPDATE PricePoints SET Store = ? WHERE ID = ?"));
    std::vector<qint64> items;
    for (const std::vector<SqlValue>& row : rows) {
        if (row[1].type() == SqlValue::Type::Integer) {
            items.push_back(row[1].toInteger());
        }
        update.bind(1, to);
        update.bind(2, row[0]);
        update.run();
        action.record(
            {RowChange::Kind::Update, row[0], {QStringLiteral("Store")}, {row[2]}, {SqlValue::text(to)}, kTable});
    }
    PriceLatest::refreshItems(connection, items);
}
