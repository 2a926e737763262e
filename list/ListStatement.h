#pragma once

#include "store/access/SqlValue.h"

#include <QString>
#include <QStringList>
#include <Qt>

#include <vector>

struct ViewState;

// The statements of the main list, composed from the view state alone: no
// widgets and no catalog are involved, so they can be checked as text.
//
// values: given, the department and store the user chose are "?"
// parameters, their values appended in order, to be bound; that is how the
// program runs these statements. Left out, they are quoted into the text.
class ListStatement
{
public:
    // The list's columns, left to right: name, quantity, unit, department,
    // price. The list control shows them in this order.
    static constexpr int ColumnCount = 5;

    // The rows of the view: its department, the need view's or the quantity
    // filter's quantity above 0, its store, in its stored order.
    // withNotes: the notes follow the list's columns (for the phone's list).
    // walk: the departments of the store's own walk, first visited first
    // (ListWalk::of); empty, the everyday order of DeptOrder.
    static QString compose(const ViewState& view, std::vector<SqlValue>* values = nullptr, bool withNotes = false,
                           const QStringList& walk = QStringList());
    // One row over the same rows: their number, their total and the total of
    // the marked ones (0 in a store view), as the summary line shows them.
    static QString totals(const ViewState& view, std::vector<SqlValue>* values = nullptr);
    // What follows ORDER BY: the view's stored order, with the need view's
    // price read as the line amount it shows, the department after its
    // position, and the name as the last tie-break. The stored order itself
    // stays as it is. Given a walk, the department's place in it stands
    // where DeptOrder and the department would, its names bound into values
    // as compose does.
    static QString orderBy(const ViewState& view, const QStringList& walk = QStringList(),
                           std::vector<SqlValue>* values = nullptr);
    // The list column that an order sorts by first, and its direction; -1
    // when it is none of the columns.
    static int sortColumn(const QString& order, Qt::SortOrder* direction);
    // The departments that the department box offers for the view's store.
    static QString departments(const ViewState& view, std::vector<SqlValue>* values = nullptr);
    // The phone's store tabs: the stores in order, one row each (names that
    // differ only in letter case are one store, as they select the same
    // rows), at most `most` of them. Each is found by one step in the store index rather than by
    // reading every item, so a large catalog costs no more than a small one.
    static QString storeTabs(int most);

    // The order a heading tap gives, from the current order.
    static QString nextOrder(const QString& current, int column);
    // The orders a heading tap can produce, and the defaults. Anything else
    // in the settings file (edited by hand) would break every list build.
    static bool isKnownOrder(const QString& order);
};
