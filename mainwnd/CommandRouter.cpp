#include "mainwnd/CommandRouter.h"

#include "commands/FailureBox.h"

#include "platform/widgets/CommandIds.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/ResourceImages.h"
#include "store/access/CAdoException.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace
{
struct ToolbarSpec
{
    int id;
    const char* tip;
};
constexpr ToolbarSpec kToolbar[] = {
    {CommandId::AddOne, QT_TRANSLATE_NOOP("CommandRouter", "Add one")},
    {CommandId::SubtractOne, QT_TRANSLATE_NOOP("CommandRouter", "Subtract one")},
    {CommandId::NewItemToolbar, QT_TRANSLATE_NOOP("CommandRouter", "New item")},
    {CommandId::DeleteItemToolbar, QT_TRANSLATE_NOOP("CommandRouter", "Delete item")},
    {CommandId::EditItemToolbar, QT_TRANSLATE_NOOP("CommandRouter", "Edit item")},
    {CommandId::QuantityFilter, QT_TRANSLATE_NOOP("CommandRouter", "Show only what is needed")},
    {0, nullptr},
    {CommandId::Help, QT_TRANSLATE_NOOP("CommandRouter", "Help")},
};

struct MenuSpec
{
    int id;
    const char* text;
};
constexpr MenuSpec kToolsMenu[] = {
    {CommandId::Undo, QT_TRANSLATE_NOOP("CommandRouter", "&Undo")},
    {CommandId::Redo, QT_TRANSLATE_NOOP("CommandRouter", "&Redo")},
    {CommandId::History, QT_TRANSLATE_NOOP("CommandRouter", "Histor&y...")},
    {0, nullptr},
    {CommandId::NewItem, QT_TRANSLATE_NOOP("CommandRouter", "&New Item")},
    {CommandId::EditItem, QT_TRANSLATE_NOOP("CommandRouter", "&Edit Item")},
    {CommandId::DeleteItem, QT_TRANSLATE_NOOP("CommandRouter", "&Delete Item")},
    {0, nullptr},
    {CommandId::ClearList, QT_TRANSLATE_NOOP("CommandRouter", "C&lear List")},
    {CommandId::ClearMarked, QT_TRANSLATE_NOOP("CommandRouter", "Clear &Marked Items")},
    {CommandId::ClearCoupons, QT_TRANSLATE_NOOP("CommandRouter", "Clear Co&upons")},
    {0, nullptr},
    {CommandId::ArrangeDepartments, QT_TRANSLATE_NOOP("CommandRouter", "&Arrange Departments")},
    {CommandId::Rename, QT_TRANSLATE_NOOP("CommandRouter", "Rena&me...")},
    {CommandId::CheapestStores, QT_TRANSLATE_NOOP("CommandRouter", "Cheapest &Stores...")},
    {CommandId::CopyList, QT_TRANSLATE_NOOP("CommandRouter", "&Copy List")},
    {CommandId::CopyChecklist, QT_TRANSLATE_NOOP("CommandRouter", "Copy List as Chec&klist")},
    {CommandId::PasteList, QT_TRANSLATE_NOOP("CommandRouter", "Pas&te List...")},
    {CommandId::Import, QT_TRANSLATE_NOOP("CommandRouter", "&Import...")},
    {CommandId::Export, QT_TRANSLATE_NOOP("CommandRouter", "E&xport...")},
    {CommandId::PhoneList, QT_TRANSLATE_NOOP("CommandRouter", "&Phone List...")},
    {CommandId::Refresh, QT_TRANSLATE_NOOP("CommandRouter", "Re&fresh")},
    {0, nullptr},
    {CommandId::Options, QT_TRANSLATE_NOOP("CommandRouter", "&Options")},
    {CommandId::Help, QT_TRANSLATE_NOOP("CommandRouter", "&Help")},
    {CommandId::About, QT_TRANSLATE_NOOP("CommandRouter", "A&bout Grocelle")},
};
} // namespace

CommandRouter::CommandRouter(QWidget& window)
    : QObject(&window)
    , m_window(window)
{
}

void CommandRouter::addAction(QAction* action, int commandId)
{
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { run(commandId); });
}

QToolBar* CommandRouter::createCommandBar()
{
    auto* commandBar = new QToolBar(&m_window);
    commandBar->setObjectName(QStringLiteral("commandBar"));
    commandBar->setIconSize(QSize(DialogUnits::px(16), DialogUnits::px(16)));
    commandBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto* toolsMenu = new QMenu(tr("Tools"), &m_window);
    for (const MenuSpec& entry : kToolsMenu) {
        if (entry.id == 0) {
            toolsMenu->addSeparator();
            continue;
        }
        QAction* action = toolsMenu->addAction(tr(entry.text));
        addAction(action, entry.id);
        m_actions.insert(entry.id, action);
    }
    auto* toolsButton = new QToolButton(&m_window);
    toolsButton->setObjectName(QStringLiteral("toolsButton"));
    // Its keys are the window's own (below): a mnemonic here would make
    // Alt+T ambiguous.
    toolsButton->setText(tr("Tools"));
    toolsButton->setToolTip(tr("Tools (Alt+T, F10)"));
    toolsButton->setMenu(toolsMenu);
    toolsButton->setPopupMode(QToolButton::InstantPopup);
    toolsButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    commandBar->addWidget(toolsButton);
    commandBar->addSeparator();
    // Alt+T and F10 open the menu from anywhere in the window.
    auto* openTools = new QAction(&m_window);
    openTools->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_T), QKeySequence(Qt::Key_F10)});
    openTools->setShortcutContext(Qt::WindowShortcut);
    connect(openTools, &QAction::triggered, toolsButton, &QToolButton::showMenu);
    m_window.addAction(openTools);
    m_toolsMenu = toolsMenu;

    for (const ToolbarSpec& spec : kToolbar) {
        if (spec.id == 0) {
            commandBar->addSeparator();
            continue;
        }
        QAction* action = commandBar->addAction(ResourceImages::toolbarIcon(spec.id), tr(spec.tip));
        action->setToolTip(tr(spec.tip));
        // The filter shows whether it is on.
        action->setCheckable(spec.id == CommandId::QuantityFilter);
        addAction(action, spec.id);
        // The Help entry of the menu and the toolbar share one id; the
        // toolbar's action is the one that carries the state.
        if (!m_actions.contains(spec.id) || spec.id == CommandId::QuantityFilter) {
            m_actions.insert(spec.id, action);
        }
    }

    addMenuKeys();
    // Another window of the program may have changed the catalog meanwhile.
    connect(toolsMenu, &QMenu::aboutToShow, this, [this] { afterCommand(); });
    // Enabled by their routes.
    for (QAction* action : std::as_const(m_actions)) {
        action->setEnabled(false);
    }
    return commandBar;
}

void CommandRouter::addMenuKeys()
{
    // Desktop keys for the common commands.
    // The menu shows the first key of each entry.
    // Every entry of the menu has a key, and the menu shows it.
    const QList<QPair<int, QList<QKeySequence>>> keys = {
        {CommandId::History, {QKeySequence(Qt::CTRL | Qt::Key_H)}},
        {CommandId::NewItem, {QKeySequence::New}},
        {CommandId::EditItem, {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::Key_F2)}},
        {CommandId::DeleteItem, {QKeySequence::Delete}},
        {CommandId::ClearList, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)}},
        {CommandId::ClearMarked, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)}},
        {CommandId::ClearCoupons, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U)}},
        {CommandId::ArrangeDepartments, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)}},
        {CommandId::Rename, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}},
        {CommandId::CheapestStores, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)}},
        {CommandId::CopyList, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}},
        {CommandId::CopyChecklist, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K)}},
        {CommandId::PasteList, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}},
        {CommandId::Import, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {CommandId::Export, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {CommandId::PhoneList, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
        {CommandId::Refresh, {QKeySequence(Qt::Key_F5)}},
        {CommandId::Options, {QKeySequence(Qt::CTRL | Qt::Key_Comma)}},
        {CommandId::Help, {QKeySequence(Qt::Key_F1)}},
        {CommandId::About, {QKeySequence(Qt::CTRL | Qt::Key_F1)}},
    };
    for (const auto& [id, sequences] : keys) {
        if (QAction* action = m_actions.value(id)) {
            action->setShortcuts(sequences);
            action->setShortcutContext(Qt::WindowShortcut);
            m_window.addAction(action);
        }
    }
    m_actions.value(CommandId::Undo)->setShortcuts(QKeySequence::Undo);
    m_actions.value(CommandId::Redo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (const int id : {CommandId::Undo, CommandId::Redo}) {
        m_actions.value(id)->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(m_actions.value(id));
    }
}

QAction* CommandRouter::action(int commandId) const
{
    return m_actions.value(commandId);
}

void CommandRouter::setRoute(int commandId, std::function<void()> handler)
{
    m_routes.insert(commandId, std::move(handler));
    for (QAction* action : std::as_const(m_actions)) {
        if (action->data().toInt() == commandId && commandId != CommandId::QuantityFilter) {
            action->setEnabled(true);
        }
    }
}

bool CommandRouter::hasRoute(int commandId) const
{
    return m_routes.contains(commandId);
}

bool CommandRouter::run(int commandId)
{
    const auto route = m_routes.constFind(commandId);
    if (route == m_routes.constEnd()) {
        return false;
    }
    if (m_beforeCommand) {
        m_beforeCommand();
    }
    runGuarded(route.value());
    return true;
}

void CommandRouter::runGuarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const CAdoException& error) {
        FailureBox::show(error, &m_window);
    } catch (const std::exception& error) {
        MessageService::show(tr("The command failed: %1").arg(QString::fromUtf8(error.what())),
                             MessageService::Buttons::Ok, &m_window);
    }
    afterCommand();
}

void CommandRouter::setAfterCommand(std::function<void()> handler)
{
    m_afterCommand = std::move(handler);
}

void CommandRouter::setBeforeCommand(std::function<void()> handler)
{
    m_beforeCommand = std::move(handler);
}

void CommandRouter::afterCommand() noexcept
{
    if (!m_afterCommand) {
        return;
    }
    try {
        m_afterCommand();
    } catch (...) {
        // Only menu states are brought up to date here; they stay as they were.
    }
}

void CommandRouter::addDesktopKeys(QLineEdit& quickText, QTabBar& tabs)
{
    const auto addKeys = [this](const QList<QKeySequence>& keys, const std::function<void()>& handler) {
        auto* action = new QAction(&m_window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        m_window.addAction(action);
    };
    addKeys({QKeySequence::Find}, [&quickText] {
        quickText.setFocus(Qt::ShortcutFocusReason);
        quickText.selectAll();
    });
    // Selecting the tab is the view switch.
    const auto stepTab = [&tabs](int step) {
        const int count = tabs.count();
        if (count > 0) {
            tabs.setCurrentIndex((tabs.currentIndex() + step + count) % count);
        }
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)}, [stepTab] { stepTab(1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
            [stepTab] { stepTab(-1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { run(CommandId::Ok); });
}
