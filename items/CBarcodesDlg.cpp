#include "items/CBarcodesDlg.h"

#include "items/ItemRow.h"
#include "platform/NameFold.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <utility>

CBarcodesDlg::CBarcodesDlg(const QString& itemName, const QStringList& codes, OwnerLookup ownerOf, QWidget* parent)
    : QDialog(parent)
    , m_itemName(itemName)
    , m_ownerOf(std::move(ownerOf))
{
    setWindowTitle(tr("Barcodes of %1").arg(itemName));
    setObjectName(QStringLiteral("barcodesDialog"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("codes"));
    m_list->addItems(codes);
    layout->addWidget(m_list);

    auto* row = new QHBoxLayout;
    m_codeBox = new QLineEdit(this);
    m_codeBox->setObjectName(QStringLiteral("code"));
    m_codeBox->setPlaceholderText(tr("Type or scan a code"));
    // Room for a refusal to say the code is too long, not for a flood.
    m_codeBox->setMaxLength(Barcode::MaxLength * 2);
    auto* add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("add"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("remove"));
    row->addWidget(m_codeBox, 1);
    row->addWidget(add);
    row->addWidget(m_remove);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in the code box (a scanner's last key) adds the code and does
    // not close the dialog.
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    add->setAutoDefault(false);
    m_remove->setAutoDefault(false);
    connect(m_codeBox, &QLineEdit::returnPressed, this, [this] { addCode(m_codeBox->text()); });
    connect(add, &QPushButton::clicked, this, [this] { addCode(m_codeBox->text()); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeSelected(); });
}

QStringList CBarcodesDlg::codes() const
{
    QStringList keys;
    for (int i = 0; i < m_list->count(); ++i) {
        keys << m_list->item(i)->text();
    }
    return keys;
}

QString CBarcodesDlg::catalogOwner(const Barcode& code)
{
    CAdoConnection connection(true);
    if (connection.Open(Catalog::devicePath()) != 0) {
        return {};
    }
    try {
        const qint64 owner = Barcodes::itemOf(connection, code);
        return owner == 0 ? QString() : ItemRow::nameOf(connection, owner);
    } catch (const CAdoException&) {
        return {};
    }
}

QString CBarcodesDlg::moveQuestion(const QString& code, const QString& owner, const QString& itemName)
{
    return tr("The barcode %1 belongs to %2. Move it to %3?").arg(code, owner, itemName);
}

bool CBarcodesDlg::addCode(const QString& text)
{
    const Barcode code = Barcode::parse(text);
    if (!code.valid()) {
        MessageService::show(code.refusal(), MessageService::Buttons::Ok, this);
        m_codeBox->setFocus();
        m_codeBox->selectAll();
        return false;
    }
    for (const QString& key : code.keys()) {
        if (codes().contains(key)) {
            m_codeBox->clear();
            return true;
        }
    }
    const QString owner = m_ownerOf ? m_ownerOf(code) : QString();
    if (!owner.isEmpty() && !NameFold::equal(owner, m_itemName)
        && !MessageService::confirm(moveQuestion(code.key(), owner, m_itemName), this)) {
        return false;
    }
    m_list->addItem(code.key());
    m_codeBox->clear();
    m_codeBox->setFocus();
    return true;
}

void CBarcodesDlg::removeSelected()
{
    // takeItem hands the row over to its caller.
    std::unique_ptr<QListWidgetItem> taken(m_list->takeItem(m_list->currentRow()));
}
