#include "items/CQuickEntry.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "items/BarcodeScan.h"
#include "items/ItemSaveFlow.h"
#include "items/ScannerInput.h"
#include "list/ItemChanges.h"
#include "list/NameCompletion.h"
#include "list/ViewState.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/InputPanel.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <utility>

CQuickEntry::CQuickEntry(IListWindow& window, QLineEdit& name, QLineEdit& quantity,
                         const QHash<int, CSoundButton*>& buttons)
    : m_window(window)
    , m_name(name)
    , m_quantity(quantity)
{
    // Digits only; the box's five characters could still exceed the
    // catalog's quantity column, which the add refuses.
    quantity.setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &quantity));

    // Only the user's own changes complete: the completed text that the
    // window then shows would find itself again and change nothing.
    connect(&name, &QLineEdit::textEdited, this, [this] { guarded(&CQuickEntry::OnNameChanged); });
    connect(&name, &QLineEdit::returnPressed, this, [this] {
        m_addFromKeyboard = true;
        guarded(&CQuickEntry::OnAdd);
        m_addFromKeyboard = false;
    });
    // Enter adds from either box: the quantity is typed last.
    connect(&quantity, &QLineEdit::returnPressed, this, [this] { guarded(&CQuickEntry::OnAdd); });
    name.installEventFilter(this);
    // The window owns the scanner's watch; a code comes here while the
    // quick entry lives.
    new ScannerInput(*window.widget(), ScanDetector::fromRegistry(window.app().registry()),
                     [self = QPointer<CQuickEntry>(this)](const QString& code) {
                         if (self) {
                             self->m_window.runGuarded([self, code] { BarcodeScan(self->m_window).take(code); });
                         }
                     });

    const std::pair<int, void (CQuickEntry::*)()> handlers[] = {
        {ControlId::QuickPlus, &CQuickEntry::OnPlus},     {ControlId::QuickMinus, &CQuickEntry::OnMinus},
        {ControlId::QuickAdd, &CQuickEntry::OnAdd},       {ControlId::QuickClear, &CQuickEntry::OnClear},
        {ControlId::QuickAddNew, &CQuickEntry::addAsNew},
    };
    for (const auto& [id, handler] : handlers) {
        if (CSoundButton* button = buttons.value(id)) {
            connect(button, &QAbstractButton::clicked, this, [this, handler = handler] { guarded(handler); });
        }
    }
}

CQuickEntry::~CQuickEntry() = default;

void CQuickEntry::ReadControls()
{
    m_nameValue = m_name.text();
    m_quantityValue = m_quantity.text();
}

void CQuickEntry::WriteControls()
{
    if (m_name.text() != m_nameValue) {
        m_name.setText(m_nameValue);
    }
    if (m_quantity.text() != m_quantityValue) {
        m_quantity.setText(m_quantityValue);
    }
}

bool CQuickEntry::eventFilter(QObject* watched, QEvent* event)
{
    // The name box asks for the on-screen keyboard while it has the focus.
    if (event->type() == QEvent::FocusIn) {
        InputPanel::raise(m_window.widget());
    } else if (event->type() == QEvent::FocusOut) {
        InputPanel::lower(m_window.widget());
    }
    return QObject::eventFilter(watched, event);
}

QString CQuickEntry::tooManyMessage()
{
    return tr("Please enter a quantity from 1 to %1 in the quantity box.").arg(MaxQuantity);
}

void CQuickEntry::guarded(void (CQuickEntry::*handler)())
{
    m_window.runGuarded([this, handler] { (this->*handler)(); });
}

void CQuickEntry::OnNameChanged()
{
    m_window.ReadControls();
    const QString typed = m_nameValue;
    if (typed.isEmpty()) {
        return;
    }
    CAdoRecordset rs;
    if (rs.Open(NameCompletion::sql(), NameCompletion::values(typed), m_window.connection(),
                CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic)
        && !rs.IsEOF()) {
        m_nameValue = rs.GetField(0).GetText();
        m_quantityValue = rs.GetField(1).GetText();
        m_window.WriteControls();
        // Typing on replaces the completed tail.
        QLineEdit& box = m_name;
        const qsizetype length = typed.size();
        box.setSelection(static_cast<int>(length), static_cast<int>(box.text().size() - length));
    }
    rs.Close();
}

void CQuickEntry::OnPlus()
{
    // The box as it stands, typed digits included.
    m_window.ReadControls();
    QString& quantity = m_quantityValue;
    const int value = TextNumbers::toInt(quantity);
    quantity = QString::number(value < MaxQuantity ? std::max(value, 0) + 1 : MaxQuantity);
    m_window.WriteControls();
}

void CQuickEntry::OnMinus()
{
    m_window.ReadControls();
    QString& quantity = m_quantityValue;
    const int value = TextNumbers::toInt(quantity);
    if (value > 0) {
        quantity = QString::number(std::min(value, MaxQuantity + 1) - 1);
        m_window.WriteControls();
    }
}

void CQuickEntry::OnClear()
{
    m_nameValue.clear();
    m_quantityValue.clear();
    m_window.WriteControls();
}

void CQuickEntry::finishAdd()
{
    const QString added = m_nameValue;
    OnClear();
    if (!m_addFromKeyboard) {
        m_window.list().setFocus();
        return;
    }
    // Items entered in a row: the name just added stays, selected, so that
    // the next one typed replaces it instead of going to the list.
    m_nameValue = added;
    m_window.WriteControls();
    m_name.setFocus(Qt::OtherFocusReason);
    m_name.selectAll();
}

void CQuickEntry::addAsNew()
{
    m_window.ReadControls();
    ItemSaveFlow(m_window).NewItem(m_nameValue);
    finishAdd();
}

void CQuickEntry::OnAdd()
{
    m_window.ReadControls();
    QString& quantityText = m_quantityValue;
    int quantity = TextNumbers::toInt(quantityText);
    if (quantity <= 0) {
        quantity = 1;
        quantityText = QStringLiteral("1");
        m_window.WriteControls();
    }
    if (quantity > MaxQuantity) {
        MessageService::show(tooManyMessage(), MessageService::Buttons::Ok, m_window.widget());
        m_quantity.setFocus();
        m_quantity.selectAll();
        return;
    }

    // The quantity is set, not added to.
    int id = 0;
    if (!ItemChanges::setQuantityByName(m_window.connection(), m_nameValue, quantity, &id)) {
        addAsNew();
        return;
    }
    if (m_window.view().allStoresShown()) {
        m_window.RebuildList();
    } else {
        // A store view keeps its rows and their places; the item's row shows
        // the new quantity (its price column is the unit price, unchanged).
        CItemListCtrl& list = m_window.list();
        for (int row = 0; row < list.itemCount(); ++row) {
            if (list.itemData(row) == id) {
                list.setItemText(row, 1, QString::number(quantity));
            }
        }
    }
    finishAdd();
}
