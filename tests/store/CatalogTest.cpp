#include "StoreFixture.h"

#include "platform/CRegistry.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QDir>
#include <QFileInfo>

#include <tuple>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
const QString kPriceMessage = QStringLiteral("Updating database structure, adding PRICE field...");
const QString kCouponMessage = QStringLiteral("Updating database structure, adding COUPON field...");
const QString kKeyMessage = QStringLiteral("Could not open/create key");
const QString kBaseTable = QStringLiteral(
    "CREATE TABLE ShoppingLists (ID integer, ItemName varchar(30), QtyToBuy smallint, UnitOfPurchase varchar(30), "
    "ItemNameDetail varchar(50), Dept varchar(30), Store varchar(30), GiftFor varchar(15), checked bit, "
    "DeptOrder integer)");
} // namespace

class CatalogTest : public StoreTest
{
protected:
    // Columns of the catalog as "name TYPE", in table order.
    QStringList columns() const
    {
        QStringList found;
        CAdoConnection connection(true);
        EXPECT_EQ(connection.Open(catalogFile()), 0);
        CAdoRecordset set;
        EXPECT_TRUE(
            set.Open(QStringLiteral("SELECT name || ' ' || type FROM pragma_table_info('ShoppingLists')"), connection));
        for (; !set.IsEOF(); set.MoveNext()) {
            found << set.GetField(0).GetText().section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ')
                         + set.GetField(0).GetText().section(QLatin1Char(' '), 1).toUpper();
        }
        return found;
    }

    // One start of the program as far as the catalog goes.
    void start()
    {
        CAdoConnection connection(true);
        // Some starts are of catalogs that cannot be opened, on purpose.
        std::ignore = connection.Open(Catalog::devicePath());
        // As the window does: the check reports, the window tells.
        for (const Catalog::Addition addition : Catalog::checkStructure(connection)) {
            MessageService::show(Catalog::additionMessage(addition));
        }
    }

    // Makes the settings key unopenable, so that every DBVersion write shows
    // itself as a message.
    void blockSettings()
    {
        QFile::remove(homeFile(QStringLiteral("Grocelle.conf")));
        ASSERT_TRUE(QDir().mkpath(homeFile(QStringLiteral("Grocelle.conf"))));
    }
};

class CatalogEngineTest : public EngineStoreTest
{
protected:
    // The catalog's column names as the layer reports them, in table order.
    QStringList columnNames() const
    {
        QStringList found;
        CAdoConnection connection(true);
        EXPECT_EQ(connection.Open(location()), 0);
        CAdoRecordset set;
        EXPECT_TRUE(set.Open(QStringLiteral("Select * from ShoppingLists"), connection));
        for (int i = 0; i < set.GetFieldCount(); ++i) {
            found << set.GetField(i).GetName();
        }
        return found;
    }

    void start()
    {
        CAdoConnection connection(true);
        // Some starts are of catalogs that cannot be opened, on purpose.
        std::ignore = connection.Open(location());
        // As the window does: the check reports, the window tells.
        for (const Catalog::Addition addition : Catalog::checkStructure(connection)) {
            MessageService::show(Catalog::additionMessage(addition));
        }
    }

    QString indexNames() const
    {
        return rawValue(onSqlite() ? QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master "
                                                    "WHERE type = 'index' ORDER BY name)")
                                   : QStringLiteral("SELECT string_agg(indexname, ',' ORDER BY indexname) FROM "
                                                    "pg_indexes WHERE schemaname = current_schema() AND tablename = "
                                                    "'shoppinglists' AND indexname <> 'shoppinglists_pkey'"));
    }
};
INSTANTIATE_FOR_BOTH_ENGINES(CatalogEngineTest);

TEST_P(CatalogEngineTest, CreatedCatalogHasEveryColumnAndIgnoresCase)
{
    ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
    EXPECT_EQ(columnNames(), QStringList({"ID", "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail", "Dept",
                                          "Store", "GiftFor", "checked", "DeptOrder", "Price", "Coupon"}));
    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, Dept) VALUES (1, 'milk', 'Dairy'), "
                       "(2, 'Bread', 'bakery'), (3, 'apples', 'Fruit')"));
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    CAdoRecordset set;
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = 'MILK' AND Dept = 'dairy'"),
                         connection));
    EXPECT_EQ(set.GetRecordCount(), 1);
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName FROM ShoppingLists ORDER BY ItemName"), connection));
    QStringList names;
    for (; !set.IsEOF(); set.MoveNext()) {
        names << set.GetField(0).GetText();
    }
    EXPECT_EQ(names, QStringList({"apples", "Bread", "milk"}));
    EXPECT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Ready);
    // A server catalog gets its undo history's tables at once, while the
    // program that makes it has the right to; a file only when first changed.
    if (!onSqlite()) {
        EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = "
                                          "current_schema() AND table_name IN ('journalactions', 'journalchanges')")),
                  "2");
    }
}

TEST_P(CatalogEngineTest, TableOfAnotherToolIsLeftAloneUnlessItIsACatalog)
{
    raw(QStringLiteral("CREATE TABLE ShoppingLists (Name varchar(20)); INSERT INTO ShoppingLists VALUES ('Soup')"));
    if (onSqlite()) {
        return; // a file is judged when it is opened
    }
    EXPECT_EQ(Catalog::prepareFile(location()), Catalog::FileState::NotACatalog);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM information_schema.columns WHERE table_name = "
                                      "'shoppinglists' AND table_schema = current_schema()")),
              "1");
    // A catalog that another tool made gains the row key the layer writes by.
    raw(QStringLiteral("DROP TABLE ShoppingLists; ") + kBaseTable
        + QStringLiteral("; INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Tea', 0)"));
    EXPECT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Ready);
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    CAdoRecordset set;
    ASSERT_TRUE(set.Open(QStringLiteral("Select ID, QtyToBuy from ShoppingLists where ID = 1"), connection, 1, 3, 8));
    set.GetField(1).SetLong(3);
    set.Update();
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists")), "3");
    EXPECT_EQ(set.GetFieldCount(), 2);
}

TEST_P(CatalogEngineTest, CurrentCatalogStartsSilently)
{
    makeCatalog();
    start();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("DBVersion")), 5);
}

TEST_P(CatalogEngineTest, OldCatalogGainsWhatItLacksOnce)
{
    raw(kBaseTable + QStringLiteral("; INSERT INTO ShoppingLists (ID, ItemName) VALUES (1, 'Tea')"));
    start();
    EXPECT_EQ(messages, QStringList({kPriceMessage, kCouponMessage}));
    EXPECT_EQ(columnNames().mid(10), QStringList({"Price", "Coupon"}));
    messages.clear();
    start();
    EXPECT_TRUE(messages.isEmpty());

    // Without DeptOrder, every list statement would fail: it is added, and
    // every department counts as not yet placed. The table is an older
    // tool's, so the catalog records no structure of this program's.
    raw(QStringLiteral("DROP TABLE ShoppingLists; ") + kBaseTable.section(QStringLiteral(", DeptOrder"), 0, 0)
        + QStringLiteral(", Price float, Coupon int); INSERT INTO ShoppingLists (ID, ItemName) VALUES (1, 'Tea')"));
    raw(onSqlite() ? QStringLiteral("PRAGMA user_version = 0") : QStringLiteral("DROP TABLE GrocelleSchema"));
    start();
    EXPECT_EQ(messages, QStringList({QStringLiteral("Updating database structure, adding DEPTORDER field...")}));
    EXPECT_EQ(rawValue(QStringLiteral("SELECT DeptOrder FROM ShoppingLists")), "-1");
    messages.clear();
    start();
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(CatalogEngineTest, IndexesAreMadeOnceAndFailQuietlyAfter)
{
    makeCatalog();
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
    const QString made = indexNames();
    QStringList names = made.toLower().split(QLatin1Char(','));
    names.sort();
    EXPECT_EQ(names.join(QLatin1Char(',')), "deptorder,doindex,ididx,itemnameidx,qtindex,stindex,storeidx");
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(indexNames(), made);
}

TEST_F(CatalogTest, MissingFileBecomesAnEmptyCatalogWithEveryColumn)
{
    EXPECT_EQ(Catalog::prepareFile(Catalog::devicePath()), Catalog::FileState::Created);
    EXPECT_EQ(columns(),
              QStringList({"ID INTEGER", "ItemName VARCHAR(30)", "QtyToBuy SMALLINT", "UnitOfPurchase VARCHAR(30)",
                           "ItemNameDetail VARCHAR(50)", "Dept VARCHAR(30)", "Store VARCHAR(30)", "GiftFor VARCHAR(15)",
                           "checked BIT", "DeptOrder INTEGER", "Price FLOAT", "Coupon INT"}));
    EXPECT_EQ(QDir(home()).entryList(QDir::Files), QStringList({"shoplistdata.cdb"}));
    EXPECT_EQ(Catalog::fileStateMessage(Catalog::FileState::Created, catalogFile()), "");

    // Names and departments compare without regard to case.
    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, Dept) VALUES (1, 'milk', 'Dairy')"));
    EXPECT_EQ(rawValue(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = 'MILK' AND "
                                      "Dept = 'dairy'")),
              "1");
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::Ready);
}

TEST_F(CatalogTest, FilesThatAreNoCatalogAreLeftByteForByte)
{
    const QByteArray garbage = QByteArray("GROCERIES\n").repeated(300);
    QFile file(catalogFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::NotACatalog);
    start();
    EXPECT_EQ(bytes(catalogFile()), garbage);

    const QString message = Catalog::fileStateMessage(Catalog::FileState::NotACatalog, Catalog::devicePath());
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(catalogFile()))) << message.toStdString();

    // A database of something else.
    QFile::remove(catalogFile());
    raw(QStringLiteral("CREATE TABLE Recipes (Name text); INSERT INTO Recipes VALUES ('Soup')"));
    const QByteArray other = bytes(catalogFile());
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::NotACatalog);
    start();
    EXPECT_EQ(bytes(catalogFile()), other);

    // Another program's table that happens to bear the catalog's name: not
    // altered, even when the structure check is reached.
    QFile::remove(catalogFile());
    raw(catalogFile(), QStringLiteral("CREATE TABLE ShoppingLists (Title text, Due text); "
                                      "INSERT INTO ShoppingLists VALUES ('Taxes', 'April')"));
    const QByteArray foreign = bytes(catalogFile());
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::NotACatalog);
    messages.clear();
    start();
    EXPECT_EQ(bytes(catalogFile()), foreign);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(CatalogTest, UnwritableCatalogIsReported)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the super-user";
    }
    makeCatalog();
    QFile::setPermissions(catalogFile(), QFileDevice::ReadOwner);
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::ReadOnly);
    QFile::setPermissions(catalogFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(home(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::ReadOnly);
    EXPECT_EQ(Catalog::prepareFile(homeFile(QStringLiteral("other.cdb"))), Catalog::FileState::CannotCreate);
    QFile::setPermissions(home(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(Catalog::fileStateMessage(Catalog::FileState::ReadOnly, catalogFile()).isEmpty());
}

TEST_F(CatalogTest, CatalogThatCannotBeCreatedIsReported)
{
    // The folder of the file is a file itself.
    QFile blocker(homeFile(QStringLiteral("sub")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString file = homeFile(QStringLiteral("sub/shoplistdata.cdb"));
    EXPECT_EQ(Catalog::prepareFile(file), Catalog::FileState::CannotCreate);
    const QString message = Catalog::fileStateMessage(Catalog::FileState::CannotCreate, file);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file))) << message.toStdString();
}

// What the window, the server and the command line share: the catalog is
// opened, or refused and left as it is, and told.
TEST_F(CatalogTest, OpeningSaysWhatCameOfIt)
{
    using Addition = Catalog::Addition;
    using Check = Catalog::ReadOnlyCheck;
    const std::vector<Addition> priceAndCoupon = {Addition::Price, Addition::Coupon};
    const struct
    {
        const char* name;
        QByteArray content; // empty: no file; "old": an older catalog
        bool readOnly;
        Check check;
        Catalog::FileState state;
        bool opened;
        bool problem;
        std::vector<Addition> additions;
    } cases[] = {
        {"missing", {}, false, Check::Run, Catalog::FileState::Created, true, false, {}},
        {"older", "old", false, Check::Run, Catalog::FileState::Ready, true, false, priceAndCoupon},
        {"no catalog",
         QByteArray("GROCERIES\n").repeated(300),
         false,
         Check::Run,
         Catalog::FileState::NotACatalog,
         false,
         true,
         {}},
        {"read-only, checked", "old", true, Check::Run, Catalog::FileState::ReadOnly, true, true, priceAndCoupon},
        {"read-only, not checked", "old", true, Check::Skip, Catalog::FileState::ReadOnly, true, true, {}},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.name);
        if (one.readOnly && geteuid() == 0) {
            continue; // file permissions do not bind the super-user
        }
        QFile::remove(catalogFile());
        if (one.content == "old") {
            raw(kBaseTable);
        } else if (!one.content.isEmpty()) {
            QFile file(catalogFile());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(one.content);
        }
        QFile::setPermissions(catalogFile(),
                              one.readOnly ? QFileDevice::ReadOwner : QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray before = bytes(catalogFile());
        CAdoConnection connection;
        const Catalog::Opening opening = Catalog::open(connection, one.check);
        connection.Close();
        QFile::setPermissions(catalogFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(opening.state, one.state);
        EXPECT_EQ(opening.opened, one.opened);
        EXPECT_EQ(opening.refused(), !one.opened);
        EXPECT_EQ(opening.readOnly, one.readOnly);
        EXPECT_EQ(!opening.problem.isEmpty(), one.problem) << opening.problem.toStdString();
        EXPECT_EQ(opening.additions, one.additions);
        EXPECT_EQ(opening.additionMessages().size(), static_cast<qsizetype>(one.additions.size()));
        EXPECT_EQ(opening.name, catalogFile());
        if (!one.opened || one.readOnly) {
            EXPECT_EQ(bytes(catalogFile()), before);
        }
    }
}

TEST_F(CatalogTest, CurrentCatalogStartsSilently)
{
    makeCatalog();
    start();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("DBVersion")), 5);

    // DBVersion is written once.
    blockSettings();
    start();
    EXPECT_EQ(messages, QStringList({kKeyMessage}));
}

TEST_F(CatalogTest, OldCatalogGainsPriceThenCouponOnce)
{
    raw(kBaseTable + QStringLiteral("; INSERT INTO ShoppingLists (ID, ItemName) VALUES (1, 'Tea')"));
    start();
    EXPECT_EQ(messages, QStringList({kPriceMessage, kCouponMessage}));
    EXPECT_EQ(columns().mid(10), QStringList({"Price FLOAT", "Coupon INT"}));
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("DBVersion")), 5);
    messages.clear();
    start();
    EXPECT_TRUE(messages.isEmpty());

    // The three writes, one after each addition and one at the end; the
    // window tells of the additions once the check is done.
    QFile::remove(catalogFile());
    raw(kBaseTable);
    blockSettings();
    start();
    EXPECT_EQ(messages, QStringList({kKeyMessage, kKeyMessage, kKeyMessage, kPriceMessage, kCouponMessage}));
}

TEST_F(CatalogTest, ColumnNamesAreComparedWithTheirCase)
{
    raw(kBaseTable
        + QStringLiteral("; ALTER TABLE ShoppingLists ADD price float; "
                         "ALTER TABLE ShoppingLists ADD Coupon int"));
    for (int run = 0; run < 2; ++run) {
        messages.clear();
        start();
        EXPECT_EQ(messages, QStringList({kPriceMessage}));
    }
    EXPECT_EQ(columns().size(), 12);
    EXPECT_EQ(columns()[10], "price FLOAT");
}

TEST_F(CatalogTest, CatalogThatCannotBeOpenedIsNeitherChangedNorSaidToBe)
{
    // Nothing can be added to a table that cannot be read: telling the user
    // that PRICE is being added would be untrue.
    for (int run = 0; run < 2; ++run) {
        messages.clear();
        start();
        EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(catalogFile()));
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("DBVersion")), -1);
}

TEST_F(CatalogTest, IndexesAreMadeOnceAndFailQuietlyAfter)
{
    makeCatalog();
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(Catalog::devicePath()), 0);
    const QString indexes = QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master WHERE "
                                           "type = 'index' ORDER BY name)");
    Catalog::runStartupIndexes(connection);
    EXPECT_EQ(rawValue(indexes), "doIndex,qtIndex,stIndex");
    Catalog::runStoreTabIndexes(connection);
    EXPECT_EQ(rawValue(indexes), "DeptOrder,IDIdx,ItemNameIdx,StoreIdx,doIndex,qtIndex,stIndex");
    // Asked for again, the indexes that are there stay as they are, and
    // nothing fails.
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index'")), "7");
}

TEST_F(CatalogTest, CatalogLeftMidWriteIsStillACatalog)
{
    makeCatalog();
    // Another program dies in the middle of a write that already reached the
    // file: what it left is a catalog and its journal, not a wrong file.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(catalogFile().toUtf8().constData(), &db);
        sqlite3_exec(db,
                     "PRAGMA cache_size = 1; BEGIN; UPDATE ShoppingLists SET QtyToBuy = 99; "
                     "INSERT INTO ShoppingLists (ID, ItemName) SELECT ID + 10, ItemName || ' more' FROM "
                     "ShoppingLists; PRAGMA cache_spill = 1;",
                     nullptr, nullptr, nullptr);
        sqlite3_db_cacheflush(db);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFileInfo::exists(catalogFile() + QStringLiteral("-journal")));

    EXPECT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::Ready);
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(catalogFile()), 0);
    CAdoRecordset set;
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists ORDER BY ID"), connection, 1, 3, 8));
    EXPECT_EQ(set.GetRecordCount(), 3);
    EXPECT_EQ(set.GetField(0).GetText(), "2");
}

TEST_F(CatalogTest, TextLiteralsAreQuotedWithTheirQuotesDoubled)
{
    EXPECT_EQ(Catalog::quoteLiteral(QStringLiteral("Kids' Snacks")), QStringLiteral("'Kids'' Snacks'"));
    EXPECT_EQ(Catalog::quoteLiteral(QString()), QStringLiteral("''"));
}
