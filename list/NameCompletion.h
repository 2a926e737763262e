#pragma once

#include "store/access/SqlValue.h"

#include <QString>

#include <vector>

// The catalog's names that begin with what was typed: the quick-entry box
// completes from them and the phone page offers them.
class NameCompletion
{
public:
    // The statement: ItemName and QtyToBuy of each match, by name. Its two
    // "?" take values(typed).
    static QString sql();
    // What the typed text binds: the range of names it begins (letter case
    // folded by the column itself, for every letter), which an index on
    // ItemName serves on either engine. The text is a plain beginning of a
    // name: no character in it is a pattern.
    static std::vector<SqlValue> values(const QString& typed);
};
