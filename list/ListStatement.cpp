#include "list/ListStatement.h"

#include "list/ViewState.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/WalkLearner.h"

#include <QHash>
#include <QPair>
#include <QStringList>

#include <algorithm>

namespace
{
// A name the user chose, in a statement: a parameter with its value kept
// in values when the caller binds them; otherwise the quoted literal that
// the statement's text has always shown (for reading, and for the tests and
// benchmarks that compare that text).
QString valueOf(const QString& name, std::vector<SqlValue>* values)
{
    if (values == nullptr) {
        return Catalog::quoteLiteral(name);
    }
    values->push_back(SqlValue::text(name));
    return QStringLiteral("?");
}

// The rows of the view, as a WHERE clause.
QString filter(const ViewState& view, std::vector<SqlValue>* values)
{
    QString where;
    const bool quantityAbove0 = view.needView || view.quantityFilter;
    if (view.deptText != ViewState::allItems()) {
        // Items without a department may hold an empty text or none at all.
        const QString dept = view.deptText.isEmpty() ? QStringLiteral("(Dept = '' OR Dept IS NULL)")
                                                     : QStringLiteral("Dept = ") + valueOf(view.deptText, values);
        where = quantityAbove0 ? QStringLiteral(" WHERE %1 AND QtyToBuy > 0 ").arg(dept)
                               : QStringLiteral(" WHERE %1 ").arg(dept);
    } else {
        where = quantityAbove0 ? QStringLiteral(" WHERE QtyToBuy > 0") : QStringLiteral(" WHERE QtyToBuy > -1");
    }
    if (!view.allStoresShown()) {
        where += QStringLiteral(" AND Store = ") + valueOf(view.currentStore, values) + QStringLiteral(" ");
    }
    return where;
}
} // namespace

QString ListStatement::compose(const ViewState& view, std::vector<SqlValue>* values, bool withNotes,
                               const QStringList& walk)
{
    // The WHERE clause's values come before the order's, as their "?" do.
    const QString where = filter(view, values);
    return QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon")
           + (withNotes ? QStringLiteral(", ItemNameDetail") : QString()) + QStringLiteral(" FROM ShoppingLists ")
           + where + QStringLiteral(" ORDER BY ") + orderBy(view, walk, values);
}

namespace
{
QString columnOf(const QString& term)
{
    return term.trimmed().section(QLatin1Char(' '), 0, 0);
}

bool isColumn(const QString& term, const char* column)
{
    return columnOf(term).compare(QLatin1String(column), Qt::CaseInsensitive) == 0;
}

// A department's place in the store's walk, for a term that sorted by
// DeptOrder (its direction kept). Names the walk gives twice, in spellings
// that differ in letter case only, share the place of the first; a
// department the walk does not name (none: the items without one) comes
// after the walk.
QString walkTerm(const QString& term, const QStringList& walk, std::vector<SqlValue>* values)
{
    QHash<QString, qsizetype> places; // a department's key to its place
    QString place = QStringLiteral("CASE Dept");
    for (const QString& dept : walk) {
        const qsizetype at = places.value(WalkLearner::key(dept), places.size());
        places.insert(WalkLearner::key(dept), at);
        place += QStringLiteral(" WHEN ") + valueOf(dept, values) + QStringLiteral(" THEN ") + QString::number(at);
    }
    place += QStringLiteral(" ELSE ") + QString::number(places.size()) + QStringLiteral(" END");
    return place + term.trimmed().mid(columnOf(term).size());
}
} // namespace

QString ListStatement::orderBy(const ViewState& view, const QStringList& walk, std::vector<SqlValue>* values)
{
    const QString stored = view.needView ? view.needOrder : view.storeOrder;
    QStringList terms;
    for (const QString& part : stored.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString term = part.trimmed();
        // The price column of the need view shows the line amount: it sorts
        // by what it shows.
        if (view.allStoresShown() && isColumn(term, "Price")) {
            term.replace(0, 5, QStringLiteral("QtyToBuy * Price"));
        }
        const bool byDept = isColumn(term, "DeptOrder");
        if (byDept && !walk.isEmpty()) {
            // Each department of the walk has a place of its own; the items
            // of no department (empty or none) go together after them.
            terms << walkTerm(term, walk, values);
        } else {
            terms << term;
        }
        // Departments not yet placed share one position: their items stay
        // together, department by department.
        if (byDept && walk.isEmpty()) {
            terms << QStringLiteral("Dept");
        }
    }
    const bool byName =
        std::any_of(terms.cbegin(), terms.cend(), [](const QString& t) { return isColumn(t, "ItemName"); });
    if (!byName) {
        terms << QStringLiteral("ItemName");
    }
    return terms.join(QStringLiteral(", "));
}

int ListStatement::sortColumn(const QString& order, Qt::SortOrder* direction)
{
    static const char* const columns[ColumnCount] = {"ItemName", "QtyToBuy", "UnitOfPurchase", "DeptOrder", "Price"};
    const QString first = order.section(QLatin1Char(','), 0, 0).trimmed();
    *direction = first.endsWith(QLatin1String(" DESC"), Qt::CaseInsensitive) ? Qt::DescendingOrder : Qt::AscendingOrder;
    for (int column = 0; column < ColumnCount; ++column) {
        if (isColumn(first, columns[column])) {
            return column;
        }
    }
    return -1;
}

QString ListStatement::totals(const ViewState& view, std::vector<SqlValue>* values)
{
    // The amounts as the list shows them: quantity times price in the need
    // view, the marked rows apart; the price alone in a store view.
    const QString amount = view.allStoresShown() ? QStringLiteral("QtyToBuy * Price") : QStringLiteral("Price");
    const QString marked = view.allStoresShown()
                               ? QStringLiteral("COALESCE(SUM(CASE WHEN Checked <> 0 THEN %1 END), 0)").arg(amount)
                               : QStringLiteral("0");
    return QStringLiteral("SELECT COUNT(*), COALESCE(SUM(%1), 0), %2 FROM ShoppingLists ").arg(amount, marked)
           + filter(view, values);
}

QString ListStatement::departments(const ViewState& view, std::vector<SqlValue>* values)
{
    QString sql = QStringLiteral("SELECT Dept, Store from ShoppingLists");
    if (!view.allStoresShown()) {
        sql += QStringLiteral(" WHERE Store = ") + valueOf(view.currentStore, values) + QStringLiteral(" ");
    }
    return sql;
}

QString ListStatement::storeTabs(int most)
{
    // A missing store has no tab; MIN passes over it.
    return QStringLiteral("WITH RECURSIVE Tabs(Store, Step) AS (SELECT MIN(Store), 0 FROM ShoppingLists "
                          "UNION ALL SELECT (SELECT MIN(Store) FROM ShoppingLists WHERE Store > Tabs.Store), Step + 1 "
                          "FROM Tabs WHERE Tabs.Store IS NOT NULL AND Step + 1 < %1) "
                          "SELECT Store FROM Tabs WHERE Store IS NOT NULL ORDER BY Step")
        .arg(most);
}

QString ListStatement::nextOrder(const QString& current, int column)
{
    static const QPair<QString, QString> orders[ColumnCount] = {
        {QStringLiteral("ItemName"), QStringLiteral("ItemName DESC")},
        {QStringLiteral("QtyToBuy"), QStringLiteral("QtyToBuy DESC")},
        {QStringLiteral("UnitOfPurchase"), QStringLiteral("UnitOfPurchase DESC")},
        {QStringLiteral("DeptOrder"), QStringLiteral("DeptOrder DESC")},
        {QStringLiteral("Price DESC"), QStringLiteral("Price")},
    };
    if (column < 0 || column >= ColumnCount) {
        return current;
    }
    const auto& [first, second] = orders[column];
    return current == first ? second : first;
}

bool ListStatement::isKnownOrder(const QString& order)
{
    static const QStringList known = {
        QStringLiteral("DeptOrder, ItemName"),
        QStringLiteral("Itemname"),
        QStringLiteral("ItemName"),
        QStringLiteral("ItemName DESC"),
        QStringLiteral("QtyToBuy"),
        QStringLiteral("QtyToBuy DESC"),
        QStringLiteral("UnitOfPurchase"),
        QStringLiteral("UnitOfPurchase DESC"),
        QStringLiteral("DeptOrder"),
        QStringLiteral("DeptOrder DESC"),
        QStringLiteral("Price DESC"),
        QStringLiteral("Price"),
    };
    return known.contains(order);
}
