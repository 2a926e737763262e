#include "items/ItemSaveFlow.h"

#include "commands/IListWindow.h"
#include "commands/ViewState.h"
#include "controls/CItemListCtrl.h"
#include "items/CItemDlg.h"
#include "platform/AppState.h"
#include "platform/MessageService.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Catalog.h"
#include "store/journal/JournalAction.h"

#include <limits>
#include <utility>

namespace
{
const QString kItemColumns =
    QStringLiteral("ID, ItemName, Dept, QtyToBuy, Store, UnitOfPurchase, DeptOrder, ItemNameDetail, Price, Coupon");
const QString kWriteColumns =
    QStringLiteral("ID, QtyToBuy, ItemName, Dept, UnitOfPurchase, Store, DeptOrder, ItemNameDetail, Price, Coupon");

// Column positions of the write statements ("Select " + kWriteColumns ...).
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
    return text.trimmed().isEmpty() ? -1 : TextNumbers::toInt(text);
}

// Everything but the ID, the mark and (for New Item) the name.
void writeValues(CAdoRecordset& rs, const CItemDlg& dialog)
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
// Edit Item's write: only the values that differ from those the row was read
// with. A value the user left alone is not written back through conversions
// that could change it (a price read as text, a coupon of -1).
void writeChangedValues(CAdoRecordset& rs, const CItemDlg::Values& now, const CItemDlg::Values& read)
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
} // namespace

ItemSaveFlow::ItemSaveFlow(IListWindow& window)
    : m_window(window)
{
}

QString ItemSaveFlow::newDepartmentMessage(const QString& dept)
{
    return QStringLiteral("'") + dept
           + QStringLiteral("' is a new department.  Use 'Arrange Departments' on the Tools Menu to set the proper "
                            "order in the store.  For now, I'm putting this department at the top of the list.");
}

QString ItemSaveFlow::noFreeIdMessage()
{
    return QStringLiteral("No new item can be added: the catalog already uses the highest item number there is (%1).")
        .arg(std::numeric_limits<int>::max());
}

QString ItemSaveFlow::goneMessage()
{
    return QStringLiteral("This item is no longer in the catalog (another program may have deleted it), so your "
                          "changes were not saved.  Save it as a new item?");
}

QString ItemSaveFlow::insertSql(int id, const CItemDlg& values)
{
    return QStringLiteral("INSERT INTO ShoppingLists (ID, QtyToBuy, ItemName, Dept, UnitOfPurchase, Store, DeptOrder, "
                          "ItemNameDetail, Price, Coupon, Checked)")
           + QStringLiteral(" VALUES (") + QString::asprintf("%d", id) + QStringLiteral(", ")
           + QString::asprintf("%d", values.m_quantity) + QStringLiteral(", ")
           + Catalog::quoteLiteral(values.m_itemName) + QStringLiteral(", ") + Catalog::quoteLiteral(values.m_dept)
           + QStringLiteral(", ") + Catalog::quoteLiteral(values.m_unit) + QStringLiteral(", ")
           + Catalog::quoteLiteral(values.m_store) + QStringLiteral(",") + QString::asprintf("%d", values.m_deptOrder)
           + QStringLiteral(", ") + Catalog::quoteLiteral(values.m_notes) + QStringLiteral(",")
           + QString::asprintf("%10.2f", values.m_price) + QStringLiteral(",")
           + QString::asprintf("%d", values.m_coupon) + QStringLiteral(",0)");
}

void ItemSaveFlow::setNewItemValues(CItemDlg& dialog, const QString& name) const
{
    const ViewState& view = m_window.view();
    dialog.m_itemName = name;
    dialog.m_dept = view.deptText == ViewState::allItems() ? QString() : view.deptText;
    dialog.m_quantity = 1;
    dialog.m_unit = QStringLiteral("pkg");
    dialog.m_store = view.allStoresShown() ? QString() : view.currentStore;
    dialog.m_notes.clear();
    dialog.m_coupon = 0;
    dialog.m_deptOrder = -1;
}

void ItemSaveFlow::takeRow(CItemDlg& dialog, CAdoRecordset& rs)
{
    dialog.m_itemName = rs.GetField(1).GetText();
    dialog.m_dept = rs.GetField(2).GetText();
    dialog.m_quantity = TextNumbers::toInt(rs.GetField(3).GetText());
    dialog.m_store = rs.GetField(4).GetText();
    dialog.m_unit = rs.GetField(5).GetText();
    dialog.m_deptOrder = orderFromText(rs.GetField(6).GetText());
    dialog.m_notes = rs.GetField(7).GetText();
    dialog.m_price = TextNumbers::toDouble(rs.GetField(8).GetText());
    const QString& coupon = rs.GetField(9).GetText();
    dialog.m_coupon = coupon == QLatin1String("1") || coupon == QLatin1String("-1") ? 1 : 0;
}

void ItemSaveFlow::reportFailedInsert() const
{
    // The statement's own result is the only sign that the item was not
    // stored; the user must not be left believing that it was.
    MessageService::showFailure(QStringLiteral("The item could not be saved."), m_window.connection().lastError(),
                                m_window.widget());
}

void ItemSaveFlow::openOrRaise(CAdoRecordset& rs, const QString& sql, int cursorType,
                               const std::vector<SqlValue>& values)
{
    CAdoConnection& connection = m_window.connection();
    if (!rs.Open(sql, values, connection, cursorType, CAdoRecordset::adLockOptimistic)) {
        ADO_RAISE_DETAIL(CAdoException::CannotRead, connection.lastError());
    }
}

std::optional<int> ItemSaveFlow::reserveId()
{
    CAdoRecordset rs;
    openOrRaise(rs, QStringLiteral("SELECT ID FROM ShoppingLists ORDER BY ID"), CAdoRecordset::adOpenKeyset);
    // An empty catalog has no ID to follow: the first item gets 1.
    if (!rs.MoveLast()) {
        return 1;
    }
    // Read wide, so that an ID another program wrote beyond the 32-bit range
    // is seen as what it is.
    bool isNumber = false;
    const qint64 highest = rs.GetField(0).GetText().trimmed().toLongLong(&isNumber);
    if (!isNumber) {
        return rs.GetField(0).GetLong() + 1;
    }
    if (highest >= std::numeric_limits<int>::max()) {
        MessageService::show(noFreeIdMessage(), MessageService::Buttons::Ok, m_window.widget());
        return std::nullopt;
    }
    return static_cast<int>(highest + 1);
}

void ItemSaveFlow::NewItem(const QString& name)
{
    CAdoConnection& connection = m_window.connection();
    AppState& app = m_window.app();

    const std::optional<int> reservation = reserveId();
    if (!reservation) {
        return;
    }
    const int reserved = *reservation;
    app.setReservedId(reserved);

    CItemDlg dialog(m_window.widget());
    dialog.m_reservedId = reserved;
    setNewItemValues(dialog, name);
    if (!name.isEmpty()) {
        CAdoRecordset rs;
        openOrRaise(rs,
                    QStringLiteral("SELECT ") + kItemColumns + QStringLiteral(" FROM ShoppingLists where ItemName = ?"),
                    CAdoRecordset::adOpenForwardOnly, {SqlValue::text(name)});
        if (rs.IsEOF()) {
            setNewItemValues(dialog, name);
            dialog.m_dropOnOpen = true;
        } else {
            takeRow(dialog, rs);
            dialog.m_dropOnOpen = false;
        }
    }

    const int result = dialog.exec();
    WaitCursorScope wait;
    m_window.list().setFocus();
    if (result != QDialog::Accepted) {
        return;
    }

    if (dialog.m_deptOrder == -1) {
        CAdoRecordset rs;
        openOrRaise(rs,
                    QStringLiteral("Select DeptOrder, Dept from ShoppingLists where (DeptOrder >= 0) AND (Dept= ?)"),
                    CAdoRecordset::adOpenForwardOnly, {SqlValue::text(dialog.m_dept)});
        if (rs.IsEOF()) {
            MessageService::show(newDepartmentMessage(dialog.m_dept), MessageService::Buttons::Ok, m_window.widget());
        } else {
            dialog.m_deptOrder = TextNumbers::toInt(rs.GetField(0).GetText());
        }
    }

    bool inserted = true;
    {
        JournalAction action(connection, QStringLiteral("New Item: ") + dialog.m_itemName);
        CAdoRecordset rs;
        openOrRaise(
            rs, QStringLiteral("Select ") + kWriteColumns + QStringLiteral(" from ShoppingLists where ItemName = ?"),
            CAdoRecordset::adOpenKeyset, {SqlValue::text(dialog.m_itemName)});
        if (rs.IsEOF()) {
            action.watch(reserved);
            inserted = connection.Execute(insertSql(reserved, dialog));
        } else {
            action.watch(rs.GetField(0).GetLong());
            writeValues(rs, dialog);
            rs.Update();
        }
        rs.Close();
        // A refused insert ends the transaction on some engines: the action
        // is rolled back rather than committed, so that the refusal itself is
        // what the user is told.
        if (inserted) {
            action.commit();
        }
    }
    if (!inserted) {
        reportFailedInsert();
    }

    // The need view, whole: its tab, its controls and its list, with the new
    // store's tab in the strip.
    m_window.view().lastDept = ViewState::allItems();
    m_window.ReturnToNeedView();
}

void ItemSaveFlow::EditItem()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    CAdoConnection& connection = m_window.connection();
    const QString id = QString::number(list.itemData(row));

    CItemDlg dialog(m_window.widget());
    dialog.m_reservedId = m_window.app().reservedId();
    {
        CAdoRecordset rs;
        openOrRaise(rs,
                    QStringLiteral("SELECT ") + kItemColumns + QStringLiteral(" FROM ShoppingLists where ID = ") + id,
                    CAdoRecordset::adOpenForwardOnly);
        if (!rs.IsEOF()) {
            takeRow(dialog, rs);
            dialog.m_dropOnOpen = false;
        }
    }

    const CItemDlg::Values before = dialog.values();
    const int result = dialog.exec();
    list.setFocus();
    if (result == QDialog::Accepted) {
        dialog.keepUntouchedValues();
    }
    // OK with nothing changed leaves the row as it is, byte for byte.
    if (result != QDialog::Accepted || dialog.values() == before) {
        m_window.RedrawSummary();
        return;
    }

    placeEditedItem(dialog);

    bool gone = false;
    {
        JournalAction action(connection, QStringLiteral("Edit Item: ") + dialog.m_itemName);
        action.watch(list.itemData(row));
        CAdoRecordset rs;
        openOrRaise(rs,
                    QStringLiteral("Select ") + kWriteColumns + QStringLiteral(" from ShoppingLists where ID = ") + id,
                    CAdoRecordset::adOpenKeyset);
        gone = rs.IsEOF();
        if (!gone) {
            writeChangedValues(rs, dialog.values(), before);
            rs.Update();
        }
        rs.Close();
        action.commit();
    }
    if (gone) {
        offerToStoreAgain(dialog);
    }
    m_window.RebuildList();
}

void ItemSaveFlow::placeEditedItem(CItemDlg& dialog)
{
    // Placed by any other item of the department; the item itself does not
    // count, so the only item of a department is always told it is new.
    CAdoRecordset rs;
    openOrRaise(rs,
                QStringLiteral("Select ItemName,DeptOrder, Dept from ShoppingLists where (DeptOrder >= 0) AND "
                               "(ItemName <> ?) AND (Dept= ?)"),
                CAdoRecordset::adOpenForwardOnly, {SqlValue::text(dialog.m_itemName), SqlValue::text(dialog.m_dept)});
    if (rs.IsEOF()) {
        MessageService::show(newDepartmentMessage(dialog.m_dept), MessageService::Buttons::Ok, m_window.widget());
    } else {
        dialog.m_deptOrder = TextNumbers::toInt(rs.GetField(1).GetText());
    }
}

void ItemSaveFlow::offerToStoreAgain(const CItemDlg& dialog)
{
    // Deleted meanwhile by another program: the user's changes must not
    // vanish unnoticed; they are stored again only when the user says so.
    if (!MessageService::confirm(goneMessage(), m_window.widget())) {
        return;
    }
    const std::optional<int> reserved = reserveId();
    if (!reserved) {
        return;
    }
    bool stored = false;
    {
        CAdoConnection& connection = m_window.connection();
        JournalAction action(connection, QStringLiteral("Edit Item: ") + dialog.m_itemName);
        action.watch(*reserved);
        stored = connection.Execute(insertSql(*reserved, dialog));
        if (stored) {
            action.commit();
        }
    }
    if (!stored) {
        reportFailedInsert();
    }
}
