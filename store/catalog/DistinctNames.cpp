#include "store/catalog/DistinctNames.h"

#include "platform/NameFold.h"
#include "store/access/CAdoCommand.h"

#include <algorithm>

DistinctNames::DistinctNames(CAdoConnection& connection)
    : m_connection(connection)
{
}

QString DistinctNames::columnName(Column column)
{
    return column == Column::Dept ? QStringLiteral("Dept") : QStringLiteral("Store");
}

QStringList DistinctNames::spellings(Column column)
{
    // Appending '' gives the value without the column's case-blind
    // comparison, so DISTINCT keeps each exact spelling apart on both
    // engines; the order is made here, the same on both.
    const QString name = columnName(column);
    CAdoCommand select(m_connection,
                       QStringLiteral("SELECT DISTINCT %1 || '' FROM ShoppingLists WHERE %1 IS NOT NULL").arg(name));
    QStringList found;
    while (select.next()) {
        const QString text = select.text(0);
        if (!text.isEmpty()) {
            found << text;
        }
    }
    std::sort(found.begin(), found.end(), [](const QString& left, const QString& right) {
        const int folded = NameFold::compare(left, right);
        return folded != 0 ? folded < 0 : left < right;
    });
    return found;
}

QStringList DistinctNames::names(Column column)
{
    QStringList kept;
    for (const QString& spelling : spellings(column)) {
        if (kept.isEmpty() || !NameFold::equal(kept.last(), spelling)) {
            kept << spelling;
        }
    }
    return kept;
}
