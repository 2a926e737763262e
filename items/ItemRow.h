#pragma once

#include "items/CItemDlg.h"
#include "store/access/SqlValue.h"

#include <QString>

#include <vector>

class CAdoConnection;
class CAdoRecordset;
class JournalAction;

// One catalog item's row as the item editor reads and writes it: the
// statements that find it by its name or its ID (both bound as the one
// parameter) and that add it, and the values between such a row and the
// editor.
class ItemRow
{
public:
    // ID, ItemName, Dept, QtyToBuy, Store, UnitOfPurchase, DeptOrder,
    // ItemNameDetail, Price, Coupon: the row to read into the editor.
    static QString selectByName();
    static QString selectById();
    // The same row in the order of write() and writeChanged(), to be opened
    // as a keyset and updated.
    static QString writableByName();
    static QString writableById();

    // The statement that adds a new item, and the values it binds: the
    // editor's values with the reserved ID, the price rounded to cents, the
    // item never marked.
    static QString insertSql();
    static std::vector<SqlValue> insertValues(int id, const CItemDlg& values);

    // The editor's values from the current row of a select above.
    static CItemDlg::Values values(CAdoRecordset& rs);
    static void take(CItemDlg& dialog, CAdoRecordset& rs);
    // What the editor shows of item id from the tables beside the catalog:
    // its barcodes and its prices seen.
    static void takeSideValues(CItemDlg& dialog, CAdoConnection& connection, qint64 id);
    // Reads item id into dialog, with what is kept of it beside the catalog,
    // on a connection of its own; false when there is no such item. Raises
    // CAdoException when the catalog cannot be read.
    static bool load(CItemDlg& dialog, int id);
    // The name of item id; empty when there is no such item. Raises
    // CAdoException when the catalog cannot be read.
    static QString nameOf(CAdoConnection& connection, qint64 id);

    // Everything but the ID, the mark and the name, into a writable row.
    static void write(CAdoRecordset& rs, const CItemDlg& dialog);
    // Edit Item's write: only the values that differ from those the row was
    // read with. A value the user left alone is not written back through
    // conversions that could change it (a price read as text, a coupon of -1).
    static void writeChanged(CAdoRecordset& rs, const CItemDlg::Values& now, const CItemDlg::Values& read);
    // The price of a writable row, as the editor reads it.
    static double writablePrice(CAdoRecordset& rs);

    // Inside action: item id's price at its store, as the editor has it and
    // before as before, goes into the price book when it changed; so do the
    // prices the user added in the editor.
    static void notePrices(CAdoConnection& connection, JournalAction& action, qint64 id, const CItemDlg& dialog,
                           double before);
};
