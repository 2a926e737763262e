#include "store/catalog/Catalog.h"

#include "platform/CRegistry.h"
#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/access/CatalogLocation.h"
#include "store/access/FailureText.h"
#include "store/catalog/CatalogSchema.h"
#include "store/catalog/CatalogWatcher.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkTrips.h"
#include "store/journal/Journal.h"
#include "store/postgres/PgConnection.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteDetail.h"

#include <QCoreApplication>
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

// Why the last preparation of a catalog on a server failed, in the user's
// terms, and for which URI; for fileStateMessage.
thread_local QString t_serverCause;
thread_local QString t_serverCauseUri;

// The SQLSTATE of the last failure on connection.
QByteArray lastState(const CAdoConnection& connection)
{
    const PgSession* session = PgConnection::sessionOf(connection);
    return session ? session->lastState() : QByteArray();
}

// What a refusal of the server means for the catalog there, from its error
// class; empty for a cause of another kind.
QString refusalCause(const CAdoConnection& connection, const QString& uri, bool creating)
{
    const QByteArray state = lastState(connection);
    const QString server = PgSession::describe(uri);
    if (state == "42501") {
        return creating
                   ? QCoreApplication::translate("Catalog",
                                                 "The user has no permission to create the catalog on the %1.")
                         .arg(server)
                   : QCoreApplication::translate("Catalog", "The user has no permission to read the catalog on the %1.")
                         .arg(server);
    }
    if (state == "25006") {
        return QCoreApplication::translate("Catalog", "The %1 is read-only: the catalog cannot be created there.")
            .arg(server);
    }
    if (state.startsWith("08")) {
        return FailureText::unreachable(server);
    }
    return {};
}

// A catalog table that the user cannot read is CannotCreate (with its
// cause); one the user cannot change is ReadOnly; else Ready.
Catalog::FileState accessOfExisting(CAdoConnection& connection, const QString& uri)
{
    CAdoRecordset probe;
    if (!probe.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ID IS NULL"), connection,
                    CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        t_serverCause = refusalCause(connection, uri, false);
        return Catalog::FileState::CannotCreate;
    }
    probe.Close();
    return connection.backend()->isReadOnly() ? Catalog::FileState::ReadOnly : Catalog::FileState::Ready;
}

// Within transaction: makes the table when missing, otherwise gives it the
// row key; then the trigger, and commits. False when any step failed; the
// caller then reads the cause and rolls back.
bool buildPostgresTable(CAdoConnection& connection, CAdoTransaction& transaction, bool missing)
{
    bool made = transaction.active();
    if (missing) {
        for (const char* statement : kPostgresSupport) {
            made = made && connection.Execute(QString::fromLatin1(statement));
        }
        made = made
               && connection.Execute(Catalog::createTableStatement(Catalog::Engine::Postgres,
                                                                   CatalogSchema::serverCollation(connection)));
    } else {
        made = made
               && connection.Execute(QStringLiteral("ALTER TABLE ShoppingLists ADD COLUMN RowKey bigint "
                                                    "GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    }
    return made && CatalogWatcher::installTrigger(connection) && transaction.commit();
}

// Creates the catalog's table on the server when it is missing, and gives a
// catalog made by another tool the row key it lacks. Everything of one call
// lands whole or not at all. Nothing is tried that the user may not do.
Catalog::FileState preparePostgres(const QString& uri)
{
    t_serverCause.clear();
    t_serverCauseUri = uri;
    CAdoConnection connection(true);
    if (connection.Open(uri) != 0) {
        t_serverCause = connection.lastError();
        return Catalog::FileState::CannotCreate;
    }
    // A catalog that records the current structure is only asked what the
    // user may do with it.
    if (CatalogSchema::recorded(connection) == CatalogSchema::Current) {
        const Catalog::FileState access = accessOfExisting(connection, uri);
        if (access != Catalog::FileState::CannotCreate) {
            return access;
        }
        t_serverCause.clear();
    }
    const PostgresTable before = inspectPostgres(connection);
    if (before.exists < 0) {
        t_serverCause = refusalCause(connection, uri, false);
        return Catalog::FileState::CannotCreate;
    }
    if (before.exists == 1 && !before.baseColumns) {
        return Catalog::FileState::NotACatalog;
    }
    if (before.exists == 1 && before.rowKey) {
        const Catalog::FileState access = accessOfExisting(connection, uri);
        if (access == Catalog::FileState::Ready && CatalogSchema::mayChange(connection)) {
            // Made by an older version without the trigger or the undo
            // journal: a failure leaves the catalog usable, only other
            // programs' changes then go unseen, or changes are not journalled.
            CatalogWatcher::installTrigger(connection);
            Journal::ensureTables(connection);
        }
        return access;
    }
    CAdoTransaction transaction(connection);
    const bool made = buildPostgresTable(connection, transaction, before.exists == 0);
    if (!made) {
        t_serverCause = refusalCause(connection, uri, true);
        transaction.rollback();
        // Another program may have made it at the same moment.
        const PostgresTable after = inspectPostgres(connection);
        if (after.exists == 1 && after.baseColumns && after.rowKey) {
            t_serverCause.clear();
            return accessOfExisting(connection, uri);
        }
        return Catalog::FileState::CannotCreate;
    }
    // While the first program to open the catalog has the right to make
    // tables: the journal's, so that users who may only read and write them
    // have undo too.
    Journal::ensureTables(connection);
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

QString Catalog::describeLocation(const QString& location)
{
    return compactPath(resolve(location));
}

QString Catalog::createTableStatement(Engine engine, const QString& serverCollation)
{
    if (engine == Engine::Postgres) {
        // citext in the "C.utf8" collation compares and sorts as the
        // program's NOCASE does on a file; the widths are checks, as citext
        // has none of its own. RowKey is the row's address for keyset
        // updates.
        auto text = [&serverCollation](const char* name, int width) {
            return QStringLiteral("%1 citext COLLATE \"%3\" CHECK (char_length(%1) <= %2), ")
                .arg(QLatin1String(name))
                .arg(width)
                .arg(serverCollation);
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
            return QCoreApplication::translate("Catalog",
                                               "The table ShoppingLists on the %1 is not a Grocelle catalog. "
                                               "It has been left as it is, and the list stays empty.")
                .arg(file);
        }
        return QCoreApplication::translate("Catalog", "The file %1 is not a Grocelle catalog, or it cannot be read. "
                                                      "It has been left as it is, and the list stays empty.")
            .arg(file);
    case FileState::ReadOnly:
        if (PgSession::isUri(filePath)) {
            return QCoreApplication::translate(
                       "Catalog", "The catalog on the %1 can be read but not changed: the server or the database "
                                  "is read-only, or the user has no right to change it. Changes to the list cannot "
                                  "be saved.")
                .arg(file);
        }
        return QCoreApplication::translate("Catalog",
                                           "The catalog %1 cannot be written: the file or its folder is read-only. "
                                           "Changes to the list cannot be saved.")
            .arg(file);
    case FileState::CannotCreate:
        if (PgSession::isUri(filePath) && filePath == t_serverCauseUri && !t_serverCause.isEmpty()) {
            return t_serverCause + QLatin1Char(' ') + QCoreApplication::translate("Catalog", "The list stays empty.");
        }
        if (PgSession::isUri(filePath)) {
            return QCoreApplication::translate("Catalog",
                                               "The catalog on the %1 cannot be reached or could not be created. "
                                               "The list stays empty.")
                .arg(file);
        }
        return QCoreApplication::translate(
                   "Catalog", "The catalog %1 does not exist and could not be created. The list stays empty.")
            .arg(file);
    case FileState::Ready:
    case FileState::Created:
        break;
    }
    return {};
}

namespace
{
// The structure check's additions to an older catalog, in the order made.
struct Column
{
    Catalog::Addition addition;
    const char* statement;
};

// The columns the structure check would add to a table with these names:
// Price and Coupon are looked for with their letter case; every list
// statement needs DeptOrder, which an older tool's catalog may lack, every
// department not yet placed.
std::vector<Column> missingColumns(const QStringList& names)
{
    std::vector<Column> missing;
    if (!names.contains(QLatin1String("Price"))) {
        missing.push_back({Catalog::Addition::Price, "ALTER TABLE ShoppingLists ADD Price float"});
    }
    if (!names.contains(QLatin1String("Coupon"))) {
        missing.push_back({Catalog::Addition::Coupon, "ALTER TABLE ShoppingLists ADD Coupon int"});
    }
    if (!names.contains(QLatin1String("DeptOrder"), Qt::CaseInsensitive)) {
        missing.push_back({Catalog::Addition::DeptOrder, "ALTER TABLE ShoppingLists ADD DeptOrder integer DEFAULT -1"});
    }
    return missing;
}

// Each statement tried on its own savepoint; whether all of them landed.
bool tryAll(CAdoConnection& connection, const QStringList& statements)
{
    bool all = true;
    for (const QString& statement : statements) {
        all = CatalogSchema::tryChange(connection, statement) && all;
    }
    return all;
}

const QStringList& startupIndexes()
{
    static const QStringList statements = {
        QStringLiteral("CREATE INDEX IF NOT EXISTS doIndex ON ShoppingLists (DeptOrder)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS stIndex ON ShoppingLists (Store)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS qtIndex ON ShoppingLists (QtyToBuy)")};
    return statements;
}

QStringList storeTabIndexes(const CAdoConnection& connection)
{
    // The quick entry's completion reads the name and the quantity in name
    // order: with both in the index, PostgreSQL serves it in order from the
    // index alone, without sorting the matches by their case-folded names,
    // which is what costs there.
    const QString include = connection.isPostgres() ? QStringLiteral(" INCLUDE (QtyToBuy)") : QString();
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS StoreIdx ON ShoppingLists (Store)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ItemNameIdx ON ShoppingLists (ItemName)") + include,
            QStringLiteral("CREATE INDEX IF NOT EXISTS IDIdx ON ShoppingLists (ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS DeptOrder ON ShoppingLists (DeptOrder)")};
}

// The column names of ShoppingLists; false when the table cannot be read.
bool readColumnNames(CAdoConnection& connection, QStringList& names)
{
    CAdoRecordset recordset;
    if (!recordset.Open(QStringLiteral("Select * from ShoppingLists"), connection, CAdoRecordset::adOpenForwardOnly,
                        CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown)) {
        return false;
    }
    for (int i = 0; i <= recordset.GetFieldCount() - 1; ++i) {
        names << recordset.GetField(i).GetName();
    }
    return true;
}

// DBVersion written count times: once after each column added and once at
// the end, as every start of an older catalog has written it.
void writeDbVersions(std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        Catalog::writeDbVersion(Catalog::DbVersion);
    }
}

// Brings the structure of a catalog with the base columns up to date inside
// the caller's transaction: the missing columns, the indexes, the tables
// beside ShoppingLists. Whether every part of it landed; a part that failed
// is tried again at the next start, as the number is then not recorded.
bool upgradeStructure(CAdoConnection& connection, const std::vector<Column>& missing)
{
    bool complete = true;
    for (const Column& column : missing) {
        complete = CatalogSchema::tryChange(connection, QString::fromLatin1(column.statement)) && complete;
        Catalog::writeDbVersion(Catalog::DbVersion);
    }
    Catalog::writeDbVersion(Catalog::DbVersion);
    complete = tryAll(connection, startupIndexes()) && complete;
    complete = tryAll(connection, storeTabIndexes(connection)) && complete;
    complete = CatalogSchema::compareEveryLetter(connection) && complete;
    // The tables beside ShoppingLists: each store's walk, the marks it is
    // learned from and the trips found in them. One that another program's
    // table of the same name keeps from being made leaves every store in
    // the everyday walk, and is no failure of the upgrade.
    std::ignore = StoreWalks::ensureTable(connection);
    std::ignore = MarkLog::ensureTable(connection);
    std::ignore = WalkTrips::ensureTable(connection);
    if (connection.isPostgres()) {
        // What a server catalog made by an older version lacks besides: the
        // trigger that tells other programs of changes, the undo journal.
        CAdoTransaction trigger(connection);
        complete = trigger.active() && CatalogWatcher::installTrigger(connection) && trigger.commit() && complete;
        CAdoTransaction journal(connection);
        if (journal.active() && Journal::ensureTables(connection)) {
            std::ignore = journal.commit();
        }
    }
    return complete;
}
} // namespace

void Catalog::runStartupIndexes(CAdoConnection& connection)
{
    std::ignore = tryAll(connection, startupIndexes());
}

std::vector<Catalog::Addition> Catalog::checkStructure(CAdoConnection& connection)
{
    const int found = CatalogSchema::recorded(connection);
    if (found == CatalogSchema::Current) {
        writeDbVersion(DbVersion);
        return {};
    }
    // A table that cannot be read (a user who may only connect) tells
    // nothing of its columns: nothing is added to it, and nothing said. A
    // table of that name from some other program is never altered.
    QStringList names;
    if (!readColumnNames(connection, names) || !hasBaseColumns(names)) {
        return {};
    }
    const std::vector<Column> missing = missingColumns(names);
    std::vector<Addition> added;
    for (const Column& column : missing) {
        added.push_back(column.addition);
    }
    // Nothing is tried that the user may not do; what is missing is told as
    // ever.
    if (!CatalogSchema::mayChange(connection)) {
        writeDbVersions(missing.size() + 1);
        return added;
    }
    // One transaction: a failure of the store part-way (a full disk, a lost
    // server) leaves the catalog as it was. A step that fails on its own, as
    // it always could, is tried again at the next start. A catalog of a
    // newer program is checked as ever but keeps its number.
    CAdoTransaction transaction(connection);
    if (!transaction.active()) {
        writeDbVersions(missing.size() + 1);
        return added;
    }
    if (upgradeStructure(connection, missing) && found < CatalogSchema::Current) {
        std::ignore = CatalogSchema::record(connection, CatalogSchema::Current);
    }
    // A refused commit has rolled everything back.
    std::ignore = transaction.commit();
    return added;
}

QString Catalog::additionMessage(Addition addition)
{
    switch (addition) {
    case Addition::Price:
        return QCoreApplication::translate("Catalog", "Updating database structure, adding PRICE field...");
    case Addition::Coupon:
        return QCoreApplication::translate("Catalog", "Updating database structure, adding COUPON field...");
    case Addition::DeptOrder:
        break;
    }
    return QCoreApplication::translate("Catalog", "Updating database structure, adding DEPTORDER field...");
}

void Catalog::runStoreTabIndexes(CAdoConnection& connection)
{
    std::ignore = tryAll(connection, storeTabIndexes(connection));
}

void Catalog::writeDbVersion(int version)
{
    CRegistry().SaveDword(QStringLiteral("DBVersion"), version);
}
