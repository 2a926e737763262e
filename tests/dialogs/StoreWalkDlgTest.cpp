#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "dialogs/CArrangeDlg.h"
#include "list/AutoWalks.h"
#include "mainwnd/CMainDlg.h"
#include "platform/widgets/AppState.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"
#include "store/journal/Journal.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
SeedItem item(const QString& name, const QString& dept, int deptOrder, const QString& store)
{
    SeedItem seed{name, 1};
    seed.dept = dept;
    seed.deptOrder = deptOrder;
    seed.store = store;
    return seed;
}

QStringList texts(const QListWidget& list)
{
    QStringList out;
    for (int row = 0; row < list.count(); ++row) {
        out << list.item(row)->text();
    }
    return out;
}

const qint64 kDay = 86'400'000LL;
const qint64 kStart = 1'700'000'000'000LL;
} // namespace

// B-Mart sells Produce, Bakery and Dairy; C-Mart Dairy and Deli. The everyday
// walk is Produce, Bakery, Dairy, Deli.
class StoreWalkDlgTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({item(QStringLiteral("Apples"), QStringLiteral("Produce"), 0, QStringLiteral("B-Mart")),
                            item(QStringLiteral("Bread"), QStringLiteral("Bakery"), 1, QStringLiteral("B-Mart")),
                            item(QStringLiteral("Milk"), QStringLiteral("Dairy"), 2, QStringLiteral("B-Mart")),
                            item(QStringLiteral("Cream"), QStringLiteral("Dairy"), 2, QStringLiteral("B-Mart")),
                            item(QStringLiteral("Pears"), QStringLiteral("Produce"), 0, QStringLiteral("B-Mart")),
                            item(QStringLiteral("Cheese"), QStringLiteral("Dairy"), 2, QStringLiteral("C-Mart")),
                            item(QStringLiteral("Ham"), QStringLiteral("Deli"), 3, QStringLiteral("C-Mart"))});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
    }

    // Trips to B-Mart days ago, its departments walked in order: two marks
    // each, a minute apart.
    void walkTrips(int trips, const QStringList& order, int firstDay = 0)
    {
        const QStringList ids{QStringLiteral("Apples Pears"), QStringLiteral("Bread"), QStringLiteral("Milk Cream")};
        const QStringList depts{QStringLiteral("Produce"), QStringLiteral("Bakery"), QStringLiteral("Dairy")};
        for (int trip = firstDay; trip < firstDay + trips; ++trip) {
            qint64 at = kStart + trip * kDay;
            for (const QString& dept : order) {
                for (const QString& name : ids[depts.indexOf(dept)].split(QLatin1Char(' '))) {
                    const qint64 id = CatalogSeed::stored(QStringLiteral("ID"), name).toLongLong();
                    MarkLog::record(connection, id, true, QStringLiteral("B-Mart"), at += 60'000);
                }
            }
        }
    }

    QStringList walk(const QString& store) { return StoreWalks(connection).walkOf(store).departments; }
    bool own(const QString& store) { return StoreWalks(connection).walkOf(store).own; }
    static QString orders() { return CatalogSeed::joined(QStringLiteral("ItemName || ':' || DeptOrder")); }
    static void click(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    static void choose(CArrangeDlg& dialog, const QString& store)
    {
        dialog.storeChoice().setCurrentIndex(dialog.storeChoice().findText(store));
    }

    CAdoConnection connection;
};

TEST_P(StoreWalkDlgTest, OneStoreArrangesOnlyItsOwnWalkAsOneUndoableAction)
{
    const QString everyday = orders();
    CArrangeDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.storeChoice().itemText(0), QStringLiteral("All stores"));
    EXPECT_EQ(dialog.storeChoice().count(), 3);
    EXPECT_FALSE(dialog.learnedList().isVisible());

    choose(dialog, QStringLiteral("B-Mart"));
    EXPECT_EQ(dialog.chosenStore(), QStringLiteral("B-Mart"));
    EXPECT_TRUE(dialog.learnedList().isVisible());
    // Only the departments B-Mart's items use, in the everyday walk.
    EXPECT_EQ(dialog.departments(), (QStringList{"Produce", "Bakery", "Dairy"}));
    dialog.departmentList().setCurrentRow(2);
    click(dialog, "up");
    click(dialog, "up");
    click(dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.wrote());

    EXPECT_TRUE(own(QStringLiteral("B-Mart")));
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), (QStringList{"Dairy", "Produce", "Bakery"}));
    EXPECT_FALSE(own(QStringLiteral("C-Mart")));
    EXPECT_EQ(orders(), everyday); // the everyday walk is untouched

    Journal journal(connection);
    ASSERT_FALSE(journal.history().empty());
    EXPECT_EQ(journal.history().front().label, QStringLiteral("Arrange Departments for B-Mart"));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), (QStringList{"Produce", "Bakery", "Dairy"}));
}

TEST_P(StoreWalkDlgTest, TheLearnedOrderStandsBesideTheWalkAndApplyTakesItAsOneUndoableAction)
{
    walkTrips(4, {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
    CArrangeDlg dialog;
    dialog.show();
    choose(dialog, QStringLiteral("B-Mart"));
    EXPECT_EQ(dialog.learnedCaption().text(), QStringLiteral("B-Mart, learned from 4 trips"));
    EXPECT_EQ(texts(dialog.learnedList()), (QStringList{"Dairy", "Bakery", "Produce"}));
    EXPECT_EQ(dialog.departments(), (QStringList{"Produce", "Bakery", "Dairy"}));
    ASSERT_TRUE(dialog.applyButton().isEnabled());

    click(dialog, "apply");
    EXPECT_TRUE(dialog.wrote());
    EXPECT_EQ(dialog.departments(), (QStringList{"Dairy", "Bakery", "Produce"}));
    EXPECT_FALSE(dialog.applyButton().isEnabled()); // nothing left to take
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), (QStringList{"Dairy", "Bakery", "Produce"}));
    // Cancel after Apply keeps what Apply wrote: it was its own action.
    click(dialog, "cancel");
    EXPECT_TRUE(own(QStringLiteral("B-Mart")));

    Journal journal(connection);
    ASSERT_EQ(journal.history().size(), 1);
    EXPECT_EQ(journal.history().front().label, QStringLiteral("Learned walk of B-Mart"));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
}

TEST_P(StoreWalkDlgTest, AStoreWithoutTripsSaysPlainlyThatNothingIsLearned)
{
    walkTrips(4, {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
    CArrangeDlg dialog;
    dialog.show();
    choose(dialog, QStringLiteral("C-Mart"));
    EXPECT_TRUE(dialog.learnedCaption().text().startsWith(QStringLiteral("Nothing learned yet at C-Mart.")));
    EXPECT_EQ(dialog.learnedList().count(), 0);
    EXPECT_FALSE(dialog.applyButton().isEnabled());
    EXPECT_EQ(dialog.departments(), (QStringList{"Dairy", "Deli"}));

    // Back to all stores: today's dialog, every department.
    choose(dialog, QStringLiteral("All stores"));
    EXPECT_EQ(dialog.departments(), (QStringList{"Produce", "Bakery", "Dairy", "Deli"}));
    EXPECT_FALSE(dialog.learnedList().isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(StoreWalkDlgTest, ChoosingAnotherStoreAfterMovesAsksWhetherToKeepThem)
{
    const QString everyday = orders();
    CArrangeDlg dialog;
    dialog.show();
    choose(dialog, QStringLiteral("B-Mart"));
    click(dialog, "down");
    answers.push_back(7); // No: the moves are dropped
    choose(dialog, QStringLiteral("C-Mart"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Keep the order arranged for B-Mart?")});
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_FALSE(dialog.changed());

    click(dialog, "down");
    answers.push_back(6); // Yes: C-Mart's walk is written first
    choose(dialog, QStringLiteral("All stores"));
    EXPECT_EQ(walk(QStringLiteral("C-Mart")), (QStringList{"Deli", "Dairy"}));
    EXPECT_TRUE(own(QStringLiteral("C-Mart")));
    click(dialog, "cancel");
    EXPECT_EQ(orders(), everyday);
}

TEST_P(StoreWalkDlgTest, EmojiNamesAndAWalkTableDamagedByHandGiveASaneDialog)
{
    QString store;
    QString dept;
    const char32_t cart = U'\U0001F6D2';
    const char32_t melon = U'\U0001F348';
    for (int i = 0; i < 30; ++i) {
        store += QString::fromUcs4(&cart, 1);
        dept += QString::fromUcs4(&melon, 1);
    }
    ASSERT_TRUE(CatalogSeed::exec(
        QStringLiteral("UPDATE ShoppingLists SET Store = '%1' WHERE Store = 'B-Mart'; UPDATE ShoppingLists SET Dept = "
                       "'%2' WHERE Dept = 'Bakery'")
            .arg(store, dept)));
    // Missing rows, a place given twice, a department twice, a place that is
    // no number and an empty name.
    ASSERT_TRUE(CatalogSeed::exec(
        QStringLiteral("INSERT INTO StoreWalks VALUES (1, '%1', 'Dairy', 0); INSERT INTO StoreWalks VALUES (2, '%1', "
                       "'%2', 0); INSERT INTO StoreWalks VALUES (3, '%1', 'dairy', 5); INSERT INTO StoreWalks VALUES "
                       "(4, '%1', '', 1)")
            .arg(store, dept)));
    if (onSqlite()) {
        ASSERT_TRUE(
            CatalogSeed::exec(QStringLiteral("INSERT INTO StoreWalks VALUES (5, '%1', 'Produce', 'x')").arg(store)));
    }
    CArrangeDlg dialog;
    dialog.show();
    const QSize before = dialog.size();
    choose(dialog, store);
    ASSERT_EQ(dialog.chosenStore(), store);
    // Every department once: Dairy and the melons share a place and go in
    // the everyday walk, and Produce, which the walk lacks, goes first as
    // nothing placed comes before it there.
    EXPECT_EQ(dialog.departments(), (QStringList{"Produce", dept, "Dairy"}));
    // The dialog grows for the second list, but a long name does not stretch it.
    EXPECT_GE(dialog.width(), before.width());
    EXPECT_LT(dialog.minimumSizeHint().width(), 700);
    EXPECT_FALSE(dialog.learnedCaption().text().contains(store));

    click(dialog, "down");
    click(dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(walk(store), (QStringList{dept, "Produce", "Dairy"}));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM StoreWalks")), QStringLiteral("3"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(StoreWalkDlgTest, TheWindowsListIsRebuiltAfterApplyEvenWhenTheDialogIsCancelled)
{
    walkTrips(3, {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
    MainWindowHarness main;
    // Bread becomes needed behind the window's back: only a rebuild shows it.
    ASSERT_TRUE(CatalogSeed::execUnannounced(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0")));
    const int shown = main->list().itemCount();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CArrangeDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->storeChoice().setCurrentIndex(1);
        click(*dialog, "apply");
        dialog->reject();
    });
    main->OnCommand(CommandId::ArrangeDepartments);
    EXPECT_NE(main->list().itemCount(), shown);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), (QStringList{"Dairy", "Bakery", "Produce"}));
    EXPECT_TRUE(main->commandAction(CommandId::Undo)->text().contains(QStringLiteral("Learned walk of B-Mart")));
}

TEST_P(StoreWalkDlgTest, AFinishedTripAppliesTheLearnedWalkOnceAndTheLogLetsGoOfItsMarks)
{
    const QStringList backToFront{QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")};
    walkTrips(3, backToFront);
    const QString logged = QStringLiteral("SELECT count(*) FROM MarkLog WHERE Store = 'B-Mart'");
    // The last trip's last mark was five minutes ago: it counts, but it is
    // not over, and the two before it are.
    const qint64 lastTrip = kStart + 2 * kDay;
    std::vector<AutoWalks::Applied> applied = AutoWalks::applyFinishedTrips(connection, lastTrip + 10 * 60'000);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].store, QStringLiteral("B-Mart"));
    EXPECT_EQ(applied[0].trips, 3);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), backToFront);
    EXPECT_EQ(AutoWalks::note(applied), QStringLiteral("B-Mart now walks as learned from 3 trips; Ctrl+Z undoes it."));
    // The marks of the kept trips are let go; the last trip's stay.
    EXPECT_EQ(CatalogSeed::scalar(logged), QStringLiteral("5"));

    // Once only: no trip ended since.
    EXPECT_TRUE(AutoWalks::applyFinishedTrips(connection, lastTrip + 11 * 60'000).empty());
    // The last trip ends and teaches the walk there is already.
    EXPECT_TRUE(AutoWalks::applyFinishedTrips(connection, lastTrip + 60 * 60'000).empty());
    EXPECT_EQ(CatalogSeed::scalar(logged), QStringLiteral("0"));

    // The store is rearranged: within three trips its walk follows.
    const QStringList rearranged{QStringLiteral("Produce"), QStringLiteral("Dairy"), QStringLiteral("Bakery")};
    walkTrips(3, rearranged, 10);
    applied = AutoWalks::applyFinishedTrips(connection, kStart + 13 * kDay);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), rearranged);
    Journal journal(connection);
    ASSERT_EQ(journal.history().size(), 2);
    EXPECT_EQ(journal.history().front().label, QStringLiteral("Learned walk of B-Mart"));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), backToFront);
}

TEST_P(StoreWalkDlgTest, TheWindowLearnsOnlyWhenChosenSaysSoOnceAndUndoTakesItBack)
{
    walkTrips(3, {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
    MainWindowHarness main;
    main->app().setLearnWalks(false);
    main->LearnWalks();
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_FALSE(main->summaryLine().contains(QStringLiteral("learned")));

    main->app().setLearnWalks(true);
    // Not while a dialog is open over the window.
    QDialog over(&main.window());
    over.setModal(true);
    over.show();
    main->LearnWalks();
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    over.hide();
    main->LearnWalks();
    EXPECT_TRUE(own(QStringLiteral("B-Mart")));
    EXPECT_TRUE(main->summaryLine().contains(QStringLiteral("B-Mart now walks as learned from 3 trips")));
    EXPECT_TRUE(main->commandAction(CommandId::Undo)->text().contains(QStringLiteral("Learned walk of B-Mart")));
    main->OnCommand(CommandId::Undo);
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    // Nothing more to learn: no second note, no second action.
    main->LearnWalks();
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_FOR_BOTH_ENGINES(StoreWalkDlgTest);

TEST_P(StoreWalkDlgTest, AStoreNamedWithAPercentSignKeepsItsNameInTheLearnedCaption)
{
    walkTrips(2, {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
    for (const char* table : {"ShoppingLists", "MarkLog"}) {
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ") + QLatin1String(table)
                                      + QStringLiteral(" SET Store = 'B%1' WHERE Store = 'B-Mart'")));
    }
    CArrangeDlg dialog;
    dialog.show();
    choose(dialog, QStringLiteral("B%1"));
    // The count goes where it belongs, not into the name's "%1".
    EXPECT_EQ(dialog.learnedCaption().text(), QStringLiteral("B%1, learned from 2 trips"));
}
