#include "commands/ListCopier.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "list/ListWalk.h"
#include "list/ViewState.h"
#include "platform/NameFold.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoCommand.h"
#include "store/catalog/WalkLearner.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <vector>

ListCopier::ListCopier(IListWindow& window)
    : m_window(window)
{
}

QString ListCopier::listText(const CItemListCtrl& list)
{
    QString text;
    for (int row = 0; row < list.itemCount(); ++row) {
        const QString quantity = list.itemText(row, 1);
        if (TextNumbers::toInt(quantity) <= 0) {
            continue;
        }
        text += quantity + QLatin1Char(' ') + list.itemText(row, 2) + QLatin1Char(' ') + list.itemText(row, 0)
                + QStringLiteral(" (") + list.itemText(row, 3) + QStringLiteral(")\n");
    }
    return text;
}

void ListCopier::CopyList()
{
    copy(listText(m_window.list()));
}

void ListCopier::CopyChecklist()
{
    // A store view's checklist goes in that store's walk, whatever the
    // list's sort, as its departments are walked.
    const ViewState& view = m_window.view();
    const QStringList walk =
        view.allStoresShown() ? QStringList() : ListWalk::ofStore(m_window.connection(), view.currentStore);
    copy(checklistText(m_window.list(), m_window.connection(), walk));
}

namespace
{
// Quantity, unit and name of one row, the empty ones left out.
QString checklistLine(const CItemListCtrl& list, int row, const QString& quantity)
{
    QStringList words;
    for (const QString& word : {quantity, list.itemText(row, 2), list.itemText(row, 0)}) {
        if (!word.trimmed().isEmpty()) {
            words << word.trimmed();
        }
    }
    return words.join(QLatin1Char(' '));
}
} // namespace

QString ListCopier::checklistText(const CItemListCtrl& list, CAdoConnection& connection, const QStringList& walk)
{
    QHash<QString, qint64> walked; // department key to its place in walk
    for (qsizetype i = walk.size() - 1; i >= 0; --i) {
        walked.insert(WalkLearner::key(walk[i]), i);
    }
    struct Place
    {
        qint64 order = -1;
        QString dept;
        bool marked = false;
    };
    QHash<int, Place> places;
    CAdoCommand select(connection, QStringLiteral("SELECT ID, DeptOrder, Dept, Checked FROM ShoppingLists WHERE "
                                                  "QtyToBuy > 0"));
    while (select.next()) {
        places.insert(static_cast<int>(select.integer(0)),
                      {select.integer(1), select.text(2), TextNumbers::toInt(select.text(3)) != 0});
    }
    struct Row
    {
        Place place;
        QString line;
    };
    std::vector<Row> rows;
    for (int row = 0; row < list.itemCount(); ++row) {
        const QString quantity = list.itemText(row, 1);
        if (TextNumbers::toInt(quantity) <= 0) {
            continue;
        }
        Place place = places.value(list.itemData(row));
        place.dept = list.itemText(row, 3).trimmed();
        if (!walk.isEmpty()) {
            place.order = walked.value(WalkLearner::key(place.dept), walk.size());
        }
        rows.push_back({place, checklistLine(list, row, quantity)});
    }
    // Walking order: unplaced departments (-1) first, then by place; the
    // rows without a department before all. Within one, the list's order.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.place.dept.isEmpty() != b.place.dept.isEmpty()) {
            return a.place.dept.isEmpty();
        }
        if (a.place.order != b.place.order) {
            return a.place.order < b.place.order;
        }
        return NameFold::less(a.place.dept, b.place.dept);
    });
    QString text;
    QString heading;
    for (const Row& row : rows) {
        if (!row.place.dept.isEmpty() && !NameFold::equal(row.place.dept, heading)) {
            heading = row.place.dept;
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("## ") + heading
                    + QLatin1Char('\n');
        }
        text += (row.place.marked ? QStringLiteral("- [x] ") : QStringLiteral("- [ ] ")) + row.line + QLatin1Char('\n');
    }
    return text;
}

void ListCopier::copy(const QString& text)
{
    switch (Clipboard::setText(text)) {
    case Clipboard::Result::Ok: {
        const auto lines = text.count(QLatin1Char('\n'));
        m_window.ShowNote(
            lines == 1 ? QCoreApplication::translate("ListCopier", "Copied 1 item to the clipboard.")
                       : QCoreApplication::translate("ListCopier", "Copied %1 items to the clipboard.").arg(lines));
        break;
    }
    case Clipboard::Result::CannotOpen:
        MessageService::show(QCoreApplication::translate("ListCopier", "Cannot open the Clipboard"),
                             MessageService::Buttons::Ok, m_window.widget());
        break;
    case Clipboard::Result::CannotEmpty:
        MessageService::show(QCoreApplication::translate("ListCopier", "Cannot empty the Clipboard"),
                             MessageService::Buttons::Ok, m_window.widget());
        break;
    case Clipboard::Result::CannotSet:
        MessageService::show(QCoreApplication::translate("ListCopier", "Unable to set Clipboard data"),
                             MessageService::Buttons::Ok, m_window.widget());
        break;
    }
}
