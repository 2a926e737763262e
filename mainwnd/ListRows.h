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
    // Replaces the list's rows with those of the view's list statement:
    // the first screen now, the rest as the list asks for it or in the
    // background. A statement that cannot be opened is reported to the user
    // over parent, leaves the list empty and returns false.
    static bool fill(CItemListCtrl& list, const ViewState& view, CAdoConnection& connection, QWidget* parent);
    // Counts the view's rows and adds their amounts to the view's totals,
    // over the rows of the list statement, as the engine sums them (the need
    // view: quantity times price, and the marked rows apart; a store view:
    // the prices). A failure is reported over parent.
    static void total(CItemListCtrl& list, ViewState& view, CAdoConnection& connection, QWidget* parent);
};
