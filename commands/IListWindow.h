#pragma once

#include <QString>

#include <functional>

class AppState;
class CAdoConnection;
class CItemListCtrl;
class QWidget;
struct ViewState;

// What the commands see of the main window: its catalog connection, its item
// list, its view state and the few ways to bring the window up to date after
// a change. The main window implements it; a command never needs more.
class IListWindow
{
public:
    virtual ~IListWindow() = default;

    // The parent of a command's dialogs and message boxes.
    virtual QWidget* widget() = 0;
    // Open for the whole run (closed only when the catalog file was refused).
    virtual CAdoConnection& connection() = 0;
    // The settings, the list font and the reserved item ID.
    virtual AppState& app() const = 0;
    // The rows as shown: the selection mark, each row's ID, texts and mark.
    virtual CItemListCtrl& list() const = 0;
    // Which view, department and sort; the totals of the rows shown.
    virtual ViewState& view() = 0;
    virtual const ViewState& view() const = 0;

    // Dialog data exchange: the department box and the quick-entry boxes into
    // the view state and the quick-entry values, and back.
    virtual void ReadControls() = 0;
    virtual void WriteControls() = 0;

    // The rows again from the catalog for the current view, with the totals.
    virtual void RebuildList() = 0;
    // The totals and the summary line redrawn from the view state.
    virtual void RedrawSummary() = 0;
    // One tab per store in the catalog, after the Need tab.
    virtual void StoreTabRefresh() = 0;
    // The need view: its tab, without the store views' controls, the store
    // tabs and the list rebuilt.
    virtual void ReturnToNeedView() = 0;
    // The catalog changed from outside the window's own commands: the store
    // tabs, the list and the totals are rebuilt, and the view stays where it
    // was as long as its store still exists.
    virtual void CatalogChanged() = 0;

    // A short note in the window's summary line, where a box would only
    // interrupt: a copy made, a rename done.
    virtual void ShowNote(const QString& note) { (void)note; }

    // Runs a piece of a command so that a catalog failure in it is reported
    // to the user and goes no further.
    virtual void runGuarded(const std::function<void()>& command) = 0;
};
