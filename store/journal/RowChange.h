#pragma once

#include "store/access/SqlValue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// What one action did to one catalog row, keyed by the row's ID: the columns
// it changed with their values before and after; a deleted row with all its
// values (before), an inserted row with all its values (after).
//
// Journal text holds a run of changes, each encoded without separators:
//   for a row of another table than ShoppingLists, '@' and its name as
//   <length>':'<text> (only the tables of tables() are accepted); then kind ('U', 'I' or 'D'), the ID as a value, the
//   columns: '=' for the columns of the change before it in the same text, otherwise the count,
//   ';' and each name as <length>':'<text>; then per column its values
//   (update: before and after; insert: after; delete: before).
// A value is 'N' (nothing), 'I'<digits>';', 'R'<decimal>';',
// 'T'<length>':'<text> or 'X'<hex>';'; lengths count UTF-16 units.
struct RowChange
{
    enum class Kind : char
    {
        Update = 'U',
        Insert = 'I',
        Delete = 'D'
    };

    Kind kind = Kind::Update;
    SqlValue id;
    QStringList columns;
    std::vector<SqlValue> before; // Update and Delete
    std::vector<SqlValue> after;  // Update and Insert
    // The table of the row, one of tables(); empty for ShoppingLists. Its
    // rows are found by their ID column all the same.
    QString table = {};

    // previous: the columns of the change appended last to out, if any.
    void appendTo(QString& out, const QStringList* previous = nullptr) const;
    static void appendValue(const SqlValue& value, QString& out);
    // Reads every change of text; false (out then undefined) when the text is
    // not a well-formed run of changes.
    static bool parse(QStringView text, std::vector<RowChange>& out);
    // A column name that may stand in a statement as it is.
    static bool plainName(const QString& name);
    // The tables beside ShoppingLists whose rows an action may change.
    static const QStringList& tables();
    // The table the change's statements name.
    QString tableName() const;
};
