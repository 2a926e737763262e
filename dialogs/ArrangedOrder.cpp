#include "dialogs/ArrangedOrder.h"

#include "platform/NameFold.h"
#include "store/catalog/DistinctNames.h"
#include "store/journal/JournalAction.h"

int ArrangedOrder::orderOf(const QString& name, const QStringList& departments)
{
    if (name.isEmpty()) {
        return UnplacedOrder;
    }
    const auto count = departments.size();
    for (qsizetype i = 1; i <= count; ++i) {
        const qsizetype position = i % count;
        if (NameFold::equal(departments.at(position), name)) {
            return static_cast<int>(position);
        }
    }
    return UnplacedOrder;
}

BulkPass::Statement ArrangedOrder::orderPass(CAdoConnection& connection, const QStringList& departments)
{
    // Each spelling in use is looked up once, so every row meets its own
    // spelling whichever way the engine compares letter case.
    BulkPass::Sql cases;
    for (const QString& name : DistinctNames(connection).spellings(DistinctNames::Column::Dept)) {
        const int order = orderOf(name, departments);
        if (order != UnplacedOrder) {
            cases += BulkPass::Sql{QStringLiteral(" WHEN ? THEN ?"), {SqlValue::text(name), SqlValue::integer(order)}};
        }
    }
    BulkPass::Sql order{QString::number(UnplacedOrder), {}};
    if (!cases.text.isEmpty()) {
        order = {QStringLiteral("CAST(CASE Dept"), {}};
        order += cases;
        order += QStringLiteral(" ELSE %1 END AS INTEGER)").arg(UnplacedOrder);
    }
    // A row that has its number already, as the list shows numbers, is left
    // as it is: the result is the same, and the journal does not grow with
    // the rows that keep their place.
    BulkPass::Sql where{QStringLiteral("COALESCE(CAST(DeptOrder AS TEXT), '') <> CAST("), {}};
    where += order;
    where += QStringLiteral(" AS TEXT)");
    return {where, {QStringLiteral("DeptOrder")}, {order}};
}

long ArrangedOrder::writeOrder(CAdoConnection& connection, const QStringList& departments)
{
    JournalAction action(connection, QStringLiteral("Arrange Departments"));
    const long written = BulkPass::run(connection, orderPass(connection, departments), &action);
    action.commit();
    return written;
}
