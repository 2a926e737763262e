#include "dialogs/CRenameDlg.h"

#include "commands/FailureBox.h"
#include "commands/IListWindow.h"
#include "controls/DeptComboBox.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/CaptionGrid.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/TextGuard.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/BulkPass.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/DistinctNames.h"
#include "store/catalog/StoreWalks.h"
#include "store/journal/JournalAction.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace
{
const QString kDeptColumn = QStringLiteral("Dept");
const QString kStoreColumn = QStringLiteral("Store");
} // namespace

CRenameDlg::CRenameDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Rename Stores / Depts"));
    auto* grid = new CaptionGrid(this);
    grid->setContentsMargins(DialogUnits::toPixelsX(7), DialogUnits::toPixelsY(3), DialogUnits::toPixelsX(7),
                             DialogUnits::toPixelsY(7));
    grid->setBoxColumn(0, DialogUnits::toPixelsX(64));
    auto* intro = new QLabel(tr("To globally rename a department or store, enter the old and new name below."), this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 2);

    m_departments = new QRadioButton(tr("Departments"), this);
    m_departments->setObjectName(QStringLiteral("departments"));
    m_stores = new QRadioButton(tr("Stores"), this);
    m_stores->setObjectName(QStringLiteral("stores"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_departments, 0);
    kinds->addButton(m_stores, 1);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_departments);
    kindRow->addWidget(m_stores);
    kindRow->addStretch();
    grid->addRow(1, tr("View:"), kindRow);

    // Only the closed box's height: the list drops down below it.
    m_oldNames = new DeptComboBox(this);
    m_oldNames->setObjectName(QStringLiteral("oldName"));
    CaptionGrid::fitCombo(*m_oldNames, DialogUnits::toPixelsY(12));
    grid->addRow(2, tr("Old name:"), m_oldNames);

    m_newNameEdit = new QLineEdit(this);
    m_newNameEdit->setObjectName(QStringLiteral("newName"));
    TextGuard::guard(*m_newNameEdit, MaxNameLength);
    grid->addRow(3, tr("New name:"), m_newNameEdit);

    createButtons(*grid);
    resize(QSize(DialogUnits::toPixelsX(149), DialogUnits::toPixelsY(139)).expandedTo(sizeHint()));

    connect(m_departments, &QRadioButton::clicked, this, [this] { FillNames(kDeptColumn); });
    connect(m_stores, &QRadioButton::clicked, this, [this] { FillNames(kStoreColumn); });
    connect(m_oldNames, &DeptComboBox::popupClosed, this, [this] { CopyOldToNew(); });
    // A choice made with the keys on the closed box counts as well.
    connect(m_oldNames, &QComboBox::activated, this, [this](int) {
        if (!m_oldNames->view()->isVisible()) {
            CopyOldToNew();
        }
    });
    connect(m_rename, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_done, &QPushButton::clicked, this, [this] { reject(); });

    OnInitDialog();
}

void CRenameDlg::createButtons(CaptionGrid& grid)
{
    m_rename = new QPushButton(tr("Rename"), this);
    m_rename->setObjectName(QStringLiteral("rename"));
    m_rename->setDefault(true);
    m_done = new QPushButton(tr("Done"), this);
    m_done->setObjectName(QStringLiteral("done"));
    m_done->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_rename, m_done}) {
        button->setMinimumSize(DialogUnits::toPixelsX(36), DialogUnits::toPixelsY(14));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid.setRowStretch(4, 1);
    grid.addLayout(buttons, 5, 0, 1, 2);
}

void CRenameDlg::OnInitDialog()
{
    m_departments->setChecked(true);
    FillNames(kDeptColumn);
}

void CRenameDlg::ReadControls()
{
    m_oldName = m_oldNames->currentText();
    m_newName = m_newNameEdit->text();
    m_kind = m_departments->isChecked() ? 0 : (m_stores->isChecked() ? 1 : -1);
}

void CRenameDlg::WriteControls()
{
    const int index = m_oldNames->findText(m_oldName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0) {
        m_oldNames->setCurrentIndex(index);
    }
    if (m_newNameEdit->text() != m_newName) {
        m_newNameEdit->setText(m_newName);
    }
    m_departments->setChecked(m_kind == 0);
    m_stores->setChecked(m_kind == 1);
}

QString CRenameDlg::currentColumn() const
{
    return m_departments->isChecked() ? kDeptColumn : kStoreColumn;
}

void CRenameDlg::FillNames(const QString& column)
{
    m_oldNames->clear();
    // Every exact spelling is offered, sorted without regard to case. A
    // catalog that cannot be read offers no names; the rename itself then
    // reports the failure when it is tried.
    try {
        CAdoConnection connection;
        if (connection.Open(Catalog::devicePath()) == 0) {
            const QStringList names =
                DistinctNames(connection)
                    .spellings(column == kDeptColumn ? DistinctNames::Column::Dept : DistinctNames::Column::Store);
            m_oldNames->addItems(names);
            m_oldNames->setCurrentIndex(names.isEmpty() ? -1 : 0);
        }
    } catch (const CAdoException&) {
        m_oldNames->clear();
    }
    ReadControls();
    CopyOldToNew();
}

void CRenameDlg::CopyOldToNew()
{
    ReadControls();
    m_newName = m_oldName;
    WriteControls();
    m_newNameEdit->setFocus();
    m_newNameEdit->selectAll();
}

void CRenameDlg::OnOK()
{
    ReadControls();
    if (m_oldNames->findText(m_newName, Qt::MatchFixedString) >= 0) {
        MessageService::show(tr("There is already one by that name."), MessageService::Buttons::Ok, this);
        return;
    }
    const QString column = currentColumn();
    if (!MessageService::confirm(
            tr("Change the %1 named '%2' to '%3'.  Are you sure?").arg(column, m_oldName, m_newName), this)) {
        return;
    }
    std::optional<CAdoException> failure;
    {
        WaitCursorScope wait;
        try {
            CAdoConnection connection;
            if (connection.Open(Catalog::devicePath()) != 0) {
                ADO_RAISE_LAST(CAdoException::CannotOpen, connection);
            }
            renameAll(connection, column, m_oldName, m_newName);
        } catch (const CAdoException& error) {
            failure = error;
        }
    }
    if (!failure) {
        // Said in the window's summary line: the dialog stays open for the
        // next rename, and a box would only be one more click.
        Q_EMIT renamed(tr("Renamed the %1 '%2' to '%3'.").arg(column, m_oldName, m_newName));
    } else {
        FailureBox::show(*failure, this, tr("Nothing was renamed."));
    }
    // The old name may be gone from every row: offer only names in use.
    FillNames(column);
}

QString CRenameDlg::renameLabel(const QString& column, const QString& oldName, const QString& newName)
{
    const QString kind = column == kDeptColumn ? QStringLiteral("department") : QStringLiteral("store");
    return QStringLiteral("Rename %1 %2 to %3").arg(kind, oldName, newName);
}

BulkPass::Statement CRenameDlg::renamePass(const QString& column, const QString& oldName, const QString& newName)
{
    return {{column + QStringLiteral(" = ?"), {SqlValue::text(oldName)}},
            {column},
            {{QStringLiteral("?"), {SqlValue::text(newName)}}}};
}

long CRenameDlg::renameAll(CAdoConnection& connection, const QString& column, const QString& oldName,
                           const QString& newName)
{
    JournalAction action(connection, renameLabel(column, oldName, newName));
    const long count = BulkPass::run(connection, renamePass(column, oldName, newName), &action);
    StoreWalks::carryRename(connection, action,
                            column == kDeptColumn ? StoreWalks::Column::Dept : StoreWalks::Column::Store, oldName,
                            newName);
    action.commit();
    return count;
}

void CRenameDlg::run(IListWindow& window)
{
    {
        CRenameDlg dialog(window.widget());
        connect(&dialog, &CRenameDlg::renamed, &dialog, [&window](const QString& note) { window.ShowNote(note); });
        dialog.exec();
    }
    window.StoreTabRefresh();
    window.RebuildList();
}
