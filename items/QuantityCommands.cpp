#include "items/QuantityCommands.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "items/IListWindow.h"
#include "items/ViewState.h"
#include "platform/SoundService.h"
#include "platform/TextNumbers.h"
#include "store/CAdoRecordset.h"

namespace
{
QString quantityText(int quantity)
{
    return quantity == 0 ? QString() : QString::number(quantity);
}

QString amountText(double amount)
{
    return amount == 0.0 ? QString() : TextNumbers::money(amount);
}
} // namespace

QuantityCommands::QuantityCommands(IListWindow& window)
    : m_window(window)
{
}

void QuantityCommands::openQuantityRow(CAdoRecordset& rs, int id)
{
    rs.Open(QStringLiteral("SELECT ItemName, ID, QtyToBuy, Price, Checked from ShoppingLists where ID = %1").arg(id),
            m_window.connection(), CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockPessimistic,
            CAdoRecordset::adCmdUnknown);
}

void QuantityCommands::SubtractOne()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    const int quantity = TextNumbers::toInt(list.itemText(row, 1));
    const int next = quantity > 0 ? quantity - 1 : 0;

    CAdoRecordset rs;
    openQuantityRow(rs, list.itemData(row));
    rs.GetField(2).SetLong(next);
    const double price = TextNumbers::toDouble(rs.GetField(3).GetText());
    const int checked = TextNumbers::toInt(rs.GetField(4).GetText());
    rs.Update();
    rs.Close();

    ViewState& view = m_window.view();
    list.setItemText(row, 1, quantityText(next));
    if (view.allStoresShown()) {
        list.setItemText(row, 4, amountText(next * price));
    }
    if (quantity > 0) {
        view.listTotal -= price;
        if (checked != 0) {
            view.markedTotal -= price;
        }
    }
    m_window.RedrawSummary();
    SoundService::play(QStringLiteral("\\WINDOWS\\DEFAULT.WAV"));
}

void QuantityCommands::AddOne()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    const int quantity = TextNumbers::toInt(list.itemText(row, 1));
    if (quantity >= MaxQuantity) {
        return;
    }
    const int next = quantity + 1;

    CAdoRecordset rs;
    openQuantityRow(rs, list.itemData(row));
    const double price = TextNumbers::toDouble(rs.GetField(3).GetText());
    rs.GetField(2).SetLong(next);
    const int checked = TextNumbers::toInt(rs.GetField(4).GetText());
    rs.Update();
    rs.Close();

    ViewState& view = m_window.view();
    list.setItemText(row, 1, quantityText(next));
    if (view.allStoresShown()) {
        list.setItemText(row, 4, amountText(next * price));
    }
    view.listTotal += price;
    if (checked != 0) {
        view.markedTotal += price;
    }
    m_window.RedrawSummary();
    SoundService::play(QStringLiteral("\\WINDOWS\\MENUPOP.WAV"));
}

void QuantityCommands::Mark(int row)
{
    CItemListCtrl& list = m_window.list();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    SoundService::play(QStringLiteral("\\WINDOWS\\QORCHECK.WAV"));
    CAdoRecordset rs;
    rs.Open(QStringLiteral("Select Checked, Coupon, QtyToBuy, Price from ShoppingLists where ID = %1")
                .arg(list.itemData(row)),
            m_window.connection(), CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic,
            CAdoRecordset::adCmdUnknown);
    // The toggle follows the row as shown, not the stored value.
    const int newMark = list.items().mark(row) == 0 ? 1 : 0;
    // Missing values (a catalog that gained its Coupon column late) count as 0
    // instead of failing the command.
    const bool coupon = TextNumbers::toInt(rs.GetField(1).GetText()) != 0;
    const int image = (newMark == 1 ? 1 : 0) + (coupon ? 2 : 0);
    const int storedMark = TextNumbers::toInt(rs.GetField(0).GetText());
    const int quantity = TextNumbers::toInt(rs.GetField(2).GetText());
    const double amount = quantity * TextNumbers::toDouble(rs.GetField(3).GetText());
    rs.GetField(0).SetLong(newMark);
    rs.Update();
    rs.Close();

    ViewState& view = m_window.view();
    if (storedMark != 0) {
        view.markedTotal -= amount;
    } else {
        view.markedTotal += amount;
    }
    list.items().setMark(row, newMark);
    list.setItemImage(row, image);
    m_window.RedrawSummary();
    list.setFocus();
}
