#pragma once

#include "store/journal/Journal.h"

#include <functional>

class IListWindow;
class QAction;

// Undo, Redo and History of the main window over the catalog's undo journal.
// The window hands in its Undo and Redo actions; refresh() names the action
// each would take back or apply again ("Undo Clear List"), and disables them
// when there is none or when the catalog cannot keep a history (the tool tip
// says why). After an undo or redo the window rebuilds its store tabs, list
// and totals.
class UndoCommands
{
public:
    UndoCommands(IListWindow& window, QAction& undo, QAction& redo);

    void Undo();
    void Redo();
    // The recent actions; the one chosen is undone with every later one, as
    // one step, after one confirmation.
    void History();

    // Menu texts, enabled states and tool tips from the journal as it is now.
    void refresh();
    // Undo and Redo stay disabled with this reason as their tool tip (a
    // catalog whose file or folder cannot be written).
    void setUnavailable(const QString& reason) { m_unavailable = reason; }

    Journal& journal() { return m_journal; }

private:
    // Undo or Redo of the action the menu names (none: the menu is stale).
    void step(qint64 shown, const std::function<Journal::Outcome(qint64)>& apply);
    // Tells the user why nothing was done, and of damaged entries once.
    void finish(const Journal::Outcome& outcome);

    IListWindow& m_window;
    Journal m_journal;
    QAction& m_undo;
    QAction& m_redo;
    // The actions the menu names, so that a key press takes back what the
    // user was shown, not what another window journalled since.
    qint64 m_shownUndo = 0;
    qint64 m_shownRedo = 0;
    QString m_unavailable;
};
