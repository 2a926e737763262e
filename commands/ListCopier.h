#pragma once

#include <QString>
#include <QStringList>

class CAdoConnection;
class CItemListCtrl;
class IListWindow;

// Copy List: the needed rows of the main list, as shown, put on the clipboard
// as plain text, one line per row.
class ListCopier
{
public:
    explicit ListCopier(IListWindow& window);

    void CopyList();
    // The same rows as a Markdown checklist (CopyChecklist's text).
    void CopyChecklist();

    // The text Copy List puts on the clipboard: for every row whose quantity
    // cell reads above 0, in list order, "<quantity> <unit> <name> (<dept>)"
    // ended by "\n". The cells go in exactly as shown, unquoted.
    // A line feed alone, not "\r\n": text on the Linux clipboard ends its
    // lines so, and what it is pasted into takes a carriage return as a
    // character of its own (an Enter in a terminal, "^M" in an editor). The
    // toolkit's Windows clipboard turns "\n" into "\r\n" by itself.
    static QString listText(const CItemListCtrl& list);

    // The needed rows as shown, as a Markdown checklist grouped by
    // department in walking order: a "## <department>" heading before each
    // department's rows (the rows without one come first, under none), each
    // row "- [ ] <quantity> <unit> <name>", "- [x]" when it is marked. The
    // departments' places and the marks come from the catalog (connection).
    // walk: the departments of a store's own walk (ListWalk), which then
    // give the places instead, a department it lacks after them; empty: the
    // everyday order.
    static QString checklistText(const CItemListCtrl& list, CAdoConnection& connection,
                                 const QStringList& walk = QStringList());

private:
    // Puts text on the clipboard; a failure is told in its own words.
    void copy(const QString& text);

    IListWindow& m_window;
};
