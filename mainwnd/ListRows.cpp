#include "mainwnd/ListRows.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/CheaperMarks.h"
#include "list/ListStatement.h"
#include "list/ListWalk.h"
#include "list/ViewState.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoField.h"
#include "store/access/CAdoRecordset.h"

#include <QPointer>

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <exception>
#include <memory>

namespace
{
QString openFailure()
{
    return QCoreApplication::translate("ListRows", "Unable to open shopping list");
}

// A number of the list's row as the list has always read it: the number its
// text begins with. Whole numbers, which nearly every catalog holds, are taken
// as they are, without their text.
int intOf(CAdoField& field)
{
    qint64 whole = 0;
    if (field.GetWholeNumber(whole)) {
        return static_cast<int>(std::clamp<qint64>(whole, INT_MIN, INT_MAX));
    }
    return TextNumbers::toInt(field.GetText());
}

// The row under the cursor as the list shows it: the need view's price
// column is quantity times price, a store view's the price alone.
ItemListModel::Row readRow(CAdoRecordset& rs, bool allStores)
{
    ItemListModel::Row row;
    row.cells[0] = rs.GetField(0).GetText();
    row.mark = intOf(rs.GetField(7));
    qint64 couponValue = 0;
    const bool coupon =
        rs.GetField(8).GetWholeNumber(couponValue)
            ? couponValue == 1 || couponValue == -1
            : rs.GetField(8).GetText() == QLatin1String("1") || rs.GetField(8).GetText() == QLatin1String("-1");
    row.image = (row.mark != 0 ? 1 : 0) + (coupon ? 2 : 0);
    row.id = intOf(rs.GetField(1));
    int quantity = 0;
    qint64 wholeQuantity = 0;
    if (rs.GetField(2).GetWholeNumber(wholeQuantity)) {
        if (wholeQuantity != 0) {
            quantity = static_cast<int>(std::clamp<qint64>(wholeQuantity, INT_MIN, INT_MAX));
            row.cells[1] = QString::number(wholeQuantity);
        }
    } else {
        const QString& qtyText = rs.GetField(2).GetText();
        if (qtyText != QLatin1String("0")) {
            quantity = TextNumbers::toInt(qtyText);
            row.cells[1] = qtyText;
        }
    }
    row.cells[2] = rs.GetField(3).GetText();
    row.cells[3] = rs.GetField(4).GetText();
    const double price = TextNumbers::toDouble(rs.GetField(5).GetText());
    row.price = price;
    if (allStores) {
        row.store = rs.GetField(6).GetText();
    }
    const double value = allStores ? quantity * price : price;
    if (value != 0.0) {
        row.cells[4] = Money::cell(value);
    }
    return row;
}

// The need view's marks of count rows from first, read for them at once.
void markCheaper(CAdoConnection& connection, std::vector<ItemListModel::Row>& rows, size_t first, size_t count,
                 double percent)
{
    std::vector<qint64> ids;
    for (size_t i = first; i < first + count; ++i) {
        ids.push_back(rows[i].id);
    }
    CheaperMarks marks;
    marks.loadFor(connection, ids, percent);
    for (size_t i = first; i < first + count && !marks.empty(); ++i) {
        ItemListModel::Row& row = rows[i];
        row.cheaper = marks.tipFor(row.id, row.store, row.price, row.cells[2]);
    }
}

// How many rows fill the list's screen, with some to spare.
int screenRows(const CItemListCtrl& list)
{
    const int rowHeight = std::max(1, list.fontMetrics().height());
    return std::max(64, list.viewport()->height() / rowHeight + 8);
}
} // namespace

bool ListRows::fill(CItemListCtrl& list, const ViewState& view, CAdoConnection& connection, QWidget* parent)
{
    const bool allStores = view.allStoresShown();
    list.setRedraw(false);
    // Redraw comes back on however the fill ends; the first screen reaches
    // the view in one go before the selection is placed.
    struct RedrawOn
    {
        CItemListCtrl& list;
        ~RedrawOn() { list.setRedraw(true); }
    } redrawOn{list};
    list.deleteAllItems();
    list.items().setPricesEditable(!allStores);

    std::vector<SqlValue> values;
    // A store sorted by department runs in that store's own walk.
    const QString sql = ListStatement::compose(view, &values, false, ListWalk::of(connection, view));
    // The need view marks the items cheaper elsewhere, by this much.
    const double percent = allStores && CheaperMarks::possible(connection) ? CheaperMarks::percentSetting() : -1.0;
    list.setPriceMarksShown(percent >= 0.0);
    auto rs = std::make_shared<CAdoRecordset>();
    if (!rs->Open(sql, values, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        MessageService::show(openFailure(), MessageService::Buttons::Ok, parent);
        return false;
    }
    // The rest of the rows are read as the list asks for them, from the
    // same statement; it ends with the last row or a failure.
    QPointer<QWidget> owner(parent);
    ItemListModel::RowFeed feed = [rs, allStores, owner](std::vector<ItemListModel::Row>& out, int limit) {
        try {
            for (int i = 0; i < limit && !rs->IsEOF(); ++i) {
                out.push_back(readRow(*rs, allStores));
                rs->MoveNext();
            }
            if (!rs->IsEOF()) {
                return true;
            }
        } catch (const std::exception&) {
            MessageService::show(openFailure(), MessageService::Buttons::Ok, owner.data());
        }
        rs->Close();
        return false;
    };
    list.items().setFeed(std::move(feed), screenRows(list));
    if (percent >= 0.0) {
        // The marks of the rows a view shows, as it shows them.
        CAdoConnection* from = &connection;
        list.items().setMarker([from, percent](std::vector<ItemListModel::Row>& rows, size_t first, size_t count) {
            markCheaper(*from, rows, first, count, percent);
        });
    }
    return true;
}

void ListRows::total(CItemListCtrl& list, ViewState& view, CAdoConnection& connection, QWidget* parent)
{
    CAdoRecordset rs;
    std::vector<SqlValue> values;
    const QString sql = ListStatement::totals(view, &values);
    if (!rs.Open(sql, values, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)
        || rs.IsEOF()) {
        MessageService::show(openFailure(), MessageService::Buttons::Ok, parent);
        return;
    }
    list.items().setExpectedRowCount(TextNumbers::toInt(rs.GetField(0).GetText()));
    view.listTotal += TextNumbers::toDouble(rs.GetField(1).GetText());
    view.markedTotal += TextNumbers::toDouble(rs.GetField(2).GetText());
    rs.Close();
}
