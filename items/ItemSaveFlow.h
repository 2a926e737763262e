#pragma once

#include "store/access/SqlValue.h"

#include <QString>

#include <optional>
#include <vector>

class CAdoRecordset;
class CItemDlg;
class IListWindow;

// New Item and Edit Item: fill the item editor, run it, and write its result
// to the catalog on the main window's connection, then bring the window up
// to date. New Item creates an item, or updates the item that already has
// the name; Edit Item rewrites the item of the list's selection mark by its
// ID, name included.
class ItemSaveFlow
{
public:
    explicit ItemSaveFlow(IListWindow& window);

    // name may be empty (the menu and the toolbar); a name the catalog does
    // not hold opens the editor with its lists dropped.
    void NewItem(const QString& name);
    void EditItem();

    // The statement that adds a new item: the editor's values with the
    // reserved ID, texts quoted, the price ten characters wide with two
    // decimals, the item never marked.
    static QString insertSql(int id, const CItemDlg& values);
    static QString newDepartmentMessage(const QString& dept);
    // Told when every item number up to the largest is taken.
    static QString noFreeIdMessage();
    // Asked when the edited item is no longer in the catalog.
    static QString goneMessage();

private:
    // Start values of a new item in the current view. The view's "no
    // department" and "every store" stand-ins start empty boxes: saved, they
    // would become a department and a store of those names.
    void setNewItemValues(CItemDlg& dialog, const QString& name) const;
    // The editor's values from a row of ID, ItemName, Dept, QtyToBuy, Store,
    // UnitOfPurchase, DeptOrder, ItemNameDetail, Price, Coupon.
    static void takeRow(CItemDlg& dialog, CAdoRecordset& rs);
    void reportFailedInsert() const;
    // One more than the highest ID, 1 for an empty catalog; empty when the
    // highest ID is the largest there is (the user has been told). A catalog
    // that cannot be read raises.
    std::optional<int> reserveId();
    // Opens sql on the window's connection; a statement that cannot be opened
    // raises, so that a failed read is never taken for "no such item".
    void openOrRaise(CAdoRecordset& rs, const QString& sql, int cursorType, const std::vector<SqlValue>& values = {});
    // Edit Item's steps: the department's place for the edited item, and
    // storing it again when it was deleted meanwhile.
    void placeEditedItem(CItemDlg& dialog);
    void offerToStoreAgain(const CItemDlg& dialog);

    IListWindow& m_window;
};
