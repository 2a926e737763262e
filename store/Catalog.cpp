#include "store/Catalog.h"

#include "platform/CRegistry.h"
#include "platform/DeviceFolder.h"
#include "platform/MessageService.h"
#include "store/CAdoConnection.h"
#include "store/CAdoRecordset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <sqlite3.h>

namespace
{
// The columns that the program's statements name. A ShoppingLists table
// without all of them belongs to some other program; GiftFor is never used
// and so not asked for.
const char* const kBaseColumns[] = {"ID",   "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail",
                                    "Dept", "Store",    "Checked",  "DeptOrder"};

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
    sqlite3* db = nullptr;
    const QByteArray path = file.toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return Probe::NotACatalog;
    }
    sqlite3_busy_timeout(db, CAdoConnection::BusyTimeoutMs);
    sqlite3_stmt* stmt = nullptr;
    Probe result = Probe::NotACatalog;
    // No rows at all when there is no such table.
    const char* sql = "SELECT name FROM pragma_table_info('ShoppingLists')";
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        QStringList names;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        }
        if (step == SQLITE_DONE && hasBaseColumns(names)) {
            result = Probe::Catalog;
        }
    }
    // A catalog held by another program, or with a journal of an unfinished
    // write that only a writer may roll back, is no proof of a wrong file.
    const int code = sqlite3_errcode(db) & 0xff;
    if (result == Probe::NotACatalog && (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_READONLY)) {
        result = Probe::Undecided;
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
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
    sqlite3* db = nullptr;
    bool made = sqlite3_open_v2(temporaryName.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (made) {
        made = sqlite3_exec(db, Catalog::createTableStatement().toUtf8().constData(), nullptr, nullptr, nullptr)
               == SQLITE_OK;
    }
    made = sqlite3_close(db) == SQLITE_OK && made;
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
    return QDir::toNativeSeparators(QFileInfo(DeviceFolder::map(filePath)).absoluteFilePath());
}
} // namespace

QString Catalog::devicePath()
{
    return QStringLiteral("\\Windows\\shoplistdata.cdb");
}

QString Catalog::createTableStatement()
{
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

Catalog::FileState Catalog::prepareFile(const QString& filePath)
{
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

QString Catalog::fileStateMessage(FileState state, const QString& filePath)
{
    const QString file = compactPath(filePath);
    switch (state) {
    case FileState::NotACatalog:
        return QStringLiteral("The file %1 is not a Grocelle catalog, or it cannot be read. "
                              "It has been left as it is, and the list stays empty.")
            .arg(file);
    case FileState::ReadOnly:
        return QStringLiteral("The catalog %1 cannot be written: the file or its folder is read-only. "
                              "Changes to the list cannot be saved.")
            .arg(file);
    case FileState::CannotCreate:
        return QStringLiteral("The catalog %1 does not exist and could not be created. The list stays empty.")
            .arg(file);
    case FileState::Ready:
    case FileState::Created:
        break;
    }
    return {};
}

void Catalog::runStartupIndexes(CAdoConnection& connection)
{
    static const char* const statements[] = {
        "CREATE INDEX doIndex ON ShoppingLists (DeptOrder)",
        "CREATE INDEX stIndex ON ShoppingLists (Store)",
        "CREATE INDEX qtIndex ON ShoppingLists (QtyToBuy)",
    };
    CAdoRecordset recordset;
    for (const char* statement : statements) {
        recordset.Open(QString::fromLatin1(statement), connection, CAdoRecordset::adOpenForwardOnly,
                       CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
    }
    recordset.Close();
}

void Catalog::checkStructure(CAdoConnection& connection)
{
    CAdoRecordset recordset;
    recordset.Open(QStringLiteral("Select * from ShoppingLists"), connection, CAdoRecordset::adOpenForwardOnly,
                   CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
    // The count is asked again before every pass; a closed set counts -1.
    QStringList names;
    for (int i = 0; i <= recordset.GetFieldCount() - 1; ++i) {
        names << recordset.GetField(i).GetName();
    }
    // A table of that name from some other program is never altered.
    if (!names.isEmpty() && !hasBaseColumns(names)) {
        recordset.Close();
        return;
    }
    const bool hasPrice = names.contains(QLatin1String("Price"));
    const bool hasCoupon = names.contains(QLatin1String("Coupon"));
    if (!hasPrice) {
        MessageService::show(QStringLiteral("Updating database structure, adding PRICE field..."));
        recordset.Open(QStringLiteral("ALTER TABLE ShoppingLists ADD Price float"), connection,
                       CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
        writeDbVersion(DbVersion);
    }
    if (!hasCoupon) {
        MessageService::show(QStringLiteral("Updating database structure, adding COUPON field..."));
        recordset.Open(QStringLiteral("ALTER TABLE ShoppingLists ADD Coupon int"), connection,
                       CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic, CAdoRecordset::adCmdUnknown);
        writeDbVersion(DbVersion);
    }
    writeDbVersion(DbVersion);
    recordset.Close();
}

void Catalog::runStoreTabIndexes(CAdoConnection& connection)
{
    static const char* const statements[] = {
        "CREATE INDEX StoreIdx ON ShoppingLists (Store)",
        "CREATE INDEX ItemNameIdx ON ShoppingLists (ItemName)",
        "CREATE INDEX IDIdx ON ShoppingLists (ID)",
        "CREATE INDEX DeptOrder ON ShoppingLists (DeptOrder)",
    };
    for (const char* statement : statements) {
        connection.Execute(QString::fromLatin1(statement));
    }
}

void Catalog::writeDbVersion(int version)
{
    CRegistry().SaveDword(QStringLiteral("DBVersion"), version);
}
