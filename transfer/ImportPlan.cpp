#include "transfer/ImportPlan.h"

#include "platform/NameFold.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <memory>

namespace
{
using Col = TransferColumns;

// A name as the catalog compares it: letter case aside for every letter.
QString foldKey(const QString& name)
{
    return NameFold::key(name);
}

QString textOf(const SqlValue& value)
{
    return value.type() == SqlValue::Type::Text ? value.toText() : TransferColumns::toText(value);
}

qint64 quantityOf(const SqlValue& value)
{
    if (value.type() == SqlValue::Type::Integer) {
        return value.toInteger();
    }
    if (value.type() == SqlValue::Type::Real) {
        return static_cast<qint64>(value.toReal());
    }
    return value.type() == SqlValue::Type::Text ? value.toText().trimmed().toLongLong() : 0;
}

constexpr int kProgressEvery = 1024;
} // namespace

// The catalog as the plan found it.
struct ImportPlan::Catalog
{
    std::vector<std::vector<SqlValue>> rows;
    QHash<QString, size_t> byName;      // the first row of each name
    QHash<QString, SqlValue> deptOrder; // of each placed department
    QSet<qint64> ids;
    qint64 nextId = 1;

    explicit Catalog(CAdoConnection& connection)
    {
        CAdoCommand select(connection,
                           QStringLiteral("SELECT ") + Col::list() + QStringLiteral(" FROM ShoppingLists ORDER BY ID"));
        while (select.next()) {
            std::vector<SqlValue> row(Col::Count);
            for (int column = 0; column < Col::Count; ++column) {
                row[static_cast<size_t>(column)] = select.value(column);
            }
            const SqlValue& id = row[Col::Id];
            if (id.type() == SqlValue::Type::Integer) {
                ids.insert(id.toInteger());
                nextId = std::max(nextId, id.toInteger() + 1);
            }
            byName.insert(foldKey(textOf(row[Col::ItemName])), rows.size());
            const SqlValue& order = row[Col::DeptOrder];
            if (order.type() == SqlValue::Type::Integer && order.toInteger() >= 0) {
                deptOrder.insert(foldKey(textOf(row[Col::Dept])), order);
            }
            rows.push_back(std::move(row));
        }
        // QHash::insert keeps the last: the first row of a name is wanted.
        for (size_t i = rows.size(); i-- > 0;) {
            byName.insert(foldKey(textOf(rows[i][Col::ItemName])), i);
        }
    }
};

ImportPlan::ImportPlan(CAdoConnection& connection, const TransferFile& file, const Options& options,
                       const Progress& progress)
    : m_refused(file.refused)
{
    Catalog catalog(connection);
    plan(file, options, catalog, progress);
    std::stable_sort(m_refused.begin(), m_refused.end(),
                     [](const TransferFile::Problem& a, const TransferFile::Problem& b) { return a.line < b.line; });
}

void ImportPlan::plan(const TransferFile& file, const Options& options, Catalog& catalog, const Progress& progress)
{
    QHash<QString, int> seen;
    const size_t total = file.records.size();
    for (size_t i = 0; i < total; ++i) {
        if (progress && i % kProgressEvery == 0 && !progress(double(i) / double(total))) {
            m_cancelled = true;
            return;
        }
        const TransferRecord& record = file.records[i];
        const QString name = record.has(Col::ItemName) ? textOf(record.at(Col::ItemName)) : QString();
        if (name.trimmed().isEmpty()) {
            m_refused.push_back({record.line, tr("The item has no name.")});
            continue;
        }
        const QString key = foldKey(name);
        if (const auto earlier = seen.constFind(key); earlier != seen.constEnd()) {
            m_refused.push_back({record.line, tr("\"%1\" is on line %2 already.").arg(name).arg(*earlier)});
            continue;
        }
        seen.insert(key, record.line);
        const auto found = catalog.byName.constFind(key);
        if (found == catalog.byName.constEnd()) {
            planNew(record, options, catalog);
            continue;
        }
        QString reason;
        if (!planExisting(record, options, catalog.rows[*found], reason)) {
            m_refused.push_back({record.line, reason});
        }
    }
}

void ImportPlan::planNew(const TransferRecord& record, const Options& options, Catalog& catalog)
{
    Item item;
    item.line = record.line;
    item.after = {SqlValue(),
                  SqlValue(),
                  SqlValue::integer(0),
                  SqlValue::text(QStringLiteral("pkg")),
                  SqlValue::text(QString()),
                  SqlValue::text(options.newDept),
                  SqlValue::text(options.newStore),
                  SqlValue(),
                  SqlValue::integer(0),
                  SqlValue::integer(-1),
                  SqlValue::real(0),
                  SqlValue::integer(0)};
    for (int column = Col::ItemName; column < Col::Count; ++column) {
        if (record.has(column)) {
            item.after[static_cast<size_t>(column)] = record.at(column);
        }
    }
    const bool ownId = record.has(Col::Id) && record.at(Col::Id).type() == SqlValue::Type::Integer
                       && !catalog.ids.contains(record.at(Col::Id).toInteger());
    const qint64 id = ownId ? record.at(Col::Id).toInteger() : catalog.nextId;
    catalog.ids.insert(id);
    catalog.nextId = std::max(catalog.nextId, id + 1);
    item.after[Col::Id] = SqlValue::integer(id);
    if (!record.has(Col::DeptOrder)) {
        const auto order = catalog.deptOrder.constFind(foldKey(textOf(item.after[Col::Dept])));
        if (order != catalog.deptOrder.constEnd()) {
            item.after[Col::DeptOrder] = *order;
        }
    }
    m_items.push_back(std::move(item));
}

bool ImportPlan::planExisting(const TransferRecord& record, const Options& options, const std::vector<SqlValue>& row,
                              QString& reason)
{
    Item item;
    item.line = record.line;
    item.before = row;
    item.after = row;
    // The ID and the name stay the catalog's: the item is found by its name.
    for (int column = Col::QtyToBuy; column < Col::Count; ++column) {
        if (!record.has(column)) {
            continue;
        }
        SqlValue value = record.at(column);
        if (column == Col::QtyToBuy && options.quantities == Quantities::Add && !value.isNull()) {
            const qint64 sum = quantityOf(row[Col::QtyToBuy]) + value.toInteger();
            if (sum > Col::MaxQuantity) {
                reason = tr("The quantity would be %1, above %2.").arg(sum).arg(Col::MaxQuantity);
                return false;
            }
            value = SqlValue::integer(sum);
        }
        if (!(row[static_cast<size_t>(column)] == value) && !row[static_cast<size_t>(column)].sameCell(value)) {
            item.after[static_cast<size_t>(column)] = value;
            item.columns << Col::name(column);
        }
    }
    item.kind = item.columns.isEmpty() ? Item::Kind::Unchanged : Item::Kind::Changed;
    m_items.push_back(std::move(item));
    return true;
}

int ImportPlan::count(Item::Kind kind) const
{
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [kind](const Item& item) { return item.kind == kind; }));
}

QString ImportPlan::summary() const
{
    std::map<int, int> changes; // column, items
    for (const Item& item : m_items) {
        for (const QString& column : item.columns) {
            ++changes[Col::find(column)];
        }
    }
    QStringList columns;
    for (const auto& [column, items] : changes) {
        columns << QStringLiteral("%1 %2").arg(Col::name(column)).arg(items);
    }
    QString changed = tr("%1 changed").arg(count(Item::Kind::Changed));
    if (!columns.isEmpty()) {
        changed += QStringLiteral(" (") + columns.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return tr("%1 new, %2, %3 unchanged, %4 refused.")
        .arg(count(Item::Kind::New))
        .arg(changed)
        .arg(count(Item::Kind::Unchanged))
        .arg(m_refused.size());
}

QString ImportPlan::label(const QString& sourceName) const
{
    const int items = writes();
    return QStringLiteral("Import %1 %2 from %3")
        .arg(items)
        .arg(items == 1 ? QStringLiteral("item") : QStringLiteral("items"), sourceName);
}

bool ImportPlan::apply(CAdoConnection& connection, const QString& sourceName, const Progress& progress)
{
    JournalAction action(connection, label(sourceName));
    QStringList names;
    QStringList marks;
    for (int column = 0; column < Col::Count; ++column) {
        names << Col::name(column);
        marks << QStringLiteral("?");
    }
    CAdoCommand insert(connection, QStringLiteral("INSERT INTO ShoppingLists (") + Col::list()
                                       + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", "))
                                       + QLatin1Char(')'));
    std::map<QStringList, std::unique_ptr<CAdoCommand>> updates;
    RowChange change;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (progress && i % kProgressEvery == 0 && !progress(double(i) / double(m_items.size()))) {
            return false; // the action, never committed, rolls back
        }
        const Item& item = m_items[i];
        if (item.kind == Item::Kind::New) {
            for (int column = 0; column < Col::Count; ++column) {
                insert.bind(column + 1, item.after[static_cast<size_t>(column)]);
            }
            insert.run();
            action.record({RowChange::Kind::Insert, item.after[Col::Id], names, {}, item.after});
        } else if (item.kind == Item::Kind::Changed) {
            auto& update = updates[item.columns];
            if (!update) {
                update = std::make_unique<CAdoCommand>(connection, QStringLiteral("UPDATE ShoppingLists SET ")
                                                                       + item.columns.join(QStringLiteral(" = ?, "))
                                                                       + QStringLiteral(" = ? WHERE ID = ?"));
            }
            change = {RowChange::Kind::Update, item.before[Col::Id], item.columns, {}, {}};
            int parameter = 1;
            for (const QString& name : item.columns) {
                const auto column = static_cast<size_t>(Col::find(name));
                update->bind(parameter++, item.after[column]);
                change.before.push_back(item.before[column]);
                change.after.push_back(item.after[column]);
            }
            update->bind(parameter, item.before[Col::Id]);
            update->run();
            action.record(change);
        }
    }
    action.commit();
    return true;
}
