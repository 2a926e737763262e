#include "commands/NameCompletion.h"

QString NameCompletion::sql()
{
    return QStringLiteral("SELECT ItemName, QtyToBuy from ShoppingLists where ItemName >= ? AND ItemName < ? AND "
                          "ItemName LIKE ? ESCAPE '\\' ORDER BY ItemName");
}

std::vector<SqlValue> NameCompletion::values(const QString& typed)
{
    QString pattern = typed;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    pattern.replace(QLatin1Char('%'), QLatin1String("\\%"));
    pattern.replace(QLatin1Char('_'), QLatin1String("\\_"));
    // Every name that begins with typed sorts from typed itself to below
    // typed followed by the last character there is, on both engines (they
    // compare the text's UTF-8 bytes, case folded).
    const QString below = typed + QString::fromUcs4(U"\U0010FFFF");
    return {SqlValue::text(typed), SqlValue::text(below), SqlValue::text(pattern + QLatin1Char('%'))};
}
