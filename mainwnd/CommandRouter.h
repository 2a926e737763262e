#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QTabBar;
class QToolBar;
class QWidget;

// The main window's command bar (the Tools menu button, the toolbar and the
// desktop keys) and its routing table from command id to handler. Every
// command runs guarded: a catalog failure in it is shown to the user and
// goes no further. A child of the window it serves.
class CommandRouter : public QObject
{
    Q_OBJECT

public:
    explicit CommandRouter(QWidget& window);

    // Builds the command bar on the window. Commands without a route stay
    // visible but disabled.
    QToolBar* createCommandBar();

    // Gives a command id its handler (later routes replace earlier ones) and
    // enables its menu and toolbar entries (the quantity filter excepted: its
    // state follows the view).
    void setRoute(int commandId, std::function<void()> handler);
    bool hasRoute(int commandId) const;
    // Runs the command of that id. False when the id has no route.
    bool run(int commandId);
    void runGuarded(const std::function<void()>& command);
    // Runs after every guarded command and before the Tools menu opens, so
    // that entries that depend on the catalog (Undo, Redo) follow it.
    void setAfterCommand(std::function<void()> handler);
    // Runs before each command of the routing table, so that a command finds
    // the list whole.
    void setBeforeCommand(std::function<void()> handler);

    // The keys a desktop user tries first that have no menu entry: Ctrl+F
    // (quick entry, its text selected), Ctrl+Tab and Ctrl+Shift+Tab (next and
    // previous view, round the strip) and Ctrl+Q (as OK).
    void addDesktopKeys(QLineEdit& quickText, QTabBar& tabs);

    // The menu or toolbar entry of a command; null when it has none.
    QAction* action(int commandId) const;
    // The Tools menu; null before the command bar is built.
    QMenu* toolsMenu() const { return m_toolsMenu; }

private:
    void addAction(QAction* action, int commandId);
    // The keys of the menu's entries, shown beside them and working anywhere
    // in the window.
    void addMenuKeys();
    void afterCommand() noexcept;

    QWidget& m_window;
    QHash<int, std::function<void()>> m_routes;
    QHash<int, QAction*> m_actions;
    std::function<void()> m_afterCommand;
    std::function<void()> m_beforeCommand;
    QMenu* m_toolsMenu = nullptr;
};
