#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Barcode;
class CAdoConnection;
class JournalAction;

// The barcodes of the catalog's items, kept in a table beside ShoppingLists
// (Barcodes: one row per code, its key and the item's ID). An item may have
// several codes; a code belongs to one item. Rows change as part of the
// caller's journalled action, so that Undo takes them back with the item.
class Barcodes
{
    Q_DECLARE_TR_FUNCTIONS(Barcodes)

public:
    // The table, made when missing. False when it cannot be made or is not
    // ours (other columns).
    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);

    // The item a valid code belongs to, under any of its keys; 0 when none
    // (or the catalog keeps no barcodes). Raises CAdoException when the table
    // cannot be read.
    static qint64 itemOf(CAdoConnection& connection, const Barcode& code);
    // The keys of item's codes, in key order; empty when the catalog keeps
    // no barcodes.
    static QStringList codesOf(CAdoConnection& connection, qint64 itemId);

    // Inside action: code belongs to itemId from now on, moved from another
    // item when it had one (the caller has asked). Returns false when it
    // belonged to itemId already. Raises CAdoException (kind Invalid) for a
    // refused code, and when the catalog keeps no barcodes or refuses the
    // row.
    static bool attach(CAdoConnection& connection, JournalAction& action, const Barcode& code, qint64 itemId);
    // Inside action: itemId's codes become exactly keys (each a valid code),
    // moving those another item had. Raises as attach does.
    static void setCodes(CAdoConnection& connection, JournalAction& action, qint64 itemId, const QStringList& keys);
    // Inside action: the codes of a deleted item go with it. Nothing to do
    // when the catalog keeps no barcodes.
    static void dropItem(CAdoConnection& connection, JournalAction& action, qint64 itemId);

    // Why a catalog keeps no barcodes, for the user.
    static QString noTableMessage();
};
