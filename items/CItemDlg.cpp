#include "items/CItemDlg.h"

#include "commands/FailureBox.h"
#include "controls/CSoundButton.h"
#include "controls/ComboLists.h"
#include "items/CBarcodesDlg.h"
#include "items/CPricesDlg.h"
#include "items/ItemChoiceBoxes.h"
#include "items/ItemRow.h"
#include "platform/Money.h"
#include "platform/TextLimit.h"
#include "platform/TextNumbers.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/CaptionGrid.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/ResourceImages.h"
#include "platform/widgets/TextGuard.h"
#include "store/access/CAdoException.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int WidthDu = 148;
// The row of buttons (88 to 102) ends the dialog; the lists drop down as
// windows of their own and need no room below it.
constexpr int HeightDu = 106;
// Height of a closed combo box; the template gives the height of the box
// with its list dropped.
constexpr int ComboHeightDu = 12;
constexpr int ListLineDu = 8;
// The grid's columns: a caption and its box, twice. A box is at least as
// wide as the handheld gave its column; a caption as wide as its text.
constexpr int LeftBoxDu = 44;
constexpr int RightBoxDu = 36;
} // namespace

CItemDlg::CItemDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Grocelle"));
    setObjectName(QStringLiteral("itemDialog"));
    // One size of text throughout, that of the drop-down lists.
    setFont(DialogUnits::dialogFont());
    createControls();
    resize(QSize(DialogUnits::toPixelsX(WidthDu), DialogUnits::toPixelsY(HeightDu)).expandedTo(sizeHint()));
}

CItemDlg::~CItemDlg() = default;

void CItemDlg::createControls()
{
    m_grid = new CaptionGrid(this);
    m_grid->setContentsMargins(DialogUnits::toPixelsX(1), DialogUnits::toPixelsY(1), DialogUnits::toPixelsX(2),
                               DialogUnits::toPixelsY(4));
    m_grid->setHorizontalSpacing(DialogUnits::toPixelsX(2));
    m_grid->setVerticalSpacing(DialogUnits::toPixelsY(2));
    m_grid->setBoxColumn(0, DialogUnits::toPixelsX(LeftBoxDu));
    m_grid->setBoxColumn(2, DialogUnits::toPixelsX(RightBoxDu));
    auto combo = [this](const char* name, int dropHeight, int maxChars) {
        auto* box = new DeptComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        ComboLists::keepsOwnOrder(*box);
        box->setMaxVisibleItems(std::max(DeptComboBox::MinVisibleEntries, (dropHeight - ComboHeightDu) / ListLineDu));
        CaptionGrid::fitCombo(*box, DialogUnits::toPixelsY(ComboHeightDu));
        connect(box, &DeptComboBox::popupAboutToShow, this, [this] { FillLists(); });
        // The limit holds while typing, so that OK seldom has to refuse.
        TextGuard::guard(*box->lineEdit(), maxChars);
        return box;
    };

    // Created in the tab order of the template.
    createNameBox();

    m_deptCombo = combo("dept", 66, MaxDeptChars);
    m_grid->addRow(1, tr("Dept:"), m_deptCombo, 0);

    createCouponBox();
    createQuantityControls();

    m_storeCombo = combo("store", 40, MaxStoreChars);
    m_grid->addRow(2, tr("Store:"), m_storeCombo, 2);

    m_priceEdit = new QLineEdit(this);
    m_priceEdit->setObjectName(QStringLiteral("price"));
    // Only what OK accepts can be typed: up to seven digits and cents.
    m_priceEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(Money::priceInputPattern()), m_priceEdit));
    m_grid->addRow(3, tr("Price:"), m_priceEdit, 0);

    m_unitCombo = combo("unit", 48, MaxUnitChars);
    m_grid->addRow(3, tr("Sold by the:"), m_unitCombo, 2);

    m_notesEdit = new QPlainTextEdit(this);
    m_notesEdit->setObjectName(QStringLiteral("notes"));
    m_notesEdit->setTabChangesFocus(true);
    m_notesEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_notesEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notesEdit->setFixedHeight(DialogUnits::toPixelsY(21));
    m_grid->addRow(4, tr("Notes:"), m_notesEdit, 0, 3);
    m_grid->itemAtPosition(4, 0)->setAlignment(Qt::AlignTop);
    connect(m_notesEdit, &QPlainTextEdit::textChanged, this, [this] { limitNotes(); });

    createButtons();
}

void CItemDlg::createCouponBox()
{
    auto* coupon = new QHBoxLayout;
    coupon->setSpacing(DialogUnits::toPixelsX(2));
    auto* couponPicture = new QLabel(this);
    couponPicture->setPixmap(ResourceImages::bitmap(214));
    m_couponCheck = new QCheckBox(this);
    m_couponCheck->setObjectName(QStringLiteral("coupon"));
    m_couponCheck->setAccessibleName(tr("Coupon"));
    m_couponCheck->setToolTip(tr("Coupon"));
    coupon->addWidget(couponPicture);
    coupon->addWidget(m_couponCheck);
    coupon->addStretch();
    m_grid->addRow(1, tr("Coupon:"), coupon, 2);
}

void CItemDlg::createNameBox()
{
    m_nameCombo = new DeptComboBox(this);
    m_nameCombo->setObjectName(QStringLiteral("itemName"));
    auto* edit = new QLineEdit(m_nameCombo);
    // Connected before the box's own handling of the same signal, and again
    // after it, so that the flag brackets that handling.
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_nameEditFinishing = true; });
    m_nameCombo->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_nameEditFinishing = false; });
    TextGuard::guard(*edit, MaxNameChars);
    ComboLists::keepsOwnOrder(*m_nameCombo);
    m_nameCombo->setMaxVisibleItems(std::max(DeptComboBox::MinVisibleEntries, (69 - ComboHeightDu) / ListLineDu));
    // The list may hold the whole catalog: one line height for every entry
    // keeps its drop-down quick.
    if (auto* view = qobject_cast<QListView*>(m_nameCombo->view())) {
        view->setUniformItemSizes(true);
    }
    CaptionGrid::fitCombo(*m_nameCombo, DialogUnits::toPixelsY(ComboHeightDu));
    m_grid->addRow(0, tr("Item:"), m_nameCombo, 0, 3);
    connect(m_nameCombo, &DeptComboBox::popupAboutToShow, this, [this] { FillLists(); });
    connect(m_nameCombo, &QComboBox::activated, this, [this](int index) { onNameChosen(index); });
}

void CItemDlg::createQuantityControls()
{
    m_quantityEdit = new QLineEdit(this);
    m_quantityEdit->setObjectName(QStringLiteral("quantity"));
    m_quantityEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), m_quantityEdit));
    m_quantityEdit->setMinimumWidth(DialogUnits::toPixelsX(24));

    // The spin control: left takes one away, right adds one, within the
    // range that OK accepts.
    auto* quantity = new QHBoxLayout;
    quantity->setSpacing(0);
    quantity->addWidget(m_quantityEdit, 1);
    m_spinDown = new QToolButton(this);
    m_spinDown->setObjectName(QStringLiteral("quantityDown"));
    m_spinDown->setArrowType(Qt::LeftArrow);
    m_spinUp = new QToolButton(this);
    m_spinUp->setObjectName(QStringLiteral("quantityUp"));
    m_spinUp->setArrowType(Qt::RightArrow);
    for (QToolButton* arrow : {m_spinDown, m_spinUp}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(DialogUnits::toPixelsX(9), DialogUnits::toPixelsY(12));
        quantity->addWidget(arrow);
    }
    m_grid->addRow(2, tr("Qty:"), quantity);
    connect(m_spinDown, &QToolButton::clicked, this, [this] { stepQuantity(-1); });
    connect(m_spinUp, &QToolButton::clicked, this, [this] { stepQuantity(1); });
}

void CItemDlg::createButtons()
{
    m_okButton = new CSoundButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("ok"));
    m_okButton->setDefault(true);
    m_cancelButton = new CSoundButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));
    m_barcodeButton = new QPushButton(this);
    m_barcodeButton->setObjectName(QStringLiteral("barcodes"));
    m_barcodeButton->setAutoDefault(false);
    showBarcodeCount();
    m_pricesButton = new QPushButton(tr("Prices"), this);
    m_pricesButton->setObjectName(QStringLiteral("pricesButton"));
    m_pricesButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(DialogUnits::toPixelsX(2));
    for (QPushButton* button :
         std::initializer_list<QPushButton*>{m_barcodeButton, m_pricesButton, m_okButton, m_cancelButton}) {
        button->setMinimumSize(DialogUnits::toPixelsX(35), DialogUnits::toPixelsY(14));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    m_grid->setRowStretch(5, 1);
    m_grid->addLayout(buttons, 6, 0, 1, 4);
    for (CSoundButton* button : {m_okButton, m_cancelButton}) {
        button->SetBitmaps(200, 201, 0, CSoundButton::Stretched, false, 4);
    }
    connect(m_okButton, &QAbstractButton::clicked, this, [this] { OnOK(); });
    connect(m_cancelButton, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    connect(m_barcodeButton, &QAbstractButton::clicked, this, [this] { editBarcodes(); });
    connect(m_pricesButton, &QAbstractButton::clicked, this, [this] { CPricesDlg::openFor(*this); });
}

void CItemDlg::showBarcodeCount()
{
    m_barcodeButton->setText(tr("Codes: %1").arg(m_barcodes.size()));
}

void CItemDlg::editBarcodes()
{
    CBarcodesDlg dialog(m_nameCombo->currentText().trimmed(), m_barcodes, &CBarcodesDlg::catalogOwner, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_barcodes = dialog.codes();
        showBarcodeCount();
    }
}

void CItemDlg::showEvent(QShowEvent* event)
{
    if (!m_opened && !event->spontaneous()) {
        m_opened = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CItemDlg::OnInitDialog()
{
    m_listsFilled = false;
    showBarcodeCount();
    {
        WaitCursorScope wait;
        writeValues();
        if (m_dropOnOpen) {
            if (m_itemName.isEmpty()) {
                // The list stays open: drop it once the window is on screen.
                QTimer::singleShot(0, this, [this] {
                    if (isVisible()) {
                        m_nameCombo->showPopup();
                    }
                });
            } else {
                // Dropped and closed again at once: the fill is all that shows.
                FillLists();
            }
        }
    }
    if (m_itemName.isEmpty()) {
        m_nameCombo->setFocus();
    } else {
        m_quantityEdit->setFocus();
        m_quantityEdit->selectAll();
    }
}

void CItemDlg::done(int result)
{
    for (QComboBox* box : std::initializer_list<QComboBox*>{m_nameCombo, m_deptCombo, m_storeCombo, m_unitCombo}) {
        box->hidePopup();
    }
    m_opened = false;
    QDialog::done(result);
}

// ---------------------------------------------------------------- exchange

CItemDlg::Values CItemDlg::values() const
{
    return {m_quantity, m_store, m_unit, m_dept, m_itemName, m_notes, m_price, m_coupon, m_deptOrder};
}

QStringList CItemDlg::boxTexts() const
{
    return {m_quantityEdit->text(),     m_storeCombo->currentText(), m_unitCombo->currentText(),
            m_deptCombo->currentText(), m_nameCombo->currentText(),  m_notesEdit->toPlainText(),
            m_priceEdit->text()};
}

void CItemDlg::keepUntouchedValues()
{
    const QStringList texts = boxTexts();
    if (texts.size() != m_filledTexts.size()) {
        return;
    }
    const auto untouched = [&](int box) { return texts[box] == m_filledTexts[box]; };
    if (untouched(0)) {
        m_quantity = m_filledFrom.quantity;
    }
    QString* const kept[] = {&m_store, &m_unit, &m_dept, &m_itemName, &m_notes};
    const QString* const stored[] = {&m_filledFrom.store, &m_filledFrom.unit, &m_filledFrom.dept,
                                     &m_filledFrom.itemName, &m_filledFrom.notes};
    for (int i = 0; i < 5; ++i) {
        if (untouched(i + 1)) {
            *kept[i] = *stored[i];
        }
    }
    if (untouched(6)) {
        m_price = m_filledFrom.price;
    }
}

void CItemDlg::writeValues()
{
    m_filledFrom = values();
    m_quantityEdit->setText(QString::number(m_quantity));
    ComboLists::setBoxText(*m_storeCombo, m_store);
    ComboLists::setBoxText(*m_unitCombo, m_unit);
    ComboLists::setBoxText(*m_deptCombo, m_dept);
    ComboLists::setBoxText(*m_nameCombo, m_itemName);
    if (m_notesEdit->toPlainText() != m_notes) {
        m_notesEdit->setPlainText(m_notes);
    }
    m_priceEdit->setText(Money::editText(m_price));
    m_couponCheck->setChecked(m_coupon != 0);
    m_filledTexts = boxTexts();
}

void CItemDlg::failField(QWidget* box, const QString& message)
{
    MessageService::show(message, MessageService::Buttons::Ok, this);
    box->setFocus();
    if (QLineEdit* edit = ComboLists::editOf(box)) {
        edit->selectAll();
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(box)) {
        notes->selectAll();
    }
}

bool CItemDlg::readValues()
{
    bool ok = false;
    const int quantity = m_quantityEdit->text().trimmed().toInt(&ok);
    if (!ok || quantity < 0 || quantity > MaxQuantity) {
        failField(m_quantityEdit, tr("Please enter a whole number from 0 to %1 in the Qty box.").arg(MaxQuantity));
        return false;
    }
    m_quantity = quantity;

    struct TextBox
    {
        QWidget* box;
        QString text;
        int limit;
        const char* name;
        QString* value;
    };
    const TextBox texts[] = {
        {m_storeCombo, m_storeCombo->currentText(), MaxStoreChars, QT_TR_NOOP("Store"), &m_store},
        {m_unitCombo, m_unitCombo->currentText(), MaxUnitChars, QT_TR_NOOP("Sold by the"), &m_unit},
        {m_deptCombo, m_deptCombo->currentText(), MaxDeptChars, QT_TR_NOOP("Dept"), &m_dept},
        {m_nameCombo, m_nameCombo->currentText(), MaxNameChars, QT_TR_NOOP("Item"), &m_itemName},
        {m_notesEdit, m_notesEdit->toPlainText(), MaxNotesChars, QT_TR_NOOP("Notes"), &m_notes},
    };
    for (const TextBox& text : texts) {
        if (TextLimit::length(text.text) > text.limit) {
            failField(text.box,
                      tr("Please enter no more than %1 characters in the %2 box.").arg(text.limit).arg(tr(text.name)));
            return false;
        }
        *text.value = text.text;
    }

    double price = 0.0;
    if (!Money::parsePrice(m_priceEdit->text(), price) || !std::isfinite(price) || price < 0.0 || price > MaxPrice) {
        failField(m_priceEdit, tr("Please enter a number from 0 to 9999999 in the Price box."));
        return false;
    }
    m_price = price;
    m_coupon = m_couponCheck->isChecked() ? 1 : 0;
    return true;
}

// ---------------------------------------------------------------- OK, Cancel

void CItemDlg::OnOK()
{
    if (!readValues()) {
        return;
    }
    if (m_dept.isEmpty()) {
        MessageService::show(tr("Please specify a department."), MessageService::Buttons::Ok, this);
        m_deptCombo->setFocus();
        return;
    }
    if (m_itemName.isEmpty()) {
        MessageService::show(tr("Please name this item, or press cancel."), MessageService::Buttons::Ok, this);
        m_nameCombo->setFocus();
        return;
    }
    accept();
}

void CItemDlg::OnCancel()
{
    reject();
}

// ---------------------------------------------------------------- lists

void CItemDlg::FillLists()
{
    if (m_listsFilled) {
        return;
    }
    // Set whatever the outcome: a failed fill is not tried again until the
    // dialog opens anew.
    m_listsFilled = true;
    WaitCursorScope wait;

    ItemChoiceBoxes(*this).fill();
}

void CItemDlg::onNameChosen(int index)
{
    if (m_nameEditFinishing || index < 0) {
        return;
    }
    const QVariant entryId = m_nameCombo->itemData(index, Qt::UserRole);
    if (!entryId.isValid()) {
        return;
    }
    try {
        LoadItem(entryId.toInt());
    } catch (const CAdoException& error) {
        FailureBox::show(error, this);
    }
}

void CItemDlg::LoadItem(int id)
{
    if (ItemRow::load(*this, id)) {
        m_pickedName = m_itemName;
        showBarcodeCount();
        writeValues();
    }
}

// ---------------------------------------------------------------- typing

void CItemDlg::stepQuantity(int delta)
{
    const int current = std::clamp(TextNumbers::toInt(m_quantityEdit->text()), 0, MaxQuantity);
    m_quantityEdit->setText(QString::number(std::clamp(current + delta, 0, MaxQuantity)));
}

void CItemDlg::limitNotes()
{
    const QString text = m_notesEdit->toPlainText();
    int position = m_notesEdit->textCursor().position();
    // Lines are kept; other control characters and what was just typed or
    // pasted beyond the limit are taken out again.
    QString kept = TextLimit::withoutControls(text, true, &position);
    TextLimit::cutAt(kept, position, MaxNotesChars);
    if (kept == text) {
        return;
    }
    m_notesEdit->setPlainText(kept);
    QTextCursor cursor = m_notesEdit->textCursor();
    cursor.setPosition(position);
    m_notesEdit->setTextCursor(cursor);
}
