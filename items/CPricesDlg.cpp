#include "items/CPricesDlg.h"

#include "items/CItemDlg.h"
#include "list/CheaperMarks.h"
#include "list/PriceBook.h"
#include "platform/Money.h"
#include "platform/widgets/MessageService.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

CPricesDlg::CPricesDlg(const QString& itemName, const std::vector<PricePoint>& points, const QStringList& stores,
                       const QString& unit, QWidget* parent)
    : QDialog(parent)
    , m_unit(unit)
    , m_points(points)
{
    setWindowTitle(tr("Prices of %1").arg(itemName));
    setObjectName(QStringLiteral("pricesDialog"));
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("prices"));
    m_table->setHorizontalHeaderLabels({tr("Store"), tr("Last"), tr("Lowest (90 days)"), tr("Date")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table);

    auto* row = new QHBoxLayout;
    m_storeBox = new QComboBox(this);
    m_storeBox->setObjectName(QStringLiteral("store"));
    m_storeBox->setEditable(true);
    m_storeBox->addItems(stores);
    m_storeBox->lineEdit()->setMaxLength(CItemDlg::MaxStoreChars);
    m_priceBox = new QLineEdit(this);
    m_priceBox->setObjectName(QStringLiteral("price"));
    m_priceBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(Money::priceInputPattern()), m_priceBox));
    auto* add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("add"));
    add->setAutoDefault(false);
    row->addWidget(m_storeBox, 1);
    row->addWidget(m_priceBox);
    row->addWidget(add);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto addTyped = [this] {
        if (addPrice(m_storeBox->currentText(), m_priceBox->text())) {
            m_priceBox->clear();
        }
    };
    connect(add, &QAbstractButton::clicked, this, addTyped);
    connect(m_priceBox, &QLineEdit::returnPressed, this, addTyped);
    showPrices();
}

void CPricesDlg::openFor(CItemDlg& editor)
{
    editor.FillLists();
    QStringList stores;
    for (int i = 0; i < editor.storeBox().count(); ++i) {
        stores << editor.storeBox().itemText(i);
    }
    std::vector<PricePoint> points = editor.m_pricePoints;
    points.insert(points.end(), editor.m_newPrices.begin(), editor.m_newPrices.end());
    CPricesDlg dialog(editor.nameBox().currentText().trimmed(), points, stores,
                      editor.unitBox().currentText().trimmed(), &editor);
    if (dialog.exec() == QDialog::Accepted) {
        editor.m_newPrices.insert(editor.m_newPrices.end(), dialog.added().begin(), dialog.added().end());
    }
}

bool CPricesDlg::addPrice(const QString& store, const QString& price)
{
    double value = 0.0;
    if (!Money::parsePrice(price.trimmed(), value) || !std::isfinite(value) || value <= 0.0
        || value > CItemDlg::MaxPrice) {
        MessageService::show(tr("Please enter a price above 0 and up to 9999999."), MessageService::Buttons::Ok, this);
        return false;
    }
    if (store.trimmed().isEmpty()) {
        MessageService::show(tr("Please name the store the price was seen at."), MessageService::Buttons::Ok, this);
        return false;
    }
    PricePoint point;
    point.store = store.trimmed();
    point.price = value;
    point.unit = m_unit;
    point.seenAt = QDateTime::currentMSecsSinceEpoch();
    point.source = PricePoint::Source::Edited;
    m_added.push_back(point);
    m_points.push_back(point);
    showPrices();
    return true;
}

void CPricesDlg::showPrices()
{
    const std::vector<PriceBook::StorePrice> prices = PriceBook::perStore(m_points);
    m_table->setRowCount(static_cast<int>(prices.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const PriceBook::StorePrice& price = prices[static_cast<size_t>(r)];
        const QString cells[] = {price.store, Money::cell(price.last), Money::cell(price.lowest),
                                 CheaperMarks::dateText(price.lastAt)};
        for (int c = 0; c < 4; ++c) {
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
    m_table->resizeColumnsToContents();
}
