#pragma once

#include "commands/IListWindow.h"
#include "controls/DeptComboBox.h"
#include "list/ListStatement.h"
#include "list/ViewState.h"
#include "mainwnd/CommandRouter.h"
#include "mainwnd/RepaintingWait.h"
#include "mainwnd/SummaryPainter.h"
#include "mainwnd/ViewController.h"
#include "mainwnd/WindowLayout.h"
#include "store/access/CAdoConnection.h"

#include <QDialog>
#include <QHash>

#include <functional>
#include <memory>

class AppState;
class CItemListCtrl;
class CQuickEntry;
class PhoneList;
class CSoundButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QTimer;
class QToolBar;
class UndoCommands;

// The program's one window: the quick-entry line, the view tabs over the item
// list, the department filter, the letter buttons and the command bar. It owns
// the catalog connection for the whole run and the view state, and routes
// every command to the code that owns it.
class OutsideChanges;

class CMainDlg : public QDialog, public IListWindow
{
    Q_OBJECT

public:
    explicit CMainDlg(AppState& app, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // Runs the command of that id through the routing table. False when the
    // id has no route. A catalog failure inside a command is reported to the
    // user here and never leaves this function.
    bool OnCommand(int commandId) { return m_router->run(commandId); }
    // Gives a command id its handler (later routes replace earlier ones).
    void setRoute(int commandId, std::function<void()> handler) { m_router->setRoute(commandId, std::move(handler)); }
    bool hasRoute(int commandId) const { return m_router->hasRoute(commandId); }
    // Runs a piece of a command so that a catalog failure in it is reported
    // to the user and goes no further.
    void runGuarded(const std::function<void()>& command) override { m_router->runGuarded(command); }

    // The list query and its look.
    void RebuildList() override;
    // The statement that RebuildList runs for the current view state, as
    // text; a store with a walk of its own runs it in that walk instead.
    QString composeListSql() const { return ListStatement::compose(m_view); }
    void RedrawSummary() override;
    // The three texts that RedrawSummary draws.
    QString summaryText() const { return SummaryPainter::summaryText(m_view, listRowCount()); }
    // The summary line as drawn: the summary text and the note, if any.
    QString summaryLine() const { return summaryText() + m_note; }
    // A short note after the summary (a copy made, a rename done); it goes
    // by itself after a few seconds.
    void ShowNote(const QString& note) override;
    static constexpr int NoteMilliseconds = 5000;
    // With "Learn each store's walk" chosen: the walks learned at the stores
    // whose trips are now over (milliseconds since the epoch; 0 for the
    // clock's time) become those stores' walks, and the note says so once.
    // Runs by itself every LearnMilliseconds. A failure is not told: it is
    // tried again.
    void LearnWalks(qint64 now = 0);
    static constexpr int LearnMilliseconds = 60 * 1000;
    QString listTotalText() const { return SummaryPainter::listTotalText(m_view); }
    QString markedTotalText() const { return SummaryPainter::markedTotalText(m_view); }

    // Views, stores and departments.
    ViewController& views() const { return *m_views; }
    void StoreTabRefresh() override { m_views->StoreTabRefresh(); }
    void ViewSwitch(int tabIndex) { m_views->ViewSwitch(tabIndex); }
    void SortByColumn(int column) { m_views->SortByColumn(column); }
    void LetterJump(const QString& letter) { m_views->LetterJump(letter); }
    static QString nextOrder(const QString& current, int column) { return ListStatement::nextOrder(current, column); }

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
    PhoneList* phoneList() const { return m_phoneList.get(); }
    ViewState& view() override { return m_view; }
    const ViewState& view() const override { return m_view; }
    CItemListCtrl& list() const override { return *m_list; }
    void ReturnToNeedView() override { m_views->ReturnToNeedView(); }
    void CatalogChanged() override { m_views->CatalogChanged(); }

    QTabBar& tabStrip() const { return *m_tabs; }
    QComboBox& deptCombo() const { return *m_deptCombo; }
    QLineEdit& quickText() const { return *m_quickText; }
    QLineEdit& quickQty() const { return *m_quickQty; }
    CSoundButton* button(int controlId) const { return m_buttons.value(controlId); }
    QAction* commandAction(int commandId) const { return m_router->action(commandId); }
    QToolBar& commandBar() const { return *m_commandBar; }
    QMenu* toolsMenu() const { return m_router->toolsMenu(); }

    // The row mark of a list row: the integer of its Checked value.
    int rowMark(int row) const;
    void setRowMark(int row, int mark);

    // Size of the window's client area at the handheld's layout, in desktop
    // pixels; a shorter window takes the height from the list.
    static QSize baseClientSize() { return WindowLayout::baseClientSize(); }
    static QString catalogDevicePath();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Builds the controls, the routes and the focus order of this window.
    friend class MainWindowSetup;

    void OnInitDialog();
    // The list rebuilt after the phone list wrote the catalog, the user's
    // selection and focus kept.
    void refreshFromPhone();
    // Find (the quick-entry box), the next and previous view, and quit.
    void setupButtons();
    void openCatalog();
    void showFirstRunTip();
    void layoutControls();
    // How much larger than the handheld's layout the window is (negative
    // when it is shorter), as the controls were laid out for.
    QSize growth() const;
    // The rows that the summary counts: in the need view and a filtered
    // store view only those still needed, so that an item taken down to 0
    // stops counting at once.
    int listRowCount() const;
    // The window's texts in the size the settings chose, list included.
    void applyFont();
    void fitBottomRow();
    bool focusIsTheUsers() const;
    // A dialog or message box of the window's is open.
    bool underDialog() const;

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
    OutsideChanges* m_outsideChanges = nullptr; // other programs' changes to the catalog
    QLineEdit* m_quickQty = nullptr;
    QPushButton* m_phantom = nullptr;
    QToolBar* m_commandBar = nullptr;
    QHash<int, CSoundButton*> m_buttons;
    WindowLayout m_layout;
    // A child of the window.
    CommandRouter* m_router = nullptr;
    std::unique_ptr<ViewController> m_views;

    bool m_initialised = false;
    QString m_note;
    QTimer* m_noteTimer = nullptr;
    QTimer* m_learnTimer = nullptr;
    // The quick-entry line's behaviour; destroyed before the controls it uses.
    std::unique_ptr<CQuickEntry> m_quickEntry;
    std::unique_ptr<UndoCommands> m_undoCommands;
    // The phone list's server on this window's connection; goes first.
    std::unique_ptr<PhoneList> m_phoneList;
    // The window repaints while it waits for a server, until it starts to
    // go: nothing is painted from half-destroyed members.
    RepaintingWait m_repaintingWait;
};
