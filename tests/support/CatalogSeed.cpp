#include "CatalogSeed.h"

#include "platform/DeviceFolder.h"
#include "store/catalog/Catalog.h"

#include <sqlite3.h>

#include <QStringList>

#include <algorithm>
#include <limits>
#include <memory>

namespace
{
struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

std::unique_ptr<EngineCatalog>& engineCatalog()
{
    static std::unique_ptr<EngineCatalog> catalog;
    return catalog;
}

bool onServer()
{
    return engineCatalog() && engineCatalog()->engine() == Engine::Postgres;
}

QString literal(const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("NULL");
    }
    if (value.userType() == QMetaType::QString) {
        return QLatin1Char('\'') + value.toString().replace(QLatin1Char('\''), QStringLiteral("''"))
               + QLatin1Char('\'');
    }
    if (value.userType() == QMetaType::Double) {
        return QString::number(value.toDouble(), 'g', 17);
    }
    return QString::number(value.toLongLong());
}

Db openDb()
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(CatalogSeed::path().toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    return Db(raw);
}

void bindVariant(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
    } else if (value.userType() == QMetaType::QString) {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } else if (value.userType() == QMetaType::Double) {
        sqlite3_bind_double(stmt, index, value.toDouble());
    } else {
        sqlite3_bind_int64(stmt, index, value.toLongLong());
    }
}
} // namespace

bool CatalogSeed::useEngine(Engine engine, QString& why)
{
    endEngine();
    engineCatalog() = std::make_unique<EngineCatalog>();
    if (!engineCatalog()->begin(engine, why)) {
        return false;
    }
    if (onServer()) {
        Catalog::setLocation(engineCatalog()->location());
    }
    return true;
}

void CatalogSeed::endEngine()
{
    if (onServer()) {
        Catalog::setLocation(QString());
    }
    engineCatalog().reset();
}

Engine CatalogSeed::engine()
{
    return onServer() ? Engine::Postgres : Engine::Sqlite;
}

QString CatalogSeed::path()
{
    return onServer() ? engineCatalog()->location() : DeviceFolder::map(Catalog::devicePath());
}

QString CatalogSeed::write(const std::vector<SeedItem>& items)
{
    Catalog::prepareFile(path());
    if (onServer()) {
        int nextId = std::max(1, scalar(QStringLiteral("SELECT max(ID) FROM ShoppingLists")).toInt() + 1);
        QStringList rows;
        for (const SeedItem& item : items) {
            const int id = item.id != 0 ? item.id : nextId;
            nextId = std::max(nextId, id == std::numeric_limits<int>::max() ? id : id + 1);
            QStringList values;
            for (const QVariant& value : {QVariant(id), QVariant(item.name), QVariant(item.qty), QVariant(item.unit),
                                          QVariant(item.notes), QVariant(item.dept), QVariant(item.store),
                                          QVariant(item.checked), QVariant(item.deptOrder), item.price, item.coupon}) {
                values << literal(value);
            }
            rows << QLatin1Char('(') + values.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        if (!rows.isEmpty()) {
            exec(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, ItemNameDetail, "
                                "Dept, Store, checked, DeptOrder, Price, Coupon) VALUES ")
                 + rows.join(QStringLiteral(", ")));
        }
        return path();
    }
    Db db = openDb();
    int nextId = 1;
    {
        sqlite3_stmt* raw = nullptr;
        sqlite3_prepare_v2(db.get(), "SELECT max(ID) FROM ShoppingLists", -1, &raw, nullptr);
        if (raw && sqlite3_step(raw) == SQLITE_ROW) {
            nextId = sqlite3_column_int(raw, 0) + 1;
        }
        sqlite3_finalize(raw);
    }
    sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db.get(),
                       "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, ItemNameDetail, Dept, "
                       "Store, checked, DeptOrder, Price, Coupon) VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &insert, nullptr);
    for (const SeedItem& item : items) {
        const int id = item.id != 0 ? item.id : nextId;
        nextId = std::max(nextId, id == std::numeric_limits<int>::max() ? id : id + 1);
        bindVariant(insert, 1, id);
        bindVariant(insert, 2, item.name);
        bindVariant(insert, 3, item.qty);
        bindVariant(insert, 4, item.unit);
        bindVariant(insert, 5, item.notes);
        bindVariant(insert, 6, item.dept);
        bindVariant(insert, 7, item.store);
        bindVariant(insert, 8, item.checked);
        bindVariant(insert, 9, item.deptOrder);
        bindVariant(insert, 10, item.price);
        bindVariant(insert, 11, item.coupon);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr);
    return path();
}

bool CatalogSeed::exec(const QString& sql)
{
    if (onServer()) {
        return engineCatalog()->exec(sql);
    }
    Db db = openDb();
    return sqlite3_exec(db.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool CatalogSeed::execUnannounced(const QString& sql)
{
    if (onServer()) {
        return exec(QStringLiteral("BEGIN; SET LOCAL session_replication_role = replica; ") + sql
                    + QStringLiteral("; COMMIT"));
    }
    return exec(sql);
}

QString CatalogSeed::scalar(const QString& sql)
{
    if (onServer()) {
        const QString value = engineCatalog()->value(sql);
        return value == QLatin1String("<none>") || value == QLatin1String("<null>") ? QString() : value;
    }
    Db db = openDb();
    sqlite3_stmt* raw = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db.get(), sql.toUtf8().constData(), -1, &raw, nullptr) == SQLITE_OK
        && sqlite3_step(raw) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(raw, 0);
        result = text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
    }
    sqlite3_finalize(raw);
    return result;
}

QString CatalogSeed::stored(const QString& column, const QString& name)
{
    return scalar(QStringLiteral("SELECT %1 FROM ShoppingLists WHERE ItemName = '%2'").arg(column, name));
}

int CatalogSeed::count(const QString& where)
{
    return scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ") + where).toInt();
}

QString CatalogSeed::joined(const QString& expression)
{
    if (onServer()) {
        return scalar(QStringLiteral("SELECT string_agg(v, ' ' ORDER BY i) FROM (SELECT (%1)::text AS v, ID AS i FROM "
                                     "ShoppingLists) AS rows")
                          .arg(expression));
    }
    return scalar(QStringLiteral("SELECT group_concat(v, ' ') FROM (SELECT %1 AS v FROM ShoppingLists ORDER BY ID)")
                      .arg(expression));
}

bool CatalogSeed::refuse(const QString& event, const QString& condition)
{
    if (onServer()) {
        const QString test = condition.isEmpty() ? QStringLiteral("true") : condition;
        return exec(QStringLiteral("CREATE OR REPLACE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                   "IF %1 THEN RAISE EXCEPTION 'refused'; END IF; "
                                   "IF TG_OP = 'DELETE' THEN RETURN old; END IF; RETURN new; END $$; "
                                   "CREATE TRIGGER refuse BEFORE %2 ON ShoppingLists FOR EACH ROW EXECUTE FUNCTION "
                                   "refuse()")
                        .arg(test, event));
    }
    const QString when = condition.isEmpty() ? QString() : QStringLiteral(" WHEN ") + condition;
    return exec(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON ShoppingLists%2 BEGIN SELECT RAISE(ABORT, "
                               "'refused'); END")
                    .arg(event, when));
}

bool CatalogSeed::allow()
{
    return exec(onServer() ? QStringLiteral("DROP TRIGGER refuse ON ShoppingLists")
                           : QStringLiteral("DROP TRIGGER refuse"));
}

QString CatalogSeed::dump()
{
    if (onServer()) {
        return scalar(QStringLiteral(
            "SELECT string_agg(r, E'\\n' ORDER BY i, r) FROM (SELECT ID AS i, concat_ws(',', quote_nullable(ID), "
            "quote_nullable(ItemName), quote_nullable(QtyToBuy), quote_nullable(UnitOfPurchase), "
            "quote_nullable(ItemNameDetail), quote_nullable(Dept), quote_nullable(Store), quote_nullable(GiftFor), "
            "quote_nullable(checked), quote_nullable(DeptOrder), quote_nullable(Price), quote_nullable(Coupon)) AS r "
            "FROM ShoppingLists) AS rows"));
    }
    return scalar(QStringLiteral(
        "SELECT group_concat(r, char(10)) FROM (SELECT quote(ID) || ',' || quote(ItemName) || ',' || quote(QtyToBuy) "
        "|| ',' || quote(UnitOfPurchase) || ',' || quote(ItemNameDetail) || ',' || quote(Dept) || ',' || quote(Store) "
        "|| ',' || quote(GiftFor) || ',' || quote(checked) || ',' || quote(DeptOrder) || ',' || quote(Price) || ',' "
        "|| quote(Coupon) AS r FROM ShoppingLists ORDER BY ID, r)"));
}
