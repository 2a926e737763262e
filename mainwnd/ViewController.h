#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class CSoundButton;
class DeptComboBox;
class IListWindow;
class QAction;
class QComboBox;
class QTabBar;

// The main window's views: the tab per store, the department filter, the
// quantity filter of the store views, the sort of each view and its stored
// order, and the letter jump. It changes the window's view state and then
// has the window rebuild its list.
class ViewController
{
public:
    // buttons: the window's buttons by control id (the letter buttons are
    // taken from it); quantityFilter: the toolbar's filter entry, or null.
    ViewController(IListWindow& window, QTabBar& tabs, DeptComboBox& depts, const QHash<int, CSoundButton*>& buttons,
                   QAction* quantityFilter);

    // The shortest a store tab's label is cut to before the strip scrolls.
    static constexpr int MinTabChars = 8;

    void StoreTabRefresh();
    // The store tabs' labels for the strip's width: whole names when they
    // fit, else cut with an ellipsis; no two alike. The tip names the store.
    void relabelTabs();
    // The labels of stores when cut to maxChars characters; a label that
    // would be the same as another is cut later until it differs.
    static QStringList tabLabels(const QStringList& stores, int maxChars);
    // Fills the department box: each entry shows its department and holds
    // it as its value; the no-filter entry shows ViewState::shownDept() and
    // holds ViewState::allItems(), so that a department named like its
    // translation stays a department.
    bool DepartmentFill();
    // The department text an entry of the box stands for.
    static QString departmentAt(const QComboBox& box, int index);
    // Selects the entry that stands for dept (compared as the catalog compares
    // names); false, and the box unchanged, when none does.
    static bool selectDepartment(QComboBox& box, const QString& dept);
    void DepartmentApply();
    void ViewSwitch(int tabIndex);
    void ReturnToNeedView();
    void CatalogChanged();
    void QuantityFilterToggle();
    void SortByColumn(int column);
    void LetterJump(const QString& letter);
    void LoadOrders();
    void SaveOrders();
    // The letter buttons and the quantity filter belong to the store views.
    void showStoreViewControls(bool shown);

private:
    // The view that the tab index shows, with its controls, the list rebuilt.
    void applyView(int tabIndex);
    // The tab strip follows the view; selecting it is no view switch.
    void selectTab(int tabIndex);

    IListWindow& m_window;
    QTabBar& m_tabs;
    DeptComboBox& m_depts;
    const QHash<int, CSoundButton*>& m_buttons;
    QAction* m_quantityFilter;
};
