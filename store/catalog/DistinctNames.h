#pragma once

#include <QStringList>

class CAdoConnection;

// The names in use in one name column of the catalog, read once for the
// lists that offer them. The column is one of a fixed few; its name never
// comes from what the user typed.
class DistinctNames
{
public:
    enum class Column
    {
        Dept,
        Store,
    };

    explicit DistinctNames(CAdoConnection& connection);

    // Every exact spelling in the column, each once, empty names left out, in
    // the catalog's order (NameFold); spellings the catalog takes as one name
    // ("Dairy", "dairy") stand together, ordered by their exact text. Raises
    // CAdoException when the column cannot be read.
    QStringList spellings(Column column);
    // One spelling for each name the catalog tells apart, the first of its
    // group in spellings' order.
    QStringList names(Column column);

    // The column's name in the catalog.
    static QString columnName(Column column);

private:
    CAdoConnection& m_connection;
};
