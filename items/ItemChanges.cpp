#include "items/ItemChanges.h"

#include "platform/TextNumbers.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"
#include "store/Catalog.h"

#include <algorithm>

namespace
{
void openQuantityRow(CAdoRecordset& rs, CAdoConnection& connection, int id)
{
    rs.Open(QStringLiteral("SELECT ItemName, ID, QtyToBuy, Price, Checked from ShoppingLists where ID = %1").arg(id),
            connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockPessimistic, CAdoRecordset::adCmdUnknown);
}
} // namespace

ItemChanges::QuantityRow ItemChanges::stepQuantity(CAdoConnection& connection, int id, int step, int& stored)
{
    CAdoRecordset rs;
    openQuantityRow(rs, connection, id);
    const int current = TextNumbers::toInt(rs.GetField(2).GetText());
    stored = std::clamp(current + step, 0, MaxQuantity);
    rs.GetField(2).SetLong(stored);
    QuantityRow row;
    row.price = TextNumbers::toDouble(rs.GetField(3).GetText());
    row.checked = TextNumbers::toInt(rs.GetField(4).GetText());
    rs.Update();
    rs.Close();
    return row;
}

ItemChanges::QuantityRow ItemChanges::setQuantity(CAdoConnection& connection, int id, int quantity)
{
    CAdoRecordset rs;
    openQuantityRow(rs, connection, id);
    rs.GetField(2).SetLong(quantity);
    QuantityRow row;
    row.price = TextNumbers::toDouble(rs.GetField(3).GetText());
    row.checked = TextNumbers::toInt(rs.GetField(4).GetText());
    rs.Update();
    rs.Close();
    return row;
}

ItemChanges::MarkRow ItemChanges::setMark(CAdoConnection& connection, int id, int mark)
{
    CAdoRecordset rs;
    rs.Open(QStringLiteral("Select Checked, Coupon, QtyToBuy, Price from ShoppingLists where ID = %1").arg(id),
            connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
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
    return row;
}

bool ItemChanges::setQuantityByName(CAdoConnection& connection, const QString& name, int quantity, int* id)
{
    CAdoRecordset rs;
    if (!rs.Open(QStringLiteral("Select ID, QtyToBuy, ItemName from ShoppingLists where ItemName = ")
                     + Catalog::quoteLiteral(name),
                 connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdNone)) {
        // A catalog that cannot be read says nothing about the name.
        ADO_RAISE_DETAIL(CAdoException::CannotRead, connection.lastError());
    }
    if (rs.IsEOF()) {
        rs.Close();
        return false;
    }
    if (id) {
        *id = TextNumbers::toInt(rs.GetField(0).GetText());
    }
    rs.GetField(1).SetLong(quantity);
    rs.Update();
    rs.Close();
    return true;
}
