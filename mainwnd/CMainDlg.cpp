#include "mainwnd/CMainDlg.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/DeptComboBox.h"
#include "controls/ItemListModel.h"
#include "items/CQuickEntry.h"
#include "items/ItemSaveFlow.h"
#include "items/ListCommands.h"
#include "items/QuantityCommands.h"
#include "platform/AppState.h"
#include "platform/CommandIds.h"
#include "platform/DeviceFolder.h"
#include "platform/DialogUnits.h"
#include "platform/HelpLauncher.h"
#include "platform/InputPanel.h"
#include "platform/MessageService.h"
#include "platform/ResourceImages.h"
#include "platform/SoundService.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "store/CAdoException.h"
#include "store/CAdoRecordset.h"
#include "store/Catalog.h"
#include "tools/CAboutDlg.h"
#include "tools/CArrangeDlg.h"
#include "tools/CRenameDlg.h"
#include "tools/CSettingsDlg.h"
#include "tools/ListCopier.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace
{
// Base layout of the window, in dialog units.
constexpr int BaseWidthDu = 142;
constexpr int BaseHeightDu = 164;
// Controls whose top lies at or below this line keep to the bottom edge when
// the window grows; the tab pane and the list above it grow.
constexpr int BottomRowDu = 129;

const QString kRollSound = QStringLiteral("\\WINDOWS\\qorRoll.Wav");

struct ColumnSpec
{
    const char* heading;
    int defaultWidth;
};
constexpr ColumnSpec kColumns[CItemListCtrl::ColumnCount] = {
    {"Item", 88}, {"Q", 23}, {"Unit", 35}, {"Dept", 41}, {"Price", 35},
};

struct ToolbarSpec
{
    int id;
    const char* tip;
};
constexpr ToolbarSpec kToolbar[] = {
    {CommandId::AddOne, "Add one"},
    {CommandId::SubtractOne, "Subtract one"},
    {CommandId::NewItemToolbar, "New item"},
    {CommandId::DeleteItemToolbar, "Delete item"},
    {CommandId::EditItemToolbar, "Edit item"},
    {CommandId::QuantityFilter, "Show only what is needed"},
    {0, nullptr},
    {CommandId::Help, "Help"},
};

struct MenuSpec
{
    int id;
    const char* text;
};
constexpr MenuSpec kToolsMenu[] = {
    {CommandId::NewItem, "&New Item"},
    {CommandId::EditItem, "&Edit Item"},
    {CommandId::DeleteItem, "&Delete Item"},
    {0, nullptr},
    {CommandId::ClearList, "C&lear List"},
    {CommandId::ClearMarked, "Clear &Marked Items"},
    {CommandId::ClearCoupons, "Clear Co&upons"},
    {0, nullptr},
    {CommandId::ArrangeDepartments, "&Arrange Departments"},
    {CommandId::Rename, "Rena&me..."},
    {CommandId::CopyList, "&Copy List"},
    {CommandId::Refresh, "Re&fresh"},
    {0, nullptr},
    {CommandId::Options, "&Options"},
    {CommandId::Help, "&Help"},
    {CommandId::About, "A&bout Grocelle"},
};

struct ButtonSpec
{
    int id;
    int up;
    int down;
    int x, y, width, height;
    const char* caption;
};
constexpr ButtonSpec kButtons[] = {
    {ControlId::QuickPlus, 217, 218, 79, 1, 8, 6, ""},
    {ControlId::QuickMinus, 219, 220, 79, 7, 8, 6, ""},
    {ControlId::QuickAdd, 215, 215, 87, 1, 10, 12, ""},
    {ControlId::QuickClear, 198, 199, 97, 1, 14, 10, ""},
    {ControlId::LetterA, 207, 206, 11, 131, 13, 9, ""},
    {ControlId::LetterG, 208, 211, 23, 131, 13, 9, ""},
    {ControlId::LetterL, 209, 213, 35, 131, 13, 9, ""},
    {ControlId::LetterS, 210, 212, 47, 131, 13, 9, ""},
    {ControlId::QuickAddNew, 197, 196, 42, 147, 17, 10, ""},
};
} // namespace

CMainDlg::CMainDlg(AppState& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    setWindowTitle(QStringLiteral("Grocelle"));
    setWindowIcon(ResourceImages::appIcon());
    setSizeGripEnabled(false);
    createControls();
    createCommandBar();
    setupRoutes();
    const QSize client = baseClientSize();
    setMinimumSize(client.width(), client.height() + m_commandBar->sizeHint().height());
    resize(minimumSize());
    layoutControls();
    m_quickEntry = std::make_unique<CQuickEntry>(*this, *m_quickText, *m_quickQty, m_buttons);
}

CMainDlg::~CMainDlg() = default;

QSize CMainDlg::baseClientSize()
{
    return {DialogUnits::toPixelsX(BaseWidthDu), DialogUnits::toPixelsY(BaseHeightDu)};
}

QString CMainDlg::catalogDevicePath()
{
    return Catalog::devicePath();
}

void CMainDlg::placeControl(QWidget* widget, int x, int y, int width, int height, bool anchorBottom, bool anchorRight)
{
    m_placements.append({widget, DialogUnits::toPixels(x, y, width, height), anchorBottom, anchorRight, false});
}

void CMainDlg::createControls()
{
    m_quickText = new QLineEdit(this);
    m_quickText->setObjectName(QStringLiteral("quickText"));
    m_quickText->setMaxLength(30);
    placeControl(m_quickText, 0, 1, 65, 12, false, false);

    m_quickQty = new QLineEdit(this);
    m_quickQty->setObjectName(QStringLiteral("quickQty"));
    m_quickQty->setMaxLength(5);
    m_quickQty->setAlignment(Qt::AlignRight);
    placeControl(m_quickQty, 65, 1, 13, 12, false, false);

    m_tabPane = new QFrame(this);
    m_tabPane->setFrameShape(QFrame::StyledPanel);
    m_tabPane->setFrameShadow(QFrame::Raised);
    m_placements.append({m_tabPane, DialogUnits::toPixels(1, 25, 140, 105), false, false, true});

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabStrip"));
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setDrawBase(false);
    m_tabs->setElideMode(Qt::ElideNone);
    m_placements.append({m_tabs, DialogUnits::toPixels(1, 13, 140, 12), false, false, true});
    // The tab strip grows sideways only.
    m_placements.last().anchorBottom = false;

    m_list = new CItemListCtrl(this);
    m_list->setDoubleClickAction([this] { return m_app.doubleClickAction(); });
    m_list->setObjectName(QStringLiteral("itemList"));
    m_placements.append({m_list, DialogUnits::toPixels(2, 26, 135, 99), false, false, true});

    m_deptLabel = new QLabel(QStringLiteral("Dept:"), this);
    placeControl(m_deptLabel, 63, 132, 19, 8, true, true);

    m_deptCombo = new DeptComboBox(this);
    m_deptCombo->setObjectName(QStringLiteral("deptCombo"));
    m_deptCombo->setMaxVisibleItems(12);
    placeControl(m_deptCombo, 82, 130, 57, 12, true, true);

    m_letterBitmap = new QLabel(this);
    m_letterBitmap->setPixmap(ResourceImages::bitmap(191));
    m_letterBitmap->setScaledContents(true);
    placeControl(m_letterBitmap, 0, 131, 11, 10, true, false);

    m_unusedBitmap = new QLabel(this);
    m_unusedBitmap->setPixmap(ResourceImages::bitmap(184));
    m_unusedBitmap->hide();
    placeControl(m_unusedBitmap, 0, 54, 163, 10, false, false);

    for (const ButtonSpec& spec : kButtons) {
        auto* button = new CSoundButton(QString::fromLatin1(spec.caption), this);
        button->setObjectName(QStringLiteral("button%1").arg(spec.id));
        button->setAutoDefault(false);
        m_buttons.insert(spec.id, button);
        placeControl(button, spec.x, spec.y, spec.width, spec.height, spec.y >= BottomRowDu, false);
    }
    const QString letterTips[] = {QStringLiteral("A"), QStringLiteral("G"), QStringLiteral("L"), QStringLiteral("S")};
    for (int i = 0; i < 4; ++i) {
        CSoundButton* letter = m_buttons.value(ControlId::LetterA + i);
        letter->setToolTip(QStringLiteral("Jump to %1").arg(letterTips[i]));
        letter->hide();
    }
    m_buttons.value(ControlId::QuickPlus)->setToolTip(QStringLiteral("One more"));
    m_buttons.value(ControlId::QuickMinus)->setToolTip(QStringLiteral("One less"));
    m_buttons.value(ControlId::QuickAdd)->setToolTip(QStringLiteral("Put on the list"));
    m_buttons.value(ControlId::QuickClear)->setToolTip(QStringLiteral("Clear the boxes"));
    CSoundButton* addNew = m_buttons.value(ControlId::QuickAddNew);
    addNew->hide();
    addNew->setEnabled(false);

    // The template's hidden default button. Enter never reaches it: the list
    // and the quick-entry line take Enter for themselves.
    m_phantom = new QPushButton(QStringLiteral("Button2"), this);
    m_phantom->setObjectName(QStringLiteral("phantom"));
    m_phantom->hide();
    m_phantom->setAutoDefault(false);
    placeControl(m_phantom, 5, 147, 20, 10, true, false);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (m_initialised && index >= 0) {
            runGuarded([this, index] { ViewSwitch(index); });
        }
    });
    connect(m_list, &CItemListCtrl::commandRequested, this, [this](int id) { OnCommand(id); });
    connect(m_list, &CItemListCtrl::headerTapped, this, [this](int column) {
        runGuarded([this, column] { SortByColumn(column); });
    });
    connect(m_deptCombo, &DeptComboBox::popupAboutToShow, this, [this] { runGuarded([this] { DepartmentFill(); }); });
    connect(m_deptCombo, &DeptComboBox::popupClosed, this, [this] { runGuarded([this] { DepartmentApply(); }); });
    // A choice made with the keys on the closed box applies at once.
    connect(m_deptCombo, &QComboBox::activated, this, [this](int) {
        if (!m_deptCombo->view()->isVisible()) {
            runGuarded([this] { DepartmentApply(); });
        }
    });
    const QString letters = QStringLiteral("AGLS");
    for (int i = 0; i < 4; ++i) {
        const QString letter = letters.mid(i, 1);
        connect(m_buttons.value(ControlId::LetterA + i), &QAbstractButton::clicked, this,
                [this, letter] { runGuarded([this, letter] { LetterJump(letter); }); });
    }
}

void CMainDlg::createCommandBar()
{
    m_commandBar = new QToolBar(this);
    m_commandBar->setObjectName(QStringLiteral("commandBar"));
    m_commandBar->setIconSize(QSize(DialogUnits::px(16), DialogUnits::px(16)));
    m_commandBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto* toolsMenu = new QMenu(QStringLiteral("Tools"), this);
    for (const MenuSpec& entry : kToolsMenu) {
        if (entry.id == 0) {
            toolsMenu->addSeparator();
            continue;
        }
        QAction* action = toolsMenu->addAction(QString::fromLatin1(entry.text));
        action->setData(entry.id);
        m_actions.insert(entry.id, action);
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    m_toolsButton = new QToolButton(this);
    m_toolsButton->setText(QStringLiteral("Tools"));
    m_toolsButton->setMenu(toolsMenu);
    m_toolsButton->setPopupMode(QToolButton::InstantPopup);
    m_toolsButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_commandBar->addWidget(m_toolsButton);
    m_commandBar->addSeparator();

    for (const ToolbarSpec& spec : kToolbar) {
        if (spec.id == 0) {
            m_commandBar->addSeparator();
            continue;
        }
        QAction* action = m_commandBar->addAction(ResourceImages::toolbarIcon(spec.id), QString::fromLatin1(spec.tip));
        action->setToolTip(QString::fromLatin1(spec.tip));
        action->setData(spec.id);
        const int id = spec.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        // The Help entry of the menu and the toolbar share one id; the
        // toolbar's action is the one that carries the state.
        if (!m_actions.contains(spec.id) || spec.id == CommandId::QuantityFilter) {
            m_actions.insert(spec.id, action);
        }
    }

    // Desktop keys for the common commands.
    const QList<QPair<int, QKeySequence>> keys = {
        {CommandId::NewItem, QKeySequence::New},
        {CommandId::Refresh, QKeySequence::Refresh},
        {CommandId::Help, QKeySequence::HelpContents},
        {CommandId::CopyList, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
    };
    for (const auto& [id, key] : keys) {
        if (QAction* action = m_actions.value(id)) {
            action->setShortcut(key);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
    }
}

QAction* CMainDlg::commandAction(int commandId) const
{
    return m_actions.value(commandId);
}

void CMainDlg::setRoute(int commandId, std::function<void()> handler)
{
    m_routes.insert(commandId, std::move(handler));
    for (QAction* action : std::as_const(m_actions)) {
        if (action->data().toInt() == commandId && commandId != CommandId::QuantityFilter) {
            action->setEnabled(true);
        }
    }
}

bool CMainDlg::hasRoute(int commandId) const
{
    return m_routes.contains(commandId);
}

void CMainDlg::setupRoutes()
{
    // Commands without a route yet stay visible but disabled.
    for (QAction* action : std::as_const(m_actions)) {
        action->setEnabled(false);
    }
    setRoute(CommandId::Ok, [this] { OnOK(); });
    setRoute(CommandId::Refresh, [this] { RebuildList(); });
    setRoute(CommandId::QuantityFilter, [this] { QuantityFilterToggle(); });
    setRoute(CommandId::AddOne, [this] { QuantityCommands(*this).AddOne(); });
    setRoute(CommandId::SubtractOne, [this] { QuantityCommands(*this).SubtractOne(); });
    setRoute(CommandId::Check, [this] { QuantityCommands(*this).Mark(m_list->selectionMark()); });
    setRoute(CommandId::NewItem, [this] { ItemSaveFlow(*this).NewItem(QString()); });
    setRoute(CommandId::NewItemToolbar, [this] { ItemSaveFlow(*this).NewItem(QString()); });
    setRoute(CommandId::EditItem, [this] { ItemSaveFlow(*this).EditItem(); });
    setRoute(CommandId::EditItemToolbar, [this] { ItemSaveFlow(*this).EditItem(); });
    setRoute(CommandId::DeleteItem, [this] { ListCommands(*this).DeleteItem(); });
    setRoute(CommandId::DeleteItemToolbar, [this] { ListCommands(*this).DeleteItem(); });
    setRoute(CommandId::ClearList, [this] { ListCommands(*this).ClearList(); });
    setRoute(CommandId::ClearCoupons, [this] { ListCommands(*this).ClearCoupons(); });
    setRoute(CommandId::ClearMarked, [this] { ListCommands(*this).ClearMarked(); });
    setRoute(CommandId::ArrangeDepartments, [this] { CArrangeDlg::run(*this); });
    setRoute(CommandId::Rename, [this] { CRenameDlg::run(*this); });
    setRoute(CommandId::CopyList, [this] { ListCopier(*this).CopyList(); });
    setRoute(CommandId::Options, [this] {
        // Whatever the dialog returned. The wait cursor that its OK began
        // ends with the dialog, after the rebuild.
        CSettingsDlg settings(m_app, this);
        settings.exec();
        m_app.CreateListFont();
        m_tabs->setFont(m_app.listFont());
        RebuildList();
        ReadControls();
    });
    setRoute(CommandId::About, [this] { CAboutDlg(this).exec(); });
    setRoute(CommandId::Help, [] { HelpLauncher::open(); });
}

bool CMainDlg::OnCommand(int commandId)
{
    const auto route = m_routes.constFind(commandId);
    if (route == m_routes.constEnd()) {
        return false;
    }
    runGuarded(route.value());
    return true;
}

void CMainDlg::runGuarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const CAdoException& error) {
        MessageService::show(error.describe(), MessageService::Buttons::Ok, this);
    } catch (const std::exception& error) {
        MessageService::show(QStringLiteral("The command failed: %1").arg(QString::fromUtf8(error.what())),
                             MessageService::Buttons::Ok, this);
    }
}

// ---------------------------------------------------------------- start-up

bool CMainDlg::event(QEvent* event)
{
    // Initialisation runs once, when the window is about to show for the first
    // time, so that the application's flags set after construction count.
    if (event->type() == QEvent::Show && !m_initialised) {
        runGuarded([this] { OnInitDialog(); });
        m_initialised = true;
    }
    return QDialog::event(event);
}

void CMainDlg::OnInitDialog()
{
    std::vector<QPixmap> states;
    for (int i = 0; i < 4; ++i) {
        states.push_back(ResourceImages::stateImage(i));
    }
    m_list->items().setStateImages(states);

    LoadOrders();
    m_view.quantityFilter = false;
    m_view.lastJumpLetter.clear();
    openCatalog();
    setupButtons();
    m_view.listTotal = 0.0;
    m_view.markedTotal = 0.0;
    m_view.needView = true;
    InputPanel::lower(this);
    m_view.lastDept = ViewState::allItems();
    if (QAction* filter = m_actions.value(CommandId::QuantityFilter)) {
        filter->setEnabled(false);
    }
    {
        // The refresh may select tab 0; that is not a view switch.
        const QSignalBlocker blocker(m_tabs);
        StoreTabRefresh();
        m_tabs->setCurrentIndex(0);
    }
    m_view.currentStore = ViewState::allStores();
    MakeColumns();
    if (DepartmentFill()) {
        RebuildList();
    }
    m_list->setSelectionMark(0);
    m_list->setFocus();
    showFirstRunTip();
    WriteControls();
}

void CMainDlg::openCatalog()
{
    const QString file = DeviceFolder::map(Catalog::devicePath());
    const Catalog::FileState state = Catalog::prepareFile(file);
    const QString problem = Catalog::fileStateMessage(state, file);
    if (state == Catalog::FileState::NotACatalog || state == Catalog::FileState::CannotCreate) {
        // The file is left exactly as it is: no connection, so nothing can
        // write to it, and the structure check has nothing to report.
        MessageService::show(problem, MessageService::Buttons::Ok, this);
        return;
    }
    {
        // The temporary shares its object with the member and closes it when
        // destroyed: the file is opened only after it is gone.
        CAdoConnection created(true);
        m_connection = created;
    }
    m_connection.Open(Catalog::devicePath());
    if (!problem.isEmpty()) {
        MessageService::show(problem, MessageService::Buttons::Ok, this);
    }
    Catalog::runStartupIndexes(m_connection);
    Catalog::checkStructure(m_connection);
}

void CMainDlg::setupButtons()
{
    for (const ButtonSpec& spec : kButtons) {
        m_buttons.value(spec.id)->SetBitmaps(spec.up, spec.down, 0, CSoundButton::Stretched, false, 4);
    }
}

void CMainDlg::showFirstRunTip()
{
    if (!m_app.firstRun()) {
        return;
    }
    MessageService::show(QStringLiteral("Tip for first-time users:  You can enter items from your PC easily with the "
                                        "free desktop companion.  Visit %1 to download it.")
                             .arg(AppState::projectAddress()),
                         MessageService::Buttons::Ok, this);
    m_app.setFirstRun(false);
}

void CMainDlg::MakeColumns()
{
    for (int column = 0; column < CItemListCtrl::ColumnCount; ++column) {
        m_list->insertColumn(column, QString::fromLatin1(kColumns[column].heading));
    }
    for (int column = 0; column < CItemListCtrl::ColumnCount; ++column) {
        const QString name = QStringLiteral("Col%1").arg(column);
        int width = m_app.registry().GetDword(name);
        if (width < 0) {
            width = kColumns[column].defaultWidth;
            m_app.registry().SetDword(name, width);
        }
        m_list->setColumnWidthHandheld(column, width);
    }
}

// ---------------------------------------------------------------- the list

QString CMainDlg::composeListSql() const
{
    QString where;
    const bool quantityAbove0 = m_view.needView || m_view.quantityFilter;
    if (m_view.deptText != ViewState::allItems()) {
        const QString dept = Catalog::quoteLiteral(m_view.deptText);
        where = quantityAbove0 ? QStringLiteral(" WHERE Dept = %1 AND QtyToBuy > 0 ").arg(dept)
                               : QStringLiteral(" WHERE Dept = %1 ").arg(dept);
    } else {
        where = quantityAbove0 ? QStringLiteral(" WHERE QtyToBuy > 0") : QStringLiteral(" WHERE QtyToBuy > -1");
    }
    if (!m_view.allStoresShown()) {
        where += QStringLiteral(" AND Store = ") + Catalog::quoteLiteral(m_view.currentStore) + QStringLiteral(" ");
    }
    return QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon "
                          "FROM ShoppingLists ")
           + where + QStringLiteral(" ORDER BY ") + (m_view.needView ? m_view.needOrder : m_view.storeOrder);
}

void CMainDlg::RebuildList()
{
    WaitCursorScope wait;
    ReadControls();
    const QString sql = composeListSql();
    m_view.listTotal = 0.0;
    m_view.markedTotal = 0.0;
    fillList(sql);
    if (m_list->font() != m_app.listFont()) {
        m_list->setFont(m_app.listFont());
        // The headings keep the window's own font.
        m_list->header()->setFont(font());
    }
    RedrawSummary();
    WriteControls();
    m_list->selectRow(0);
    m_list->setSelectionMark(0);
    m_list->setFocus();
}

void CMainDlg::fillList(const QString& sql)
{
    const bool allStores = m_view.allStoresShown();
    m_list->setRedraw(false);
    // Redraw comes back on however the fill ends; the rows reach the view in
    // one go before the selection is placed.
    struct RedrawOn
    {
        CItemListCtrl* list;
        ~RedrawOn() { list->setRedraw(true); }
    } redrawOn{m_list};
    m_list->deleteAllItems();

    CAdoRecordset rs;
    if (!rs.Open(sql, m_connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly,
                 CAdoRecordset::adCmdUnknown)) {
        MessageService::show(QStringLiteral("Unable to open shopping list"), MessageService::Buttons::Ok, this);
    } else {
        ItemListModel& items = m_list->items();
        int row = 0;
        while (!rs.IsEOF()) {
            const QString name = rs.GetField(0).GetText();
            const int mark = TextNumbers::toInt(rs.GetField(7).GetText());
            const QString& couponText = rs.GetField(8).GetText();
            const bool coupon = couponText == QLatin1String("1") || couponText == QLatin1String("-1");
            const int image = (mark != 0 ? 1 : 0) + (coupon ? 2 : 0);
            items.insertItem(row, name, image);
            items.setMark(row, mark);
            items.setId(row, TextNumbers::toInt(rs.GetField(1).GetText()));
            const QString& qtyText = rs.GetField(2).GetText();
            int quantity = 0;
            if (qtyText != QLatin1String("0")) {
                quantity = TextNumbers::toInt(qtyText);
                items.setText(row, 1, qtyText);
            }
            items.setText(row, 2, rs.GetField(3).GetText());
            items.setText(row, 3, rs.GetField(4).GetText());
            const double price = TextNumbers::toDouble(rs.GetField(5).GetText());
            const double value = allStores ? quantity * price : price;
            if (value != 0.0) {
                items.setText(row, 4, TextNumbers::money(value));
            }
            m_view.listTotal += value;
            if (allStores && mark != 0) {
                m_view.markedTotal += value;
            }
            rs.MoveNext();
            ++row;
        }
    }
    rs.Close();
}

int CMainDlg::rowMark(int row) const
{
    return m_list->items().mark(row);
}

void CMainDlg::setRowMark(int row, int mark)
{
    m_list->items().setMark(row, mark);
}

// ---------------------------------------------------------------- summary

QString CMainDlg::summaryText() const
{
    const int count = m_list->itemCount();
    const QString countText = count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count);
    const QString viewPart = m_view.allStoresShown()
                                 ? QStringLiteral(" needed (") + m_view.deptText + QStringLiteral(")  ")
                                 : QStringLiteral(" in ") + m_view.currentStore + QStringLiteral(" (") + m_view.deptText
                                       + QStringLiteral(")  ");
    return countText + viewPart + QStringLiteral("       ");
}

QString CMainDlg::listTotalText() const
{
    if (!m_view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return m_view.listTotal >= 0.0 ? QString::asprintf("    $%4.2f", m_view.listTotal) : QString();
}

QString CMainDlg::markedTotalText() const
{
    if (!m_view.allStoresShown()) {
        return QString(11, QLatin1Char(' '));
    }
    return m_view.markedTotal >= 0.0 ? QString::asprintf("  $%4.2f  ", m_view.markedTotal) : QString();
}

namespace
{
QRect handheldRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(DialogUnits::px(left), DialogUnits::px(top)),
                 QPoint(DialogUnits::px(right) - 1, DialogUnits::px(bottom) - 1));
}
} // namespace

QRect CMainDlg::summaryRect() const
{
    const int dy = height() - minimumHeight();
    return handheldRect(2, 251, 200, 318).translated(0, dy);
}

QRect CMainDlg::listTotalRect() const
{
    const int dx = width() - minimumWidth();
    return handheldRect(180, 3, 238, 22).translated(dx, 0);
}

QRect CMainDlg::markedTotalRect() const
{
    const int dy = height() - minimumHeight();
    return handheldRect(16, 229, 82, 258).translated(0, dy);
}

void CMainDlg::RedrawSummary()
{
    // The texts are drawn by paintEvent from the current state.
    update(summaryRect());
    update(listTotalRect());
    update(markedTotalRect());
}

void CMainDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(listTotalRect(), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, listTotalText());
    painter.drawText(markedTotalRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, markedTotalText());
    painter.drawText(summaryRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, summaryText());
    painter.end();

    // A repaint brings the focus back to the list, unless the user has put it
    // elsewhere on purpose: typing in the quick-entry line, choosing a
    // department, or on a button reached with the keyboard. The caret of the
    // boxes and a pressed button repaint the window too.
    if (m_initialised && isActiveWindow() && QApplication::mouseButtons() == Qt::NoButton && !focusIsTheUsers()) {
        m_list->setFocus();
    }
}

bool CMainDlg::focusIsTheUsers() const
{
    QWidget* focus = focusWidget();
    if (!focus || focus == m_list) {
        return false;
    }
    return focus == m_quickText || focus == m_quickQty || focus == m_deptCombo
           || qobject_cast<CSoundButton*>(focus) != nullptr || focus->window() != this;
}

// ---------------------------------------------------------------- layout

void CMainDlg::layoutControls()
{
    if (!m_commandBar) {
        return;
    }
    const int barHeight = m_commandBar->sizeHint().height();
    const QSize base = baseClientSize();
    const int dx = std::max(0, width() - base.width());
    const int dy = std::max(0, height() - barHeight - base.height());
    for (const Placement& placement : std::as_const(m_placements)) {
        QRect rect = placement.base;
        if (placement.grows) {
            rect.setWidth(rect.width() + dx);
            if (placement.widget != m_tabs) {
                rect.setHeight(rect.height() + dy);
            }
        } else {
            rect.translate(placement.anchorRight ? dx : 0, placement.anchorBottom ? dy : 0);
        }
        placement.widget->setGeometry(rect);
    }
    m_commandBar->setGeometry(0, height() - barHeight, width(), barHeight);
}

void CMainDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

// ---------------------------------------------------------------- input

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Neither ends the program: only OK (or closing the window) does.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CMainDlg::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    m_list->header()->show();
}

void CMainDlg::closeEvent(QCloseEvent* event)
{
    // The window manager's close button is the OK command.
    if (result() != QDialog::Accepted && isVisible()) {
        OnOK();
    }
    event->accept();
}

void CMainDlg::OnOK()
{
    m_list->saveColumnWidths(m_app.registry());
    SaveOrders();
    m_connection.Close();
    accept();
}

void CMainDlg::ReadControls()
{
    m_view.deptText = m_deptCombo->currentText().left(30);
    if (m_view.deptText.isEmpty()) {
        m_view.deptText = ViewState::allItems();
    }
    if (m_quickEntry) {
        m_quickEntry->ReadControls();
    }
}

void CMainDlg::WriteControls()
{
    const int index = m_deptCombo->findText(m_view.deptText, Qt::MatchFixedString);
    if (index >= 0) {
        m_deptCombo->setCurrentIndex(index);
    }
    if (m_quickEntry) {
        m_quickEntry->WriteControls();
    }
}

QComboBox& CMainDlg::deptCombo() const
{
    return *m_deptCombo;
}

// ---------------------------------------------------------------- views

void CMainDlg::StoreTabRefresh()
{
    Catalog::runStoreTabIndexes(m_connection);
    CAdoRecordset rs;
    const bool opened = rs.Open(QStringLiteral("Select Store from ShoppingLists order by Store"), m_connection,
                                CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly,
                                CAdoRecordset::adCmdUnknown);
    const QSignalBlocker blocker(m_tabs);
    while (m_tabs->count() > 0) {
        m_tabs->removeTab(m_tabs->count() - 1);
    }
    m_view.tabStores.clear();
    if (opened) {
        m_tabs->addTab(QStringLiteral("Need"));
        m_view.tabStores << ViewState::allStores();
        QString previous;
        int index = 1;
        while (!rs.IsEOF() && index <= ViewState::MaxStoreTabs) {
            const QString store = rs.GetField(0).GetText();
            if (store != previous) {
                m_tabs->addTab(store.left(10));
                m_tabs->setTabToolTip(index, store);
                m_view.tabStores << store;
                previous = store;
                ++index;
            }
            rs.MoveNext();
        }
    }
    m_tabs->setFont(m_app.listFont());
    rs.Close();
}

bool CMainDlg::DepartmentFill()
{
    const QSignalBlocker blocker(m_deptCombo);
    m_deptCombo->clear();
    QString sql = QStringLiteral("SELECT Dept, Store from ShoppingLists");
    if (!m_view.allStoresShown()) {
        sql += QStringLiteral(" WHERE Store = ") + Catalog::quoteLiteral(m_view.currentStore) + QStringLiteral(" ");
    }
    CAdoRecordset rs;
    if (!rs.Open(sql, m_connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic,
                 CAdoRecordset::adCmdUnknown)) {
        m_deptCombo->addItem(ViewState::allItems());
        m_deptCombo->setCurrentIndex(-1);
        return false;
    }
    QStringList entries{ViewState::allItems()};
    QSet<QString> seen{ViewState::allItems().toCaseFolded()};
    while (!rs.IsEOF()) {
        const QString dept = rs.GetField(0).GetText();
        if (!seen.contains(dept.toCaseFolded())) {
            seen.insert(dept.toCaseFolded());
            entries << dept;
        }
        rs.MoveNext();
    }
    rs.Close();
    // A sorted list: "All Items" takes its alphabetical place.
    std::sort(entries.begin(), entries.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_deptCombo->addItems(entries);
    m_deptCombo->setCurrentIndex(static_cast<int>(entries.indexOf(ViewState::allItems())));
    return true;
}

void CMainDlg::DepartmentApply()
{
    ReadControls();
    if (m_view.deptText != m_view.lastDept) {
        RebuildList();
        m_view.lastDept = m_view.deptText;
    }
    m_list->setFocus();
    m_list->setSelectionMark(0);
}

void CMainDlg::ViewSwitch(int tabIndex)
{
    SoundService::play(kRollSound);
    applyView(tabIndex);
}

void CMainDlg::applyView(int tabIndex)
{
    m_view.needView = tabIndex == 0;
    showStoreViewControls(!m_view.needView);
    m_view.currentStore = m_view.tabStores.value(tabIndex, ViewState::allStores());
    RebuildList();
}

void CMainDlg::showStoreViewControls(bool shown)
{
    for (int id = ControlId::LetterA; id <= ControlId::LetterS; ++id) {
        m_buttons.value(id)->setVisible(shown);
        m_buttons.value(id)->setEnabled(shown);
    }
    if (QAction* filter = m_actions.value(CommandId::QuantityFilter)) {
        filter->setEnabled(shown);
    }
}

void CMainDlg::ReturnToNeedView()
{
    WaitCursorScope wait;
    StoreTabRefresh();
    {
        // The tab strip follows the view; this is no view switch of its own.
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(0);
    }
    applyView(0);
}

void CMainDlg::CatalogChanged()
{
    WaitCursorScope wait;
    const QString store = m_view.currentStore;
    StoreTabRefresh();
    const qsizetype tab = m_view.needView ? 0 : m_view.tabStores.indexOf(store);
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(static_cast<int>(std::max<qsizetype>(tab, 0)));
    }
    applyView(static_cast<int>(std::max<qsizetype>(tab, 0)));
}

void CMainDlg::QuantityFilterToggle()
{
    // The toolbar button is disabled in the need view; a shortcut or a test
    // reaching here there changes nothing.
    if (m_view.needView) {
        return;
    }
    m_view.quantityFilter = !m_view.quantityFilter;
    MessageService::show(m_view.quantityFilter ? QStringLiteral("Filter: Qty > 0") : QStringLiteral("Filter: None"),
                         MessageService::Buttons::Ok, this);
    RebuildList();
}

QString CMainDlg::nextOrder(const QString& current, int column)
{
    static const QPair<QString, QString> orders[CItemListCtrl::ColumnCount] = {
        {QStringLiteral("ItemName"), QStringLiteral("ItemName DESC")},
        {QStringLiteral("QtyToBuy"), QStringLiteral("QtyToBuy DESC")},
        {QStringLiteral("UnitOfPurchase"), QStringLiteral("UnitOfPurchase DESC")},
        {QStringLiteral("DeptOrder"), QStringLiteral("DeptOrder DESC")},
        {QStringLiteral("Price DESC"), QStringLiteral("Price")},
    };
    if (column < 0 || column >= CItemListCtrl::ColumnCount) {
        return current;
    }
    const auto& [first, second] = orders[column];
    return current == first ? second : first;
}

void CMainDlg::SortByColumn(int column)
{
    QString& order = m_tabs->currentIndex() == 0 ? m_view.needOrder : m_view.storeOrder;
    order = nextOrder(order, column);
    SoundService::play(kRollSound);
    RebuildList();
}

void CMainDlg::LetterJump(const QString& letter)
{
    int start = 0;
    if (letter == m_view.lastJumpLetter) {
        start = m_list->selectionMark() + 1;
    }
    m_view.lastJumpLetter = letter;
    const int count = m_list->itemCount();
    for (int row = std::max(0, start); row < count; ++row) {
        if (m_list->itemText(row, 0).compare(letter, Qt::CaseInsensitive) >= 0) {
            m_list->selectRow(row);
            m_list->setSelectionMark(row);
            m_list->setFocus();
            return;
        }
    }
}

namespace
{
// The orders a heading tap can produce, and the defaults. Anything else in the
// settings file (edited by hand) would break every list build.
bool isKnownOrder(const QString& order)
{
    static const QStringList known = {
        QStringLiteral("DeptOrder, ItemName"), QStringLiteral("Itemname"),
        QStringLiteral("ItemName"), QStringLiteral("ItemName DESC"),
        QStringLiteral("QtyToBuy"), QStringLiteral("QtyToBuy DESC"),
        QStringLiteral("UnitOfPurchase"), QStringLiteral("UnitOfPurchase DESC"),
        QStringLiteral("DeptOrder"), QStringLiteral("DeptOrder DESC"),
        QStringLiteral("Price DESC"), QStringLiteral("Price"),
    };
    return known.contains(order);
}

QString loadOrder(const CRegistry& registry, const QString& name, const QString& fallback)
{
    const QString stored = registry.GetString(name);
    if (stored.isEmpty()) {
        registry.SetString(name, fallback);
        return fallback;
    }
    return isKnownOrder(stored) ? stored : fallback;
}
} // namespace

void CMainDlg::LoadOrders()
{
    m_view.needOrder = loadOrder(m_app.registry(), QStringLiteral("OrderNeed"), QStringLiteral("DeptOrder, ItemName"));
    m_view.storeOrder = loadOrder(m_app.registry(), QStringLiteral("OrderStore"), QStringLiteral("Itemname"));
}

void CMainDlg::SaveOrders()
{
    m_app.registry().SetString(QStringLiteral("OrderNeed"), m_view.needOrder);
    m_app.registry().SetString(QStringLiteral("OrderStore"), m_view.storeOrder);
}
