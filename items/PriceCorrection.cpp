#include "items/PriceCorrection.h"

#include "commands/IListWindow.h"
#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "items/CItemDlg.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoCommand.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/JournalAction.h"

#include <QCoreApplication>

#include <cmath>

PriceCorrection::PriceCorrection(IListWindow& window)
    : m_window(window)
{
}

QString PriceCorrection::refusal()
{
    return QCoreApplication::translate("PriceCorrection", "Please enter a number from 0 to 9999999 as the price.");
}

bool PriceCorrection::correct(int row, const QString& text)
{
    CItemListCtrl& list = m_window.list();
    if (row < 0 || row >= list.itemCount()) {
        return false;
    }
    double price = 0.0;
    if (!Money::parsePrice(text.trimmed(), price) || !std::isfinite(price) || price < 0.0
        || price > CItemDlg::MaxPrice) {
        MessageService::show(refusal(), MessageService::Buttons::Ok, m_window.widget());
        return false;
    }
    price = std::round(price * 100.0) / 100.0;
    const qint64 id = list.itemData(row);
    CAdoConnection& connection = m_window.connection();
    PricePoint point;
    point.itemId = id;
    point.price = price;
    QString name;
    double before = 0.0;
    {
        CAdoCommand read(connection, QStringLiteral("SELECT ItemName, Price, Store, UnitOfPurchase FROM ShoppingLists "
                                                    "WHERE ID = ?"));
        read.bind(1, id);
        if (!read.next()) {
            return false;
        }
        name = read.value(0).toText();
        before = TextNumbers::toDouble(read.text(1));
        point.store = read.value(2).toText();
        point.unit = read.value(3).toText();
        read.reset();
    }
    JournalAction action(connection, QStringLiteral("Edit Item: ") + name);
    action.watch(id);
    CAdoCommand update(connection, QStringLiteral("UPDATE ShoppingLists SET Price = ? WHERE ID = ?"));
    update.bind(1, SqlValue::real(price));
    update.bind(2, id);
    update.run();
    PricePoints::noteChange(connection, action, point, before);
    action.commit();
    list.setItemText(row, ItemListModel::PriceColumn, price != 0.0 ? Money::cell(price) : QString());
    m_window.RedrawSummary();
    return true;
}
