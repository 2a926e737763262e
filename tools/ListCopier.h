#pragma once

#include <QString>

class CItemListCtrl;
class IListWindow;

// Copy List: the needed rows of the main list, as shown, put on the clipboard
// as plain text, one line per row.
class ListCopier
{
public:
    explicit ListCopier(IListWindow& window);

    void CopyList();

    // The text Copy List puts on the clipboard: for every row whose quantity
    // cell reads above 0, in list order, "<quantity> <unit> <name> (<dept>)"
    // ended by "\n". The cells go in exactly as shown, unquoted.
    // A line feed alone, not "\r\n": text on the Linux clipboard ends its
    // lines so, and what it is pasted into takes a carriage return as a
    // character of its own (an Enter in a terminal, "^M" in an editor). The
    // toolkit's Windows clipboard turns "\n" into "\r\n" by itself.
    static QString listText(const CItemListCtrl& list);

private:
    IListWindow& m_window;
};
