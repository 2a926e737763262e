#include "list/ItemChanges.h"

#include "platform/TextNumbers.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/access/FailureText.h"
#include "store/catalog/MarkLog.h"
#include "store/journal/JournalAction.h"

#include <algorithm>

namespace
{
using Field = ItemChanges::Field;
using Outcome = ItemChanges::Outcome;

// The columns of the row a change reads, in this order; Coupon for a mark only.
enum Column
{
    NameColumn,
    IdColumn,
    QuantityColumn,
    MarkColumn,
    PriceColumn,
    CouponColumn
};

// Where a change finds its item: by ID, or by name for the quick-entry add.
struct Target
{
    int id = 0;
    QString name;
    bool byName = false;
};

// The name of a quantity change in the undo history: "Add one: Milk",
// "Subtract one: Milk", or the quantity set ("Quantity 3: Milk").
QString quantityLabel(const QString& name, int before, int after)
{
    if (after == before + 1) {
        return QStringLiteral("Add one: ") + name;
    }
    if (after == before - 1) {
        return QStringLiteral("Subtract one: ") + name;
    }
    return QStringLiteral("Quantity %1: ").arg(after) + name;
}

QString labelOf(const Target& target, const ItemChanges::Change& change, const QString& name, int before, int after)
{
    if (target.byName) {
        // The quick-entry add sets the quantity typed, whatever it was.
        return QStringLiteral("Quantity %1: ").arg(after) + target.name;
    }
    if (change.field == Field::Mark) {
        return (after ? QStringLiteral("Mark: ") : QStringLiteral("Unmark: ")) + name;
    }
    return quantityLabel(name, before, after);
}

// The row of the item, opened to be changed inside the change's transaction:
// on a server it is locked here, before the journal takes its turn
// (JournalAction), so that a wait for a row another program holds never
// holds up anyone's changes to other items. Some engines start the write,
// and meet its refusal, here.
void openRow(CAdoRecordset& rs, CAdoConnection& connection, const Target& target, bool mark)
{
    const QString sql =
        QStringLiteral("SELECT ItemName, ID, QtyToBuy, Checked, Price%1 FROM ShoppingLists WHERE %2 = ?")
            .arg(mark ? QStringLiteral(", Coupon") : QString(),
                 target.byName ? QStringLiteral("ItemName") : QStringLiteral("ID"));
    const SqlValue key = target.byName ? SqlValue::text(target.name) : SqlValue::integer(target.id);
    if (!rs.Open(sql, {key}, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockPessimistic)) {
        // A catalog that cannot be read says nothing about the name.
        ADO_RAISE_LAST(target.byName ? CAdoException::CannotRead : CAdoException::CannotWrite, connection);
    }
}

// The values of the row as read; Gone when there is none.
ItemChanges::Result readRow(CAdoRecordset& rs, const Target& target, Field field)
{
    ItemChanges::Result result;
    if (rs.IsEOF()) {
        return result;
    }
    result.id = target.byName ? TextNumbers::toInt(rs.GetField(IdColumn).GetText()) : target.id;
    result.name = rs.GetField(NameColumn).GetText();
    // Missing values (a catalog that gained its Coupon column late) count as
    // 0 instead of failing the command.
    result.quantity = TextNumbers::toInt(rs.GetField(QuantityColumn).GetText());
    result.mark = TextNumbers::toInt(rs.GetField(MarkColumn).GetText()) != 0 ? 1 : 0;
    result.price = TextNumbers::toDouble(rs.GetField(PriceColumn).GetText());
    result.coupon = field == Field::Mark && TextNumbers::toInt(rs.GetField(CouponColumn).GetText()) != 0;
    result.before = field == Field::Mark ? result.mark : result.quantity;
    return result;
}

// What the change makes of the stored value before.
void decide(ItemChanges::Result& result, const ItemChanges::Change& change)
{
    const int wanted = change.step ? std::clamp(result.before + change.to, 0, ItemChanges::MaxQuantity) : change.to;
    if (result.before == wanted) {
        result.outcome = Outcome::AlreadySo;
    } else if (change.from && *change.from != result.before) {
        // Changed elsewhere since the change was made: the stored value stands.
        result.outcome = Outcome::Stale;
    } else {
        result.outcome = Outcome::Applied;
    }
    result.value = result.outcome == Outcome::Stale ? result.before : wanted;
}

// Writes the decided value to the row read, recorded in the undo journal.
void writeRow(CAdoConnection& connection, CAdoRecordset& rs, const Target& target, const ItemChanges::Change& change,
              const ItemChanges::Result& result)
{
    const bool mark = change.field == Field::Mark;
    JournalAction action(connection,
                         labelOf(target, change, rs.GetField(NameColumn).GetText(), result.before, result.value));
    action.watch(target.byName ? rs.GetField(IdColumn).GetLong() : target.id);
    if (mark) {
        // Before the row is written: on some engines a refused write is only
        // told with the next statement, which must be the action's own.
        MarkLog::record(connection, result.id, result.value != 0, change.place.store, change.place.madeAt);
    }
    rs.GetField(mark ? MarkColumn : QuantityColumn).SetLong(result.value);
    rs.Update();
    rs.Close();
    action.commit();
}

ItemChanges::Result run(CAdoConnection& connection, const Target& target, const ItemChanges::Change& change)
{
    CAdoTransaction transaction(connection);
    CAdoRecordset rs;
    openRow(rs, connection, target, change.field == Field::Mark);
    ItemChanges::Result result = readRow(rs, target, change.field);
    if (rs.IsEOF()) {
        return result;
    }
    decide(result, change);
    // A change without a from value is the window's: written whatever the
    // row holds. Nothing written: the transaction ends unused.
    const bool writes = result.outcome == Outcome::Applied || (result.outcome == Outcome::AlreadySo && !change.from);
    if (!writes) {
        return result;
    }
    writeRow(connection, rs, target, change, result);
    if (transaction.active() && !transaction.commit()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    return result;
}

// The window's commands: an item deleted meanwhile is a failure.
ItemChanges::Result foundOrRaise(const ItemChanges::Result& result)
{
    if (result.outcome == Outcome::Gone) {
        ADO_RAISE_KIND(CAdoException::CannotWrite, FailureText::itemGone(), CAdoException::Kind::Gone);
    }
    return result;
}
} // namespace

ItemChanges::Result ItemChanges::change(CAdoConnection& connection, int id, const Change& change)
{
    Target target;
    target.id = id;
    return run(connection, target, change);
}

ItemChanges::Result ItemChanges::changeByName(CAdoConnection& connection, const QString& name, int quantity)
{
    Target target;
    target.name = name;
    target.byName = true;
    Change change;
    change.to = quantity;
    return run(connection, target, change);
}

ItemChanges::QuantityRow ItemChanges::stepQuantity(CAdoConnection& connection, int id, int step, int& stored)
{
    Change added;
    added.to = step;
    added.step = true;
    const Result result = foundOrRaise(change(connection, id, added));
    stored = result.value;
    return QuantityRow{result.price, result.mark};
}

ItemChanges::QuantityRow ItemChanges::setQuantity(CAdoConnection& connection, int id, int quantity)
{
    Change set;
    set.to = quantity;
    const Result result = foundOrRaise(change(connection, id, set));
    return QuantityRow{result.price, result.mark};
}

ItemChanges::MarkRow ItemChanges::setMark(CAdoConnection& connection, int id, int mark, const MarkPlace& place)
{
    Change marked;
    marked.field = Field::Mark;
    marked.to = mark;
    marked.place = place;
    const Result result = foundOrRaise(change(connection, id, marked));
    return MarkRow{result.coupon, result.mark, result.quantity, result.price};
}

ItemChanges::MarkRow ItemChanges::setMark(CAdoConnection& connection, int id, int mark)
{
    return setMark(connection, id, mark, MarkPlace());
}

bool ItemChanges::setQuantityByName(CAdoConnection& connection, const QString& name, int quantity, int* id)
{
    const Result result = changeByName(connection, name, quantity);
    if (id && result.outcome != Outcome::Gone) {
        *id = result.id;
    }
    return result.outcome != Outcome::Gone;
}
