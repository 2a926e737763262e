#include "list/NameCompletion.h"

QString NameCompletion::sql()
{
    return QStringLiteral(
        "SELECT ItemName, QtyToBuy from ShoppingLists where ItemName >= ? AND ItemName < ? ORDER BY ItemName");
}

std::vector<SqlValue> NameCompletion::values(const QString& typed)
{
    // The column compares code points after lowering each one, on both
    // engines. Every name that begins with typed, in any letter case, then
    // sorts from typed itself to below typed followed by the last code point
    // there is, and no other name does: the range alone decides, and no
    // character of typed is a pattern.
    const QString below = typed + QString::fromUcs4(U"\U0010FFFF");
    return {SqlValue::text(typed), SqlValue::text(below)};
}
