#pragma once

#include <QString>

class CAdoConnection;

// A table of this program's beside ShoppingLists, made when missing on
// either engine. Another program's table of the same name is never altered:
// the table is then simply not usable.
class SideTable
{
public:
    // create: the CREATE TABLE statement, "%1" standing for the type of a
    // text that compares as the catalog's names do; index: a CREATE INDEX
    // made with the table, or empty.
    SideTable(QString name, QString columns, QString create, QString index = QString());

    // The table is there with every column this program reads.
    bool usable(CAdoConnection& connection) const;
    // Makes the table when it is missing; whether it can be used.
    bool ensure(CAdoConnection& connection) const;

private:
    QString m_name;
    QString m_columns;
    QString m_create;
    QString m_index;
};
