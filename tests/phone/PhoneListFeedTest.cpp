#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"

#include "list/ItemChanges.h"
#include "phone/PhoneListFeed.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/CatalogChangeCounter.h"
#include "store/catalog/CatalogWatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <optional>

namespace
{
// Turns the event loop until done() or ms have passed; done()'s last word.
template <typename Done>
bool spinUntil(Done done, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}
} // namespace

// The change counter on both engines: it moves for every committed change,
// the program's own and another program's, and for nothing else.
class CatalogChangeCounterTest : public EngineTest
{
protected:
    void TearDown() override
    {
        connection.Close();
        EngineTest::TearDown();
    }
    CAdoConnection connection;
};

TEST_P(CatalogChangeCounterTest, MovesForEveryCommittedChangeAndForNothingElse)
{
    CatalogSeed::write(
        {{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}, {.name = QStringLiteral("Eggs"), .qty = 2, .id = 2}});
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    if (!onSqlite()) {
        ASSERT_TRUE(CatalogWatcher::installTrigger(connection));
    }
    CatalogChangeCounter counter(connection);
    std::optional<quint64> seen = counter.generation();
    ASSERT_TRUE(seen.has_value());
    auto movesWithin = [&](int ms) {
        return spinUntil(
            [&] {
                const std::optional<quint64> now = counter.generation();
                return now && now != seen;
            },
            ms);
    };

    // Reads and quiet time change nothing.
    CatalogSeed::count(QStringLiteral("QtyToBuy > 0"));
    EXPECT_FALSE(movesWithin(300));

    // The program's own write, on the same connection.
    ItemChanges::setMark(connection, 1, 1);
    EXPECT_TRUE(movesWithin(2000));
    seen = counter.generation();
    EXPECT_FALSE(movesWithin(300));

    // Another program's write.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 2")));
    EXPECT_TRUE(movesWithin(2000));
    seen = counter.generation();

    // Told of a write, it moves at once.
    counter.noteWrite();
    EXPECT_NE(counter.generation(), seen);
}

TEST_P(CatalogChangeCounterTest, VouchesForNothingWhileATransactionIsOpenOrTheCatalogIsClosed)
{
    SQLITE_ONLY("the server's notices come at commit; a file's own writes are counted before");
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}});
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    CatalogChangeCounter counter(connection);
    ASSERT_TRUE(counter.generation().has_value());
    {
        CAdoTransaction transaction(connection);
        ItemChanges::setQuantity(connection, 1, 5);
        EXPECT_FALSE(counter.generation().has_value());
        transaction.commit();
    }
    const std::optional<quint64> after = counter.generation();
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(counter.generation(), after);
    connection.Close();
    EXPECT_FALSE(counter.generation().has_value());
}

INSTANTIATE_FOR_BOTH_ENGINES(CatalogChangeCounterTest);

// The list as the page polls it.
class PhoneListFeedTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 2.0, .id = 1},
                            {.name = QStringLiteral("Eggs"), .qty = 2, .id = 2},
                            {.name = QStringLiteral("Tea"), .qty = 0, .id = 3}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        if (!onSqlite()) {
            ASSERT_TRUE(CatalogWatcher::installTrigger(connection));
        }
        feed = std::make_unique<PhoneListFeed>(connection);
    }
    void TearDown() override
    {
        feed.reset();
        connection.Close();
        EngineTest::TearDown();
    }
    // Polls as the page does, with the version it holds, until the list
    // meets done; false when two seconds pass first.
    template <typename Done>
    bool seenWithinTwoSeconds(QString& version, Done done)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000) {
            const QJsonObject answer = poll(version);
            if (!answer.value(QLatin1String("unchanged")).toBool()) {
                version = answer.value(QLatin1String("version")).toString();
                if (done(answer)) {
                    return true;
                }
            }
            spinUntil([] { return false; }, 20);
        }
        return false;
    }

    // The answer to a list request, waited for.
    QJsonObject poll(const QString& since, const QString& store = QStringLiteral("*"))
    {
        std::optional<PhoneApi::Reply> got;
        feed->list(store, since, [&got](const PhoneApi::Reply& reply) { got = reply; });
        EXPECT_TRUE(spinUntil([&got] { return got.has_value(); }));
        EXPECT_EQ(got ? got->status : 0, 200);
        return got ? QJsonDocument::fromJson(got->body).object() : QJsonObject();
    }
    static QStringList names(const QJsonObject& list)
    {
        QStringList out;
        for (const QJsonValue& item : list.value(QLatin1String("items")).toArray()) {
            out << item.toObject().value(QLatin1String("name")).toString();
        }
        return out;
    }

    CAdoConnection connection;
    std::unique_ptr<PhoneListFeed> feed;
};

TEST_P(PhoneListFeedTest, NothingChangedIsAnsweredWithoutReadingAndEveryChangeIsSeen)
{
    const QJsonObject first = poll(QString());
    EXPECT_EQ(names(first), (QStringList{QStringLiteral("Eggs"), QStringLiteral("Milk")}));
    const QString version = first.value(QLatin1String("version")).toString();
    ASSERT_FALSE(version.isEmpty());
    // The same as the list built on the window's own connection.
    EXPECT_EQ(QJsonDocument::fromJson(PhoneApi(connection).list(QStringLiteral("*"), QString()).body).object(), first);
    const int builds = feed->builds();

    for (int i = 0; i < 20; ++i) {
        const QJsonObject again = poll(version);
        EXPECT_TRUE(again.value(QLatin1String("unchanged")).toBool());
        EXPECT_EQ(again.value(QLatin1String("version")).toString(), version);
    }
    // A page without a version gets the whole list, still without a build.
    EXPECT_EQ(names(poll(QString())).size(), 2);
    EXPECT_EQ(feed->builds(), builds);

    // The window's own write, and another program's.
    QString held = version;
    ItemChanges::setQuantity(connection, 3, 4);
    EXPECT_TRUE(seenWithinTwoSeconds(
        held, [](const QJsonObject& list) { return names(list).contains(QStringLiteral("Tea")); }));
    EXPECT_NE(held, version);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ID = 1")));
    EXPECT_TRUE(seenWithinTwoSeconds(
        held, [](const QJsonObject& list) { return !names(list).contains(QStringLiteral("Milk")); }));
    // Told of a write of its own, the next request reads again.
    const int before = feed->builds();
    feed->noteWrite();
    poll(held);
    EXPECT_EQ(feed->builds(), before + 1);

    // A store tab is kept apart from the whole list.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Store = 'Corner' WHERE ID = 2")));
    EXPECT_EQ(names(poll(QString(), QStringLiteral("Corner"))), QStringList{QStringLiteral("Eggs")});
    EXPECT_EQ(names(poll(QString())).size(), 2);
}

TEST_P(PhoneListFeedTest, TheListIsBuiltOffTheWindowsThreadWhichKeepsTurning)
{
    QSemaphore release;
    std::atomic<Qt::HANDLE> builtOn{nullptr};
    feed->setBeforeBuild([&release, &builtOn] {
        builtOn = QThread::currentThreadId();
        release.tryAcquire(1, 10000);
    });
    std::optional<PhoneApi::Reply> got;
    feed->list(QStringLiteral("*"), QString(), [&got](const PhoneApi::Reply& reply) { got = reply; });
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(5);
    // The build is held up; the window's loop goes on, and more requests
    // for the same list wait for the same build.
    int more = 0;
    for (int i = 0; i < 3; ++i) {
        feed->list(QStringLiteral("*"), QString(), [&more](const PhoneApi::Reply&) { ++more; });
    }
    spinUntil([&ticks, &builtOn] { return builtOn.load() != nullptr && ticks >= 10; }, 5000);
    EXPECT_GE(ticks, 10);
    EXPECT_FALSE(got.has_value());
    EXPECT_EQ(more, 0);
    ASSERT_NE(builtOn.load(), nullptr);
    EXPECT_NE(builtOn.load(), QThread::currentThreadId());

    release.release(10);
    EXPECT_TRUE(spinUntil([&] { return got.has_value() && more == 3; }));
    EXPECT_EQ(feed->builds(), 1);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->status, 200);
}

TEST_P(PhoneListFeedTest, AChangeDuringABuildIsNotMissed)
{
    SQLITE_ONLY("the server's notice of the change may come after the second request");
    QSemaphore release;
    QSemaphore started;
    feed->setBeforeBuild([&release, &started] {
        started.release();
        release.tryAcquire(1, 10000);
    });
    std::optional<PhoneApi::Reply> first;
    feed->list(QStringLiteral("*"), QString(), [&first](const PhoneApi::Reply& reply) { first = reply; });
    ASSERT_TRUE(started.tryAcquire(1, 5000));
    // Written after the build began: a request made now must see it.
    ItemChanges::setQuantity(connection, 3, 4);
    std::optional<PhoneApi::Reply> second;
    feed->list(QStringLiteral("*"), QString(), [&second](const PhoneApi::Reply& reply) { second = reply; });
    release.release(10);
    ASSERT_TRUE(spinUntil([&] { return first.has_value() && second.has_value(); }));
    EXPECT_TRUE(names(QJsonDocument::fromJson(second->body).object()).contains(QStringLiteral("Tea")));
    EXPECT_EQ(feed->builds(), 2);
}

TEST_P(PhoneListFeedTest, AClosedCatalogIsAnsweredAtOnce)
{
    connection.Close();
    std::optional<PhoneApi::Reply> got;
    feed->list(QStringLiteral("*"), QString(), [&got](const PhoneApi::Reply& reply) { got = reply; });
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->status, 503);
    EXPECT_EQ(feed->builds(), 0);
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneListFeedTest);
