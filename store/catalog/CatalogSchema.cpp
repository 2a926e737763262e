#include "store/catalog/CatalogSchema.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"

#include <QStringList>

namespace
{
// The one value of a statement that yields one row, or fallback when it
// fails or yields none.
qint64 singleValue(CAdoConnection& connection, const QString& sql, qint64 fallback)
{
    try {
        CAdoCommand query(connection, sql);
        if (query.next()) {
            return query.value(0).isNull() ? fallback : query.integer(0);
        }
    } catch (const CAdoException&) {
    }
    return fallback;
}
} // namespace

int CatalogSchema::recorded(CAdoConnection& connection)
{
    if (!CAdoCommand::available(connection)) {
        return 0;
    }
    const QString sql = connection.isPostgres() ? QStringLiteral("SELECT max(Version) FROM GrocelleSchema")
                                                : QStringLiteral("PRAGMA user_version");
    return static_cast<int>(singleValue(connection, sql, 0));
}

bool CatalogSchema::record(CAdoConnection& connection, int version)
{
    if (!connection.isPostgres()) {
        // A pragma takes no parameters; the number is the program's own.
        return connection.Execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
    }
    // Every user of the catalog reads the number, so that one who may not
    // change the structure still starts without looking it over.
    return connection.Execute(QStringLiteral("CREATE TABLE IF NOT EXISTS GrocelleSchema (Version integer NOT NULL)"))
           && connection.Execute(QStringLiteral("GRANT SELECT ON GrocelleSchema TO PUBLIC"))
           && connection.Execute(QStringLiteral("DELETE FROM GrocelleSchema"))
           && connection.Execute(QStringLiteral("INSERT INTO GrocelleSchema (Version) VALUES (?)"),
                                 {SqlValue::integer(version)});
}

bool CatalogSchema::mayChange(CAdoConnection& connection)
{
    if (!CAdoCommand::available(connection) || CAdoCommand::isReadOnly(connection)) {
        return false;
    }
    if (!connection.isPostgres()) {
        return true;
    }
    // ALTER TABLE and CREATE INDEX need the table's owner; the tables beside
    // it need the right to create in its schema.
    return singleValue(connection,
                       QStringLiteral("SELECT CASE WHEN pg_has_role(c.relowner, 'USAGE') AND "
                                      "has_schema_privilege(c.relnamespace, 'CREATE') THEN 1 ELSE 0 END FROM pg_class "
                                      "c WHERE c.oid = to_regclass('shoppinglists')"),
                       0)
           == 1;
}

bool CatalogSchema::tryChange(CAdoConnection& connection, const QString& sql)
{
    CAdoTransaction step(connection);
    return step.active() && connection.Execute(sql) && step.commit();
}

QString CatalogSchema::serverCollation(CAdoConnection& connection)
{
    // A collation of the database's encoding, or of any (-1).
    const qint64 found = singleValue(connection,
                                     QStringLiteral("SELECT count(*) FROM pg_collation WHERE collname = 'C.utf8' AND "
                                                    "collencoding IN (-1, pg_char_to_encoding(getdatabaseencoding()))"),
                                     0);
    return found > 0 ? QStringLiteral("C.utf8") : QStringLiteral("C");
}

QString CatalogSchema::nameType(CAdoConnection& connection)
{
    if (!connection.isPostgres()) {
        return QStringLiteral("TEXT COLLATE NOCASE");
    }
    return QStringLiteral("citext COLLATE \"%1\"").arg(serverCollation(connection));
}

bool CatalogSchema::compareEveryLetter(CAdoConnection& connection)
{
    if (!connection.isPostgres()) {
        return tryChange(connection, QStringLiteral("REINDEX NOCASE"));
    }
    const QString collation = serverCollation(connection);
    if (collation == QLatin1String("C")) {
        return true;
    }
    // The statements are made by the server from its own catalog of names.
    QStringList changes;
    try {
        CAdoCommand query(
            connection, QStringLiteral("SELECT format('ALTER TABLE %I ALTER COLUMN %I TYPE citext COLLATE \"C.utf8\"', "
                                       "c.relname, a.attname) FROM pg_attribute a JOIN pg_class c ON c.oid = "
                                       "a.attrelid JOIN pg_collation l ON l.oid = a.attcollation WHERE a.attnum > 0 "
                                       "AND NOT a.attisdropped AND a.atttypid = to_regtype('citext') AND l.collname "
                                       "= 'C' AND c.oid IN (to_regclass('shoppinglists'), to_regclass('storewalks'), "
                                       "to_regclass('marklog'), to_regclass('walktrips')) ORDER BY c.relname, "
                                       "a.attnum"));
        while (query.next()) {
            changes << query.text(0);
        }
    } catch (const CAdoException&) {
        return false;
    }
    if (changes.isEmpty()) {
        return true;
    }
    // All of them or none: a catalog half moved would compare a name one
    // way in the list and another in a store's walk.
    CAdoTransaction step(connection);
    if (!step.active()) {
        return false;
    }
    for (const QString& change : changes) {
        if (!connection.Execute(change)) {
            return false;
        }
    }
    return step.commit();
}
