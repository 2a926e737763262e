void quoted(const QString& name, const QString& dept, const QString& store)
{
    a = QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = ") + Catalog::quoteLiteral(name);
    b = QStringLiteral("SELECT ID FROM ShoppingLists WHERE Dept = '%1'").arg(dept);
    c = QStringLiteral("SELECT ID FROM ShoppingLists WHERE Store = '") + store + QStringLiteral("'");
}
