#include "store/catalog/Catalog.h"

#include "platform/CRegistry.h"
#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/access/CatalogLocation.h"
#include "store/catalog/CatalogWatcher.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkTrips.h"
#include "store/journal/Journal.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteDetail.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <tuple>

using sqlite_detail::DatabasePtr;
using sqlite_detail::StatementPtr;

namespace
{
// The columns that the program's statements name. A ShoppingLists table
// without all of them belongs to some other program; GiftFor is never used
// and so not asked for, and a missing DeptOrder is added by the structure
// check.
const char* const kBaseColumns[] = {"ID",   "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail",
                                    "Dept", "Store",    "Checked"};

// Column names match without regard to case, as they do in statements.
bool hasBaseColumns(const QStringList& names)
{
    for (const char* column : kBaseColumns) {
        if (!names.contains(QLatin1String(column), Qt::CaseInsensitive)) {
            return false;
        }
    }
    return true;
}

enum class Probe
{
    Catalog,
    NotACatalog,
    Undecided // held by another program, or left mid-write: opening settles it
};

// Reads the file without any chance of writing to it.
Probe probeCatalog(const QString& file)
{
    sqlite3* rawDb = nullptr;
    const QByteArray path = file.toUtf8();
    const int opened = sqlite3_open_v2(path.constData(), &rawDb, SQLITE_OPEN_READONLY, nullptr);
    const DatabasePtr db(rawDb);
    if (opened != SQLITE_OK) {
        return Probe::NotACatalog;
    }
    sqlite3_busy_timeout(db.get(), CAdoConnection::BusyTimeoutMs);
    StatementPtr stmt;
    Probe result = Probe::NotACatalog;
    // No rows at all when there is no such table.
    const char* sql = "SELECT name FROM pragma_table_info('ShoppingLists')";
    if (sqlite_detail::prepareSingle(db.get(), sql, stmt) == SQLITE_OK) {
        QStringList names;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
        }
        if (step == SQLITE_DONE && hasBaseColumns(names)) {
            result = Probe::Catalog;
        }
    }
    // A catalog held by another program, or with a journal of an unfinished
    // write that only a writer may roll back, is no proof of a wrong file.
    const int code = sqlite3_errcode(db.get()) & 0xff;
    if (result == Probe::NotACatalog && (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_READONLY)) {
        result = Probe::Undecided;
    }
    return result;
}

// Makes the catalog under a temporary name next to file and moves it into
// place only when complete, never over a file that appeared meanwhile.
bool createCatalog(const QString& file)
{
    QString temporaryName;
    {
        QTemporaryFile reserve(file + QStringLiteral(".XXXXXX"));
        reserve.setAutoRemove(false);
        if (!reserve.open()) {
            return false;
        }
        temporaryName = reserve.fileName();
    }
    bool made = false;
    {
        sqlite3* rawDb = nullptr;
        made = sqlite3_open_v2(temporaryName.toUtf8().constData(), &rawDb, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
        const DatabasePtr db(rawDb);
        StatementPtr create;
        made = made
               && sqlite_detail::prepareSingle(db.get(), Catalog::createTableStatement().toUtf8(), create) == SQLITE_OK
               && sqlite3_step(create.get()) == SQLITE_DONE;
    }
    made = made && QFile::rename(temporaryName, file);
    if (!made) {
        QFile::remove(temporaryName);
        QFile::remove(temporaryName + QStringLiteral("-journal"));
    }
    return made;
}

// What a PostgreSQL catalog needs besides its table: text that compares
// without regard to case, and the bit type of the flag column.
const char* const kPostgresSupport[] = {
    "CREATE EXTENSION IF NOT EXISTS citext",
    "DO $$ BEGIN CREATE DOMAIN bitflag AS smallint; EXCEPTION WHEN duplicate_object THEN NULL; END $$",
};

// Whether the ShoppingLists table exists (-1: the question failed), and
// whether it has the base columns of a catalog and the row key.
struct PostgresTable
{
    int exists = -1;
    bool baseColumns = false;
    bool rowKey = false;
};

PostgresTable inspectPostgres(CAdoConnection& connection)
{
    PostgresTable found;
    CAdoRecordset set;
    if (!set.Open(QStringLiteral("SELECT count(*) FILTER (WHERE attname IN ('id', 'itemname', 'qtytobuy', "
                                 "'unitofpurchase', 'itemnamedetail', 'dept', 'store', 'checked')), "
                                 "count(*) FILTER (WHERE attname = 'rowkey'), count(*) FROM pg_attribute "
                                 "WHERE attrelid = to_regclass('ShoppingLists') AND attnum > 0 AND NOT attisdropped"),
                  connection)
        || set.IsEOF()) {
        return found;
    }
    found.exists = set.GetField(2).GetLong() > 0 ? 1 : 0;
    found.baseColumns = set.GetField(0).GetLong() == static_cast<int>(std::size(kBaseColumns));
    found.rowKey = set.GetField(1).GetLong() == 1;
    return found;
}

// Creates the catalog's table on the server when it is missing, and gives a
// catalog made by another tool the row key it lacks. Everything of one call
// lands whole or not at all.
Catalog::FileState preparePostgres(const QString& uri)
{
    CAdoConnection connection(true);
    if (connection.Open(uri) != 0) {
        return Catalog::FileState::CannotCreate;
    }
    const PostgresTable before = inspectPostgres(connection);
    if (before.exists < 0) {
        return Catalog::FileState::CannotCreate;
    }
    if (before.exists == 1 && !before.baseColumns) {
        return Catalog::FileState::NotACatalog;
    }
    if (before.exists == 1 && before.rowKey) {
        // Made by an older version without the trigger or the undo journal:
        // a failure leaves the catalog usable, only other programs' changes
        // then go unseen, or changes are not journalled.
        CatalogWatcher::installTrigger(connection);
        Journal::ensureTables(connection);
        return Catalog::FileState::Ready;
    }
    CAdoTransaction transaction(connection);
    bool made = transaction.active();
    if (before.exists == 0) {
        for (const char* statement : kPostgresSupport) {
            made = made && connection.Execute(QString::fromLatin1(statement));
        }
        made = made && connection.Execute(Catalog::createTableStatement(Catalog::Engine::Postgres));
    } else {
        made = made
               && connection.Execute(QStringLiteral("ALTER TABLE ShoppingLists ADD COLUMN RowKey bigint "
                                                    "GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    }
    made = made && CatalogWatcher::installTrigger(connection) && transaction.commit();
    // While the first program to open the catalog has the right to make
    // tables: the journal's, so that users who may only read and write them
    // have undo too.
    Journal::ensureTables(connection);
    if (!made) {
        // Another program may have made it at the same moment.
        const PostgresTable after = inspectPostgres(connection);
        return after.exists == 1 && after.baseColumns && after.rowKey ? Catalog::FileState::Ready
                                                                      : Catalog::FileState::CannotCreate;
    }
    return before.exists == 0 ? Catalog::FileState::Created : Catalog::FileState::Ready;
}

bool folderWritable(const QString& file)
{
    return QFileInfo(QFileInfo(file).absolutePath()).isWritable();
}

QString compactPath(const QString& filePath)
{
    if (PgSession::isUri(filePath)) {
        return PgSession::describe(filePath);
    }
    return QDir::toNativeSeparators(QFileInfo(DeviceFolder::map(filePath)).absoluteFilePath());
}
} // namespace

QString Catalog::devicePath()
{
    return CatalogLocation::devicePath();
}

QString Catalog::location()
{
    return CatalogLocation::location();
}

void Catalog::setLocation(const QString& chosen)
{
    CatalogLocation::setLocation(chosen);
}

QString Catalog::resolve(const QString& path)
{
    return CatalogLocation::resolve(path);
}

QString Catalog::displayName()
{
    const QString chosen = CatalogLocation::chosen();
    if (chosen.isEmpty()) {
        return {};
    }
    return PgSession::isUri(chosen) ? PgSession::describe(chosen) : QDir::toNativeSeparators(chosen);
}

QString Catalog::createTableStatement(Engine engine)
{
    if (engine == Engine::Postgres) {
        // citext in the "C" collation compares and sorts as SQLite's NOCASE
        // does; the widths are checks, as citext has none of its own. RowKey
        // is the row's address for keyset updates.
        auto text = [](const char* name, int width) {
            return QStringLiteral("%1 citext COLLATE \"C\" CHECK (char_length(%1) <= %2), ")
                .arg(QLatin1String(name))
                .arg(width);
        };
        return QStringLiteral("CREATE TABLE ShoppingLists (ID integer, ") + text("ItemName", 30)
               + QStringLiteral("QtyToBuy smallint, ") + text("UnitOfPurchase", 30) + text("ItemNameDetail", 50)
               + text("Dept", 30) + text("Store", 30) + text("GiftFor", 15)
               + QStringLiteral("checked bitflag, DeptOrder integer, Price float, Coupon int, "
                                "RowKey bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY)");
    }
    return QStringLiteral(
        "CREATE TABLE ShoppingLists (ID integer, ItemName varchar(30) COLLATE NOCASE, QtyToBuy smallint, "
        "UnitOfPurchase varchar(30) COLLATE NOCASE, ItemNameDetail varchar(50) COLLATE NOCASE, "
        "Dept varchar(30) COLLATE NOCASE, Store varchar(30) COLLATE NOCASE, GiftFor varchar(15) COLLATE NOCASE, "
        "checked bit, DeptOrder integer, Price float, Coupon int)");
}

QString Catalog::quoteText(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return quoted;
}

QString Catalog::quoteLiteral(const QString& value)
{
    return QLatin1Char('\'') + quoteText(value) + QLatin1Char('\'');
}

Catalog::FileState Catalog::prepareFile(const QString& given)
{
    const QString filePath = resolve(given);
    if (PgSession::isUri(filePath)) {
        return preparePostgres(filePath);
    }
    const QString file = QFileInfo(DeviceFolder::map(filePath)).absoluteFilePath();
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) {
        if (!QDir().mkpath(info.absolutePath()) || !folderWritable(file)) {
            return FileState::CannotCreate;
        }
        if (createCatalog(file)) {
            return FileState::Created;
        }
        // Someone else may have made it in the meantime.
        if (!QFileInfo::exists(file)) {
            return FileState::CannotCreate;
        }
    }
    if (!QFileInfo(file).isFile() || !QFileInfo(file).isReadable()) {
        return FileState::NotACatalog;
    }
    switch (probeCatalog(file)) {
    case Probe::NotACatalog:
        return FileState::NotACatalog;
    case Probe::Undecided:
    case Probe::Catalog:
        break;
    }
    if (!QFileInfo(file).isWritable() || !folderWritable(file)) {
        return FileState::ReadOnly;
    }
    return FileState::Ready;
}

QString Catalog::fileStateMessage(FileState state, const QString& given)
{
    const QString filePath = resolve(given);
    const QString file = compactPath(filePath);
    switch (state) {
    case FileState::NotACatalog:
        if (PgSession::isUri(filePath)) {
            return QStringLiteral("The table ShoppingLists on the %1 is not a Grocelle catalog. "
                                  "It has been left as it is, and the list stays empty.")
                .arg(file);
        }
        return QStringLiteral("The file %1 is not a Grocelle catalog, or it cannot be read. "
                              "It has been left as it is, and the list stays empty.")
            .arg(file);
    case FileState::ReadOnly:
        return QStringLiteral("The catalog %1 cannot be written: the file or its folder is read-only. "
                              "Changes to the list cannot be saved.")
            .arg(file);
    case FileState::CannotCreate:
        if (PgSession::isUri(filePath)) {
            return QStringLiteral("The catalog on the %1 cannot be reached or could not be created. "
                                  "The list stays empty.")
                .arg(file);
        }
        return QStringLiteral("The catalog %1 does not exist and could not be created. The list stays empty.")
            .arg(file);
    case FileState::Ready:
    case FileState::Created:
        break;
    }
    return {};
}

namespace
{
// The names of the indexes on ShoppingLists, in lower case; empty when they
// cannot be read.
QStringList indexesOfTheCatalog(CAdoConnection& connection)
{
    const QString sql =
        connection.isPostgres()
            ? QStringLiteral("SELECT lower(c.relname) FROM pg_index x JOIN pg_class c ON c.oid = x.indexrelid "
                             "WHERE x.indrelid = to_regclass('shoppinglists')")
            : QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'index' AND tbl_name = "
                             "'ShoppingLists' COLLATE NOCASE");
    QStringList names;
    CAdoRecordset rs;
    if (rs.Open(sql, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        for (; !rs.IsEOF(); rs.MoveNext()) {
            names << rs.GetField(0).GetText();
        }
    }
    return names;
}

// The index that "CREATE INDEX name ON ..." makes, in lower case.
QString indexName(const QString& statement)
{
    return statement.section(QLatin1Char(' '), 2, 2).toLower();
}

// Makes those of the indexes that the catalog lacks: an index that is there
// is not asked for again (on PostgreSQL even that would wait for other
// programs' writes). A failure (a user who may not make indexes) changes
// nothing and is not told; the next start tries again.
void makeMissingIndexes(CAdoConnection& connection, const QStringList& statements)
{
    const QStringList present = indexesOfTheCatalog(connection);
    CAdoRecordset recordset;
    for (const QString& statement : statements) {
        if (!present.contains(indexName(statement))) {
            std::ignore = recordset.Open(statement, connection, CAdoRecordset::adOpenForwardOnly,
                                         CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
        }
    }
    recordset.Close();
}
} // namespace

void Catalog::runStartupIndexes(CAdoConnection& connection)
{
    makeMissingIndexes(connection, {QStringLiteral("CREATE INDEX doIndex ON ShoppingLists (DeptOrder)"),
                                    QStringLiteral("CREATE INDEX stIndex ON ShoppingLists (Store)"),
                                    QStringLiteral("CREATE INDEX qtIndex ON ShoppingLists (QtyToBuy)")});
}

std::vector<Catalog::Addition> Catalog::checkStructure(CAdoConnection& connection)
{
    std::vector<Addition> added;
    CAdoRecordset recordset;
    // A table that cannot be read (a user who may only connect) tells
    // nothing of its columns: nothing is added to it, and nothing said.
    if (!recordset.Open(QStringLiteral("Select * from ShoppingLists"), connection, CAdoRecordset::adOpenForwardOnly,
                        CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown)) {
        return added;
    }
    QStringList names;
    for (int i = 0; i <= recordset.GetFieldCount() - 1; ++i) {
        names << recordset.GetField(i).GetName();
    }
    recordset.Close();
    // A table of that name from some other program is never altered.
    if (!hasBaseColumns(names)) {
        return added;
    }
    // Price and Coupon are looked for with their letter case; every list
    // statement needs DeptOrder, which an older tool's catalog may lack,
    // every department not yet placed.
    const struct
    {
        Addition addition;
        bool present;
        const char* statement;
    } columns[] = {
        {Addition::Price, names.contains(QLatin1String("Price")), "ALTER TABLE ShoppingLists ADD Price float"},
        {Addition::Coupon, names.contains(QLatin1String("Coupon")), "ALTER TABLE ShoppingLists ADD Coupon int"},
        {Addition::DeptOrder, names.contains(QLatin1String("DeptOrder"), Qt::CaseInsensitive),
         "ALTER TABLE ShoppingLists ADD DeptOrder integer DEFAULT -1"},
    };
    for (const auto& column : columns) {
        if (!column.present) {
            // A failed addition is tried again at the next start.
            std::ignore =
                recordset.Open(QString::fromLatin1(column.statement), connection, CAdoRecordset::adOpenForwardOnly,
                               CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
            added.push_back(column.addition);
            writeDbVersion(DbVersion);
        }
    }
    writeDbVersion(DbVersion);
    recordset.Close();
    // The tables beside ShoppingLists: each store's walk, the marks it is
    // learned from and the trips found in them. A failure leaves every store in the everyday walk.
    std::ignore = StoreWalks::ensureTable(connection);
    std::ignore = MarkLog::ensureTable(connection);
    std::ignore = WalkTrips::ensureTable(connection);
    return added;
}

QString Catalog::additionMessage(Addition addition)
{
    switch (addition) {
    case Addition::Price:
        return QStringLiteral("Updating database structure, adding PRICE field...");
    case Addition::Coupon:
        return QStringLiteral("Updating database structure, adding COUPON field...");
    case Addition::DeptOrder:
        break;
    }
    return QStringLiteral("Updating database structure, adding DEPTORDER field...");
}

void Catalog::runStoreTabIndexes(CAdoConnection& connection)
{
    // The quick entry's completion reads the name and the quantity in name
    // order: with both in the index, PostgreSQL serves it in order from the
    // index alone, without sorting the matches by their case-folded names,
    // which is what costs there.
    const QString include = connection.isPostgres() ? QStringLiteral(" INCLUDE (QtyToBuy)") : QString();
    makeMissingIndexes(connection, {QStringLiteral("CREATE INDEX StoreIdx ON ShoppingLists (Store)"),
                                    QStringLiteral("CREATE INDEX ItemNameIdx ON ShoppingLists (ItemName)") + include,
                                    QStringLiteral("CREATE INDEX IDIdx ON ShoppingLists (ID)"),
                                    QStringLiteral("CREATE INDEX DeptOrder ON ShoppingLists (DeptOrder)")});
}

void Catalog::writeDbVersion(int version)
{
    CRegistry().SaveDword(QStringLiteral("DBVersion"), version);
}
