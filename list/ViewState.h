#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the main window shows: which view, which department, which sort, and
// the totals of the rows shown. Owned by the main window; the commands read
// and change it, then rebuild the list.
struct ViewState
{
    static constexpr int MaxStoreTabs = 50;

    bool needView = true;
    bool quantityFilter = false;
    // "*" stands for every store (the need view); otherwise a full store name.
    QString currentStore = QStringLiteral("*");
    // Tab index to store: entry 0 is "*", then one full name per store tab.
    QStringList tabStores;
    // "All Items" means no department filter. It is a value, kept in English
    // whatever the user's language; shownDept() gives what the user reads.
    QString deptText = allItems();
    QString lastDept = allItems();
    QString needOrder;
    QString storeOrder;
    double listTotal = 0.0;
    double markedTotal = 0.0;
    QString lastJumpLetter;

    static QString allItems() { return QStringLiteral("All Items"); }
    // A department text as the window shows it: the no-filter value in the
    // user's language, any department as it is named.
    static QString shownDept(const QString& dept)
    {
        return dept == allItems() ? QCoreApplication::translate("ViewState", "All Items") : dept;
    }
    static QString allStores() { return QStringLiteral("*"); }
    bool allStoresShown() const { return currentStore == allStores(); }
};
