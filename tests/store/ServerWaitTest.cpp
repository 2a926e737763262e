#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/ServerWait.h"
#include "support/ThrowawayServer.h"

#include <QElapsedTimer>

#include <chrono>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
// A connected pair of sockets, closed with the object: one end to wait on,
// the other to answer from.
struct SocketPair
{
    int ends[2] = {-1, -1};
    SocketPair() { socketpair(AF_UNIX, SOCK_STREAM, 0, ends); }
    ~SocketPair()
    {
        close(ends[0]);
        close(ends[1]);
    }
    SocketPair(const SocketPair&) = delete;
    SocketPair& operator=(const SocketPair&) = delete;
};

// Installs a pause for the scope.
struct PauseScope
{
    explicit PauseScope(ServerWait::Pause pause) { ServerWait::setPause(std::move(pause)); }
    ~PauseScope() { ServerWait::setPause({}); }
    PauseScope(const PauseScope&) = delete;
    PauseScope& operator=(const PauseScope&) = delete;
};

QDeadlineTimer in(int ms)
{
    return QDeadlineTimer(std::chrono::milliseconds(ms));
}
} // namespace

TEST(ServerWaitTest, ALongWaitPausesOnItsOwnThreadOnlyAndNeverInsideAPause)
{
    SocketPair pair;
    ASSERT_GE(pair.ends[0], 0);
    QElapsedTimer clock;
    qint64 firstPause = -1;
    int pauses = 0;
    int nestedPauses = 0;
    bool waitingInPause = false;
    bool innerTimedOut = false;
    PauseScope scope([&] {
        if (firstPause < 0) {
            firstPause = clock.elapsed();
            waitingInPause = ServerWait::waiting();
            // A wait that starts inside the pause only waits.
            const int before = pauses;
            ServerWait inner;
            innerTimedOut = !inner.forSocket(pair.ends[0], POLLIN, in(60));
            nestedPauses = pauses - before;
        }
        ++pauses;
    });

    clock.start();
    {
        ServerWait wait;
        EXPECT_FALSE(wait.forSocket(pair.ends[0], POLLIN, in(400)));
    }
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_GE(firstPause, ServerWait::QuietMs);
    EXPECT_GE(pauses, 5);
    EXPECT_TRUE(waitingInPause);
    EXPECT_TRUE(innerTimedOut);
    EXPECT_EQ(nestedPauses, 0);
    EXPECT_FALSE(ServerWait::waiting());

    // Another thread waits without the pause of this one.
    const int before = pauses;
    std::thread other([&] {
        ServerWait wait;
        wait.forSocket(pair.ends[0], POLLIN, in(250));
    });
    other.join();
    EXPECT_EQ(pauses, before);
}

TEST(ServerWaitTest, AnAnswerEndsTheWaitAtOnceAndAQuickOneNeverPauses)
{
    SocketPair pair;
    ASSERT_GE(pair.ends[0], 0);
    int pauses = 0;
    PauseScope scope([&] {
        // The answer comes while the window repaints.
        if (++pauses == 3) {
            ASSERT_EQ(write(pair.ends[1], "x", 1), 1);
        }
    });
    QElapsedTimer clock;
    clock.start();
    {
        ServerWait wait;
        EXPECT_TRUE(wait.forSocket(pair.ends[0], POLLIN, in(5000)));
    }
    EXPECT_EQ(pauses, 3);
    EXPECT_LT(clock.elapsed(), 1000);

    // Already there: no pause at all.
    pauses = 0;
    ServerWait wait;
    EXPECT_TRUE(wait.forSocket(pair.ends[0], POLLIN, in(5000)));
    EXPECT_EQ(pauses, 0);
}

// The same on a real server that stops answering.
class ServerWaitOnServerTest : public StoreTest
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
        ASSERT_EQ(m_connection.Open(m_server.uri() + QStringLiteral("&connect_timeout=2")), 0);
        ASSERT_TRUE(m_connection.Execute(
            QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Milk', 1)")));
    }
    void TearDown() override
    {
        m_server.resume();
        m_connection.Close();
        StoreTest::TearDown();
    }

    QString quantity()
    {
        CAdoRecordset set;
        if (!set.Open(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 1"), m_connection,
                      CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
            return QStringLiteral("<failed: ") + m_connection.lastError() + QLatin1Char('>');
        }
        return set.GetField(0).GetText();
    }

    ThrowawayServer m_server;
    CAdoConnection m_connection{true};
};

TEST_F(ServerWaitOnServerTest, AStatementAskedForDuringTheWaitIsRefusedAndNeverSent)
{
    bool tried = false;
    bool innerRan = true;
    QString innerError;
    int pauses = 0;
    PauseScope scope([&] {
        ++pauses;
        if (!tried) {
            tried = true;
            QElapsedTimer clock;
            clock.start();
            innerRan = m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 1"));
            innerError = m_connection.lastError();
            // Refused at once, not after a wait of its own.
            EXPECT_LT(clock.elapsed(), 100);
        }
    });
    ASSERT_TRUE(m_server.pause());
    EXPECT_FALSE(m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 2 WHERE ID = 1")));
    const QString outerError = m_connection.lastError();
    EXPECT_TRUE(outerError.contains(QStringLiteral("did not answer within 2 seconds"))) << outerError.toStdString();
    EXPECT_TRUE(tried);
    EXPECT_FALSE(innerRan);
    EXPECT_TRUE(innerError.contains(QStringLiteral("still waiting for the answer to another statement")))
        << innerError.toStdString();
    EXPECT_GE(pauses, 10);

    // Right after a wait ran out, the next statements fail at once instead
    // of each waiting again.
    pauses = 0;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(quantity().startsWith(QStringLiteral("<failed")));
    EXPECT_TRUE(quantity().startsWith(QStringLiteral("<failed")));
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(pauses, 0);

    // A moment later the server is tried again: the wait to connect is
    // bounded, and pauses too.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    clock.restart();
    EXPECT_TRUE(quantity().startsWith(QStringLiteral("<failed")));
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_GE(pauses, 10);

    // Back: the refused write never landed (the one that timed out may
    // have), and the connection is sound.
    ASSERT_TRUE(m_server.resume());
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    const QString after = quantity();
    EXPECT_TRUE(after == "1" || after == "2") << after.toStdString();
    EXPECT_TRUE(m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 1")));
    EXPECT_EQ(quantity(), "3");
}
