#include "dialogs/CArrangeDlg.h"

#include "commands/FailureBox.h"
#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "dialogs/ArrangedOrder.h"
#include "list/AutoWalks.h"
#include "platform/NameFold.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/DistinctNames.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkLearner.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace
{
// Looked up when shown: the translation is installed after start-up.
QString failureLead()
{
    return CArrangeDlg::tr("The departments could not be put in order, so every item keeps its old place.");
}

QString everydayHelp()
{
    return CArrangeDlg::tr("Arrange the list above in the order you walk through the store.  Your list will be sorted "
                           "that way.");
}

QString storeHelp()
{
    return CArrangeDlg::tr("Arrange the list in the order you walk through this store.  Its own list will be sorted "
                           "that way; the other stores keep theirs.");
}
void openCatalog(CAdoConnection& connection)
{
    if (connection.Open(Catalog::devicePath()) != 0) {
        ADO_RAISE_LAST(CAdoException::CannotOpen, connection);
    }
}
} // namespace

CArrangeDlg::CArrangeDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Arrange Departments"));
    setMinimumSize(DialogUnits::toPixelsX(147), DialogUnits::toPixelsY(150));
    resize(minimumSize() + QSize(0, DialogUnits::toPixelsY(60)));

    m_store = new QComboBox(this);
    m_store->setObjectName(QStringLiteral("store"));
    // A long name (emoji take two places each) widens the popup, not the box.
    m_store->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_store->setMinimumContentsLength(12);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("departments"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setFont(DialogUnits::dialogFont());
    // Rows are dragged to their place, as well as moved with the buttons.
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, [this] { m_changed = true; });
    m_currentCaption = new QLabel(this);
    m_currentCaption->setObjectName(QStringLiteral("currentCaption"));
    m_currentCaption->setWordWrap(true);
    // Store names are shown as typed, never read as markup.
    m_currentCaption->setTextFormat(Qt::PlainText);

    createButtons();
    createLearnedPane();
    layOut();

    const auto addKey = [this](QKeyCombination key, void (CArrangeDlg::*step)()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, step] { (this->*step)(); });
        addAction(action);
    };
    addKey(Qt::ALT | Qt::Key_Up, &CArrangeDlg::OnUp);
    addKey(Qt::ALT | Qt::Key_Down, &CArrangeDlg::OnDown);

    connect(m_up, &QPushButton::clicked, this, [this] { OnUp(); });
    connect(m_down, &QPushButton::clicked, this, [this] { OnDown(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, [this] { OnApply(); });

    OnInitDialog();
    fillStores();
    connect(m_store, &QComboBox::currentIndexChanged, this, [this](int index) { OnStoreChosen(index); });
}

// The buttons that move a department or close the dialog, and the help text.
void CArrangeDlg::createButtons()
{
    m_up = new QPushButton(tr("Up"), this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setAutoDefault(false);
    // Key names in the user's language, as Qt's own translation gives them.
    m_up->setToolTip(QKeySequence(Qt::ALT | Qt::Key_Up).toString(QKeySequence::NativeText));
    m_down = new QPushButton(tr("Down"), this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setAutoDefault(false);
    m_down->setToolTip(QKeySequence(Qt::ALT | Qt::Key_Down).toString(QKeySequence::NativeText));

    m_help = new QLabel(everydayHelp(), this);
    m_help->setWordWrap(true);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
}

void CArrangeDlg::createLearnedPane()
{
    m_learnedPane = new QWidget(this);
    m_learnedCaption = new QLabel(m_learnedPane);
    m_learnedCaption->setObjectName(QStringLiteral("learnedCaption"));
    m_learnedCaption->setWordWrap(true);
    m_learnedCaption->setTextFormat(Qt::PlainText);
    m_learnedCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_learnedList = new QListWidget(m_learnedPane);
    m_learnedList->setObjectName(QStringLiteral("learned"));
    m_learnedList->setSelectionMode(QAbstractItemView::NoSelection);
    m_learnedList->setFocusPolicy(Qt::NoFocus);
    m_learnedList->setFont(DialogUnits::dialogFont());
    m_apply = new QPushButton(tr("Apply"), m_learnedPane);
    m_apply->setObjectName(QStringLiteral("apply"));
    m_apply->setAutoDefault(false);
    m_apply->setToolTip(tr("Make the learned order this store's walk"));
    auto* column = new QVBoxLayout(m_learnedPane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_learnedCaption);
    column->addWidget(m_learnedList, 1);
    auto* applyRow = new QHBoxLayout;
    applyRow->addStretch(1);
    applyRow->addWidget(m_apply);
    column->addLayout(applyRow);
    m_learnedPane->hide();
}

void CArrangeDlg::layOut()
{
    auto* storeRow = new QHBoxLayout;
    auto* storeLabel = new QLabel(tr("&Store:"), this);
    storeLabel->setBuddy(m_store);
    storeRow->addWidget(storeLabel);
    storeRow->addWidget(m_store, 1);
    auto* current = new QVBoxLayout;
    current->addWidget(m_currentCaption);
    current->addWidget(m_list, 1);
    m_currentCaption->hide();

    // The lists take all the room the dialog has.
    auto* grid = new QGridLayout(this);
    m_grid = grid;
    grid->addLayout(storeRow, 0, 0, 1, 3);
    grid->addLayout(current, 1, 0, 3, 1);
    grid->addWidget(m_up, 1, 1);
    grid->addWidget(m_down, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(m_learnedPane, 1, 2, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->addWidget(m_help, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 5, 0, 1, 3);
}

void CArrangeDlg::OnInitDialog()
{
    m_changed = false;
    m_list->clear();
    CAdoConnection connection;
    CAdoRecordset rs;
    if (connection.Open(Catalog::devicePath()) != 0
        || !rs.Open(QStringLiteral("SELECT Dept, DeptOrder from ShoppingLists Order by DeptOrder, Dept"), connection,
                    CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown)) {
        MessageService::show(tr("Error in opening DB: 10001"), MessageService::Buttons::Ok, this);
        return;
    }
    // Each run of one name is listed once. The store sorts names that differ
    // only in case together in any order, so a name already listed is not
    // listed again.
    QStringList names;
    QString previous;
    while (!rs.IsEOF()) {
        const QString name = rs.GetField(0).GetText();
        if (name != previous) {
            previous = name;
            if (!names.contains(name)) {
                names << name;
            }
        }
        rs.MoveNext();
    }
    rs.Close();
    connection.Close();
    m_list->addItems(names);
    m_list->setCurrentRow(0);
    m_list->setFocus();
}

QStringList CArrangeDlg::departments() const
{
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row) {
        names << m_list->item(row)->text();
    }
    return names;
}

int CArrangeDlg::selectedPosition() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CArrangeDlg::moveSelected(int step)
{
    int position = selectedPosition();
    const int target = position + step;
    if (position >= 0 && target >= 0 && target < m_list->count()) {
        QListWidgetItem* item = m_list->takeItem(position);
        m_list->insertItem(target, item);
        m_changed = true;
        position = target;
    }
    if (position >= 0) {
        m_list->setCurrentRow(position);
    }
}

void CArrangeDlg::OnUp()
{
    moveSelected(-1);
}

void CArrangeDlg::OnDown()
{
    moveSelected(1);
}

void CArrangeDlg::OnOK()
{
    if (!m_changed || writeChosen()) {
        accept();
    }
}

bool CArrangeDlg::writeChosen()
{
    std::optional<CAdoException> failure;
    {
        WaitCursorScope wait;
        try {
            CAdoConnection connection;
            openCatalog(connection);
            if (m_chosen.isEmpty()) {
                ArrangedOrder::writeOrder(connection, departments());
            } else {
                StoreWalks(connection)
                    .setWalk(m_chosen, departments(), QStringLiteral("Arrange Departments for ") + m_chosen);
            }
        } catch (const CAdoException& error) {
            failure = error;
        }
    }
    if (failure) {
        // The arrangement stays on screen, to be tried again or given up.
        FailureBox::show(*failure, this,
                         m_chosen.isEmpty() ? failureLead()
                                            : tr("The walk of %1 could not be saved, so it stays as "
                                                 "it was.")
                                                  .arg(m_chosen));
        return false;
    }
    m_wrote = true;
    return true;
}

void CArrangeDlg::fillStores()
{
    m_store->addItem(tr(AllStores), QString());
    QStringList stores;
    try {
        CAdoConnection connection;
        openCatalog(connection);
        for (const QString& spelling : DistinctNames(connection).spellings(DistinctNames::Column::Store)) {
            const QString store = spelling.trimmed();
            if (!store.isEmpty() && store != QLatin1String("*") && !NameFold::contains(stores, store)) {
                stores << store;
            }
        }
    } catch (const CAdoException&) {
        // Told already when the departments were read: all stores it is.
        stores.clear();
    }
    std::sort(stores.begin(), stores.end(), NameFold::less);
    for (const QString& store : stores) {
        m_store->addItem(store, store);
        m_store->setItemData(m_store->count() - 1, store, Qt::ToolTipRole);
    }
}

void CArrangeDlg::OnStoreChosen(int index)
{
    if (index == m_chosenIndex || index < 0) {
        return;
    }
    if (m_changed) {
        const QString whose = m_chosen.isEmpty() ? tr("every store") : m_chosen;
        if (MessageService::confirm(tr("Keep the order arranged for %1?").arg(whose), this) && !writeChosen()) {
            const QSignalBlocker still(m_store);
            m_store->setCurrentIndex(m_chosenIndex);
            return;
        }
    }
    m_chosenIndex = index;
    m_chosen = m_store->itemData(index).toString();
    const bool one = !m_chosen.isEmpty();
    m_help->setText(one ? storeHelp() : everydayHelp());
    m_currentCaption->setVisible(one);
    m_learnedPane->setVisible(one);
    fitToChoice(one);
    if (!one) {
        OnInitDialog();
        return;
    }
    loadStore();
}

void CArrangeDlg::fitToChoice(bool oneStore)
{
    m_grid->setColumnStretch(2, oneStore ? 1 : 0);
    // Two lists side by side, their captions and a longer help need more room
    // than the everyday list alone.
    const QSize everyday(DialogUnits::toPixelsX(147), DialogUnits::toPixelsY(150));
    setMinimumSize(oneStore ? QSize(DialogUnits::toPixelsX(250), DialogUnits::toPixelsY(190)) : everyday);
    resize(size().expandedTo(minimumSize()));
}

QString CArrangeDlg::shortName(const QString& name) const
{
    return fontMetrics().elidedText(name, Qt::ElideMiddle, DialogUnits::toPixelsX(70));
}

void CArrangeDlg::loadStore()
{
    m_changed = false;
    m_list->clear();
    m_learnedList->clear();
    StoreWalks::Walk walk;
    StoreWalks::Learned learned;
    QStringList used;
    try {
        CAdoConnection connection;
        openCatalog(connection);
        StoreWalks walks(connection);
        used = walks.departmentsOf(m_chosen);
        walk = walks.walkOf(m_chosen);
        learned = walks.learnedWalk(m_chosen);
    } catch (const CAdoException& error) {
        FailureBox::show(error, this, tr("The walk of %1 could not be read.").arg(shortName(m_chosen)));
    }
    const QStringList current = AutoWalks::onlyUsed(walk.departments, used);
    m_list->addItems(current);
    m_list->setCurrentRow(0);
    m_list->setFocus();
    const QString name = shortName(m_chosen);
    m_currentCaption->setText(walk.own ? tr("%1's own walk").arg(name)
                                       : tr("%1 walks in the everyday order").arg(name));
    if (learned.trips == 0) {
        m_learnedCaption->setText(tr("Nothing learned yet at %1. Its walk is learned from the trips on "
                                     "which items are marked in its tab.")
                                      .arg(name));
        m_apply->setEnabled(false);
        return;
    }
    const QStringList taught = AutoWalks::onlyUsed(learned.departments, used);
    m_learnedCaption->setText(learned.trips == 1
                                  ? tr("%1, learned from 1 trip").arg(name)
                                  : tr("%1, learned from %2 trips").arg(name, QString::number(learned.trips)));
    m_learnedList->addItems(taught);
    m_apply->setEnabled(taught != current && !taught.isEmpty());
}

void CArrangeDlg::OnApply()
{
    QStringList learned;
    for (int row = 0; row < m_learnedList->count(); ++row) {
        learned << m_learnedList->item(row)->text();
    }
    if (m_chosen.isEmpty() || learned.isEmpty()) {
        return;
    }
    std::optional<CAdoException> failure;
    {
        WaitCursorScope wait;
        try {
            CAdoConnection connection;
            openCatalog(connection);
            StoreWalks(connection).setWalk(m_chosen, learned, QStringLiteral("Learned walk of ") + m_chosen);
        } catch (const CAdoException& error) {
            failure = error;
        }
    }
    if (failure) {
        FailureBox::show(*failure, this,
                         tr("The learned walk could not be applied, so %1 keeps its walk.").arg(shortName(m_chosen)));
        return;
    }
    m_wrote = true;
    loadStore();
}

void CArrangeDlg::run(IListWindow& window)
{
    CArrangeDlg dialog(window.widget());
    dialog.exec();
    window.list().setFocus();
    if (dialog.changed() || dialog.wrote()) {
        window.RebuildList();
    }
}
