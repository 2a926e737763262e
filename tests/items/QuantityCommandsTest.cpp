#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "platform/widgets/CommandIds.h"

#include <QTabBar>
#include <QTest>

class QuantityCommandsTest : public EngineTest
{
};

TEST_P(QuantityCommandsTest, SubtractOneStopsAtZeroAndKeepsTheRow)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .price = 2.0},
        {.name = QStringLiteral("Salt"), .qty = 0, .price = 1.0},
    });
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    main.clickRow(0);
    QTest::keyClick(list.viewport(), Qt::Key_Left);
    EXPECT_EQ(list.itemText(0, 1), QString());
    EXPECT_EQ(list.itemText(0, 4), QString());
    EXPECT_EQ(list.itemCount(), 1); // stays until the next rebuild
    // ...but is no longer counted as needed, and counts again when raised.
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("0 items needed")));
    QTest::keyClick(list.viewport(), Qt::Key_Right);
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("1 item needed")));
    QTest::keyClick(list.viewport(), Qt::Key_Minus);
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("0 items needed")));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "0");
    EXPECT_DOUBLE_EQ(main->view().listTotal, 0.0);
    EXPECT_EQ(sounds.last(), QStringLiteral("\\WINDOWS\\DEFAULT.WAV"));

    // On an empty quantity: 0 again, totals unchanged.
    main->OnCommand(CommandId::SubtractOne);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "0");
    EXPECT_DOUBLE_EQ(main->view().listTotal, 0.0);
}

TEST_P(QuantityCommandsTest, AddOneRaisesQuantityAmountAndTotals)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 998, .price = 0.5, .checked = 1},
    });
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    QTest::keyClick(list.viewport(), Qt::Key_Right);
    QTest::keyClick(list.viewport(), Qt::Key_Right);
    EXPECT_EQ(list.itemText(0, 1), QStringLiteral("1000"));
    EXPECT_EQ(list.itemText(0, 4), QStringLiteral("500.00"));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "1000");
    // A marked row raises both totals.
    EXPECT_DOUBLE_EQ(main->view().listTotal, 500.0);
    EXPECT_DOUBLE_EQ(main->view().markedTotal, 500.0);
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $500.00"));
    EXPECT_EQ(sounds.last(), QStringLiteral("\\WINDOWS\\MENUPOP.WAV"));
}

TEST_P(QuantityCommandsTest, AddOneStopsAtTheLargestStoredQuantity)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 32767, .price = 1.0}});
    MainWindowHarness main;
    main->OnCommand(CommandId::AddOne);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "32767");
    EXPECT_EQ(main->list().itemText(0, 1), QStringLiteral("32767"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(QuantityCommandsTest, StoreViewLeavesTheUnitPrice)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 0, .price = 1.5}});
    MainWindowHarness main;
    main->tabStrip().setCurrentIndex(1);
    ASSERT_EQ(main->list().itemCount(), 1);
    ASSERT_EQ(main->list().selectionMark(), 0);
    main->OnCommand(CommandId::AddOne);
    main->OnCommand(CommandId::AddOne);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(main->list().itemText(0, 1), QStringLiteral("2"));
    EXPECT_EQ(main->list().itemText(0, 4), QStringLiteral("1.50"));
    main->OnCommand(CommandId::SubtractOne);
    EXPECT_EQ(main->list().itemText(0, 4), QStringLiteral("1.50"));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "1");
}

TEST_P(QuantityCommandsTest, MarkTogglesIconStoredMarkAndMarkedTotal)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 2, .price = 1.5, .coupon = 1},
        {.name = QStringLiteral("Salt"), .qty = 1, .price = 0.0},
    });
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    EXPECT_EQ(list.itemImage(0), 2);

    QTest::keyClick(list.viewport(), Qt::Key_Space);
    EXPECT_EQ(list.itemImage(0), 3);
    EXPECT_EQ(main->rowMark(0), 1);
    EXPECT_EQ(CatalogSeed::stored("Checked", "Milk"), "1");
    EXPECT_DOUBLE_EQ(main->view().markedTotal, 3.0);
    EXPECT_DOUBLE_EQ(main->view().listTotal, 3.0);
    EXPECT_EQ(sounds.last(), QStringLiteral("\\WINDOWS\\QORCHECK.WAV"));

    // A second mark puts everything back.
    main->OnCommand(CommandId::Check);
    EXPECT_EQ(list.itemImage(0), 2);
    EXPECT_EQ(CatalogSeed::stored("Checked", "Milk"), "0");
    EXPECT_DOUBLE_EQ(main->view().markedTotal, 0.0);

    // A free item changes its icon but neither total.
    main.clickRow(1);
    main->OnCommand(CommandId::Check);
    EXPECT_EQ(list.itemImage(1), 1);
    EXPECT_DOUBLE_EQ(main->view().markedTotal, 0.0);
}

TEST_P(QuantityCommandsTest, TapInTheIconColumnMarks)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1.0}});
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    const QRect rect = list.visualRect(list.model()->index(0, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, rect.center().y()));
    EXPECT_EQ(CatalogSeed::stored("Checked", "Milk"), "1");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, rect.center().y()));
    EXPECT_EQ(CatalogSeed::stored("Checked", "Milk"), "1");
}

TEST_P(QuantityCommandsTest, MissingCouponOfAnUpgradedCatalogCountsAsNone)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1.0, .coupon = QVariant()}});
    MainWindowHarness main;
    main->OnCommand(CommandId::Check);
    EXPECT_EQ(main->list().itemImage(0), 1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_P(QuantityCommandsTest, EmptyListDoesNothing)
{
    CatalogSeed::write({});
    MainWindowHarness main;
    main->OnCommand(CommandId::AddOne);
    main->OnCommand(CommandId::SubtractOne);
    main->OnCommand(CommandId::Check);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(sounds.filter(QStringLiteral("MENUPOP")).isEmpty());
}

TEST_P(QuantityCommandsTest, CommandsCountFromTheCatalogNotFromAStaleRow)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2, .price = 1.5}});
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    // Another program changes the quantity behind the window's back.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5")));
    main->OnCommand(CommandId::AddOne);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "6");
    EXPECT_EQ(list.itemText(0, 1), QStringLiteral("6"));
    EXPECT_EQ(list.itemText(0, 4), QStringLiteral("9.00"));
    EXPECT_DOUBLE_EQ(main->view().listTotal, 9.0);

    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0")));
    main->OnCommand(CommandId::SubtractOne);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "0");
    EXPECT_EQ(list.itemText(0, 1), QString());
    EXPECT_DOUBLE_EQ(main->view().listTotal, 0.0);
}

TEST_P(QuantityCommandsTest, RefusedWritesLeaveTheRowAsItWasAndSaySo)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2, .price = 1.5}});
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("UPDATE")));
    const int commands[] = {CommandId::AddOne, CommandId::SubtractOne, CommandId::Check};
    for (const int command : commands) {
        messages.clear();
        main->OnCommand(command);
        ASSERT_EQ(messages.size(), 1) << command;
        // Said in the user's terms; the code and the engine's words are the
        // detail.
        EXPECT_TRUE(messages.first().startsWith(QStringLiteral("The c"))) << messages.first().toStdString();
        EXPECT_FALSE(messages.first().contains(QStringLiteral("refused"), Qt::CaseInsensitive))
            << messages.first().toStdString();
        EXPECT_FALSE(messages.first().contains(QStringLiteral("error"), Qt::CaseInsensitive));
        EXPECT_TRUE(boxes.back().detail.startsWith(QStringLiteral("Error -"))) << boxes.back().detail.toStdString();
        EXPECT_TRUE(boxes.back().detail.contains(QStringLiteral("refused"), Qt::CaseInsensitive))
            << boxes.back().detail.toStdString();
        EXPECT_EQ(list.itemText(0, 1), QStringLiteral("2")) << command;
        EXPECT_EQ(list.itemText(0, 4), QStringLiteral("3.00")) << command;
        EXPECT_EQ(list.itemImage(0), 0) << command;
        EXPECT_EQ(main->rowMark(0), 0) << command;
        EXPECT_DOUBLE_EQ(main->view().listTotal, 3.0) << command;
        EXPECT_DOUBLE_EQ(main->view().markedTotal, 0.0) << command;
    }
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "2");
    EXPECT_EQ(CatalogSeed::stored("Checked", "Milk"), "0");
}

TEST_P(QuantityCommandsTest, ARowThatCannotBeOpenedIsToldWithTheEnginesWordsAsDetail)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2, .price = 1.5}});
    MainWindowHarness main;
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("ALTER TABLE ShoppingLists RENAME TO Gone")));
    for (const int command : {CommandId::AddOne, CommandId::Check}) {
        messages.clear();
        main->OnCommand(command);
        ASSERT_EQ(messages.size(), 1) << command;
        // What failed, in the user's terms; the engine's words are the detail.
        EXPECT_TRUE(messages.first().startsWith(QStringLiteral("The c"))) << messages.first().toStdString();
        EXPECT_FALSE(messages.first().contains(QStringLiteral("ShoppingLists"), Qt::CaseInsensitive))
            << messages.first().toStdString();
        EXPECT_TRUE(boxes.back().detail.contains(QStringLiteral("ShoppingLists"), Qt::CaseInsensitive))
            << boxes.back().detail.toStdString();
        EXPECT_EQ(main->list().itemText(0, 1), QStringLiteral("2")) << command;
    }
}

INSTANTIATE_FOR_BOTH_ENGINES(QuantityCommandsTest);
