#pragma once

#include <QString>

#include <functional>

class CAdoConnection;

// The catalog side of the one-item commands, free of any window: Add one and
// Subtract one (a new quantity), Mark (a new mark) and the quick-entry add (a
// new quantity for a named item). The window's commands and the phone list
// both write through these, so a change lands the same way from either.
// Each change is recorded in the undo journal with it ("Add one: Milk").
// Catalog failures raise CAdoException, as the commands always did.
class ItemChanges
{
public:
    // What Add one and Subtract one need from the row they wrote.
    struct QuantityRow
    {
        double price = 0.0; // the unit price
        int checked = 0;    // the stored mark
    };
    // What Mark needs from the row it wrote.
    struct MarkRow
    {
        bool coupon = false;
        int storedMark = 0; // the mark before the change
        int quantity = 0;
        double price = 0.0;
    };

    // Sets QtyToBuy of item id to quantity (0 to MaxQuantity).
    static QuantityRow setQuantity(CAdoConnection& connection, int id, int quantity);
    // Adds step to QtyToBuy of item id as the catalog holds it (a row on
    // screen may be older), kept within 0 and MaxQuantity; stored receives
    // the quantity written.
    static QuantityRow stepQuantity(CAdoConnection& connection, int id, int step, int& stored);
    // Where and when a mark was made: the store view or phone tab ("*" or
    // empty for the need view, at home), and the time it was made on the
    // device that made it (milliseconds since the epoch, UTC; 0 for now), so
    // that a mark queued on a phone keeps its own time.
    struct MarkPlace
    {
        QString store;
        qint64 madeAt = 0;
    };
    // Sets Checked of item id to mark (0 or 1), noting where and when.
    static MarkRow setMark(CAdoConnection& connection, int id, int mark, const MarkPlace& place);
    // The same, made now in no store.
    static MarkRow setMark(CAdoConnection& connection, int id, int mark);
    // Sets (does not add to) QtyToBuy of the item of that name; false when
    // the catalog holds no such name. A catalog that cannot be read raises.
    // id, when given, receives the item's ID.
    static bool setQuantityByName(CAdoConnection& connection, const QString& name, int quantity, int* id = nullptr);

    // The largest quantity the catalog column holds.
    static constexpr int MaxQuantity = 32767;

private:
    // The quantity quantityFrom gives for the stored one, written and
    // journalled under a label that names the step; stored receives it.
    static QuantityRow writeQuantity(CAdoConnection& connection, int id, const std::function<int(int)>& quantityFrom,
                                     int& stored);
};
