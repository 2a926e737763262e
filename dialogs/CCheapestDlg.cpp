#include "dialogs/CCheapestDlg.h"

#include "commands/FailureBox.h"
#include "commands/IListWindow.h"
#include "platform/Money.h"
#include "store/access/CAdoException.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kIdRole = Qt::UserRole;
}

CCheapestDlg::CCheapestDlg(CAdoConnection& connection, QWidget* parent)
    : QDialog(parent)
    , m_connection(connection)
{
    setWindowTitle(tr("Cheapest Stores"));
    setObjectName(QStringLiteral("cheapestDialog"));
    auto* layout = new QVBoxLayout(this);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("split"));
    m_tree->setHeaderLabels({tr("Item"), tr("Price"), tr("Now at")});
    layout->addWidget(m_tree);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_move = buttons->addButton(tr("&Move Ticked Items"), QDialogButtonBox::ActionRole);
    m_move->setObjectName(QStringLiteral("move"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_move, &QAbstractButton::clicked, this, [this] {
        try {
            moveChosen();
        } catch (const CAdoException& error) {
            FailureBox::show(error, this, tr("The items could not be moved."));
        }
    });
    m_split = CheapestSplit::read(m_connection);
    showSplit();
    resize(420, 360);
}

void CCheapestDlg::showSplit()
{
    m_tree->clear();
    for (const CheapestSplit::Part& part : m_split.parts()) {
        auto* store = new QTreeWidgetItem(m_tree);
        store->setText(0, part.store.isEmpty() ? tr("(no store)") : part.store);
        store->setText(1, Money::total(part.total));
        for (const CheapestSplit::Line& line : m_split.lines()) {
            if (line.best.compare(part.store, Qt::CaseInsensitive) != 0) {
                continue;
            }
            auto* item = new QTreeWidgetItem(store);
            item->setText(0, QStringLiteral("%1 \u00d7 %2").arg(line.quantity).arg(line.name));
            item->setText(1, line.bestPrice > 0 ? Money::cell(line.bestPrice) : QString());
            item->setText(2,
                          line.moves() ? QStringLiteral("%1 %2").arg(line.store, Money::cell(line.price)) : QString());
            item->setData(0, kIdRole, line.id);
            if (line.moves()) {
                item->setCheckState(0, Qt::Checked);
            }
        }
        store->setExpanded(true);
    }
    // The names take what the prices and the stores they leave do not need.
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_summary->setText(tr("Today's stores: %1. Split by cheapest: %2. Saves %3.")
                           .arg(Money::total(m_split.todayTotal()),
                                Money::total(m_split.todayTotal() - m_split.savings()),
                                Money::total(m_split.savings())));
}

int CCheapestDlg::moveChosen()
{
    std::vector<qint64> ids;
    for (int s = 0; s < m_tree->topLevelItemCount(); ++s) {
        const QTreeWidgetItem* store = m_tree->topLevelItem(s);
        for (int i = 0; i < store->childCount(); ++i) {
            if (store->child(i)->checkState(0) == Qt::Checked) {
                ids.push_back(store->child(i)->data(0, kIdRole).toLongLong());
            }
        }
    }
    const int moved = ids.empty() ? 0 : m_split.move(m_connection, ids, QStringLiteral("Cheapest Stores"));
    m_moved += moved;
    m_split = CheapestSplit::read(m_connection);
    showSplit();
    return moved;
}

void CCheapestDlg::run(IListWindow& window)
{
    int moved = 0;
    {
        CCheapestDlg dialog(window.connection(), window.widget());
        dialog.exec();
        moved = dialog.moved();
    }
    if (moved > 0) {
        window.StoreTabRefresh();
        window.RebuildList();
    }
}
