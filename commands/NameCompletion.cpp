#include "commands/NameCompletion.h"

#include "store/catalog/Catalog.h"

QString NameCompletion::sql(const QString& typed)
{
    QString pattern = typed;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    pattern.replace(QLatin1Char('%'), QLatin1String("\\%"));
    pattern.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QStringLiteral("SELECT ItemName, QtyToBuy from ShoppingLists where ItemName LIKE ")
           + Catalog::quoteLiteral(pattern + QLatin1Char('%')) + QStringLiteral(" ESCAPE '\\' ORDER BY ItemName");
}
