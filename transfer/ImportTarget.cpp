#include "transfer/ImportTarget.h"

#include "platform/NameFold.h"
#include "store/access/CAdoCommand.h"
#include "transfer/TransferColumns.h"

#include <algorithm>

namespace
{
using Col = TransferColumns;

QString nameKey(const SqlValue& value)
{
    return NameFold::key(value.type() == SqlValue::Type::Text ? value.toText() : TransferColumns::toText(value));
}
} // namespace

ImportTarget::ImportTarget(CAdoConnection& connection)
{
    CAdoCommand select(connection,
                       QStringLiteral("SELECT ") + Col::list() + QStringLiteral(" FROM ShoppingLists ORDER BY ID"));
    while (select.next()) {
        std::vector<SqlValue> row(Col::Count);
        for (int column = 0; column < Col::Count; ++column) {
            row[static_cast<size_t>(column)] = select.value(column);
        }
        const SqlValue& id = row[Col::Id];
        if (id.type() == SqlValue::Type::Integer) {
            ids.insert(id.toInteger());
            nextId = std::max(nextId, id.toInteger() + 1);
        }
        const SqlValue& order = row[Col::DeptOrder];
        if (order.type() == SqlValue::Type::Integer && order.toInteger() >= 0) {
            deptOrder.insert(nameKey(row[Col::Dept]), order);
        }
        rows.push_back(std::move(row));
    }
    // The first row of a name is wanted: the rows are gone through from the
    // last, so that the first one's entry is written last.
    for (size_t i = rows.size(); i-- > 0;) {
        byName.insert(nameKey(rows[i][Col::ItemName]), i);
    }
}
