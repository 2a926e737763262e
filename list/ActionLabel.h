#pragma once

#include <QString>

// The names of undoable actions as the user reads them. The history stores
// each name in English ("Clear List", "Delete Item: Milk"), as data that
// outlives the language it was written under; it is put into the user's
// language only when shown, by recognising the pattern it was made from.
class ActionLabel
{
public:
    // The stored name in the language installed; a name of no known pattern
    // (or one under English) is shown as it is stored.
    static QString shown(const QString& stored);
};
