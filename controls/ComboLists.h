#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

// The list handling of the editable drop-down boxes: entries kept sorted
// without regard to case, searched whole or by their beginning.
class ComboLists
{
public:
    struct Entry
    {
        QString text;
        // Kept under Qt::UserRole when valid.
        QVariant data;
    };

    // Fills an emptied box in one go, sorted as the box keeps its entries.
    // Equal texts keep the order in which they came.
    static void fillSorted(QComboBox& box, std::vector<Entry>& entries);
    // Adds one entry where the sorted list keeps it; returns its index.
    static int insertSorted(QComboBox& box, const QString& text, const QVariant& data);
    // The entry equal to text without regard to case; -1 when none is.
    static int findExactNoCase(const QComboBox& box, const QString& text);
    // The first entry that begins with text (without regard to case). With
    // after = -1 the whole list is searched from the top; otherwise the
    // search starts at the entry after that one and wraps round to it last.
    static int findPrefix(const QComboBox& box, const QString& text, int after);
    // The box's edit text, set only when it differs (setting it would move
    // the caret and the selection).
    static void setBoxText(QComboBox& box, const QString& text);
    // An editable box that keeps its list sorted itself: typed text never
    // becomes an entry, and nothing completes it while typing.
    static void keepsOwnOrder(QComboBox& box);
    // The edit that holds the text of a box: its own, or the combo box's.
    static QLineEdit* editOf(QWidget* box);
};
