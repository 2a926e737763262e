#include "store/catalog/CatalogStructure.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/CatalogSchema.h"
#include "store/catalog/CatalogWatcher.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/PriceLatest.h"
#include "store/catalog/PricePoints.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkTrips.h"
#include "store/journal/Journal.h"

#include <iterator>
#include <tuple>

namespace
{
// The columns that the program's statements name. A ShoppingLists table
// without all of them belongs to some other program; GiftFor is never used
// and so not asked for, and a missing DeptOrder is added by the structure
// check.
const char* const kBaseColumns[] = {"ID",   "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail",
                                    "Dept", "Store",    "Checked"};

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
    // learned from, the trips found in them, the items' barcodes and the
    // prices seen at each store. One
    // that another program's table of the same name keeps from being made
    // leaves that feature out, and is no failure of the upgrade.
    std::ignore = StoreWalks::ensureTable(connection);
    std::ignore = MarkLog::ensureTable(connection);
    std::ignore = WalkTrips::ensureTable(connection);
    std::ignore = Barcodes::ensureTable(connection);
    std::ignore = PricePoints::ensureTable(connection) && PriceLatest::ensureTable(connection);
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

// Column names match without regard to case, as they do in statements.
bool CatalogStructure::hasBaseColumns(const QStringList& names)
{
    for (const char* column : kBaseColumns) {
        if (!names.contains(QLatin1String(column), Qt::CaseInsensitive)) {
            return false;
        }
    }
    return true;
}

int CatalogStructure::baseColumnCount()
{
    return static_cast<int>(std::size(kBaseColumns));
}

void CatalogStructure::runStartupIndexes(CAdoConnection& connection)
{
    std::ignore = tryAll(connection, startupIndexes());
}

std::vector<Catalog::Addition> CatalogStructure::check(CAdoConnection& connection)
{
    const int found = CatalogSchema::recorded(connection);
    if (found == CatalogSchema::Current) {
        Catalog::writeDbVersion(Catalog::DbVersion);
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
    std::vector<Catalog::Addition> added;
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

void CatalogStructure::runStoreTabIndexes(CAdoConnection& connection)
{
    std::ignore = tryAll(connection, storeTabIndexes(connection));
}
