#pragma once

#include "store/access/SqlValue.h"

#include <QString>

#include <vector>

// The catalog's names that begin with what was typed: the quick-entry box
// completes from them and the phone page offers them.
class NameCompletion
{
public:
    // The statement: ItemName and QtyToBuy of each match, by name. Its three
    // "?" take values(typed).
    static QString sql();
    // What the typed text binds: the range of names it begins (letter case
    // folded by the column itself), which an index on ItemName serves on
    // either engine, and the LIKE pattern that decides within it. The text
    // is a plain beginning of a name: % and _ in it stand for themselves.
    static std::vector<SqlValue> values(const QString& typed);
};
