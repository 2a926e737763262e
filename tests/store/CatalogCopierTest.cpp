#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogCopier.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"
#include "support/ThrowawayServer.h"

#include <QFileInfo>
#include <QProcess>

#include <sqlite3.h>

class CatalogCopierTest : public StoreTest
{
protected:
    // The seeded file catalog, with a missing and an empty note side by side.
    void SetUp() override
    {
        StoreTest::SetUp();
        makeCatalog();
        raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, ItemNameDetail, checked, DeptOrder, "
                           "Price, Coupon) VALUES (4, 'Tea', 0, NULL, 0, 2, 1.25, 0)"));
    }

    QString sum(const QString& where)
    {
        CAdoConnection connection(true);
        EXPECT_EQ(connection.Open(where), 0);
        long rows = 0;
        QString error;
        return CatalogCopier::checksum(connection, rows, error);
    }
};

TEST_F(CatalogCopierTest, FileToServerAndBackKeepsEveryValue)
{
    QString why;
    if (!useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString file = catalogFile();
    const QString server = location();
    const CatalogCopier::Result there = CatalogCopier::copy(file, server, false);
    ASSERT_TRUE(there.copied) << there.error.toStdString();
    EXPECT_EQ(there.rows, 4);
    EXPECT_EQ(there.sourceChecksum, there.targetChecksum);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ItemNameDetail IS NULL")), "2");
    EXPECT_EQ(rawValue(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = 3")), "Kids' Snacks");

    // A target that holds rows is refused, and left as it was...
    raw(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 9 WHERE ID = 4"));
    const CatalogCopier::Result refused = CatalogCopier::copy(file, server, false);
    EXPECT_FALSE(refused.copied);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("--replace"))) << refused.error.toStdString();
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "9");
    // ...unless it is to be replaced.
    ASSERT_TRUE(CatalogCopier::copy(file, server, true).copied);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "0");

    // And back into a new file: the same rows, whatever the engine.
    const QString back = homeFile(QStringLiteral("back.cdb"));
    const CatalogCopier::Result home = CatalogCopier::copy(server, back, false);
    ASSERT_TRUE(home.copied) << home.error.toStdString();
    EXPECT_EQ(home.targetChecksum, there.sourceChecksum);
    EXPECT_EQ(sum(back), sum(file));
}

TEST_F(CatalogCopierTest, NothingIsCopiedFromWhatIsNoCatalog)
{
    const QString target = homeFile(QStringLiteral("target.cdb"));
    const CatalogCopier::Result missing = CatalogCopier::copy(homeFile(QStringLiteral("none.cdb")), target, false);
    EXPECT_FALSE(missing.copied);
    EXPECT_FALSE(missing.error.isEmpty());

    // A copy whose source changes order or engine still sums the same; one
    // changed value does not.
    const CatalogCopier::Result copied = CatalogCopier::copy(catalogFile(), target, false);
    ASSERT_TRUE(copied.copied) << copied.error.toStdString();
    EXPECT_EQ(sum(target), sum(catalogFile()));
    raw(QStringLiteral("UPDATE ShoppingLists SET ItemNameDetail = '' WHERE ID = 4"));
    EXPECT_NE(sum(target), sum(catalogFile()));
}

TEST_F(CatalogCopierTest, TheUndoHistoryTravelsWithTheCatalogAndReplacesTheTargets)
{
    QString why;
    if (!useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString file = catalogFile();
    {
        CAdoConnection connection(true);
        ASSERT_EQ(connection.Open(file), 0);
        JournalAction action(connection, QStringLiteral("Add one: Tea"));
        action.watch(4);
        ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID = 4")));
        action.commit();
    }
    // An entry the journal would skip as damaged stays behind.
    raw(file, QStringLiteral("INSERT INTO JournalActions VALUES (7, 'Odd', 'yesterday', 0, 1, 1)"));
    // The server's own history spoke of rows that the copy replaces.
    ASSERT_TRUE(CatalogCopier::copy(file, location(), false).copied);
    raw(QStringLiteral("UPDATE JournalActions SET Label = 'Old' WHERE ActionID = 1"));
    const CatalogCopier::Result copied = CatalogCopier::copy(file, location(), true);
    ASSERT_TRUE(copied.copied) << copied.error.toStdString();
    EXPECT_EQ(copied.journalActions, 1);

    CAdoConnection server(true);
    ASSERT_EQ(server.Open(location()), 0);
    Journal journal(server);
    ASSERT_TRUE(journal.nextUndo());
    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Add one: Tea"));
    const Journal::Outcome undone = journal.undo();
    ASSERT_TRUE(undone.done) << undone.message.toStdString();
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "0");
    EXPECT_EQ(journal.takeDamageReport(), QString());
}

namespace
{
// pg_dump of the server's database "postgres": structure and rows.
QString dumpOf(const ThrowawayServer& server)
{
    QProcess dump;
    dump.start(qEnvironmentVariable("GROCELLE_PG_BIN") + QStringLiteral("/pg_dump"),
               {QStringLiteral("--no-comments"), QStringLiteral("-d"), server.uri()});
    if (!dump.waitForFinished(60000) || dump.exitCode() != 0) {
        return QStringLiteral("<pg_dump failed: ") + QString::fromLocal8Bit(dump.readAllStandardError()) + '>';
    }
    // Less the key of its \restrict lines, which is new in every dump.
    QStringList lines = QString::fromUtf8(dump.readAllStandardOutput()).split('\n');
    lines.removeIf([](const QString& line) { return line.contains(QLatin1String("restrict ")); });
    return lines.join('\n');
}

// The table of a file as SQLite keeps it: its definition, and every value
// with its storage class, in the order of the rows' IDs.
QString tableOf(const QString& file)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("<unreadable>");
    }
    QString text;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT (SELECT sql FROM sqlite_master WHERE name = 'ShoppingLists'), * FROM ShoppingLists "
                       "ORDER BY ID",
                       -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            text += QString::number(sqlite3_column_type(statement, c)) + QLatin1Char(':')
                    + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c))) + '|';
        }
        text += '\n';
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return text;
}
} // namespace

TEST_F(CatalogCopierTest, ARefusedCopyLeavesTheTargetAsItWasEitherWay)
{
    ThrowawayServer server;
    QString why;
    if (!server.create(why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString empty = dumpOf(server);
    ASSERT_FALSE(empty.startsWith('<')) << empty.toStdString();

    // A file without a catalog: nothing is made on the server, not even
    // the extension or the table.
    const QString other = homeFile(QStringLiteral("other.cdb"));
    raw(other, QStringLiteral("CREATE TABLE Other (x)"));
    CatalogCopier::Result refused = CatalogCopier::copy(other, server.uri(), false);
    EXPECT_FALSE(refused.copied);
    EXPECT_EQ(dumpOf(server), empty);

    // A value the server would refuse half-way is found before anything
    // is written: 31 characters in a name of 30.
    raw(QStringLiteral("UPDATE ShoppingLists SET ItemName = 'Thirty-one characters long name' WHERE ID = 2"));
    refused = CatalogCopier::copy(catalogFile(), server.uri(), false);
    EXPECT_FALSE(refused.copied);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("ItemName has 31 characters"))) << refused.error.toStdString();
    EXPECT_EQ(dumpOf(server), empty);

    // Back the other way: a server without a catalog leaves a file unmade,
    // and a file that exists as it was.
    const QString made = homeFile(QStringLiteral("made.cdb"));
    EXPECT_FALSE(CatalogCopier::copy(server.uri(), made, false).copied);
    EXPECT_FALSE(QFileInfo::exists(made));
    const QByteArray before = bytes(other);
    EXPECT_FALSE(CatalogCopier::copy(server.uri(), other, true).copied);
    EXPECT_EQ(bytes(other), before);
    EXPECT_EQ(dumpOf(server), empty);

    // A target with rows, without --replace, on either side.
    raw(QStringLiteral("UPDATE ShoppingLists SET ItemName = 'Bread' WHERE ID = 2"));
    ASSERT_TRUE(CatalogCopier::copy(catalogFile(), server.uri(), false).copied);
    const QString full = dumpOf(server);
    raw(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 2"));
    EXPECT_FALSE(CatalogCopier::copy(catalogFile(), server.uri(), false).copied);
    EXPECT_EQ(dumpOf(server), full);
    const QByteArray file = bytes(catalogFile());
    EXPECT_FALSE(CatalogCopier::copy(server.uri(), catalogFile(), false).copied);
    EXPECT_EQ(bytes(catalogFile()), file);
}

TEST_F(CatalogCopierTest, FileToServerToFileIsTheSameTable)
{
    ThrowawayServer server;
    QString why;
    if (!server.create(why)) {
        GTEST_SKIP() << why.toStdString();
    }
    // Marks stored as 1 and as -1 keep what they are; a name of 30
    // characters with an emoji (31 UTF-16 units) fits on both sides.
    raw(QStringLiteral("UPDATE ShoppingLists SET checked = 1 WHERE ID = 2"));
    raw(QStringLiteral("UPDATE ShoppingLists SET ItemName = 'Birthday cake with candles ok' || char(127874) "
                       "WHERE ID = 4"));
    const CatalogCopier::Result there = CatalogCopier::copy(catalogFile(), server.uri(), false);
    ASSERT_TRUE(there.copied) << there.error.toStdString();
    const QString back = homeFile(QStringLiteral("back.cdb"));
    const CatalogCopier::Result home = CatalogCopier::copy(server.uri(), back, false);
    ASSERT_TRUE(home.copied) << home.error.toStdString();
    EXPECT_EQ(tableOf(back), tableOf(catalogFile()));
    EXPECT_TRUE(tableOf(back).contains(QStringLiteral("|1:-1|"))) << tableOf(back).toStdString();
}
