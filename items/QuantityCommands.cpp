#include "items/QuantityCommands.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "items/IListWindow.h"
#include "items/ItemChanges.h"
#include "items/ViewState.h"
#include "platform/SoundService.h"
#include "platform/TextNumbers.h"

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

void QuantityCommands::SubtractOne()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    const int quantity = TextNumbers::toInt(list.itemText(row, 1));
    const int next = quantity > 0 ? quantity - 1 : 0;

    const auto [price, checked] = ItemChanges::setQuantity(m_window.connection(), list.itemData(row), next);

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

    const auto [price, checked] = ItemChanges::setQuantity(m_window.connection(), list.itemData(row), next);

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
    // The toggle follows the row as shown, not the stored value.
    const int newMark = list.items().mark(row) == 0 ? 1 : 0;
    const ItemChanges::MarkRow stored = ItemChanges::setMark(m_window.connection(), list.itemData(row), newMark);
    const int image = (newMark == 1 ? 1 : 0) + (stored.coupon ? 2 : 0);
    const int storedMark = stored.storedMark;
    const double amount = stored.quantity * stored.price;

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
