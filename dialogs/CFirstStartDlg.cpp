#include "dialogs/CFirstStartDlg.h"

#include "commands/IListWindow.h"
#include "dialogs/TransferCommands.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "transfer/ImportPlan.h"
#include "transfer/StarterCatalog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
CFirstStartDlg::Handler& handler()
{
    static CFirstStartDlg::Handler instance;
    return instance;
}
} // namespace

CFirstStartDlg::CFirstStartDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(MessageService::caption());
    auto* layout = new QVBoxLayout(this);
    auto* tip = new QLabel(tipText(), this);
    tip->setWordWrap(true);
    layout->addWidget(tip);
    auto* question = new QLabel(tr("Your catalog is empty. How would you like to start?"), this);
    layout->addWidget(question);
    const struct
    {
        Choice choice;
        QString text;
    } buttons[] = {
        {Choice::Groceries, tr("Start with &common groceries (%1 items in %2 departments)")
                                .arg(StarterCatalog::items().records.size())
                                .arg(StarterCatalog::departmentCount())},
        {Choice::ImportFile, tr("&Import a file...")},
        {Choice::Empty, tr("Start &empty")},
    };
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(entry.text, this);
        button->setObjectName(QStringLiteral("choice%1").arg(static_cast<int>(entry.choice)));
        const Choice choice = entry.choice;
        connect(button, &QPushButton::clicked, this, [this, choice] {
            m_choice = choice;
            accept();
        });
        layout->addWidget(button);
    }
}

QString CFirstStartDlg::tipText()
{
    return tr("Tip for first-time users:  You can bring a list you already have: copy it and press "
              "Ctrl+Shift+V, or choose Tools > Import... for a file from another program.");
}

CFirstStartDlg::Choice CFirstStartDlg::ask(QWidget* parent)
{
    if (handler()) {
        return handler()(tipText());
    }
    CFirstStartDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : Choice::Empty;
}

void CFirstStartDlg::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

bool CFirstStartDlg::catalogEmpty(CAdoConnection& connection)
{
    try {
        CAdoCommand any(connection, QStringLiteral("SELECT ID FROM ShoppingLists LIMIT 1"));
        const bool empty = !any.next();
        any.reset();
        return empty;
    } catch (const CAdoException&) {
        return false;
    }
}

void CFirstStartDlg::addStarterItems(CAdoConnection& connection)
{
    ImportPlan plan(connection, StarterCatalog::items(), {});
    plan.apply(connection, QStringLiteral("the common groceries"));
}

void CFirstStartDlg::run(IListWindow& window)
{
    CAdoConnection& connection = window.connection();
    if (!CAdoCommand::available(connection) || CAdoCommand::isReadOnly(connection) || !catalogEmpty(connection)) {
        MessageService::show(tipText(), MessageService::Buttons::Ok, window.widget());
        return;
    }
    switch (ask(window.widget())) {
    case Choice::Groceries:
        window.runGuarded([&] {
            addStarterItems(connection);
            window.CatalogChanged();
        });
        break;
    case Choice::ImportFile:
        TransferCommands(window).Import();
        break;
    case Choice::Empty:
        break;
    }
}
