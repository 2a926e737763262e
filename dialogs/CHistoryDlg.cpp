#include "dialogs/CHistoryDlg.h"

#include "list/ActionLabel.h"
#include "platform/widgets/DialogUnits.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CHistoryDlg::CHistoryDlg(const QList<Journal::Action>& actions, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("History"));
    resize(DialogUnits::toPixelsX(220), DialogUnits::toPixelsY(150));

    auto* intro = new QLabel(actions.isEmpty() ? tr("There is nothing to undo.")
                                               : tr("Choose an action to undo it with every action "
                                                    "after it."),
                             this);
    intro->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("actions"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Action"), tr("Time"), tr("Items")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    for (const Journal::Action& action : actions) {
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, ActionLabel::shown(action.label));
        row->setText(1, action.madeAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")));
        row->setText(2, QString::number(action.itemCount));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        row->setData(0, Qt::UserRole, action.id);
    }

    auto* buttons = new QDialogButtonBox(this);
    m_undo = buttons->addButton(tr("&Undo to Here"), QDialogButtonBox::AcceptRole);
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { m_undo->setEnabled(current != nullptr); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { choose(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { choose(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CHistoryDlg::choose()
{
    const QTreeWidgetItem* current = m_list->currentItem();
    if (!current) {
        return;
    }
    m_chosen = current->data(0, Qt::UserRole).toLongLong();
    accept();
}
