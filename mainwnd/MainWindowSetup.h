#pragma once

class CMainDlg;

// The building of the main window, run from its constructor: the controls
// and what they do, the command routes, the keyboard's focus order. Every
// handler it connects goes with the window.
class MainWindowSetup
{
public:
    explicit MainWindowSetup(CMainDlg& window);

    void createControls();
    void setupRoutes();
    // Keyboard focus runs round quick entry, quantity, list, department box
    // and toolbar; the other controls are reached by mouse or their keys.
    void setupTabOrder();

private:
    // What the controls made by createControls do.
    void connectControls();

    CMainDlg& m_window;
};
