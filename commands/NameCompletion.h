#pragma once

#include <QString>

// The catalog's names that begin with what was typed: the quick-entry box
// completes from them and the phone page offers them.
class NameCompletion
{
public:
    // The statement for the typed text: ItemName and QtyToBuy of each match,
    // by name. The text is a plain beginning of a name: % and _ in it stand
    // for themselves.
    static QString sql(const QString& typed);
};
