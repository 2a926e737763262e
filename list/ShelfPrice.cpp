#include "list/ShelfPrice.h"

#include "list/PriceBook.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/JournalAction.h"

#include <cmath>

ShelfPrice::Result ShelfPrice::record(CAdoConnection& connection, qint64 itemId, const QString& store, double price,
                                      qint64 seenAt)
{
    Result result;
    PricePoint point;
    point.itemId = itemId;
    point.store = store.trimmed();
    point.price = std::round(price * 100.0) / 100.0;
    point.seenAt = seenAt;
    point.source = PricePoint::Source::Shelf;
    QString ownStore;
    {
        CAdoCommand read(connection,
                         QStringLiteral("SELECT ItemName, Store, UnitOfPurchase FROM ShoppingLists WHERE ID = ?"));
        read.bind(1, itemId);
        if (!read.next()) {
            result.outcome = Outcome::Gone;
            return result;
        }
        result.name = read.value(0).toText();
        ownStore = read.value(1).toText();
        point.unit = read.value(2).toText();
        read.reset();
    }
    const bool own = PriceBook::sameStore(ownStore.trimmed(), point.store);
    if (!own && !PricePoints::tableUsable(connection)) {
        result.outcome = Outcome::NoPriceBook;
        return result;
    }
    // Labelled as the editor's change of the item, which it is.
    JournalAction action(connection, QStringLiteral("Edit Item: ") + result.name);
    if (own) {
        action.watch(itemId);
        CAdoCommand update(connection, QStringLiteral("UPDATE ShoppingLists SET Price = ? WHERE ID = ?"));
        update.bind(1, SqlValue::real(point.price));
        update.bind(2, itemId);
        update.run();
        result.priceSet = true;
    }
    PricePoints::record(connection, action, point);
    action.commit();
    return result;
}
