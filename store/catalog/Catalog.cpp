#include "store/catalog/Catalog.h"

#include "platform/CRegistry.h"
#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CatalogLocation.h"
#include "store/catalog/CatalogStructure.h"
#include "store/catalog/PostgresCatalog.h"
#include "store/catalog/PriceLatest.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteDetail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <sqlite3.h>

using sqlite_detail::DatabasePtr;
using sqlite_detail::StatementPtr;

namespace
{
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
        if (step == SQLITE_DONE && CatalogStructure::hasBaseColumns(names)) {
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
        return PostgresCatalog::prepare(filePath);
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
        if (const QString cause = PostgresCatalog::lastCause(filePath);
            PgSession::isUri(filePath) && !cause.isEmpty()) {
            return cause + QLatin1Char(' ') + QCoreApplication::translate("Catalog", "The list stays empty.");
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

void Catalog::runStartupIndexes(CAdoConnection& connection)
{
    CatalogStructure::runStartupIndexes(connection);
}

std::vector<Catalog::Addition> Catalog::checkStructure(CAdoConnection& connection)
{
    std::vector<Addition> added = CatalogStructure::check(connection);
    // The newest prices follow the price book, whatever changed it since.
    PriceLatest::keepInStep(connection);
    return added;
}

void Catalog::runStoreTabIndexes(CAdoConnection& connection)
{
    CatalogStructure::runStoreTabIndexes(connection);
}

void Catalog::writeDbVersion(int version)
{
    CRegistry().SaveDword(QStringLiteral("DBVersion"), version);
}

bool Catalog::Opening::refused() const
{
    return state == FileState::NotACatalog || state == FileState::CannotCreate;
}

QStringList Catalog::Opening::additionMessages() const
{
    QStringList messages;
    for (const Addition addition : additions) {
        messages << additionMessage(addition);
    }
    return messages;
}

Catalog::Opening Catalog::open(CAdoConnection& connection, ReadOnlyCheck readOnlyCheck)
{
    Opening opening;
    const QString file = location();
    opening.name = displayName().isEmpty() ? file : displayName();
    opening.state = prepareFile(file);
    opening.problem = fileStateMessage(opening.state, file);
    if (opening.refused()) {
        // The file is left exactly as it is: no connection, so nothing can
        // write to it, and the structure check has nothing to report.
        return opening;
    }
    {
        // The temporary shares its object with the caller's and closes it
        // when destroyed: the file is opened only after it is gone.
        CAdoConnection created(true);
        connection = created;
    }
    if (connection.Open(devicePath()) != 0) {
        // No structure to check on a catalog that is not open.
        opening.problem = QCoreApplication::translate("Catalog", "The catalog %1 could not be opened: %2")
                              .arg(opening.name, connection.lastError());
        return opening;
    }
    opening.opened = true;
    opening.readOnly = opening.state == FileState::ReadOnly;
    if (!opening.readOnly || readOnlyCheck == ReadOnlyCheck::Run) {
        opening.additions = checkStructure(connection);
    }
    return opening;
}
