#include "store/catalog/SideTable.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogSchema.h"

#include <tuple>
#include <utility>

SideTable::SideTable(QString name, QString columns, QString create, QString index)
    : m_name(std::move(name))
    , m_columns(std::move(columns))
    , m_create(std::move(create))
    , m_index(std::move(index))
{
}

bool SideTable::usable(CAdoConnection& connection) const
{
    return CAdoCommand::compiles(connection, QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(m_columns, m_name));
}

bool SideTable::ensure(CAdoConnection& connection) const
{
    if (usable(connection)) {
        return true;
    }
    // Another program's table of that name is left as it is (and trying to
    // make ours would end a transaction on some engines).
    if (CAdoCommand::compiles(connection, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(m_name))) {
        return false;
    }
    // Names compare as the catalog's do, without regard to letter case.
    const QString text = CatalogSchema::nameType(connection);
    // A failure may be another program making it at the same moment. Each
    // attempt stands on its own savepoint, so that inside the start's
    // transaction one that fails does not end it.
    if (!CatalogSchema::tryChange(connection, m_create.arg(text)) && connection.isPostgres()) {
        std::ignore = CatalogSchema::tryChange(connection, m_create.arg(QStringLiteral("text")));
    }
    if (!m_index.isEmpty()) {
        std::ignore = CatalogSchema::tryChange(connection, m_index);
    }
    return usable(connection);
}
