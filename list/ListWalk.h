#pragma once

#include <QString>
#include <QStringList>

class CAdoConnection;
struct ViewState;

// The walk a list of one store runs in: that store's own order of its
// departments, when it has one. Every list shown for one store (the window's
// store view, the phone's store tab, Copy List of a store view) takes it
// from here, so that they all agree with Arrange Departments.
class ListWalk
{
public:
    // The departments of the view's store in its own walk, first visited
    // first; empty when the list keeps the everyday order (DeptOrder): the
    // view shows every store, its order does not sort by department, or the
    // store has no walk of its own. A walk table that cannot be read counts
    // as none. Spellings of one department that differ in letter case only
    // all appear, each after the walk's own, to share its place.
    static QStringList of(CAdoConnection& connection, const ViewState& view);
    // The same for one store, whatever the order.
    static QStringList ofStore(CAdoConnection& connection, const QString& store);
};
