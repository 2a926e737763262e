#pragma once

#include <QString>

#include <optional>

class CAdoConnection;

// The catalog side of the one-item commands, free of any window: Add one and
// Subtract one (a new quantity), Mark (a new mark) and the quick-entry add (a
// new quantity for a named item). The window's commands and the phone list
// both write through these, so a change lands the same way from either.
//
// A change is one transaction with one read of the item's row: the row is
// read (and, on a server, locked) first, the outcome decided from what it
// holds, and the row written and the change recorded in the undo journal
// with its label ("Add one: Milk") only when the outcome calls for it.
// Catalog failures raise CAdoException, as the commands always did.
class ItemChanges
{
public:
    // Where and when a mark was made: the store view or phone tab ("*" or
    // empty for the need view, at home), and the time it was made on the
    // device that made it (milliseconds since the epoch, UTC; 0 for now), so
    // that a mark queued on a phone keeps its own time.
    struct MarkPlace
    {
        QString store;
        qint64 madeAt = 0;
    };

    enum class Field
    {
        Quantity, // QtyToBuy
        Mark      // Checked
    };
    // One item's change of one field.
    struct Change
    {
        Field field = Field::Quantity;
        // The value set (a mark: 0 or 1); with step, what is added to the
        // stored quantity, kept within 0 and MaxQuantity.
        int to = 0;
        bool step = false;
        // The value the change was made from (the phone's): the change is
        // applied only over it. Without it (the window's commands) the row
        // is written whatever it holds, even when it is already so: a mark
        // made again is noted again.
        std::optional<int> from;
        MarkPlace place; // for a mark
    };
    enum class Outcome
    {
        Applied,   // written
        AlreadySo, // the stored value already was the wanted one
        Stale,     // the stored value is neither from nor the wanted one: it stands
        Gone       // no such item
    };
    // What a change found and did; the row's values as they were read.
    struct Result
    {
        Outcome outcome = Outcome::Gone;
        int id = 0;
        QString name;
        int before = 0; // the field's stored value before (a mark as 0 or 1)
        int value = 0;  // the field's value the catalog holds now
        int quantity = 0;
        int mark = 0; // 0 or 1
        double price = 0.0;
        bool coupon = false; // read for a mark only
    };

    // Changes item id as change says.
    static Result change(CAdoConnection& connection, int id, const Change& change);
    // Sets (does not add to) QtyToBuy of the item of that name; Gone when
    // the catalog holds no such name. A catalog that cannot be read raises.
    static Result changeByName(CAdoConnection& connection, const QString& name, int quantity);

    // The window's commands: a gone item raises, as any failure does.
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
    // Sets Checked of item id to mark (0 or 1), noting where and when.
    static MarkRow setMark(CAdoConnection& connection, int id, int mark, const MarkPlace& place);
    // The same, made now in no store.
    static MarkRow setMark(CAdoConnection& connection, int id, int mark);
    // changeByName, false when the catalog holds no such name. id, when
    // given, receives the item's ID.
    static bool setQuantityByName(CAdoConnection& connection, const QString& name, int quantity, int* id = nullptr);

    // The largest quantity the catalog column holds.
    static constexpr int MaxQuantity = 32767;
};
