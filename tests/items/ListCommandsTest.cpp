#include "CatalogSeed.h"
#include "EngineTest.h"
#include "FakeListWindow.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "items/ListCommands.h"
#include "list/ItemChanges.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/journal/Journal.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTabBar>

#include <chrono>
#include <csignal>
#include <thread>

namespace
{
SeedItem row(const QString& name, int qty, int checked = 0, const QVariant& coupon = 0,
             const QString& store = QStringLiteral("B-Mart"), int id = 0)
{
    return {.name = name, .qty = qty, .store = store, .checked = checked, .coupon = coupon, .id = id};
}
} // namespace

class ListCommandsTest : public EngineTest
{
protected:
    // Items 1..n, each needed, marked and with a coupon.
    static void seedNeeded(int n)
    {
        std::vector<SeedItem> items;
        for (int i = 1; i <= n; ++i) {
            items.push_back(row(QStringLiteral("Item %1").arg(i), 1 + i % 5, 1, 1, QStringLiteral("B-Mart"), i));
        }
        CatalogSeed::write(items);
    }
};

TEST_P(ListCommandsTest, ClearListResetsQuantitiesAndMarksAfterYesOnly)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), 2), row(QStringLiteral("Bread"), 0, 1),
                        row(QStringLiteral("Eggs"), 3, -1), row(QStringLiteral("Salt"), 0, 0, 1)});
    MainWindowHarness main;
    answers = {MessageService::IdNo};
    main->OnCommand(CommandId::ClearList);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), 3);

    main->OnCommand(CommandId::ClearList);
    EXPECT_EQ(messages, QStringList(2, QStringLiteral("Create a new list?  This will reset all quantities in your "
                                                      "existing list to zero.")));
    const MessageService::Box& box = boxes.front();
    EXPECT_EQ(box.caption, QStringLiteral("Grocelle"));
    EXPECT_EQ(box.icon, MessageService::Icon::Exclamation);
    EXPECT_EQ(box.buttons, MessageService::Buttons::YesNo);
    EXPECT_EQ(box.defaultButton, MessageService::IdNo);
    // The marked Bread with quantity 0 loses its mark too; coupons stay.
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), 0);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Coupon = 1")), 1);
    EXPECT_EQ(main->list().itemCount(), 0);
}

TEST_P(ListCommandsTest, ClearMarkedAndClearCouponsTouchOnlyTheirRows)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), 2, 1, -1), row(QStringLiteral("Eggs"), 3, 0, 7),
                        row(QStringLiteral("Bread"), 0, 1, QVariant())});
    MainWindowHarness main;
    main->OnCommand(CommandId::ClearMarked);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("QtyToBuy || '/' || Checked")), QStringLiteral("0/0 3/0 0/0"));
    EXPECT_EQ(main.column(0), QStringList{QStringLiteral("Eggs")});

    main->OnCommand(CommandId::ClearCoupons);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Coupon <> 0")), 0); // -1 and 7 as well as 1
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy = 3")), 1);
    EXPECT_EQ(messages, (QStringList{QStringLiteral("Remove all marked items from needed list?"),
                                     QStringLiteral("Clear all coupons in memory?")}));
}

TEST_P(ListCommandsTest, DeleteAsksNothingWithoutSelectionAndChangesNothingOnNo)
{
    CatalogSeed::write({row(QStringLiteral("Salt"), 0)});
    {
        MainWindowHarness main;
        main->OnCommand(CommandId::DeleteItem);
        EXPECT_EQ(messages, QStringList{QStringLiteral("No item selected.")});
    }
    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1"));
    MainWindowHarness main;
    messages.clear();
    answers = {MessageService::IdNo};
    main->OnCommand(CommandId::DeleteItemToolbar);
    EXPECT_EQ(messages, QStringList{QStringLiteral("WARNING:  This will permanently delete this memorized item.  (To "
                                                   "remove an item from your list, simply highlight it and press "
                                                   "'-'.)\n  Are you sure?")});
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 1);
}

TEST_P(ListCommandsTest, DeleteFromAStoreViewReturnsToNeedWithoutTheStoresTab)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), 1), row(QStringLiteral("Ham"), 0, 0, 0, QStringLiteral("Corner"))});
    MainWindowHarness main;
    main->tabStrip().setCurrentIndex(static_cast<int>(main->view().tabStores.indexOf(QStringLiteral("Corner"))));
    ASSERT_EQ(main.column(0), QStringList{QStringLiteral("Ham")});
    main.clickRow(0);
    main->OnCommand(CommandId::DeleteItem);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("ItemName = 'Ham'")), 0);
    EXPECT_TRUE(main->view().needView);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("*"));
    EXPECT_EQ(main->tabStrip().count(), 2);
    EXPECT_EQ(main->tabStrip().currentIndex(), 0);
    EXPECT_FALSE(main->button(ControlId::LetterA)->isVisible());
    EXPECT_FALSE(main->commandAction(CommandId::QuantityFilter)->isEnabled());
    EXPECT_EQ(main.column(0), QStringList{QStringLiteral("Milk")});
}

TEST_P(ListCommandsTest, AClearFailingPartWayKeepsEveryRowAndSaysSo)
{
    seedNeeded(1000);
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("UPDATE"), QStringLiteral("old.ID = 500")));
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    for (const auto which : {ListCommands::Clear::Marked, ListCommands::Clear::Coupons}) {
        EXPECT_THROW(ListCommands::clearRows(connection, which), CAdoException);
    }
    connection.Close();
    MainWindowHarness main;
    main->OnCommand(CommandId::ClearList);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy > 0 AND Checked = 1 AND Coupon = 1")), 1000);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(
        messages.last().startsWith(QStringLiteral("The list could not be cleared, so every item is as it was.")))
        << messages.last().toStdString();
    // What failed in the user's words; the engine's own only as the detail.
    EXPECT_FALSE(messages.last().contains(QStringLiteral("refused"), Qt::CaseInsensitive))
        << messages.last().toStdString();
    EXPECT_FALSE(messages.last().contains(QStringLiteral("error"), Qt::CaseInsensitive));
    EXPECT_TRUE(boxes.back().detail.contains(QStringLiteral("refused"), Qt::CaseInsensitive))
        << boxes.back().detail.toStdString();
    EXPECT_EQ(main->list().itemCount(), 1000);
}

#ifdef GROCELLE_PASS_CHILD
// The child runs Clear List with a page cache so small that changed pages
// reach the file long before the end, and stops on the 50,000th item until it
// is killed.
TEST_P(ListCommandsTest, KilledInTheMiddleOfClearListLeavesAllOrNoneAndASoundFile)
{
    SQLITE_ONLY("the child and what it leaves behind are an SQLite file's");
    constexpr int Items = 100000;
    seedNeeded(Items);
    const QString file = CatalogSeed::path();
    QProcess child;
    child.start(QStringLiteral(GROCELLE_PASS_CHILD), {file, QString::number(Items / 2)});
    QByteArray said;
    while (!said.contains("reached") && child.waitForReadyRead(30000)) {
        said += child.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("reached")) << child.readAllStandardError().toStdString();
    // The pass has reached the file: its write-ahead log, or its rollback
    // journal where the folder cannot hold a log.
    EXPECT_TRUE(QFile::exists(file + QStringLiteral("-wal")) || QFile::exists(file + QStringLiteral("-journal")));
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));

    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), Items); // none of it
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    // Nor of its undo history, written part by part as the pass went.
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name LIKE 'Journal%'")),
              QStringLiteral("0"));

    // Left to finish, the same child clears everything.
    child.start(QStringLiteral(GROCELLE_PASS_CHILD), {file});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), 0);
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    Journal journal(connection);
    ASSERT_EQ(journal.history().size(), 1);
    EXPECT_EQ(journal.history().first().itemCount, Items);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy > 0 AND Checked = 1")), Items);
}
#endif

TEST_P(ListCommandsTest, CommandsAskTheWindowForExactlyTheUpdatesTheyNeed)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), 1, 0, 0, QStringLiteral("B-Mart"), 4)});
    FakeListWindow window;
    answers = {MessageService::IdNo};
    ListCommands(window).ClearList();
    EXPECT_EQ(window.rebuilds, 0);
    ListCommands(window).ClearList();
    EXPECT_EQ(window.rebuilds, 1);

    window.showRow(4, QStringLiteral("Milk"), 1);
    window.connection().Close();
    ListCommands(window).DeleteItem();
    EXPECT_EQ(window.needViewReturns, 0) << "a delete that failed";
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("The item could not be deleted.")));

    ASSERT_EQ(window.connection().Open(CatalogSeed::path()), 0);
    ListCommands(window).DeleteItem();
    EXPECT_EQ(window.needViewReturns, 1);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("ID = 4")), 0);
}

TEST_P(ListCommandsTest, ARefusedDeleteKeepsTheItemAndItsRowAndSaysSo)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .store = QStringLiteral("B-Mart")}});
    MainWindowHarness main;
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("DELETE")));
    main->OnCommand(CommandId::DeleteItem);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.last(), QStringLiteral("The item could not be deleted."));
    EXPECT_TRUE(boxes.back().detail.contains(QStringLiteral("refused"), Qt::CaseInsensitive));
    EXPECT_EQ(main.column(0), QStringList{QStringLiteral("Milk")});
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), QStringLiteral("1"));
    EXPECT_EQ(main->tabStrip().count(), 2);
}

TEST_P(ListCommandsTest, ClearListMeetingAnotherProgramsOneItemChangeEndsOneOfThemWithItsReason)
{
    if (onSqlite()) {
        GTEST_SKIP() << "a file is locked whole: its writers never wait for each other";
    }
    seedNeeded(3);
    const QString location = CatalogSeed::path();
    // A third program holds the journal, so that the pass and the change
    // meet: the change has locked its item and waits for the journal, the
    // pass has the journal next and waits for the item.
    CAdoConnection holder(true);
    ASSERT_EQ(holder.Open(location), 0);
    ASSERT_TRUE(holder.BeginTrans());
    ASSERT_TRUE(holder.Execute(QStringLiteral("LOCK TABLE JournalActions IN SHARE ROW EXCLUSIVE MODE")));

    const auto run = [&location](const std::function<void(CAdoConnection&)>& work) {
        CAdoConnection connection(true);
        if (connection.Open(location) != 0) {
            return connection.lastError();
        }
        try {
            work(connection);
        } catch (const CAdoException& error) {
            return error.describe();
        }
        return QString();
    };
    QString passError = QStringLiteral("<not run>");
    QString markError = QStringLiteral("<not run>");
    std::thread pass(
        [&] { passError = run([](CAdoConnection& c) { ListCommands::clearRows(c, ListCommands::Clear::List); }); });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    std::thread mark([&] { markError = run([](CAdoConnection& c) { ItemChanges::setMark(c, 2, 0); }); });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_TRUE(holder.CommitTrans());
    pass.join();
    mark.join();

    // One of the two lands whole; the other is told what happened, not that
    // a value could not be read.
    const bool passLanded = passError.isEmpty();
    const bool markLanded = markError.isEmpty();
    ASSERT_TRUE(passLanded || markLanded) << passError.toStdString() << " / " << markError.toStdString();
    const QString loser = passLanded ? markError : passError;
    if (!loser.isEmpty()) {
        EXPECT_TRUE(loser.contains(QStringLiteral("changed the same items at the same moment"))
                    || loser.contains(QStringLiteral("Another program is changing this item")))
            << loser.toStdString();
        EXPECT_FALSE(loser.contains(QStringLiteral("aborted"))) << loser.toStdString();
    }
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0")), passLanded ? 0 : 3);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Checked <> 0")), passLanded ? 0 : 2);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM JournalActions")),
              QString::number(int(passLanded) + int(markLanded)));
}

INSTANTIATE_FOR_BOTH_ENGINES(ListCommandsTest);
