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
    // ended by "\r\n". The cells go in exactly as shown, unquoted.
    static QString listText(const CItemListCtrl& list);

private:
    IListWindow& m_window;
};
