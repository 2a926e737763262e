#include "items/ItemRow.h"

#include "platform/TextNumbers.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PricePoints.h"

#include <utility>

namespace
{
const QString kItemColumns =
    QStringLiteral("ID, ItemName, Dept, QtyToBuy, Store, UnitOfPurchase, DeptOrder, ItemNameDetail, Price, Coupon");
const QString kWriteColumns =
    QStringLiteral("ID, QtyToBuy, ItemName, Dept, UnitOfPurchase, Store, DeptOrder, ItemNameDetail, Price, Coupon");

// Column positions of the writable row ("Select " + kWriteColumns ...).
enum WriteColumn
{
    WQty = 1,
    WName = 2,
    WDept = 3,
    WUnit = 4,
    WStore = 5,
    WDeptOrder = 6,
    WNotes = 7,
    WPrice = 8,
    WCoupon = 9
};

int orderFromText(const QString& text)
{
    // A row written by another tool may lack the order: it counts as not
    // yet placed.
    return text.trimmed().isEmpty() ? -1 : TextNumbers::toInt(text);
}
} // namespace

QString ItemRow::selectByName()
{
    return QStringLiteral("SELECT ") + kItemColumns + QStringLiteral(" FROM ShoppingLists where ItemName = ?");
}

QString ItemRow::selectById()
{
    return QStringLiteral("SELECT ") + kItemColumns + QStringLiteral(" FROM ShoppingLists where ID = ?");
}

QString ItemRow::writableByName()
{
    return QStringLiteral("Select ") + kWriteColumns + QStringLiteral(" from ShoppingLists where ItemName = ?");
}

QString ItemRow::writableById()
{
    return QStringLiteral("Select ") + kWriteColumns + QStringLiteral(" from ShoppingLists where ID = ?");
}

QString ItemRow::insertSql()
{
    return QStringLiteral("INSERT INTO ShoppingLists (ID, QtyToBuy, ItemName, Dept, UnitOfPurchase, Store, DeptOrder, "
                          "ItemNameDetail, Price, Coupon, Checked) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)");
}

std::vector<SqlValue> ItemRow::insertValues(int id, const CItemDlg& values)
{
    // The price as it always went in: rounded to cents.
    const double price = QString::asprintf("%.2f", values.m_price).toDouble();
    return {SqlValue::integer(id),
            SqlValue::integer(values.m_quantity),
            SqlValue::text(values.m_itemName),
            SqlValue::text(values.m_dept),
            SqlValue::text(values.m_unit),
            SqlValue::text(values.m_store),
            SqlValue::integer(values.m_deptOrder),
            SqlValue::text(values.m_notes),
            SqlValue::real(price),
            SqlValue::integer(values.m_coupon)};
}

CItemDlg::Values ItemRow::values(CAdoRecordset& rs)
{
    CItemDlg::Values values;
    values.itemName = rs.GetField(1).GetText();
    values.dept = rs.GetField(2).GetText();
    values.quantity = TextNumbers::toInt(rs.GetField(3).GetText());
    values.store = rs.GetField(4).GetText();
    values.unit = rs.GetField(5).GetText();
    values.deptOrder = orderFromText(rs.GetField(6).GetText());
    values.notes = rs.GetField(7).GetText();
    values.price = TextNumbers::toDouble(rs.GetField(8).GetText());
    // Read with the rest: saving must not clear a coupon the item has.
    const QString& coupon = rs.GetField(9).GetText();
    values.coupon = coupon == QLatin1String("1") || coupon == QLatin1String("-1") ? 1 : 0;
    return values;
}

void ItemRow::take(CItemDlg& dialog, CAdoRecordset& rs)
{
    const CItemDlg::Values read = values(rs);
    dialog.m_itemName = read.itemName;
    dialog.m_dept = read.dept;
    dialog.m_quantity = read.quantity;
    dialog.m_store = read.store;
    dialog.m_unit = read.unit;
    dialog.m_deptOrder = read.deptOrder;
    dialog.m_notes = read.notes;
    dialog.m_price = read.price;
    dialog.m_coupon = read.coupon;
}

void ItemRow::write(CAdoRecordset& rs, const CItemDlg& dialog)
{
    rs.GetField(WQty).SetLong(dialog.m_quantity);
    rs.GetField(WDept).SetText(dialog.m_dept);
    rs.GetField(WUnit).SetText(dialog.m_unit);
    rs.GetField(WStore).SetText(dialog.m_store);
    rs.GetField(WDeptOrder).SetLong(dialog.m_deptOrder);
    rs.GetField(WNotes).SetText(dialog.m_notes);
    rs.GetField(WPrice).SetDouble(dialog.m_price);
    rs.GetField(WCoupon).SetLong(dialog.m_coupon);
}

void ItemRow::writeChanged(CAdoRecordset& rs, const CItemDlg::Values& now, const CItemDlg::Values& read)
{
    const std::pair<int, const QString CItemDlg::Values::*> texts[] = {
        {WName, &CItemDlg::Values::itemName}, {WDept, &CItemDlg::Values::dept},   {WUnit, &CItemDlg::Values::unit},
        {WStore, &CItemDlg::Values::store},   {WNotes, &CItemDlg::Values::notes},
    };
    for (const auto& [column, text] : texts) {
        if (now.*text != read.*text) {
            rs.GetField(column).SetText(now.*text);
        }
    }
    const std::pair<int, const int CItemDlg::Values::*> numbers[] = {
        {WQty, &CItemDlg::Values::quantity},
        {WDeptOrder, &CItemDlg::Values::deptOrder},
        {WCoupon, &CItemDlg::Values::coupon},
    };
    for (const auto& [column, number] : numbers) {
        if (now.*number != read.*number) {
            rs.GetField(column).SetLong(now.*number);
        }
    }
    if (now.price != read.price) {
        rs.GetField(WPrice).SetDouble(now.price);
    }
}

void ItemRow::takeSideValues(CItemDlg& dialog, CAdoConnection& connection, qint64 id)
{
    dialog.m_barcodes = Barcodes::codesOf(connection, id);
    dialog.m_pricePoints = PricePoints::pointsOf(connection, id);
}

bool ItemRow::load(CItemDlg& dialog, int id)
{
    CAdoConnection connection(true);
    if (connection.Open(Catalog::devicePath()) != 0) {
        ADO_RAISE_LAST(CAdoException::CannotOpen, connection);
    }
    CAdoRecordset rs;
    if (!rs.Open(selectById(), {SqlValue::integer(id)}, connection, CAdoRecordset::adOpenForwardOnly,
                 CAdoRecordset::adLockOptimistic)) {
        ADO_RAISE_LAST(CAdoException::CannotRead, connection);
    }
    const bool found = !rs.IsEOF();
    if (found) {
        take(dialog, rs);
    }
    rs.Close();
    if (found) {
        takeSideValues(dialog, connection, id);
    }
    connection.Close();
    return found;
}

double ItemRow::writablePrice(CAdoRecordset& rs)
{
    return TextNumbers::toDouble(rs.GetField(WPrice).GetText());
}

void ItemRow::notePrices(CAdoConnection& connection, JournalAction& action, qint64 id, const CItemDlg& dialog,
                         double before)
{
    PricePoint point;
    point.itemId = id;
    point.store = dialog.m_store;
    point.unit = dialog.m_unit;
    point.price = dialog.m_price;
    point.source = PricePoint::Source::Edited;
    PricePoints::noteChange(connection, action, point, before);
    for (PricePoint added : dialog.m_newPrices) {
        added.itemId = id;
        PricePoints::record(connection, action, added);
    }
}

QString ItemRow::nameOf(CAdoConnection& connection, qint64 id)
{
    CAdoCommand select(connection, QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = ?"));
    select.bind(1, id);
    return select.next() ? select.value(0).toText() : QString();
}
