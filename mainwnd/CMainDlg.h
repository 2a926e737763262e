#pragma once

#include "items/IListWindow.h"
#include "items/ViewState.h"
#include "store/CAdoConnection.h"

#include <QDialog>
#include <QHash>
#include <QList>

#include <functional>
#include <memory>

class CItemListCtrl;
class AppState;
class CQuickEntry;
class CSoundButton;
class DeptComboBox;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QToolBar;
class QToolButton;

// The program's one window: the quick-entry line, the view tabs over the item
// list, the department filter, the letter buttons and the command bar. It owns
// the catalog connection for the whole run and the view state, and routes
// every command to the code that owns it.
class CMainDlg : public QDialog, public IListWindow
{
    Q_OBJECT

public:
    explicit CMainDlg(AppState& app, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // Runs the command of that id through the routing table. False when the
    // id has no route. A catalog failure inside a command is reported to the
    // user here and never leaves this function.
    bool OnCommand(int commandId);
    // Gives a command id its handler (later routes replace earlier ones).
    void setRoute(int commandId, std::function<void()> handler);
    bool hasRoute(int commandId) const;
    // Runs a piece of a command so that a catalog failure in it is reported
    // to the user and goes no further.
    void runGuarded(const std::function<void()>& command) override;

    // The list query and its look.
    void RebuildList() override;
    // The statement that RebuildList runs for the current view state.
    QString composeListSql() const;
    void RedrawSummary() override;
    // The three texts that RedrawSummary draws.
    QString summaryText() const;
    QString listTotalText() const;
    QString markedTotalText() const;

    // Views, stores and departments.
    void StoreTabRefresh() override;
    bool DepartmentFill();
    void DepartmentApply();
    void ViewSwitch(int tabIndex);
    void QuantityFilterToggle();
    void SortByColumn(int column);
    void LetterJump(const QString& letter);
    // The order a heading tap gives, from the current order.
    static QString nextOrder(const QString& current, int column);
    void LoadOrders();
    void SaveOrders();

    // Dialog data exchange: the department text and the quick-entry texts.
    void ReadControls() override;
    void WriteControls() override;

    // Shutdown on OK (and the window's close button): saves the column widths
    // and the sort orders, closes the connection, ends the window.
    void OnOK();

    // The window's side of the commands' interface.
    QWidget* widget() override { return this; }
    AppState& app() const override { return m_app; }
    CAdoConnection& connection() override { return m_connection; }
    ViewState& view() override { return m_view; }
    const ViewState& view() const override { return m_view; }
    CItemListCtrl& list() const override { return *m_list; }
    void ReturnToNeedView() override;
    void CatalogChanged() override;

    QTabBar& tabStrip() const { return *m_tabs; }
    QComboBox& deptCombo() const;
    QLineEdit& quickText() const { return *m_quickText; }
    QLineEdit& quickQty() const { return *m_quickQty; }
    CSoundButton* button(int controlId) const { return m_buttons.value(controlId); }
    QAction* commandAction(int commandId) const;
    QToolBar& commandBar() const { return *m_commandBar; }

    // The row mark of a list row: the integer of its Checked value.
    int rowMark(int row) const;
    void setRowMark(int row, int mark);

    // Size of the window's client area at the handheld's layout, in desktop
    // pixels; the window never shrinks below it.
    static QSize baseClientSize();
    static QString catalogDevicePath();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void OnInitDialog();
    void createControls();
    void createCommandBar();
    void setupButtons();
    void setupRoutes();
    void MakeColumns();
    void openCatalog();
    void showFirstRunTip();
    void layoutControls();
    void placeControl(QWidget* widget, int x, int y, int width, int height, bool anchorBottom, bool anchorRight);
    QRect summaryRect() const;
    QRect listTotalRect() const;
    QRect markedTotalRect() const;
    // Replaces the rows with the result of the list statement and sums the
    // totals; reports a statement that cannot be opened.
    void fillList(const QString& sql);
    bool focusIsTheUsers() const;

    // The view that the tab index shows, with the store views' controls
    // shown or hidden to match, and the list rebuilt.
    void applyView(int tabIndex);
    void showStoreViewControls(bool shown);

    AppState& m_app;
    CAdoConnection m_connection;
    ViewState m_view;

    CItemListCtrl* m_list = nullptr;
    QTabBar* m_tabs = nullptr;
    QFrame* m_tabPane = nullptr;
    DeptComboBox* m_deptCombo = nullptr;
    QLabel* m_deptLabel = nullptr;
    QLabel* m_letterBitmap = nullptr;
    QLabel* m_unusedBitmap = nullptr;
    QLineEdit* m_quickText = nullptr;
    QLineEdit* m_quickQty = nullptr;
    QPushButton* m_phantom = nullptr;
    QToolBar* m_commandBar = nullptr;
    QToolButton* m_toolsButton = nullptr;
    QHash<int, CSoundButton*> m_buttons;
    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_routes;

    struct Placement
    {
        QWidget* widget;
        QRect base;
        bool anchorBottom;
        bool anchorRight;
        bool grows;
    };
    QList<Placement> m_placements;

    bool m_initialised = false;
    // The quick-entry line's behaviour; destroyed before the controls it uses.
    std::unique_ptr<CQuickEntry> m_quickEntry;
};
