#include "mainwnd/MainWindowSetup.h"

#include "commands/ListCopier.h"
#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/DeptComboBox.h"
#include "controls/ItemListModel.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CArrangeDlg.h"
#include "dialogs/CCheapestDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CPhoneListDlg.h"
#include "dialogs/CRenameDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/TransferCommands.h"
#include "dialogs/UndoCommands.h"
#include "items/ItemSaveFlow.h"
#include "items/ListCommands.h"
#include "items/PriceCorrection.h"
#include "items/QuantityCommands.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/MainButtons.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/HelpLauncher.h"
#include "platform/widgets/ResourceImages.h"
#include "platform/widgets/TextGuard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

MainWindowSetup::MainWindowSetup(CMainDlg& window)
    : m_window(window)
{
}

void MainWindowSetup::createControls()
{
    CMainDlg* window = &m_window;
    window->m_quickText = new QLineEdit(window);
    window->m_quickText->setObjectName(QStringLiteral("quickText"));
    TextGuard::guard(*window->m_quickText, 30);
    window->m_layout.place(window->m_quickText, 0, 1, 65, 12, false, false);

    window->m_quickQty = new QLineEdit(window);
    window->m_quickQty->setObjectName(QStringLiteral("quickQty"));
    window->m_quickQty->setMaxLength(5);
    window->m_quickQty->setAlignment(Qt::AlignRight);
    window->m_layout.place(window->m_quickQty, 65, 1, 13, 12, false, false);

    window->m_tabPane = new QFrame(window);
    window->m_tabPane->setFrameShape(QFrame::StyledPanel);
    window->m_tabPane->setFrameShadow(QFrame::Raised);
    window->m_layout.placeGrowing(window->m_tabPane, 1, 25, 140, 105, WindowLayout::Growth::SidewaysAndDown);

    window->m_tabs = new QTabBar(window);
    window->m_tabs->setObjectName(QStringLiteral("tabStrip"));
    window->m_tabs->setExpanding(false);
    window->m_tabs->setUsesScrollButtons(true);
    window->m_tabs->setDrawBase(false);
    window->m_tabs->setElideMode(Qt::ElideNone);
    window->m_layout.placeGrowing(window->m_tabs, 1, 13, 140, 12, WindowLayout::Growth::Sideways);

    window->m_list = new CItemListCtrl(window);
    window->m_list->setDoubleClickAction([window] { return window->m_app.doubleClickAction(); });
    window->m_list->setObjectName(QStringLiteral("itemList"));
    window->m_layout.placeGrowing(window->m_list, 2, 26, 135, 99, WindowLayout::Growth::SidewaysAndDown);

    window->m_deptLabel = new QLabel(CMainDlg::tr("Dept:"), window);
    window->m_layout.place(window->m_deptLabel, 63, 132, 19, 8, true, true);

    window->m_deptCombo = new DeptComboBox(window);
    window->m_deptCombo->setObjectName(QStringLiteral("deptCombo"));
    window->m_deptCombo->setMaxVisibleItems(12);
    window->m_layout.place(window->m_deptCombo, 82, 130, 57, 12, true, true);

    window->m_letterBitmap = new QLabel(window);
    window->m_letterBitmap->setPixmap(ResourceImages::bitmap(191));
    window->m_letterBitmap->setScaledContents(true);
    window->m_layout.place(window->m_letterBitmap, 0, 131, 11, 10, true, false);

    window->m_unusedBitmap = new QLabel(window);
    window->m_unusedBitmap->setPixmap(ResourceImages::bitmap(184));
    window->m_unusedBitmap->hide();
    window->m_layout.place(window->m_unusedBitmap, 0, 54, 163, 10, false, false);

    window->m_buttons = MainButtons::create(*window, window->m_layout);

    // The template's hidden default button. Enter never reaches it: the list
    // and the quick-entry line take Enter for themselves.
    window->m_phantom = new QPushButton(QStringLiteral("Button2"), window);
    window->m_phantom->setObjectName(QStringLiteral("phantom"));
    window->m_phantom->hide();
    window->m_phantom->setAutoDefault(false);
    window->m_layout.place(window->m_phantom, 5, 147, 20, 10, true, false);

    connectControls();
}

void MainWindowSetup::connectControls()
{
    CMainDlg* window = &m_window;
    QObject::connect(window->m_tabs, &QTabBar::currentChanged, window, [window](int index) {
        if (window->m_initialised && index >= 0) {
            window->runGuarded([window, index] { window->ViewSwitch(index); });
        }
    });
    QObject::connect(window->m_list, &CItemListCtrl::commandRequested, window,
                     [window](int id) { window->OnCommand(id); });
    QObject::connect(window->m_list, &CItemListCtrl::headerTapped, window,
                     [window](int column) { window->runGuarded([window, column] { window->SortByColumn(column); }); });
    QObject::connect(window->m_deptCombo, &DeptComboBox::popupAboutToShow, window,
                     [window] { window->runGuarded([window] { window->m_views->DepartmentFill(); }); });
    QObject::connect(window->m_deptCombo, &DeptComboBox::popupClosed, window,
                     [window] { window->runGuarded([window] { window->m_views->DepartmentApply(); }); });
    // A choice made with the keys on the closed box applies at once.
    QObject::connect(window->m_deptCombo, &QComboBox::activated, window, [window](int) {
        if (!window->m_deptCombo->view()->isVisible()) {
            window->runGuarded([window] { window->m_views->DepartmentApply(); });
        }
    });
    const QString letters = QStringLiteral("AGLS");
    for (int i = 0; i < 4; ++i) {
        const QString letter = letters.mid(i, 1);
        QObject::connect(window->m_buttons.value(ControlId::LetterA + i), &QAbstractButton::clicked, window,
                         [window, letter] { window->runGuarded([window, letter] { window->LetterJump(letter); }); });
    }
}

void MainWindowSetup::setupRoutes()
{
    CMainDlg* window = &m_window;
    window->setRoute(CommandId::Ok, [window] { window->OnOK(); });
    window->setRoute(CommandId::Refresh, [window] { window->RebuildList(); });
    window->setRoute(CommandId::QuantityFilter, [window] { window->m_views->QuantityFilterToggle(); });
    window->setRoute(CommandId::AddOne, [window] { QuantityCommands(*window).AddOne(); });
    window->setRoute(CommandId::SubtractOne, [window] { QuantityCommands(*window).SubtractOne(); });
    window->setRoute(CommandId::Check, [window] { QuantityCommands(*window).Mark(window->m_list->selectionMark()); });
    window->setRoute(CommandId::NewItem, [window] { ItemSaveFlow(*window).NewItem(QString()); });
    window->setRoute(CommandId::NewItemToolbar, [window] { ItemSaveFlow(*window).NewItem(QString()); });
    window->setRoute(CommandId::EditItem, [window] { ItemSaveFlow(*window).EditItem(); });
    window->setRoute(CommandId::EditItemToolbar, [window] { ItemSaveFlow(*window).EditItem(); });
    window->setRoute(CommandId::DeleteItem, [window] { ListCommands(*window).DeleteItem(); });
    window->setRoute(CommandId::DeleteItemToolbar, [window] { ListCommands(*window).DeleteItem(); });
    window->setRoute(CommandId::ClearList, [window] { ListCommands(*window).ClearList(); });
    window->setRoute(CommandId::ClearCoupons, [window] { ListCommands(*window).ClearCoupons(); });
    window->setRoute(CommandId::ClearMarked, [window] { ListCommands(*window).ClearMarked(); });
    window->setRoute(CommandId::ArrangeDepartments, [window] { CArrangeDlg::run(*window); });
    window->setRoute(CommandId::Rename, [window] { CRenameDlg::run(*window); });
    window->setRoute(CommandId::CheapestStores, [window] { CCheapestDlg::run(*window); });
    // A price corrected in a store tab's cell.
    QObject::connect(&window->m_list->items(), &ItemListModel::priceEntered, window,
                     [window](int row, const QString& text) {
                         window->runGuarded([window, row, text] { PriceCorrection(*window).correct(row, text); });
                     });
    window->setRoute(CommandId::CopyList, [window] { ListCopier(*window).CopyList(); });
    window->setRoute(CommandId::CopyChecklist, [window] { ListCopier(*window).CopyChecklist(); });
    window->setRoute(CommandId::PasteList, [window] { TransferCommands(*window).PasteList(); });
    window->setRoute(CommandId::Import, [window] { TransferCommands(*window).Import(); });
    window->setRoute(CommandId::Export, [window] { TransferCommands(*window).Export(); });
    window->setRoute(CommandId::PhoneList, [window] {
        if (window->m_phoneList) {
            CPhoneListDlg(*window->m_phoneList, window).exec();
        }
    });
    window->setRoute(CommandId::Options, [window] {
        // Whatever the dialog returned. The wait cursor that its OK began
        // ends with the dialog, after the rebuild.
        CSettingsDlg settings(window->m_app, window);
        settings.exec();
        window->m_app.CreateListFont();
        window->applyFont();
        window->RebuildList();
        window->ReadControls();
    });
    window->setRoute(CommandId::About, [window] { CAboutDlg(window).exec(); });
    window->setRoute(CommandId::Help, [window] {
        HelpLauncher::open([window](const HelpLauncher::Page& page) { CHelpDlg::showPage(page, window); });
    });
    window->setRoute(CommandId::Undo, [window] { window->m_undoCommands->Undo(); });
    window->setRoute(CommandId::Redo, [window] { window->m_undoCommands->Redo(); });
    window->setRoute(CommandId::History, [window] { window->m_undoCommands->History(); });
}

void MainWindowSetup::setupTabOrder()
{
    CMainDlg* window = &m_window;
    QToolButton* tools = window->m_commandBar->findChild<QToolButton*>(QStringLiteral("toolsButton"));
    QList<QWidget*> chain = {window->m_quickText, window->m_quickQty, window->m_list, window->m_deptCombo};
    if (tools) {
        chain << tools;
    }
    for (QAction* action : window->m_commandBar->actions()) {
        QWidget* button = window->m_commandBar->widgetForAction(action);
        if (button && button != tools && qobject_cast<QToolButton*>(button)) {
            chain << button;
        }
    }
    for (QWidget* widget : chain) {
        widget->setFocusPolicy(widget == window->m_list || widget == window->m_quickText || widget == window->m_quickQty
                                       || widget == window->m_deptCombo
                                   ? Qt::StrongFocus
                                   : Qt::TabFocus);
    }
    // Tabs and buttons are worked with the mouse or their own keys.
    window->m_tabs->setFocusPolicy(Qt::NoFocus);
    for (CSoundButton* button : std::as_const(window->m_buttons)) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    window->m_list->setTabKeyNavigation(false);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        window->setTabOrder(chain.at(i), chain.at(i + 1));
    }
    window->setTabOrder(chain.last(), chain.first());
}
