#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/sqlite/SqliteConnection.h"
#include "store/sqlite/WriteAheadLog.h"

#include <QFileInfo>

class WriteAheadLogTest : public StoreTest
{
protected:
    bool besideTheFile(const char* suffix) const { return QFileInfo::exists(catalogFile() + QLatin1String(suffix)); }
};

// A phone's list is read on a connection of its own while the window writes:
// the reader must not make the window's commit wait, and must go on seeing
// the list as it was when it began.
TEST_F(WriteAheadLogTest, AReaderNeverHoldsUpACommitAndKeepsItsOwnView)
{
    makeCatalog();
    CAdoConnection window(true);
    ASSERT_EQ(window.Open(catalogFile()), 0);
    sqlite3* windowDb = SqliteConnection::handleOf(window);
    EXPECT_FALSE(WriteAheadLog::isOn(windowDb)); // taken with the first write
    ASSERT_TRUE(window.Execute(QStringLiteral("UPDATE ShoppingLists SET Checked = 0 WHERE ID = 2")));
    ASSERT_TRUE(WriteAheadLog::isOn(windowDb));
    sqlite3_busy_timeout(windowDb, 0); // a commit that had to wait fails at once

    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(catalogFile().toUtf8().constData(), &reader), SQLITE_OK);
    sqlite3_stmt* rows = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(reader, "SELECT QtyToBuy FROM ShoppingLists ORDER BY ID", -1, &rows, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(rows), SQLITE_ROW); // mid-read: the reader holds its view

    EXPECT_TRUE(window.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7")))
        << window.lastError().toStdString();
    EXPECT_EQ(sqlite3_column_int(rows, 0), 2);
    ASSERT_EQ(sqlite3_step(rows), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(rows, 0), 0);
    sqlite3_finalize(rows);
    sqlite3_close(reader);
    EXPECT_EQ(rawValue(catalogFile(), QStringLiteral("SELECT sum(QtyToBuy) FROM ShoppingLists")), "21");
}

// At rest the file is what it always was: one file, on its rollback journal,
// that can be copied alone and read where nothing can be written.
TEST_F(WriteAheadLogTest, TheLastConnectionToCloseLeavesOneFileOnItsRollbackJournal)
{
    makeCatalog();
    CAdoConnection first(true);
    CAdoConnection second(true);
    ASSERT_EQ(first.Open(catalogFile()), 0);
    ASSERT_EQ(second.Open(catalogFile()), 0);
    ASSERT_TRUE(second.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 2")));

    first.Close(); // the other is still open: the log stays, and so does its write
    EXPECT_TRUE(besideTheFile("-wal"));
    EXPECT_TRUE(WriteAheadLog::isOn(SqliteConnection::handleOf(second)));
    CAdoRecordset rows;
    ASSERT_TRUE(rows.Open(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 2"), second, 0, 1, 1));
    EXPECT_EQ(rows.GetField(0).GetText(), "5");
    rows.Close();

    second.Close();
    EXPECT_FALSE(besideTheFile("-wal"));
    EXPECT_FALSE(besideTheFile("-shm"));
    EXPECT_EQ(rawValue(catalogFile(), QStringLiteral("PRAGMA journal_mode")), "delete");
    EXPECT_EQ(rawValue(catalogFile(), QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 2")), "5");
}

TEST_F(WriteAheadLogTest, OnlyALocalFolderThatCanBeWrittenTakesTheLog)
{
    EXPECT_TRUE(WriteAheadLog::suits(catalogFile()));
    EXPECT_FALSE(WriteAheadLog::suits(QStringLiteral("/no/such/folder/catalog.cdb")));

    // A file opened read-only is left on its journal: nothing is written to
    // switch it, and nothing is left beside it.
    makeCatalog();
    sqlite3* readOnly = nullptr;
    ASSERT_EQ(sqlite3_open_v2(catalogFile().toUtf8().constData(), &readOnly, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const QByteArray before = bytes(catalogFile());
    WriteAheadLog::enter(readOnly, catalogFile());
    EXPECT_FALSE(WriteAheadLog::isOn(readOnly));
    WriteAheadLog::leave(readOnly);
    sqlite3_close(readOnly);
    EXPECT_EQ(bytes(catalogFile()), before);
    EXPECT_FALSE(besideTheFile("-wal"));
}
