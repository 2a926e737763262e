#include "items/CBarcodeChooserDlg.h"

#include "platform/NameFold.h"
#include "platform/widgets/MessageService.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBarcodeChooserDlg::CBarcodeChooserDlg(const QString& code, const QStringList& names, QWidget* parent)
    : QDialog(parent)
    , m_names(names)
{
    setWindowTitle(QStringLiteral("Grocelle"));
    setObjectName(QStringLiteral("barcodeChooser"));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(tr("No item has the barcode %1 yet. Which item is it?").arg(code), this);
    question->setWordWrap(true);
    layout->addWidget(question);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("itemName"));
    m_name->setPlaceholderText(tr("Name of an item"));
    auto* completer = new QCompleter(names, m_name);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_name->setCompleter(completer);
    layout->addWidget(m_name);

    auto* buttons = new QDialogButtonBox(this);
    m_take = buttons->addButton(tr("Take this item"), QDialogButtonBox::AcceptRole);
    m_take->setObjectName(QStringLiteral("take"));
    m_new = buttons->addButton(tr("New item..."), QDialogButtonBox::ActionRole);
    m_new->setObjectName(QStringLiteral("newItem"));
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    // Accepting goes through takeTyped, which may keep the dialog open.
    connect(m_take, &QPushButton::clicked, this, [this] { takeTyped(); });
    connect(m_new, &QPushButton::clicked, this, [this] { chooseNew(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_take->setDefault(true);
    m_name->setFocus();
}

QString CBarcodeChooserDlg::unknownNameMessage(const QString& name)
{
    return tr("There is no item named \"%1\". Pick a name from the list, or make a new item.").arg(name);
}

void CBarcodeChooserDlg::takeTyped()
{
    const QString typed = m_name->text().trimmed();
    for (const QString& name : m_names) {
        if (NameFold::equal(name, typed)) {
            m_choice = Choice::Existing;
            m_chosen = name;
            accept();
            return;
        }
    }
    MessageService::show(unknownNameMessage(typed), MessageService::Buttons::Ok, this);
    m_name->setFocus();
}

void CBarcodeChooserDlg::chooseNew()
{
    m_choice = Choice::NewItem;
    accept();
}
