#include "mainwnd/ViewController.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/DeptComboBox.h"
#include "list/ListStatement.h"
#include "list/ViewState.h"
#include "platform/NameFold.h"
#include "platform/TextLimit.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/SoundService.h"
#include "store/access/CAdoRecordset.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QSet>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>

namespace
{
const QString kRollSound = QStringLiteral("\\WINDOWS\\qorRoll.Wav");
} // namespace

ViewController::ViewController(IListWindow& window, QTabBar& tabs, DeptComboBox& depts,
                               const QHash<int, CSoundButton*>& buttons, QAction* quantityFilter)
    : m_window(window)
    , m_tabs(tabs)
    , m_depts(depts)
    , m_buttons(buttons)
    , m_quantityFilter(quantityFilter)
{
}

void ViewController::StoreTabRefresh()
{
    ViewState& view = m_window.view();
    CAdoRecordset rs;
    const bool opened =
        rs.Open(QStringLiteral("Select Store from ShoppingLists order by Store"), m_window.connection(),
                CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly, CAdoRecordset::adCmdUnknown);
    const QSignalBlocker blocker(&m_tabs);
    while (m_tabs.count() > 0) {
        m_tabs.removeTab(m_tabs.count() - 1);
    }
    view.tabStores.clear();
    if (opened) {
        m_tabs.addTab(QCoreApplication::translate("ViewController", "Need"));
        view.tabStores << ViewState::allStores();
        QString previous;
        // Spellings that differ in letter case may come in turns; a name that
        // has its tab already gets no second one, which could not be told
        // apart from the first.
        QSet<QString> shown;
        int index = 1;
        while (!rs.IsEOF() && index <= ViewState::MaxStoreTabs) {
            const QString store = rs.GetField(0).GetText();
            if (store != previous && !shown.contains(store)) {
                shown.insert(store);
                // The tip is no markup; the label is set when all are known.
                m_tabs.addTab(QString());
                m_tabs.setTabToolTip(index, Qt::convertFromPlainText(store, Qt::WhiteSpaceNoWrap));
                view.tabStores << store;
                previous = store;
                ++index;
            }
            rs.MoveNext();
        }
    }
    m_tabs.setFont(m_window.app().listFont());
    rs.Close();
    relabelTabs();
}

QStringList ViewController::tabLabels(const QStringList& stores, int maxChars)
{
    QList<qsizetype> limits(stores.size(), maxChars);
    QStringList labels;
    // Names cut to the same label are cut later, each, until they differ:
    // the names themselves do.
    for (bool clash = true; clash;) {
        labels.clear();
        for (qsizetype i = 0; i < stores.size(); ++i) {
            const QString& store = stores.at(i);
            labels << (TextLimit::length(store) > limits.at(i)
                           ? TextLimit::left(store, limits.at(i)) + QStringLiteral("\u2026")
                           : store);
        }
        clash = false;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            for (qsizetype j = i + 1; j < labels.size(); ++j) {
                if (labels.at(i) == labels.at(j)) {
                    ++limits[i];
                    ++limits[j];
                    clash = true;
                }
            }
        }
    }
    return labels;
}

void ViewController::relabelTabs()
{
    const QStringList stores = m_window.view().tabStores.mid(1);
    if (stores.size() != m_tabs.count() - 1) {
        return;
    }
    qsizetype longest = 0;
    for (const QString& store : stores) {
        longest = std::max(longest, TextLimit::length(store));
    }
    // Whole names when they fit; otherwise all cut alike, as little as
    // needed. Past the shortest cut the strip scrolls.
    for (qsizetype limit = longest;; --limit) {
        const QStringList labels = tabLabels(stores, static_cast<int>(limit));
        for (qsizetype i = 0; i < labels.size(); ++i) {
            QString label = labels.at(i);
            // "&" is no accelerator.
            m_tabs.setTabText(static_cast<int>(i + 1), label.replace(QLatin1Char('&'), QLatin1String("&&")));
        }
        if (limit <= MinTabChars || m_tabs.sizeHint().width() <= m_tabs.width()) {
            return;
        }
    }
}

bool ViewController::DepartmentFill()
{
    ViewState& view = m_window.view();
    const QSignalBlocker blocker(&m_depts);
    m_depts.clear();
    CAdoRecordset rs;
    std::vector<SqlValue> values;
    // Each department once, in the order the rows first give it, so that the
    // spelling kept below is the one that reading every row would keep; the
    // engine drops the repeats instead of this loop.
    const QString sql =
        QStringLiteral("SELECT DISTINCT Dept FROM (%1) AS Offered").arg(ListStatement::departments(view, &values));
    if (!rs.Open(sql, values, m_window.connection(), CAdoRecordset::adOpenForwardOnly,
                 CAdoRecordset::adLockOptimistic)) {
        m_depts.addItem(ViewState::shownDept(ViewState::allItems()), ViewState::allItems());
        m_depts.setCurrentIndex(-1);
        return false;
    }
    // The no-filter entry comes first, so that among equal texts it stays
    // ahead of a department that happens to be named like it.
    QStringList entries{ViewState::allItems()};
    // A department spelled like the no-filter value could not be chosen
    // apart from it: the one entry stands for both, as always.
    QSet<QString> seen{NameFold::key(ViewState::allItems())};
    while (!rs.IsEOF()) {
        const QString dept = rs.GetField(0).GetText();
        if (!seen.contains(NameFold::key(dept))) {
            seen.insert(NameFold::key(dept));
            entries << dept;
        }
        rs.MoveNext();
    }
    rs.Close();
    // A sorted list: "All Items" takes its alphabetical place in the words
    // the user reads.
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return NameFold::less(ViewState::shownDept(a), ViewState::shownDept(b));
    });
    for (const QString& dept : entries) {
        m_depts.addItem(ViewState::shownDept(dept), dept);
    }
    m_depts.setCurrentIndex(static_cast<int>(entries.indexOf(ViewState::allItems())));
    return true;
}

QString ViewController::departmentAt(const QComboBox& box, int index)
{
    const QVariant value = box.itemData(index);
    return value.isValid() ? value.toString() : box.itemText(index);
}

bool ViewController::selectDepartment(QComboBox& box, const QString& dept)
{
    for (int index = 0; index < box.count(); ++index) {
        if (NameFold::equal(departmentAt(box, index), dept)) {
            box.setCurrentIndex(index);
            return true;
        }
    }
    return false;
}

void ViewController::DepartmentApply()
{
    ViewState& view = m_window.view();
    m_window.ReadControls();
    if (view.deptText != view.lastDept) {
        m_window.RebuildList();
        view.lastDept = view.deptText;
    }
    m_window.list().setFocus();
    m_window.list().setSelectionMark(0);
}

void ViewController::ViewSwitch(int tabIndex)
{
    SoundService::play(kRollSound);
    applyView(tabIndex);
}

void ViewController::applyView(int tabIndex)
{
    ViewState& view = m_window.view();
    view.needView = tabIndex == 0;
    showStoreViewControls(!view.needView);
    view.currentStore = view.tabStores.value(tabIndex, ViewState::allStores());
    m_window.RebuildList();
}

void ViewController::selectTab(int tabIndex)
{
    const QSignalBlocker blocker(&m_tabs);
    m_tabs.setCurrentIndex(tabIndex);
}

void ViewController::showStoreViewControls(bool shown)
{
    for (int id = ControlId::LetterA; id <= ControlId::LetterS; ++id) {
        m_buttons.value(id)->setVisible(shown);
        m_buttons.value(id)->setEnabled(shown);
    }
    if (m_quantityFilter) {
        m_quantityFilter->setEnabled(shown);
    }
}

void ViewController::ReturnToNeedView()
{
    WaitCursorScope wait;
    StoreTabRefresh();
    selectTab(0);
    applyView(0);
}

void ViewController::CatalogChanged()
{
    ViewState& view = m_window.view();
    WaitCursorScope wait;
    const QString store = view.currentStore;
    // Someone else's change, or an undo, leaves the user's place in the list
    // where it was while the item is still shown.
    const int marked = m_window.list().markedItem();
    StoreTabRefresh();
    // A store that is gone leaves the need view.
    const int tab = view.needView ? 0 : static_cast<int>(std::max<qsizetype>(view.tabStores.indexOf(store), 0));
    selectTab(tab);
    applyView(tab);
    m_window.list().selectItem(marked);
}

void ViewController::QuantityFilterToggle()
{
    ViewState& view = m_window.view();
    // The toolbar button is disabled in the need view; a shortcut or a test
    // reaching here there changes nothing.
    if (view.needView) {
        return;
    }
    view.quantityFilter = !view.quantityFilter;
    // The button's checked state and the summary line say which it is.
    if (m_quantityFilter) {
        m_quantityFilter->setChecked(view.quantityFilter);
    }
    m_window.RebuildList();
}

void ViewController::SortByColumn(int column)
{
    ViewState& view = m_window.view();
    QString& order = m_tabs.currentIndex() == 0 ? view.needOrder : view.storeOrder;
    order = ListStatement::nextOrder(order, column);
    SoundService::play(kRollSound);
    m_window.RebuildList();
}

void ViewController::LetterJump(const QString& letter)
{
    CItemListCtrl& list = m_window.list();
    ViewState& view = m_window.view();
    int start = 0;
    if (letter == view.lastJumpLetter) {
        start = list.selectionMark() + 1;
    }
    view.lastJumpLetter = letter;
    // Rows not yet read are read only as far as the one found.
    for (int row = std::max(0, start); list.hasRow(row); ++row) {
        if (NameFold::compare(list.itemText(row, 0), letter) >= 0) {
            list.selectRow(row);
            list.setSelectionMark(row);
            list.setFocus();
            return;
        }
    }
}

namespace
{
QString loadOrder(const CRegistry& registry, const QString& name, const QString& fallback)
{
    const QString stored = registry.GetString(name);
    if (stored.isEmpty()) {
        registry.SetString(name, fallback);
        return fallback;
    }
    return ListStatement::isKnownOrder(stored) ? stored : fallback;
}
} // namespace

void ViewController::LoadOrders()
{
    ViewState& view = m_window.view();
    const CRegistry& registry = m_window.app().registry();
    view.needOrder = loadOrder(registry, QStringLiteral("OrderNeed"), QStringLiteral("DeptOrder, ItemName"));
    view.storeOrder = loadOrder(registry, QStringLiteral("OrderStore"), QStringLiteral("Itemname"));
}

void ViewController::SaveOrders()
{
    ViewState& view = m_window.view();
    const CRegistry& registry = m_window.app().registry();
    registry.SetString(QStringLiteral("OrderNeed"), view.needOrder);
    registry.SetString(QStringLiteral("OrderStore"), view.storeOrder);
}
