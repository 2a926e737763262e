#pragma once

#include "commands/IListWindow.h"
#include "list/ViewState.h"
#include "platform/widgets/AppState.h"
#include "store/access/CAdoConnection.h"

#include <QWidget>

// The commands' view of the main window without the window: the test's
// catalog (CatalogSeed::path()), a real item list that the test fills, and
// counts of what the commands asked the window to do.
class FakeListWindow : public IListWindow
{
public:
    FakeListWindow();
    ~FakeListWindow() override;

    QWidget* widget() override { return &m_widget; }
    CAdoConnection& connection() override { return m_connection; }
    AppState& app() const override { return m_app; }
    CItemListCtrl& list() const override { return *m_list; }
    ViewState& view() override { return m_view; }
    const ViewState& view() const override { return m_view; }
    void ReadControls() override { }
    void WriteControls() override { }
    void RebuildList() override { ++rebuilds; }
    void RedrawSummary() override { ++summaries; }
    void StoreTabRefresh() override { ++tabRefreshes; }
    void ReturnToNeedView() override { ++needViewReturns; }
    void CatalogChanged() override { ++catalogChanges; }
    void runGuarded(const std::function<void()>& command) override { command(); }

    // A row as the window shows it, selected.
    void showRow(int id, const QString& name, int quantity);

    int rebuilds = 0;
    int summaries = 0;
    int tabRefreshes = 0;
    int needViewReturns = 0;
    int catalogChanges = 0;

private:
    mutable AppState m_app;
    CAdoConnection m_connection;
    ViewState m_view;
    QWidget m_widget;
    CItemListCtrl* m_list;
};
