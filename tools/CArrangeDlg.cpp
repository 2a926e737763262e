#include "tools/CArrangeDlg.h"

#include "commands/CatalogFailure.h"
#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "platform/DialogUnits.h"
#include "platform/MessageService.h"
#include "platform/WaitCursor.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/BulkPass.h"
#include "store/catalog/Catalog.h"
#include "store/journal/JournalAction.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <optional>

namespace
{
// A cell as the dialog reads it: a number in digits, nothing as empty text.
QString shownText(const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Integer:
        return QString::number(value.toInteger());
    case SqlValue::Type::Real:
        return QString::number(value.toReal(), 'g', 15);
    case SqlValue::Type::Text:
        return value.toText();
    case SqlValue::Type::Null:
    case SqlValue::Type::Blob:
        break;
    }
    return {};
}

const QString kFailureLead = QStringLiteral("The departments could not be put in order, so every item keeps its old "
                                            "place.");
} // namespace

CArrangeDlg::CArrangeDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Arrange Departments"));
    setMinimumSize(DialogUnits::toPixelsX(147), DialogUnits::toPixelsY(150));
    resize(minimumSize() + QSize(0, DialogUnits::toPixelsY(60)));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("departments"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setFont(DialogUnits::dialogFont());
    // Rows are dragged to their place, as well as moved with the buttons.
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, [this] { m_changed = true; });

    m_up = new QPushButton(QStringLiteral("Up"), this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setAutoDefault(false);
    m_up->setToolTip(QStringLiteral("Alt+Up"));
    m_down = new QPushButton(QStringLiteral("Down"), this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setAutoDefault(false);
    m_down->setToolTip(QStringLiteral("Alt+Down"));

    auto* help = new QLabel(QStringLiteral("Arrange the list above in the order you walk through the store.  Your "
                                           "list will be sorted that way."),
                            this);
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);

    // The list takes all the room the dialog has.
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 3, 1);
    grid->addWidget(m_up, 0, 1);
    grid->addWidget(m_down, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(help, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);

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

    OnInitDialog();
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
        MessageService::show(QStringLiteral("Error in opening DB: 10001"), MessageService::Buttons::Ok, this);
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
    if (!m_changed) {
        accept();
        return;
    }
    std::optional<CAdoException> failure;
    {
        WaitCursorScope wait;
        try {
            CAdoConnection connection;
            if (connection.Open(Catalog::devicePath()) != 0) {
                ADO_RAISE_DETAIL(CAdoException::CannotOpen, connection.lastError());
            }
            writeOrder(connection, departments());
        } catch (const CAdoException& error) {
            failure = error;
        }
    }
    if (failure) {
        // The arrangement stays on screen, to be tried again or given up.
        CatalogFailure::show(*failure, this, kFailureLead);
        return;
    }
    accept();
}

int CArrangeDlg::orderOf(const QString& name, const QStringList& departments)
{
    if (name.isEmpty()) {
        return UnplacedOrder;
    }
    const auto count = departments.size();
    for (qsizetype i = 1; i <= count; ++i) {
        const qsizetype position = i % count;
        if (departments.at(position).compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(position);
        }
    }
    return UnplacedOrder;
}

BulkPass::Statement CArrangeDlg::orderPass(CAdoConnection& connection, const QStringList& departments)
{
    // Each name in use is looked up once; a row gets its number from its
    // name by the engine's own comparison, the one that told the names apart.
    BulkPass::Sql cases;
    CAdoCommand names(connection, QStringLiteral("SELECT DISTINCT Dept FROM ShoppingLists"));
    while (names.next()) {
        const SqlValue name = names.value(0);
        const int order = orderOf(shownText(name), departments);
        if (order != UnplacedOrder && !name.isNull()) {
            cases += BulkPass::Sql{QStringLiteral(" WHEN ? THEN ?"), {name, SqlValue::integer(order)}};
        }
    }
    BulkPass::Sql order{QString::number(UnplacedOrder), {}};
    if (!cases.text.isEmpty()) {
        order = {QStringLiteral("CAST(CASE Dept"), {}};
        order += cases;
        order += QStringLiteral(" ELSE %1 END AS INTEGER)").arg(UnplacedOrder);
    }
    // A row that has its number already, as the list shows numbers, is left
    // as it is: the result is the same, and the journal does not grow with
    // the rows that keep their place.
    BulkPass::Sql where{QStringLiteral("COALESCE(CAST(DeptOrder AS TEXT), '') <> CAST("), {}};
    where += order;
    where += QStringLiteral(" AS TEXT)");
    return {where, {QStringLiteral("DeptOrder")}, {order}};
}

long CArrangeDlg::writeOrder(CAdoConnection& connection, const QStringList& departments)
{
    JournalAction action(connection, QStringLiteral("Arrange Departments"));
    const long written = BulkPass::run(connection, orderPass(connection, departments), &action);
    action.commit();
    return written;
}

void CArrangeDlg::run(IListWindow& window)
{
    CArrangeDlg dialog(window.widget());
    dialog.exec();
    window.list().setFocus();
    if (dialog.changed()) {
        window.RebuildList();
    }
}
