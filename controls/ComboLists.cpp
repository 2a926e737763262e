#include "controls/ComboLists.h"

#include "platform/NameFold.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>

namespace
{
// The catalog's own rule, so that the lists agree with what it finds.
bool lessNoCase(const QString& a, const QString& b)
{
    return NameFold::less(a, b);
}
} // namespace

void ComboLists::fillSorted(QComboBox& box, std::vector<Entry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return lessNoCase(a.text, b.text); });
    auto* model = qobject_cast<QStandardItemModel*>(box.model());
    QList<QStandardItem*> items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (Entry& entry : entries) {
        auto* item = new QStandardItem(entry.text);
        if (entry.data.isValid()) {
            item->setData(entry.data, Qt::UserRole);
        }
        items.append(item);
    }
    model->invisibleRootItem()->appendRows(items);
}

int ComboLists::insertSorted(QComboBox& box, const QString& text, const QVariant& data)
{
    int low = 0;
    int high = box.count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (lessNoCase(text, box.itemText(middle))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    box.insertItem(low, text, data);
    return low;
}

int ComboLists::findExactNoCase(const QComboBox& box, const QString& text)
{
    for (int i = 0; i < box.count(); ++i) {
        if (NameFold::equal(box.itemText(i), text)) {
            return i;
        }
    }
    return -1;
}

int ComboLists::findPrefix(const QComboBox& box, const QString& text, int after)
{
    const int count = box.count();
    for (int step = 0; step < count; ++step) {
        const int i = (after + 1 + step) % count;
        if (NameFold::startsWith(box.itemText(i), text)) {
            return i;
        }
    }
    return -1;
}

void ComboLists::setBoxText(QComboBox& box, const QString& text)
{
    if (box.lineEdit()->text() != text) {
        box.setEditText(text);
    }
}

void ComboLists::keepsOwnOrder(QComboBox& box)
{
    box.setInsertPolicy(QComboBox::NoInsert);
    box.setCompleter(nullptr);
}

QLineEdit* ComboLists::editOf(QWidget* box)
{
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit*>(box);
}
