#pragma once

#include "store/access/SqlValue.h"
#include "store/catalog/PricePoint.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The catalog's columns as files carry them: their names (the header of a
// CSV file, the keys of a JSON item), what each holds, and the check that
// turns a value read from a file into what the column may store.
class TransferColumns
{
    Q_DECLARE_TR_FUNCTIONS(TransferColumns)

public:
    enum Column
    {
        Id,
        ItemName,
        QtyToBuy,
        UnitOfPurchase,
        ItemNameDetail,
        Dept,
        Store,
        GiftFor,
        Checked,
        DeptOrder,
        Price,
        Coupon,
        Count
    };

    static QString name(int column);
    // The column of that name, compared without regard to case; -1 for none.
    static int find(const QString& name);
    static bool isText(int column);
    // The most characters a text column holds; 0 for a number column.
    static int width(int column);
    // "ID, ItemName, ..., Coupon": every column, for a statement.
    static QString list();

    // The value of column read from text (a CSV cell, a typed quantity):
    // numbers in plain decimal form, text as it is. nullopt with reason set
    // when the column cannot hold it.
    static std::optional<SqlValue> fromText(int column, const QString& text, QString& reason);
    // The same check for a value that already has a type (a JSON number).
    static std::optional<SqlValue> check(int column, const SqlValue& value, QString& reason);
    // A value as text, the way a file writes it: whole numbers in decimal,
    // real numbers in the shortest form that reads back to the same number.
    static QString toText(const SqlValue& value);

    // The smallest and largest quantity an item can have.
    static constexpr int MaxQuantity = 32767;
};

// One item read from a file: each column either said by the file (a value,
// possibly a missing one) or not said at all (nullopt), and the line the
// item starts on.
struct TransferRecord
{
    std::array<std::optional<SqlValue>, TransferColumns::Count> values;
    int line = 0;
    // A typed list's quantity as written ("1.5" of "1.5 kg"; -1 when none
    // was) and its unit ("kg"; empty for a bare count). The import weighs
    // them against the unit an existing item is sold by.
    double amountWritten = -1;
    QString unitWritten;
    // Why the line may be no item at all ("Don't forget the coupons!"): the
    // preview shows it unticked with this reason. Empty for an item.
    QString doubt;
    // The line cannot become an item even when ticked (its name is too long).
    bool doubtFinal = false;
    // The item's barcodes, each a valid code's key (a JSON file's only).
    QStringList barcodes;
    // The item's price points (a JSON file's only).
    std::vector<PricePoint> prices;

    bool has(int column) const { return values[static_cast<size_t>(column)].has_value(); }
    const SqlValue& at(int column) const { return *values[static_cast<size_t>(column)]; }
    void set(int column, const SqlValue& value) { values[static_cast<size_t>(column)] = value; }
};
