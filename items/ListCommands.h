#pragma once

#include "store/catalog/BulkPass.h"

#include <QString>

class CAdoConnection;
class IListWindow;

// The main window's commands that act on a whole catalog item or on many
// items at once: Delete Item, Clear List, Clear Marked Items and Clear
// Coupons. Each asks first and rebuilds the list afterwards.
//
// A clear lands whole or not at all: it runs in one transaction, and when any
// row cannot be written the catalog stays exactly as it was and the user is
// told what failed.
class ListCommands
{
public:
    enum class Clear
    {
        List,   // every quantity and every mark to 0
        Marked, // quantity and mark of the marked items to 0
        Coupons // every coupon flag to 0
    };

    explicit ListCommands(IListWindow& window);

    void DeleteItem();
    void ClearList();
    void ClearMarked();
    void ClearCoupons();

    // The pass behind a clear, on an open connection: Clear List resets
    // QtyToBuy and Checked of every row where either is not 0, Clear Marked
    // Items both of every marked row, Clear Coupons every Coupon that is not
    // 0; one statement, in one transaction (nested on a savepoint when one
    // is running), recorded in the undo journal under clearLabel. Returns
    // the number of rows written. Raises CAdoException when the rows cannot
    // be read, a row cannot be written or the pass cannot be made final;
    // nothing of the pass is then kept.
    static long clearRows(CAdoConnection& connection, Clear which);

    // The pass behind clearRows, without its journal.
    static BulkPass::Statement clearPass(Clear which);
    // The name of a clear in the undo history ("Clear List").
    static QString clearLabel(Clear which);

private:
    void runClear(const QString& question, Clear which);

    IListWindow& m_window;
};
