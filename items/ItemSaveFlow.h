#pragma once

#include "items/CItemDlg.h"
#include "store/access/SqlValue.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CAdoRecordset;
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
    // not hold opens the editor with its lists dropped. barcodes (keys)
    // start in the editor's barcodes. New Item adds codes to an item and
    // never takes one away: only Edit Item does.
    void NewItem(const QString& name, const QStringList& barcodes = {});
    void EditItem();

    // Why the values cannot be stored as they are (a text holding a NUL,
    // which not every engine can store); empty when they can.
    static QString unstorableReason(const CItemDlg& values);
    // What saving now over the stored item changes, one line per field
    // ("Price: 4.29 -> 3.99"); empty when nothing would change.
    static QStringList changedFields(const CItemDlg::Values& stored, const CItemDlg::Values& now);
    // Asked when New Item's name is already in the catalog and saving would
    // change that item.
    static QString updateQuestion(const QString& name, const QStringList& changes);
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
    void reportFailedInsert() const;
    // True, and the user told, when a text of the item holds a NUL: not
    // every engine can store one, so no engine is given one.
    bool refuseNul(const CItemDlg& dialog) const;
    // New Item's name already in the catalog: true to go on and update that
    // item (nothing of it changes, or the user agreed), false to go back to
    // the editor. *exists tells whether the name was found.
    bool confirmUpdate(const CItemDlg& dialog, bool* exists);
    // The department's place for New Item, told once a run when it is new.
    void placeNewItem(CItemDlg& dialog);
    // Inserts the item under the reserved ID, or updates the item that has
    // its name (exists: it had the name when the user was asked).
    void writeNewItem(const CItemDlg& dialog, int reserved, bool exists);
    void tellNewDepartment(const QString& dept);
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
