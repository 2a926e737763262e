#pragma once

#include <QString>

class CAdoConnection;

// A price read off the shelf at a store (a phone's store tab): a point of the
// price book for that store, and the item's own Price too when that store is
// the item's own, as one undoable action.
class ShelfPrice
{
public:
    // As high as the item editor takes.
    static constexpr double MaxPrice = 9999999.0;

    enum class Outcome
    {
        Kept,
        Gone,        // no such item
        NoPriceBook, // another store's price, and the catalog keeps no price book
    };
    struct Result
    {
        Outcome outcome = Outcome::Kept;
        QString name;
        bool priceSet = false; // the item's own Price took it
    };

    // price (0 to MaxPrice, kept to the cent) of item itemId at store, seen at
    // seenAt (milliseconds since 1970). Inside the caller's transaction when
    // there is one; raises CAdoException when the catalog refuses the write,
    // and nothing is then kept.
    static Result record(CAdoConnection& connection, qint64 itemId, const QString& store, double price, qint64 seenAt);
};
