#include "mainwnd/CMainDlg.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/DeptComboBox.h"
#include "controls/ItemListModel.h"
#include "dialogs/CFirstStartDlg.h"
#include "dialogs/UndoCommands.h"
#include "items/CQuickEntry.h"
#include "list/AutoWalks.h"
#include "mainwnd/CommandRouter.h"
#include "mainwnd/ListRows.h"
#include "mainwnd/MainButtons.h"
#include "mainwnd/MainWindowSetup.h"
#include "mainwnd/OutsideChanges.h"
#include "mainwnd/SummaryPainter.h"
#include "mainwnd/WindowPlace.h"
#include "phone/PhoneList.h"
#include "platform/DeviceFolder.h"
#include "platform/NameFold.h"
#include "platform/TextLimit.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/InputPanel.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/ResourceImages.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

CMainDlg::CMainDlg(AppState& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    // A catalog the user chose is named, so that two windows on two catalogs
    // are told apart.
    const QString catalogName = Catalog::displayName();
    setWindowTitle(catalogName.isEmpty() ? QStringLiteral("Grocelle")
                                         : QStringLiteral("Grocelle \u2013 ") + catalogName);
    setWindowIcon(ResourceImages::appIcon());
    setSizeGripEnabled(false);
    MainWindowSetup(*this).createControls();
    m_router = new CommandRouter(*this);
    m_commandBar = m_router->createCommandBar();
    m_undoCommands =
        std::make_unique<UndoCommands>(*this, *m_router->action(CommandId::Undo), *m_router->action(CommandId::Redo));
    MainWindowSetup(*this).setupRoutes();
    m_router->addDesktopKeys(*m_quickText, *m_tabs);
    m_router->setAfterCommand([this] { m_undoCommands->refresh(); });
    // A command may write the catalog: the list's statement is read to its
    // end first, so that no write meets it half read.
    m_router->setBeforeCommand([this] { m_list->items().fetchAll(); });
    m_undoCommands->refresh();
    m_views = std::make_unique<ViewController>(*this, *m_tabs, *m_deptCombo, m_buttons,
                                               m_router->action(CommandId::QuantityFilter));
    const QSize client = WindowLayout::minimumClientSize();
    setMinimumSize(client.width(), client.height() + m_commandBar->sizeHint().height());
    resize(baseClientSize() + QSize(0, m_commandBar->sizeHint().height()));
    fitBottomRow();
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    connect(m_noteTimer, &QTimer::timeout, this, [this] {
        m_note.clear();
        RedrawSummary();
    });
    m_learnTimer = new QTimer(this);
    connect(m_learnTimer, &QTimer::timeout, this, [this] { LearnWalks(); });
    m_learnTimer->start(LearnMilliseconds);
    MainWindowSetup(*this).setupTabOrder();
    WindowPlace::restore(*this, m_app.registry());
    layoutControls();
    m_quickEntry = std::make_unique<CQuickEntry>(*this, *m_quickText, *m_quickQty, m_buttons);
    m_phoneList = std::make_unique<PhoneList>(m_connection);
    connect(m_phoneList.get(), &PhoneList::catalogChanged, this,
            [this] { runGuarded([this] { refreshFromPhone(); }); });
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::refreshFromPhone()
{
    const int id = m_list->markedItem();
    QWidget* focus = focusIsTheUsers() ? focusWidget() : nullptr;
    RebuildList();
    m_list->selectItem(id);
    if (focus) {
        focus->setFocus();
    }
}

QString CMainDlg::catalogDevicePath()
{
    return Catalog::devicePath();
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
    // After a message the list has the focus, as after the repaint that a
    // closing box brings on the handheld, unless the user was typing.
    if (event->type() == MessageService::closedEventType()) {
        QWidget* focus = focusWidget();
        if (m_initialised && focus != m_quickText && focus != m_quickQty && focus != m_deptCombo) {
            m_list->setFocus();
        }
        return true;
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

    m_views->LoadOrders();
    m_view.quantityFilter = false;
    m_view.lastJumpLetter.clear();
    openCatalog();
    setupButtons();
    m_view.listTotal = 0.0;
    m_view.markedTotal = 0.0;
    m_view.needView = true;
    InputPanel::lower(this);
    m_view.lastDept = ViewState::allItems();
    m_views->showStoreViewControls(false);
    {
        // The refresh may select tab 0; that is not a view switch.
        const QSignalBlocker blocker(m_tabs);
        StoreTabRefresh();
        m_tabs->setCurrentIndex(0);
    }
    m_view.currentStore = ViewState::allStores();
    m_list->MakeColumns(m_app.registry());
    if (m_views->DepartmentFill()) {
        RebuildList();
    }
    m_list->setSelectionMark(0);
    m_list->setFocus();
    showFirstRunTip();
    WriteControls();
    // The phone list comes back on when it was left on.
    QString reason;
    if (m_connection.isOpen() && !m_phoneList->restore(&reason)) {
        MessageService::show(tr("The phone list could not start. %1").arg(reason), MessageService::Buttons::Ok, this);
    }
}

void CMainDlg::openCatalog()
{
    const Catalog::Opening opening = Catalog::open(m_connection);
    if (opening.refused()) {
        MessageService::show(opening.problem, MessageService::Buttons::Ok, this);
        return;
    }
    if (!opening.opened) {
        // The first list build says that the list cannot be opened.
        return;
    }
    if (opening.readOnly) {
        m_undoCommands->setUnavailable(tr("The catalog is read-only, so changes cannot be undone."));
    }
    if (!opening.problem.isEmpty()) {
        MessageService::show(opening.problem, MessageService::Buttons::Ok, this);
    }
    for (const QString& message : opening.additionMessages()) {
        MessageService::show(message, MessageService::Buttons::Ok, this);
    }

    m_outsideChanges = new OutsideChanges(Catalog::location(), *this, *m_quickText, this);
}

void CMainDlg::setupButtons()
{
    MainButtons::setPictures(m_buttons);
}

void CMainDlg::showFirstRunTip()
{
    if (!m_app.firstRun()) {
        return;
    }
    m_app.setFirstRun(false);
    CFirstStartDlg::run(*this);
}

// ---------------------------------------------------------------- the list

void CMainDlg::RebuildList()
{
    WaitCursorScope wait;
    ReadControls();
    // What the list is about to show: the department box compares against it,
    // whatever a command set before.
    m_view.lastDept = m_view.deptText;
    m_view.listTotal = 0.0;
    m_view.markedTotal = 0.0;
    const bool opened = ListRows::fill(*m_list, m_view, m_connection, this);
    // An empty catalog says how to begin. The first screen is read by now:
    // an empty one is the whole list.
    m_list->setEmptyText(opened && m_list->model()->rowCount() == 0 && CFirstStartDlg::catalogEmpty(m_connection)
                             ? tr("The catalog is empty: type a name in the box above and press Enter "
                                  "to add your first item.")
                             : QString());
    if (m_list->font() != m_app.listFont()) {
        applyFont();
    }
    // The heading of the column that the list sorts by shows it.
    Qt::SortOrder direction = Qt::AscendingOrder;
    const int sorted = ListStatement::sortColumn(m_view.needView ? m_view.needOrder : m_view.storeOrder, &direction);
    m_list->header()->setSortIndicator(sorted, direction);
    m_list->selectRow(0);
    m_list->setSelectionMark(0);
    if (opened) {
        // The first screen is drawn before the engine counts the totals.
        if (m_list->isVisible()) {
            m_list->viewport()->repaint();
        }
        ListRows::total(*m_list, m_view, m_connection, this);
    }
    RedrawSummary();
    WriteControls();
    m_list->selectRow(0);
    m_list->setSelectionMark(0);
    m_list->setFocus();
}

int CMainDlg::listRowCount() const
{
    // Rows not yet read count too, and a paint reads none: the statement
    // gives only rows with a quantity where the count asks for one.
    const ItemListModel& items = m_list->items();
    const int rows = items.expectedRowCount();
    if (!m_view.needView && !m_view.quantityFilter) {
        return rows;
    }
    int notNeeded = 0;
    for (int row = 0; row < items.rowCount(); ++row) {
        if (TextNumbers::toInt(items.text(row, 1)) <= 0) {
            ++notNeeded;
        }
    }
    return rows - notNeeded;
}

void CMainDlg::ShowNote(const QString& note)
{
    m_note = QStringLiteral("  ") + note;
    m_noteTimer->start(NoteMilliseconds);
    RedrawSummary();
}

bool CMainDlg::underDialog() const
{
    // The window itself runs modal (exec) at start-up.
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != this;
}

void CMainDlg::LearnWalks(qint64 now)
{
    // Not under a dialog or a message: a command may be half done there, and
    // the dialog would not show the change. The next minute comes soon.
    if (!m_app.learnWalks() || !CAdoCommand::available(m_connection) || underDialog()) {
        return;
    }
    std::vector<AutoWalks::Applied> applied;
    try {
        applied = AutoWalks::applyFinishedTrips(m_connection, now);
    } catch (const CAdoException&) {
        // Not told every minute: the walk is learned again after the next trip.
        return;
    }
    if (applied.empty()) {
        return;
    }
    m_undoCommands->refresh();
    for (const AutoWalks::Applied& one : applied) {
        if (!m_view.needView && NameFold::equal(one.store, m_view.currentStore.trimmed())) {
            runGuarded([this] { refreshFromPhone(); });
        }
    }
    ShowNote(AutoWalks::note(applied));
}

void CMainDlg::applyFont()
{
    // Every text of the window follows the size chosen in Options; dialogs
    // are windows of their own and keep theirs.
    setFont(m_app.listFont());
    m_deptCombo->setFont(m_app.listFont());
    m_tabs->setFont(m_app.listFont());
    m_list->setFont(m_app.listFont());
    m_views->relabelTabs();
    fitBottomRow();
}

void CMainDlg::fitBottomRow()
{
    // "All Items" and the caption beside it, whole in every language and
    // size: where the handheld's places are too narrow, the window widens.
    QStyleOptionComboBox option;
    option.initFrom(m_deptCombo);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_deptCombo);
    const QString allItems = ViewState::shownDept(ViewState::allItems());
    m_layout.setTextWidth(m_deptCombo,
                          m_deptCombo->fontMetrics().horizontalAdvance(allItems) + option.rect.width() - field.width());
    const QMargins margins = m_deptLabel->contentsMargins();
    m_layout.setTextWidth(m_deptLabel, m_deptLabel->fontMetrics().horizontalAdvance(m_deptLabel->text())
                                           + margins.left() + margins.right());
    const QSize client = WindowLayout::minimumClientSize();
    setMinimumSize(client.width() + m_layout.extraWidth(),
                   client.height() + (m_commandBar ? m_commandBar->sizeHint().height() : 0));
    layoutControls();
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

void CMainDlg::RedrawSummary()
{
    // The texts are drawn by paintEvent from the current state.
    update(SummaryPainter::summaryRect(growth()));
    update(SummaryPainter::listTotalRect(growth()));
    update(SummaryPainter::markedTotalRect(growth()));
}

void CMainDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    SummaryPainter::paint(painter, m_view, listRowCount(), m_note, growth());
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

QSize CMainDlg::growth() const
{
    const int barHeight = m_commandBar ? m_commandBar->sizeHint().height() : 0;
    const QSize base = baseClientSize();
    const QSize least = WindowLayout::minimumClientSize();
    return QSize(std::max(width(), base.width()) - base.width(),
                 std::max(height() - barHeight, least.height()) - base.height());
}

void CMainDlg::layoutControls()
{
    if (!m_commandBar) {
        return;
    }
    const int barHeight = m_commandBar->sizeHint().height();
    m_layout.apply(QSize(width(), height() - barHeight));
    // Below the controls even in a window that the desktop made smaller
    // than its minimum: cut off there, never drawn over the list.
    const int barTop = std::max(height(), minimumHeight()) - barHeight;
    m_commandBar->setGeometry(0, barTop, width(), barHeight);
    if (m_views) {
        m_views->relabelTabs();
    }
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
    WindowPlace::save(*this, m_app.registry());
    m_list->saveColumnWidths(m_app.registry());
    m_views->SaveOrders();
    m_phoneList.reset();
    m_list->items().endFeed();
    m_connection.Close();
    accept();
}

void CMainDlg::ReadControls()
{
    // An entry chosen counts as it is, the empty department (items without
    // one) included; only a box with nothing chosen means every department.
    const int chosen = m_deptCombo->currentIndex();
    m_view.deptText = chosen >= 0 ? TextLimit::fitting(ViewController::departmentAt(*m_deptCombo, chosen), 30)
                                  : ViewState::allItems();
    if (m_quickEntry) {
        m_quickEntry->ReadControls();
    }
}

void CMainDlg::WriteControls()
{
    ViewController::selectDepartment(*m_deptCombo, m_view.deptText);
    if (m_quickEntry) {
        m_quickEntry->WriteControls();
    }
}
