#include "EngineCatalog.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ThrowawayServer.h"

#include "controls/CItemListCtrl.h"
#include "platform/CommandIds.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Catalog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

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
