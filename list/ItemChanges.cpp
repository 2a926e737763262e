#include "list/ItemChanges.h"

#include "platform/TextNumbers.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/access/FailureText.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/MarkLog.h"
#include "store/journal/JournalAction.h"

#include <algorithm>

namespace
{
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

QString itemName(CAdoConnection& connection, int id)
{
    if (!CAdoCommand::available(connection)) {
        return QString();
    }
    CAdoCommand select(connection, QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = ?"));
    select.bind(1, qint64(id));
    return select.next() ? select.text(0) : QString();
}

// The row of the item, opened to be changed inside transaction: on a server
// it is locked here, before the journal takes its turn (JournalAction), so
// that a wait for a row another program holds never holds up anyone's
// changes to other items. An item that is gone (deleted meanwhile) raises
// "The item no longer exists in the catalog." Some engines start the write,
// and meet its refusal, here.
void openItemRow(CAdoRecordset& rs, CAdoConnection& connection, const QString& sql, const std::vector<SqlValue>& values,
                 int lockType)
{
    if (!rs.Open(sql, values, connection, CAdoRecordset::adOpenKeyset, lockType)) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
    if (rs.IsEOF()) {
        ADO_RAISE_KIND(CAdoException::CannotWrite, FailureText::itemGone(), CAdoException::Kind::Gone);
    }
}

void openQuantityRow(CAdoRecordset& rs, CAdoConnection& connection, int id)
{
    openItemRow(rs, connection,
                QStringLiteral("SELECT ItemName, ID, QtyToBuy, Price, Checked from ShoppingLists where ID = ?"),
                {SqlValue::integer(id)}, CAdoRecordset::adLockPessimistic);
}

void commitOrRaise(CAdoTransaction& transaction, CAdoConnection& connection)
{
    if (transaction.active() && !transaction.commit()) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, connection);
    }
}
} // namespace

ItemChanges::QuantityRow ItemChanges::writeQuantity(CAdoConnection& connection, int id,
                                                    const std::function<int(int)>& quantityFrom, int& stored)
{
    CAdoTransaction transaction(connection);
    CAdoRecordset rs;
    openQuantityRow(rs, connection, id);
    JournalAction action(connection, QString());
    action.watch(id);
    const int current = TextNumbers::toInt(rs.GetField(2).GetText());
    stored = quantityFrom(current);
    action.setLabel(quantityLabel(rs.GetField(0).GetText(), current, stored));
    rs.GetField(2).SetLong(stored);
    QuantityRow row;
    row.price = TextNumbers::toDouble(rs.GetField(3).GetText());
    row.checked = TextNumbers::toInt(rs.GetField(4).GetText());
    rs.Update();
    rs.Close();
    action.commit();
    commitOrRaise(transaction, connection);
    return row;
}

ItemChanges::QuantityRow ItemChanges::stepQuantity(CAdoConnection& connection, int id, int step, int& stored)
{
    return writeQuantity(
        connection, id, [step](int current) { return std::clamp(current + step, 0, MaxQuantity); }, stored);
}

ItemChanges::QuantityRow ItemChanges::setQuantity(CAdoConnection& connection, int id, int quantity)
{
    int stored = 0;
    return writeQuantity(
        connection, id, [quantity](int) { return quantity; }, stored);
}

ItemChanges::MarkRow ItemChanges::setMark(CAdoConnection& connection, int id, int mark, const MarkPlace& place)
{
    CAdoTransaction transaction(connection);
    CAdoRecordset rs;
    openItemRow(rs, connection,
                QStringLiteral("Select Checked, Coupon, QtyToBuy, Price from ShoppingLists where ID = ?"),
                {SqlValue::integer(id)}, CAdoRecordset::adLockOptimistic);
    JournalAction action(connection,
                         (mark ? QStringLiteral("Mark: ") : QStringLiteral("Unmark: ")) + itemName(connection, id));
    action.watch(id);
    // Before the row is written: on some engines a refused write is only
    // told with the next statement, which must be the action's own.
    MarkLog::record(connection, id, mark != 0, place.store, place.madeAt);
    MarkRow row;
    // Missing values (a catalog that gained its Coupon column late) count as
    // 0 instead of failing the command.
    row.coupon = TextNumbers::toInt(rs.GetField(1).GetText()) != 0;
    row.storedMark = TextNumbers::toInt(rs.GetField(0).GetText());
    row.quantity = TextNumbers::toInt(rs.GetField(2).GetText());
    row.price = TextNumbers::toDouble(rs.GetField(3).GetText());
    rs.GetField(0).SetLong(mark);
    rs.Update();
    rs.Close();
    action.commit();
    commitOrRaise(transaction, connection);
    return row;
}

ItemChanges::MarkRow ItemChanges::setMark(CAdoConnection& connection, int id, int mark)
{
    return setMark(connection, id, mark, MarkPlace());
}

bool ItemChanges::setQuantityByName(CAdoConnection& connection, const QString& name, int quantity, int* id)
{
    // The name is bound; the row is locked before the journal's turn, as
    // for the other changes.
    CAdoTransaction transaction(connection);
    CAdoRecordset rs;
    if (!rs.Open(QStringLiteral("Select ID, QtyToBuy, ItemName from ShoppingLists where ItemName = ?"),
                 {SqlValue::text(name)}, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic)) {
        // A catalog that cannot be read says nothing about the name.
        ADO_RAISE_LAST(CAdoException::CannotRead, connection);
    }
    if (rs.IsEOF()) {
        rs.Close();
        return false;
    }
    if (id) {
        *id = TextNumbers::toInt(rs.GetField(0).GetText());
    }
    JournalAction action(connection, QStringLiteral("Quantity %1: ").arg(quantity) + name);
    action.watch(rs.GetField(0).GetLong());
    rs.GetField(1).SetLong(quantity);
    rs.Update();
    rs.Close();
    action.commit();
    commitOrRaise(transaction, connection);
    return true;
}
