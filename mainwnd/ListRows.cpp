#include "mainwnd/ListRows.h"

#include "commands/ViewState.h"
#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "platform/MessageService.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoRecordset.h"

void ListRows::fill(CItemListCtrl& list, ViewState& view, CAdoConnection& connection, const QString& sql,
                    QWidget* parent)
{
    const bool allStores = view.allStoresShown();
    list.setRedraw(false);
    // Redraw comes back on however the fill ends; the rows reach the view in
    // one go before the selection is placed.
    struct RedrawOn
    {
        CItemListCtrl& list;
        ~RedrawOn() { list.setRedraw(true); }
    } redrawOn{list};
    list.deleteAllItems();

    CAdoRecordset rs;
    if (!rs.Open(sql, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly,
                 CAdoRecordset::adCmdUnknown)) {
        MessageService::show(QStringLiteral("Unable to open shopping list"), MessageService::Buttons::Ok, parent);
    } else {
        ItemListModel& items = list.items();
        int row = 0;
        while (!rs.IsEOF()) {
            const QString name = rs.GetField(0).GetText();
            const int mark = TextNumbers::toInt(rs.GetField(7).GetText());
            const QString& couponText = rs.GetField(8).GetText();
            const bool coupon = couponText == QLatin1String("1") || couponText == QLatin1String("-1");
            const int image = (mark != 0 ? 1 : 0) + (coupon ? 2 : 0);
            items.insertItem(row, name, image);
            items.setMark(row, mark);
            items.setId(row, TextNumbers::toInt(rs.GetField(1).GetText()));
            const QString& qtyText = rs.GetField(2).GetText();
            int quantity = 0;
            if (qtyText != QLatin1String("0")) {
                quantity = TextNumbers::toInt(qtyText);
                items.setText(row, 1, qtyText);
            }
            items.setText(row, 2, rs.GetField(3).GetText());
            items.setText(row, 3, rs.GetField(4).GetText());
            const double price = TextNumbers::toDouble(rs.GetField(5).GetText());
            const double value = allStores ? quantity * price : price;
            if (value != 0.0) {
                items.setText(row, 4, TextNumbers::money(value));
            }
            view.listTotal += value;
            if (allStores && mark != 0) {
                view.markedTotal += value;
            }
            rs.MoveNext();
            ++row;
        }
    }
    rs.Close();
}
