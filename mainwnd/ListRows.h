#pragma once

#include <QString>

class CAdoConnection;
class CItemListCtrl;
class QWidget;
struct ViewState;

// The rows of the main list and their totals.
class ListRows
{
public:
    // Replaces the list's rows with the result of the list statement sql and
    // adds their amounts to the view's totals (the need view: quantity times
    // price, and the marked rows apart; a store view: the prices). The
    // totals and the number of rows are the engine's, over the same rows;
    // the list gets its first screen now and the rest as it is read. A
    // statement that cannot be opened is reported to the user over parent
    // and leaves the list empty.
    static void fill(CItemListCtrl& list, ViewState& view, CAdoConnection& connection, const QString& sql,
                     QWidget* parent);
};
