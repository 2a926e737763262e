#include "items/ListCommands.h"

#include "commands/FailureBox.h"
#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/SqlValue.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/BulkPass.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/JournalAction.h"

#include <QCoreApplication>
#include <optional>

namespace
{
QString failureLead(ListCommands::Clear which)
{
    switch (which) {
    case ListCommands::Clear::List:
        return QCoreApplication::translate("ListCommands",
                                           "The list could not be cleared, so every item is as it was.");
    case ListCommands::Clear::Marked:
        return QCoreApplication::translate("ListCommands",
                                           "The marked items could not be cleared, so every item is as it was.");
    case ListCommands::Clear::Coupons:
        break;
    }
    return QCoreApplication::translate("ListCommands", "The coupons could not be cleared, so every item is as it was.");
}
} // namespace

ListCommands::ListCommands(IListWindow& window)
    : m_window(window)
{
}

QString ListCommands::clearLabel(Clear which)
{
    switch (which) {
    case Clear::List:
        return QStringLiteral("Clear List");
    case Clear::Marked:
        return QStringLiteral("Clear Marked Items");
    case Clear::Coupons:
        break;
    }
    return QStringLiteral("Clear Coupons");
}

BulkPass::Statement ListCommands::clearPass(Clear which)
{
    switch (which) {
    case Clear::List:
        return {{QStringLiteral("(QtyToBuy <> 0) or (Checked <> 0)"), {}},
                {QStringLiteral("QtyToBuy"), QStringLiteral("Checked")},
                {{QStringLiteral("0"), {}}, {QStringLiteral("0"), {}}}};
    case Clear::Marked:
        return {{QStringLiteral("Checked <> 0"), {}},
                {QStringLiteral("Checked"), QStringLiteral("QtyToBuy")},
                {{QStringLiteral("0"), {}}, {QStringLiteral("0"), {}}}};
    case Clear::Coupons:
        break;
    }
    return {{QStringLiteral("Coupon <> 0"), {}}, {QStringLiteral("Coupon")}, {{QStringLiteral("0"), {}}}};
}

long ListCommands::clearRows(CAdoConnection& connection, Clear which)
{
    JournalAction action(connection, clearLabel(which));
    const long count = BulkPass::run(connection, clearPass(which), &action);
    action.commit();
    return count;
}

void ListCommands::runClear(const QString& question, Clear which)
{
    if (!MessageService::confirm(question, m_window.widget())) {
        return;
    }
    std::optional<CAdoException> failure;
    {
        WaitCursorScope wait;
        try {
            clearRows(m_window.connection(), which);
        } catch (const CAdoException& error) {
            failure = error;
        }
    }
    m_window.RebuildList();
    if (failure) {
        FailureBox::show(*failure, m_window.widget(), failureLead(which));
    }
}

void ListCommands::ClearList()
{
    runClear(QCoreApplication::translate(
                 "ListCommands", "Create a new list?  This will reset all quantities in your existing list to zero."),
             Clear::List);
}

void ListCommands::ClearMarked()
{
    runClear(QCoreApplication::translate("ListCommands", "Remove all marked items from needed list?"), Clear::Marked);
}

void ListCommands::ClearCoupons()
{
    runClear(QCoreApplication::translate("ListCommands", "Clear all coupons in memory?"), Clear::Coupons);
}

void ListCommands::DeleteItem()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        MessageService::show(QCoreApplication::translate("ListCommands", "No item selected."),
                             MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    if (!MessageService::confirm(QCoreApplication::translate(
                                     "ListCommands", "WARNING:  This will permanently delete this memorized item.  (To "
                                                     "remove an item from your list, simply highlight it and press "
                                                     "'-'.)\n  Are you sure?"),
                                 m_window.widget())) {
        return;
    }
    CAdoConnection& connection = m_window.connection();
    bool deleted = false;
    try {
        JournalAction action(connection, QStringLiteral("Delete Item: ") + list.itemText(row, 0));
        action.watch(list.itemData(row));
        deleted = connection.Execute(QStringLiteral("DELETE FROM ShoppingLists WHERE ID = ?"),
                                     {SqlValue::integer(list.itemData(row))});
        if (deleted) {
            // Its barcodes and prices go with it, and come back with it on Undo.
            Barcodes::dropItem(connection, action, list.itemData(row));
            PricePoints::dropItem(connection, action, list.itemData(row));
            action.commit();
        }
    } catch (const CAdoException&) {
        // The connection's last error tells why, below.
        deleted = false;
    }
    if (!deleted) {
        MessageService::showFailure(QCoreApplication::translate("ListCommands", "The item could not be deleted."),
                                    connection.lastError(), m_window.widget());
        return;
    }
    m_window.ReturnToNeedView();
}
