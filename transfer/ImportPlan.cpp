#include "transfer/ImportPlan.h"

#include "platform/NameFold.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"
#include "transfer/ImportTarget.h"
#include "transfer/PriceTransfer.h"
#include "transfer/PurchaseUnits.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
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

// What a new item is sold by when the file does not say: the unit the
// starter catalog gives most items, in the interface's language.
QString defaultUnit()
{
    return QCoreApplication::translate("StarterCatalog", "pkg");
}

QString amountText(double amount)
{
    return TransferColumns::toText(SqlValue::real(amount));
}

// A value as the preview shows it.
QString shown(const SqlValue& value)
{
    if (value.isNull()) {
        return ImportPlan::tr("(none)");
    }
    const QString text = textOf(value);
    return text.isEmpty() ? QStringLiteral("\"\"") : text;
}

// Worth telling of a new item: what it has beyond the empty defaults.
bool worthTelling(int column, const SqlValue& value)
{
    if (column == Col::QtyToBuy || column == Col::UnitOfPurchase) {
        return true;
    }
    if (column == Col::DeptOrder || value.isNull()) {
        return false;
    }
    return Col::isText(column) ? !textOf(value).isEmpty() : textOf(value) != QLatin1String("0");
}
} // namespace

ImportPlan::ImportPlan(CAdoConnection& connection, const TransferFile& file, const Options& options,
                       const Progress& progress)
    : m_refused(file.refused)
{
    ImportTarget catalog(connection);
    plan(file, options, catalog, progress);
    std::stable_sort(m_refused.begin(), m_refused.end(),
                     [](const TransferFile::Problem& a, const TransferFile::Problem& b) { return a.line < b.line; });
}

ImportPlan::ImportPlan(const TransferFile& file, const Options& options)
    : m_refused(file.refused)
{
    ImportTarget catalog;
    plan(file, options, catalog, {});
    std::stable_sort(m_refused.begin(), m_refused.end(),
                     [](const TransferFile::Problem& a, const TransferFile::Problem& b) { return a.line < b.line; });
}

void ImportPlan::plan(const TransferFile& file, const Options& options, ImportTarget& catalog, const Progress& progress)
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
        const size_t planned = m_items.size();
        const auto found = catalog.byName.constFind(key);
        QString reason;
        if (found == catalog.byName.constEnd()) {
            planNew(record, options, catalog);
        } else if (!planExisting(record, options, catalog.rows[*found], reason)) {
            m_refused.push_back({record.line, reason});
        }
        if (m_items.size() > planned && !record.doubt.isEmpty() && m_items.back().kind != Item::Kind::Unchanged) {
            Item& item = m_items.back();
            item.doubt = item.doubt.isEmpty() ? record.doubt : record.doubt + QLatin1Char(' ') + item.doubt;
            item.chosen = false;
            item.fixed = record.doubtFinal;
        }
    }
}

void ImportPlan::planNew(const TransferRecord& record, const Options& options, ImportTarget& catalog)
{
    Item item;
    item.line = record.line;
    item.barcodes = record.barcodes;
    item.prices = record.prices;
    item.after = {SqlValue(),
                  SqlValue(),
                  SqlValue::integer(0),
                  SqlValue::text(record.unitWritten.isEmpty()
                                     ? defaultUnit()
                                     : record.unitWritten.left(Col::width(Col::UnitOfPurchase))),
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
    item.barcodes = record.barcodes;
    item.prices = record.prices;
    item.before = row;
    item.after = row;
    TransferRecord taken = record;
    if (record.amountWritten >= 0 && record.has(Col::QtyToBuy)) {
        weighUnit(taken, textOf(row[Col::ItemName]), textOf(row[Col::UnitOfPurchase]), item);
    }
    // The ID and the name stay the catalog's: the item is found by its name.
    for (int column = Col::QtyToBuy; column < Col::Count; ++column) {
        if (!taken.has(column)) {
            continue;
        }
        SqlValue value = taken.at(column);
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
    if (item.kind == Item::Kind::Unchanged) {
        item.doubt.clear();
        item.note.clear();
        item.chosen = true;
    }
    m_items.push_back(std::move(item));
    return true;
}

void ImportPlan::weighUnit(TransferRecord& record, const QString& name, const QString& unit, Item& item)
{
    const QString written = record.unitWritten;
    const QString amount = amountText(record.amountWritten);
    if (written.isEmpty()) {
        // "Eggs x12" onto eggs sold by the dozen: twelve eggs, or twelve dozen?
        if (PurchaseUnits::isDozen(unit) && record.amountWritten >= 12) {
            item.doubt = tr("%1 is sold by the %2: tick to buy %3 %2.").arg(name, unit, amount);
            item.chosen = false;
        }
        return;
    }
    if (PurchaseUnits::same(written, unit)) {
        return;
    }
    const std::optional<double> factor = PurchaseUnits::factor(written, unit);
    if (!factor) {
        record.set(Col::UnitOfPurchase, SqlValue::text(written.left(Col::width(Col::UnitOfPurchase))));
        item.doubt = tr("%1 is sold by the %2, the line says %3 %4: tick to buy it by the %4.")
                         .arg(name, unit.isEmpty() ? QStringLiteral("\"\"") : unit, amount, written);
        item.chosen = false;
        return;
    }
    const double exact = record.amountWritten * *factor;
    // A hair of rounding must not buy one more (0.1 * 10 is 1.0000000000000002).
    const double whole = std::ceil(exact - 1e-9);
    if (whole > Col::MaxQuantity) {
        item.doubt =
            tr("%1 %2 is %3 %4, above %5.").arg(amount, written, amountText(exact), unit).arg(Col::MaxQuantity);
        item.chosen = false;
        item.fixed = true;
        return;
    }
    record.set(Col::QtyToBuy, SqlValue::integer(static_cast<qint64>(whole)));
    item.note =
        std::fabs(exact - whole) < 1e-9
            ? tr("%1 %2 is %3 %4.").arg(amount, written, amountText(whole), unit)
            : tr("%1 %2 is %3 %4, bought as %5.").arg(amount, written, amountText(exact), unit, amountText(whole));
}

QString ImportPlan::Item::name() const
{
    return textOf(after[Col::ItemName]);
}

int ImportPlan::count(Item::Kind kind) const
{
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [kind](const Item& item) { return item.kind == kind && item.chosen; }));
}

int ImportPlan::unchosen() const
{
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](const Item& item) { return !item.chosen; }));
}

void ImportPlan::choose(size_t index, bool chosen)
{
    Item& item = m_items.at(index);
    if (!item.doubt.isEmpty() && !item.fixed) {
        item.chosen = chosen;
    }
}

QString ImportPlan::describe(const Item& item)
{
    QStringList parts;
    if (item.kind == Item::Kind::New) {
        for (int column = Col::QtyToBuy; column < Col::Count; ++column) {
            const SqlValue& value = item.after[static_cast<size_t>(column)];
            if (worthTelling(column, value)) {
                parts << QStringLiteral("%1 %2").arg(Col::name(column), shown(value));
            }
        }
    } else {
        for (const QString& name : item.columns) {
            const auto column = static_cast<size_t>(Col::find(name));
            parts << QStringLiteral("%1 %2 \u2192 %3").arg(name, shown(item.before[column]), shown(item.after[column]));
        }
    }
    QString line = item.kind == Item::Kind::New
                       ? tr("%1 (new): %2").arg(item.name(), parts.join(QStringLiteral(", ")))
                       : QStringLiteral("%1: %2").arg(item.name(), parts.join(QStringLiteral(", ")));
    if (!item.note.isEmpty()) {
        line += QStringLiteral(" (") + item.note + QLatin1Char(')');
    }
    if (!item.doubt.isEmpty()) {
        line += QStringLiteral(" \u2014 ") + item.doubt;
    }
    return line;
}

std::vector<size_t> ImportPlan::shownOrder() const
{
    std::vector<size_t> order;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].kind != Item::Kind::Unchanged) {
            order.push_back(i);
        }
    }
    std::vector<QString> keys(m_items.size());
    for (const size_t i : order) {
        keys[i] = foldKey(m_items[i].name());
    }
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    return order;
}

QStringList ImportPlan::lines() const
{
    QStringList out;
    for (const size_t i : shownOrder()) {
        const Item& item = m_items[i];
        out << (item.chosen ? describe(item) : tr("Not imported unless ticked: %1").arg(describe(item)));
    }
    return out;
}

QString ImportPlan::summary() const
{
    std::map<int, int> changes; // column, items
    for (const Item& item : m_items) {
        if (!item.chosen) {
            continue;
        }
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
    QString text = tr("%1 new, %2, %3 unchanged, %4 refused.")
                       .arg(count(Item::Kind::New))
                       .arg(changed)
                       .arg(count(Item::Kind::Unchanged))
                       .arg(m_refused.size());
    if (const int open = unchosen(); open > 0) {
        text += QLatin1Char(' ') + tr("%1 not ticked.").arg(open);
    }
    return text;
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
        if (!item.chosen) {
            continue;
        }
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
    attachBarcodes(connection, action);
    for (const Item& item : m_items) {
        if (item.chosen || item.kind != Item::Kind::New) {
            PriceTransfer::keep(connection, action, item.after[Col::Id].toInteger(), item.prices);
        }
    }
    action.commit();
    return true;
}

void ImportPlan::attachBarcodes(CAdoConnection& connection, JournalAction& action) const
{
    bool any = false;
    for (const Item& item : m_items) {
        any = any || (item.chosen && !item.barcodes.isEmpty());
    }
    // A catalog that keeps no barcodes takes the items without them.
    if (!any || !Barcodes::tableUsable(connection)) {
        return;
    }
    for (const Item& item : m_items) {
        // An item left unticked is not written, and neither are its codes.
        if (!item.chosen) {
            continue;
        }
        const qint64 id = item.after[Col::Id].toInteger();
        for (const QString& key : item.barcodes) {
            // A code another item has stays with it: only the user moves a
            // code, when asked.
            const Barcode code = Barcode::parse(key);
            if (Barcodes::itemOf(connection, code) == 0) {
                Barcodes::attach(connection, action, code, id);
            }
        }
    }
}
