#include "items/ItemSaveFlow.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "items/CItemDlg.h"
#include "items/ItemRow.h"
#include "list/ViewState.h"
#include "platform/Money.h"
#include "platform/NameFold.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"
#include "store/journal/JournalAction.h"

#include <QCoreApplication>

#include <limits>

ItemSaveFlow::ItemSaveFlow(IListWindow& window)
    : m_window(window)
{
}

QString ItemSaveFlow::newDepartmentMessage(const QString& dept)
{
    return QCoreApplication::translate("ItemSaveFlow",
                                       "'%1' is a new department.  Use 'Arrange Departments' on the Tools Menu to set "
                                       "the proper order in the store.  For now, I'm putting this department at the "
                                       "top of the list.")
        .arg(dept);
}

QString ItemSaveFlow::noFreeIdMessage()
{
    return QCoreApplication::translate(
               "ItemSaveFlow",
               "No new item can be added: the catalog already uses the highest item number there is (%1).")
        .arg(std::numeric_limits<int>::max());
}

QString ItemSaveFlow::goneMessage()
{
    return QCoreApplication::translate(
        "ItemSaveFlow", "This item is no longer in the catalog (another program may have deleted it), so your "
                        "changes were not saved.  Save it as a new item?");
}

QStringList ItemSaveFlow::changedFields(const CItemDlg::Values& stored, const CItemDlg::Values& now)
{
    QStringList lines;
    const auto quoted = [](const QString& text) { return QStringLiteral("\u201c%1\u201d").arg(text); };
    const auto add = [&lines](const char* field, const QString& from, const QString& to) {
        lines << QStringLiteral("%1: %2 \u2192 %3").arg(QCoreApplication::translate("ItemSaveFlow", field), from, to);
    };
    const std::pair<const char*, const QString CItemDlg::Values::*> texts[] = {
        {QT_TRANSLATE_NOOP("ItemSaveFlow", "Dept"), &CItemDlg::Values::dept},
        {QT_TRANSLATE_NOOP("ItemSaveFlow", "Store"), &CItemDlg::Values::store},
        {QT_TRANSLATE_NOOP("ItemSaveFlow", "Sold by the"), &CItemDlg::Values::unit},
        {QT_TRANSLATE_NOOP("ItemSaveFlow", "Notes"), &CItemDlg::Values::notes},
    };
    if (stored.quantity != now.quantity) {
        add(QT_TRANSLATE_NOOP("ItemSaveFlow", "Qty"), QString::number(stored.quantity), QString::number(now.quantity));
    }
    for (const auto& [field, text] : texts) {
        if (stored.*text != now.*text) {
            add(field, quoted(stored.*text), quoted(now.*text));
        }
    }
    if (TextNumbers::money(stored.price) != TextNumbers::money(now.price)) {
        add(QT_TRANSLATE_NOOP("ItemSaveFlow", "Price"), Money::cell(stored.price), Money::cell(now.price));
    }
    if ((stored.coupon != 0) != (now.coupon != 0)) {
        const QString yes = QCoreApplication::translate("ItemSaveFlow", "yes");
        const QString no = QCoreApplication::translate("ItemSaveFlow", "no");
        add(QT_TRANSLATE_NOOP("ItemSaveFlow", "Coupon"), stored.coupon != 0 ? yes : no, now.coupon != 0 ? yes : no);
    }
    return lines;
}

QString ItemSaveFlow::updateQuestion(const QString& name, const QStringList& changes)
{
    return QCoreApplication::translate(
               "ItemSaveFlow",
               "\u201c%1\u201d is already in the catalog, and saving would change it:\n\n%2\n\nUpdate that "
               "item?  (No goes back to the editor.)")
        .arg(name, changes.join(QLatin1Char('\n')));
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

void ItemSaveFlow::reportFailedInsert() const
{
    // The statement's own result is the only sign that the item was not
    // stored; the user must not be left believing that it was.
    MessageService::showFailure(QCoreApplication::translate("ItemSaveFlow", "The item could not be saved."),
                                m_window.connection().lastError(), m_window.widget());
}

void ItemSaveFlow::openOrRaise(CAdoRecordset& rs, const QString& sql, int cursorType,
                               const std::vector<SqlValue>& values)
{
    CAdoConnection& connection = m_window.connection();
    if (!rs.Open(sql, values, connection, cursorType, CAdoRecordset::adLockOptimistic)) {
        ADO_RAISE_LAST(CAdoException::CannotRead, connection);
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

void ItemSaveFlow::NewItem(const QString& name, const QStringList& barcodes)
{
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
        openOrRaise(rs, ItemRow::selectByName(), CAdoRecordset::adOpenForwardOnly, {SqlValue::text(name)});
        if (rs.IsEOF()) {
            setNewItemValues(dialog, name);
            dialog.m_dropOnOpen = true;
        } else {
            ItemRow::take(dialog, rs);
            dialog.m_barcodes = Barcodes::codesOf(m_window.connection(), rs.GetField(0).GetLong());
            dialog.m_dropOnOpen = false;
        }
    }
    for (const QString& code : barcodes) {
        if (!dialog.m_barcodes.contains(code)) {
            dialog.m_barcodes << code;
        }
    }

    // The editor runs again while the user goes back to it from the
    // question whether to update the item that has the name already.
    bool exists = false;
    for (;;) {
        const int result = dialog.exec();
        m_window.list().setFocus();
        if (result != QDialog::Accepted) {
            return;
        }
        if (confirmUpdate(dialog, &exists)) {
            break;
        }
        dialog.m_dropOnOpen = false;
    }
    if (refuseNul(dialog)) {
        return;
    }
    WaitCursorScope wait;
    placeNewItem(dialog);
    writeNewItem(dialog, reserved, exists);

    // The need view, whole: its tab, its controls and its list, with the new
    // store's tab in the strip.
    m_window.view().lastDept = ViewState::allItems();
    m_window.ReturnToNeedView();
}

void ItemSaveFlow::writeNewItem(const CItemDlg& dialog, int reserved, bool exists)
{
    CAdoConnection& connection = m_window.connection();
    bool inserted = true;
    {
        JournalAction action(connection, (exists ? QStringLiteral("Edit Item: ") : QStringLiteral("New Item: "))
                                             + dialog.m_itemName);
        CAdoRecordset rs;
        openOrRaise(rs, ItemRow::writableByName(), CAdoRecordset::adOpenKeyset, {SqlValue::text(dialog.m_itemName)});
        qint64 id = reserved;
        if (rs.IsEOF()) {
            action.watch(reserved);
            inserted = connection.Execute(ItemRow::insertSql(), ItemRow::insertValues(reserved, dialog));
        } else {
            id = rs.GetField(0).GetLong();
            action.watch(id);
            ItemRow::write(rs, dialog);
            rs.Update();
        }
        rs.Close();
        // A refused insert ends the transaction on some engines: the action
        // is rolled back rather than committed, so that the refusal itself is
        // what the user is told.
        if (inserted) {
            for (const QString& code : dialog.m_barcodes) {
                Barcodes::attach(connection, action, Barcode::parse(code), id);
            }
            action.commit();
        }
    }
    if (!inserted) {
        reportFailedInsert();
    }
}

bool ItemSaveFlow::confirmUpdate(const CItemDlg& dialog, bool* exists)
{
    CAdoRecordset rs;
    openOrRaise(rs, ItemRow::selectByName(), CAdoRecordset::adOpenForwardOnly, {SqlValue::text(dialog.m_itemName)});
    *exists = !rs.IsEOF();
    if (!*exists) {
        return true;
    }
    // The item picked from the editor's own list is the one the user means
    // to change: only a typed name that finds another item's values asks.
    if (!dialog.pickedName().isEmpty() && NameFold::equal(dialog.pickedName(), dialog.m_itemName)) {
        rs.Close();
        return true;
    }
    const QStringList changes = changedFields(ItemRow::values(rs), dialog.values());
    rs.Close();
    return changes.isEmpty() || MessageService::confirm(updateQuestion(dialog.m_itemName, changes), m_window.widget());
}

void ItemSaveFlow::placeNewItem(CItemDlg& dialog)
{
    if (dialog.m_deptOrder != -1) {
        return;
    }
    CAdoRecordset rs;
    openOrRaise(rs, QStringLiteral("Select DeptOrder, Dept from ShoppingLists where (DeptOrder >= 0) AND (Dept= ?)"),
                CAdoRecordset::adOpenForwardOnly, {SqlValue::text(dialog.m_dept)});
    if (rs.IsEOF()) {
        tellNewDepartment(dialog.m_dept);
    } else {
        dialog.m_deptOrder = TextNumbers::toInt(rs.GetField(0).GetText());
    }
}

void ItemSaveFlow::tellNewDepartment(const QString& dept)
{
    if (m_window.app().firstNewDepartmentNotice(dept)) {
        MessageService::show(newDepartmentMessage(dept), MessageService::Buttons::Ok, m_window.widget());
    }
}

QString ItemSaveFlow::unstorableReason(const CItemDlg& values)
{
    for (const QString* text : {&values.m_itemName, &values.m_dept, &values.m_unit, &values.m_store, &values.m_notes}) {
        if (text->contains(QChar(u'\0'))) {
            return QCoreApplication::translate("ItemSaveFlow",
                                               "The item could not be saved: a text cannot hold a NUL character.");
        }
    }
    return {};
}

bool ItemSaveFlow::refuseNul(const CItemDlg& dialog) const
{
    const QString reason = unstorableReason(dialog);
    if (!reason.isEmpty()) {
        MessageService::show(reason, MessageService::Buttons::Ok, m_window.widget());
    }
    return !reason.isEmpty();
}

void ItemSaveFlow::EditItem()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    CAdoConnection& connection = m_window.connection();
    const int id = list.itemData(row);

    CItemDlg dialog(m_window.widget());
    dialog.m_reservedId = m_window.app().reservedId();
    {
        CAdoRecordset rs;
        openOrRaise(rs, ItemRow::selectById(), CAdoRecordset::adOpenForwardOnly, {SqlValue::integer(id)});
        if (!rs.IsEOF()) {
            ItemRow::take(dialog, rs);
            dialog.m_dropOnOpen = false;
        }
    }
    dialog.m_barcodes = Barcodes::codesOf(connection, id);
    const QStringList codesBefore = dialog.m_barcodes;

    const CItemDlg::Values before = dialog.values();
    const int result = dialog.exec();
    list.setFocus();
    if (result == QDialog::Accepted) {
        dialog.keepUntouchedValues();
    }
    // OK with nothing changed leaves the row as it is, byte for byte.
    if (result != QDialog::Accepted || (dialog.values() == before && dialog.m_barcodes == codesBefore)) {
        m_window.RedrawSummary();
        return;
    }

    placeEditedItem(dialog);

    bool gone = false;
    {
        JournalAction action(connection, QStringLiteral("Edit Item: ") + dialog.m_itemName);
        action.watch(id);
        CAdoRecordset rs;
        openOrRaise(rs, ItemRow::writableById(), CAdoRecordset::adOpenKeyset, {SqlValue::integer(id)});
        gone = rs.IsEOF();
        if (!gone) {
            ItemRow::writeChanged(rs, dialog.values(), before);
            rs.Update();
        }
        rs.Close();
        if (!gone && dialog.m_barcodes != codesBefore) {
            Barcodes::setCodes(connection, action, id, dialog.m_barcodes);
        }
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
        tellNewDepartment(dialog.m_dept);
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
    if (!reserved || refuseNul(dialog)) {
        return;
    }
    bool stored = false;
    {
        CAdoConnection& connection = m_window.connection();
        JournalAction action(connection, QStringLiteral("Edit Item: ") + dialog.m_itemName);
        action.watch(*reserved);
        stored = connection.Execute(ItemRow::insertSql(), ItemRow::insertValues(*reserved, dialog));
        if (stored) {
            Barcodes::setCodes(connection, action, *reserved, dialog.m_barcodes);
            action.commit();
        }
    }
    if (!stored) {
        reportFailedInsert();
    }
}
