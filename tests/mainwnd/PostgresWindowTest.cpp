#include "EngineCatalog.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ThrowawayServer.h"

#include "controls/CItemListCtrl.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/ServerWait.h"
#include "store/catalog/Catalog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <chrono>
#include <thread>
#include <tuple>

namespace
{
const QString kSeed = QStringLiteral(
    "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, Dept, Store, checked, DeptOrder, Price, "
    "Coupon) VALUES (1, 'Milk', 2, 'litre', 'Dairy', 'B-Mart', 0, 0, 2.5, 0), "
    "(2, 'Bread', 1, 'loaf', 'Bakery', 'B-Mart', 0, 1, 3, 0)");

// Lets the event loop run until done() holds or ms have passed.
bool within(int ms, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done()) {
            return true;
        }
    }
    return done();
}
} // namespace

// The main window on a catalog of a PostgreSQL server.
class PostgresWindowTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Catalog::setLocation(QString());
        m_catalog.end();
        GrocelleTest::TearDown();
    }

    bool useServer(const QString& uri)
    {
        Catalog::setLocation(uri);
        return Catalog::prepareFile(uri) == Catalog::FileState::Created;
    }

    EngineCatalog m_catalog;
};

TEST_F(PostgresWindowTest, AnotherProgramsChangeShowsUnlessTheUserIsTyping)
{
    QString why;
    if (!m_catalog.begin(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    ASSERT_TRUE(useServer(m_catalog.location()));
    ASSERT_TRUE(m_catalog.exec(kSeed));
    MainWindowHarness main;
    EXPECT_TRUE(main->windowTitle().contains(QStringLiteral("PostgreSQL server")));
    ASSERT_EQ(main.column(0), QStringList({"Milk", "Bread"}));

    // The user's place in the list stays on the item chosen.
    main->list().selectRow(1);
    ASSERT_TRUE(m_catalog.exec(QStringLiteral("UPDATE ShoppingLists SET Price = 2.75 WHERE ID = 1")));
    EXPECT_TRUE(within(2000, [&] { return main.column(4).value(0) == QStringLiteral("5.50"); }));
    EXPECT_EQ(main->list().markedItem(), 2);

    ASSERT_TRUE(m_catalog.exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ID = 2")));
    EXPECT_TRUE(within(2000, [&] { return main.column(0) == QStringList({"Milk"}); }));

    // A name half typed in quick entry holds the change back until it is done.
    main->quickText().setFocus();
    main->quickText().setText(QStringLiteral("Mi"));
    ASSERT_TRUE(m_catalog.exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 2")));
    EXPECT_FALSE(within(800, [&] { return main.column(0).size() == 2; }));
    main->quickText().clear();
    EXPECT_TRUE(within(2000, [&] { return main.column(0).size() == 2; }));
}

TEST_F(PostgresWindowTest, ServerGoingAwayIsToldAndTheWindowCarriesOn)
{
    ThrowawayServer server;
    QString why;
    if (!server.create(why)) {
        GTEST_SKIP() << why.toStdString();
    }
    ASSERT_TRUE(useServer(server.uri()));
    {
        CAdoConnection seed(true);
        ASSERT_EQ(seed.Open(server.uri()), 0);
        ASSERT_TRUE(seed.Execute(kSeed));
    }
    MainWindowHarness main;
    ASSERT_EQ(main.column(1), QStringList({"2", "1"}));
    main.clickRow(0);

    ASSERT_TRUE(server.stopImmediately());
    messages.clear();
    main->OnCommand(CommandId::AddOne);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(QStringLiteral("PostgreSQL server"))) << messages.last().toStdString();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main.column(1), QStringList({"2", "1"}));

    // Back again: the next command finds it by itself.
    ASSERT_TRUE(server.start());
    messages.clear();
    main.clickRow(0);
    main->OnCommand(CommandId::AddOne);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(main.column(1).value(0), "3");
    CAdoConnection check(true);
    ASSERT_EQ(check.Open(server.uri()), 0);
    CAdoRecordset set;
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 1"), check));
    EXPECT_EQ(set.GetField(0).GetText(), "3");
}

namespace
{
// Counts the paints and resizes of the widgets it watches that come while
// the window's thread waits for a server.
class WaitWatcher : public QObject
{
public:
    int paints = 0;
    int resizes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (ServerWait::waiting()) {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            resizes += event->type() == QEvent::Resize ? 1 : 0;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

TEST_F(PostgresWindowTest, TheWindowRepaintsWhileAStoppedServerKeepsItWaitingAndNothingElseRuns)
{
    ThrowawayServer server;
    QString why;
    if (!server.create(why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString uri = server.uri() + QStringLiteral("&connect_timeout=2");
    ASSERT_TRUE(useServer(uri));
    {
        CAdoConnection seed(true);
        ASSERT_EQ(seed.Open(uri), 0);
        ASSERT_TRUE(seed.Execute(kSeed));
    }
    MainWindowHarness main;
    ASSERT_EQ(main.column(1), QStringList({"2", "1"}));
    main.clickRow(0);
    WaitWatcher watcher;
    main->list().viewport()->installEventFilter(&watcher);
    main->installEventFilter(&watcher);
    const QSize size = main->size();

    // Due long before the wait ends: a timer that would send a statement on
    // the window's connection.
    bool timerRan = false;
    bool timerRanWhileWaiting = false;
    QTimer::singleShot(50, &watcher, [&] {
        timerRan = true;
        timerRanWhileWaiting = ServerWait::waiting();
        std::ignore = main->connection().Execute(QStringLiteral("UPDATE ShoppingLists SET Price = 9 WHERE ID = 9"));
    });
    // What the window system asks for meanwhile: a repaint, a new size.
    std::thread windowSystem([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        QMetaObject::invokeMethod(&main.window(), [&] {
            main->list().viewport()->update();
            main->resize(size + QSize(40, 30));
        });
    });

    ASSERT_TRUE(server.pause());
    messages.clear();
    QElapsedTimer clock;
    clock.start();
    main->OnCommand(CommandId::AddOne);
    // One time limit for the command, not one for each of its statements.
    EXPECT_LT(clock.elapsed(), 3500);
    windowSystem.join();
    EXPECT_GT(watcher.paints, 0);
    EXPECT_GT(watcher.resizes, 0);
    EXPECT_FALSE(timerRan);
    // The wait ended with the message it always had, the list as it was.
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(QStringLiteral("PostgreSQL server"))) << messages.last().toStdString();
    EXPECT_EQ(main.column(1), QStringList({"2", "1"}));
    EXPECT_TRUE(main->isVisible());

    // The timer runs once the wait is over, and a moment later the next
    // command finds the server again.
    ASSERT_TRUE(server.resume());
    EXPECT_TRUE(within(3000, [&] { return timerRan; }));
    EXPECT_FALSE(timerRanWhileWaiting);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    messages.clear();
    main.clickRow(0);
    main->OnCommand(CommandId::AddOne);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(main.column(1), QStringList({"3", "1"}));
}
