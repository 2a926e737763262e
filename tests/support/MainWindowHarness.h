#pragma once

#include "app/CListApp.h"
#include "mainwnd/CMainDlg.h"

#include <memory>

// The real main window on the device folder's catalog, shown on the
// offscreen screen and initialised as at start-up. Closed and destroyed with
// the harness.
class MainWindowHarness
{
public:
    MainWindowHarness();
    ~MainWindowHarness();

    CListApp& app() { return m_app; }
    CMainDlg& window() { return *m_window; }
    CMainDlg* operator->() { return m_window.get(); }

    // Texts of a list column, top to bottom.
    QStringList column(int column) const;
    // Selects a row the way a user does (a click on its name).
    void clickRow(int row);

private:
    CListApp m_app;
    std::unique_ptr<CMainDlg> m_window;
};
