#pragma once

#include <QByteArray>

#include <vector>

// What the access layer needs to know of a statement's text before running
// it: whether it is a plain SELECT of one table that can carry each row's key,
// and which table that is. Quotes, brackets and comments are skipped.
class SelectText
{
public:
    // The words of sql outside quotes, brackets and comments, upper-cased, in
    // order.
    static std::vector<QByteArray> words(const QByteArray& sql);
    // Where a key column goes into a plain single-table SELECT so that every
    // row comes with it; -1 when the statement is of another shape.
    static qsizetype rowidInsertPosition(const QByteArray& sql);
    // The table named after the first FROM of a plain SELECT, as spelt in the
    // text; empty when the statement names none.
    static QByteArray tableOfSelect(const QByteArray& sql);
    // name between double quotes, inner double quotes doubled.
    static QByteArray quotedIdentifier(const char* name);
};
