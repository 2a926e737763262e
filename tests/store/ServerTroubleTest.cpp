#include "StoreFixture.h"

#include "list/ItemChanges.h"
#include "platform/WaitCursor.h"
#include "store/catalog/CatalogFailure.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "support/ThrowawayServer.h"

#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// The catalog on a server in trouble: stopped, restarted, or busy with
// another program's locks. Each case has a server of its own.
class ServerTroubleTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        QString why;
        if (!m_server.create(why)) {
            GTEST_SKIP() << why.toStdString();
        }
        ASSERT_EQ(Catalog::prepareFile(m_server.uri()), Catalog::FileState::Created);
        CAdoConnection connection(true);
        ASSERT_EQ(connection.Open(m_server.uri()), 0);
        ASSERT_TRUE(connection.Execute(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES "
                                                      "(1, 'Milk', 1), (2, 'Tea', 2)")));
    }

    // The server's URI with a time limit of 2 s, the shortest libpq takes.
    QString quickUri() const { return m_server.uri() + QStringLiteral("&connect_timeout=2"); }

    static QString firstValue(CAdoConnection& connection, const QString& sql)
    {
        CAdoRecordset set;
        if (!set.Open(sql, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
            return QStringLiteral("<failed: ") + connection.lastError() + QLatin1Char('>');
        }
        return set.IsEOF() ? QStringLiteral("<none>") : QString(set.GetField(0).GetText());
    }

    ThrowawayServer m_server;
};

TEST_F(ServerTroubleTest, AStoppedServerIsNamedWithinTheTimeLimitAndFoundAgain)
{
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(quickUri()), 0) << connection.lastError().toStdString();
    const QString quantity = QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 2");
    ASSERT_EQ(firstValue(connection, quantity), "2");

    // Frozen as a hung host would be: the read and the write each end by
    // themselves, naming the server, instead of waiting for ever.
    ASSERT_TRUE(m_server.pause());
    CAdoRecordset set;
    EXPECT_FALSE(set.Open(quantity, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly));
    EXPECT_TRUE(connection.lastError().contains(QStringLiteral("did not answer within 2 seconds")))
        << connection.lastError().toStdString();
    EXPECT_TRUE(connection.lastError().contains(QStringLiteral("PostgreSQL server")));
    EXPECT_FALSE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 2")));
    EXPECT_TRUE(connection.lastError().contains(QStringLiteral("PostgreSQL server")))
        << connection.lastError().toStdString();

    // A new connection to the frozen server gives up as well.
    CAdoConnection another(true);
    EXPECT_EQ(another.Open(quickUri()), CAdoException::CannotOpen);
    EXPECT_TRUE(another.lastError().contains(QStringLiteral("cannot be reached"))) << another.lastError().toStdString();

    // Running again: the next statement connects by itself.
    ASSERT_TRUE(m_server.resume());
    EXPECT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 2")))
        << connection.lastError().toStdString();
    EXPECT_EQ(firstValue(connection, quantity), "3");
}

TEST_F(ServerTroubleTest, AWaitForAnotherProgramsLockEndsWithItsReason)
{
    const std::unique_ptr<PGconn, decltype(&PQfinish)> other(PQconnectdb(m_server.uri().toUtf8().constData()),
                                                             &PQfinish);
    ASSERT_EQ(PQstatus(other.get()), CONNECTION_OK);
    PQclear(PQexec(other.get(), "BEGIN"));
    PQclear(PQexec(other.get(), "SELECT * FROM ShoppingLists WHERE ID = 1 FOR UPDATE"));

    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(quickUri()), 0);
    EXPECT_FALSE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 9 WHERE ID = 1")));
    EXPECT_EQ(connection.lastError(), QStringLiteral("Another program is changing this item; try again."));
    // A command of the window is told the same.
    try {
        ItemChanges::setMark(connection, 1, 1);
        ADD_FAILURE() << "a mark went through another program's lock";
    } catch (const CAdoException& error) {
        EXPECT_EQ(CatalogFailure::text(error), QStringLiteral("Another program is changing this item; try again."));
    }
    // The connection is still good, and so is a row nobody holds.
    EXPECT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 9 WHERE ID = 2")))
        << connection.lastError().toStdString();

    PQclear(PQexec(other.get(), "COMMIT"));
    EXPECT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 9 WHERE ID = 1")));
}

TEST_F(ServerTroubleTest, TheFirstRequestsAfterARestartSucceed)
{
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(m_server.uri()), 0);
    const QString quantity = QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 1");
    ASSERT_EQ(firstValue(connection, quantity), "1");

    // Restarted while the connection was idle: the read finds the server.
    ASSERT_TRUE(m_server.restart());
    EXPECT_EQ(firstValue(connection, quantity), "1");

    // And so does a write, sent once.
    ASSERT_TRUE(m_server.restart());
    EXPECT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = QtyToBuy + 1 WHERE ID = 1")))
        << connection.lastError().toStdString();
    EXPECT_EQ(firstValue(connection, quantity), "2");

    // A transaction begun after the restart runs whole.
    ASSERT_TRUE(m_server.restart());
    {
        CAdoTransaction transaction(connection);
        ASSERT_TRUE(transaction.active()) << connection.lastError().toStdString();
        EXPECT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 2")));
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(firstValue(connection, QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 2")), "7");
}

TEST_F(ServerTroubleTest, StartUpMessagesSayWhatWentWrong)
{
    const QString base = m_server.uri();
    const QString folder = m_server.socketFolder();
    auto message = [](const QString& uri) { return Catalog::fileStateMessage(Catalog::prepareFile(uri), uri); };
    EXPECT_TRUE(message(QStringLiteral("postgresql://postgres@/nosuchdb?host=") + folder)
                    .contains(QLatin1String("does not exist")))
        << message(QStringLiteral("postgresql://postgres@/nosuchdb?host=") + folder).toStdString();
    EXPECT_TRUE(message(QStringLiteral("postgresql://nobody@/postgres?host=") + folder)
                    .contains(QLatin1String("did not accept the user name or password")))
        << message(QStringLiteral("postgresql://nobody@/postgres?host=") + folder).toStdString();

    // A user who may only connect is told so, and nothing is tried on the
    // table (no column is added, no ALTER).
    CAdoConnection owner(true);
    ASSERT_EQ(owner.Open(base), 0);
    ASSERT_TRUE(owner.Execute(QStringLiteral("CREATE ROLE visitor LOGIN")));
    const QString visitor = QStringLiteral("postgresql://visitor@/postgres?host=") + folder;
    EXPECT_EQ(Catalog::prepareFile(visitor), Catalog::FileState::CannotCreate);
    EXPECT_TRUE(message(visitor).contains(QLatin1String("no permission to read the catalog")))
        << message(visitor).toStdString();

    // Reading only: the catalog opens, and says that it cannot be changed.
    ASSERT_TRUE(owner.Execute(QStringLiteral("GRANT SELECT ON ShoppingLists TO visitor")));
    EXPECT_EQ(Catalog::prepareFile(visitor), Catalog::FileState::ReadOnly);
    EXPECT_TRUE(message(visitor).contains(QLatin1String("can be read but not changed")))
        << message(visitor).toStdString();

    // A read-only database without a catalog: it cannot be made there.
    ASSERT_TRUE(owner.Execute(QStringLiteral("CREATE DATABASE frozen")));
    ASSERT_TRUE(owner.Execute(QStringLiteral("ALTER DATABASE frozen SET default_transaction_read_only = on")));
    EXPECT_TRUE(
        message(QStringLiteral("postgresql://postgres@/frozen?host=") + folder).contains(QLatin1String("is read-only")))
        << message(QStringLiteral("postgresql://postgres@/frozen?host=") + folder).toStdString();
}

TEST_F(ServerTroubleTest, TheSessionIsFixedWhateverTheDatabaseSays)
{
    // Legacy and unusual defaults of a database: rounded numbers, every
    // transaction serializable.
    CAdoConnection owner(true);
    ASSERT_EQ(owner.Open(m_server.uri()), 0);
    ASSERT_TRUE(owner.Execute(QStringLiteral("ALTER DATABASE postgres SET extra_float_digits = 0")));
    ASSERT_TRUE(owner.Execute(QStringLiteral("ALTER DATABASE postgres SET default_transaction_isolation = "
                                             "'serializable'")));
    owner.Close();

    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(m_server.uri()), 0);
    ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Price = ? WHERE ID = 1"),
                                   {SqlValue::real(0.1 + 0.2)}));
    CAdoCommand price(connection, QStringLiteral("SELECT Price FROM ShoppingLists WHERE ID = 1"));
    ASSERT_TRUE(price.next());
    EXPECT_EQ(price.value(0).toReal(), 0.1 + 0.2);
    price.reset();
    CAdoTransaction transaction(connection);
    EXPECT_EQ(firstValue(connection, QStringLiteral("SHOW transaction_isolation")), "read committed");
}

TEST_F(ServerTroubleTest, TheWaitCursorShowsWhileTheWindowsThreadWaits)
{
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(quickUri()), 0);
    ASSERT_EQ(WaitCursor::depth(), 0);
    // Watched from another thread: this one is in the wait.
    std::atomic<bool> waiting = true;
    std::atomic<bool> shown = false;
    std::thread watcher([&] {
        while (waiting) {
            shown = shown || WaitCursor::depth() > 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    ASSERT_TRUE(m_server.pause());
    EXPECT_FALSE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 4 WHERE ID = 1")));
    waiting = false;
    watcher.join();
    ASSERT_TRUE(m_server.resume());
    EXPECT_TRUE(shown);
    EXPECT_EQ(WaitCursor::depth(), 0);
}
