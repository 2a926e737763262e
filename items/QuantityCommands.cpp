#include "items/QuantityCommands.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/ItemChanges.h"
#include "list/ViewState.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/SoundService.h"

namespace
{
QString quantityText(int quantity)
{
    return quantity == 0 ? QString() : QString::number(quantity);
}

QString amountText(double amount)
{
    return amount == 0.0 ? QString() : Money::cell(amount);
}
} // namespace

QuantityCommands::QuantityCommands(IListWindow& window)
    : m_window(window)
{
}

void QuantityCommands::showQuantity(int row, int quantity, double price, bool marked)
{
    CItemListCtrl& list = m_window.list();
    ViewState& view = m_window.view();
    // The totals are sums of what the rows show, so they move by what this
    // row showed before, which a change from elsewhere may have made old.
    const int shown = TextNumbers::toInt(list.itemText(row, 1));
    const double change = (quantity - shown) * price;
    list.setItemText(row, 1, quantityText(quantity));
    if (view.allStoresShown()) {
        list.setItemText(row, 4, amountText(quantity * price));
    }
    view.listTotal += change;
    if (marked) {
        view.markedTotal += change;
    }
    m_window.RedrawSummary();
}

void QuantityCommands::SubtractOne()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    int next = 0;
    const auto [price, checked] = ItemChanges::stepQuantity(m_window.connection(), list.itemData(row), -1, next);
    showQuantity(row, next, price, checked != 0);
    SoundService::play(QStringLiteral("\\WINDOWS\\DEFAULT.WAV"));
}

void QuantityCommands::AddOne()
{
    CItemListCtrl& list = m_window.list();
    const int row = list.selectionMark();
    if (row < 0 || row >= list.itemCount()) {
        return;
    }
    int next = 0;
    const auto [price, checked] = ItemChanges::stepQuantity(m_window.connection(), list.itemData(row), 1, next);
    showQuantity(row, next, price, checked != 0);
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
    const ItemChanges::MarkRow stored =
        ItemChanges::setMark(m_window.connection(), list.itemData(row), newMark, {m_window.view().currentStore});
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
