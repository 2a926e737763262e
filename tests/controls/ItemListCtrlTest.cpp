#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "platform/CommandIds.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class ItemListCtrlTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({
            {.name = QStringLiteral("Apples"), .qty = 1},
            {.name = QStringLiteral("Bread"), .qty = 1},
        });
    }

    // Answers the item menu by closing it, and remembers its entries.
    void watchMenu(CItemListCtrl& list)
    {
        QObject::connect(&list, &CItemListCtrl::itemMenuAboutToShow, &list, [this](QMenu* menu) {
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts << action->text();
            }
            menuTexts << texts.join('|');
            QTimer::singleShot(0, menu, &QMenu::close);
        });
    }

    static QPoint rowPoint(CItemListCtrl& list, int row)
    {
        return list.visualRect(list.model()->index(row, 0)).center() + QPoint(30, 0);
    }

    QStringList menuTexts;
};

TEST_F(ItemListCtrlTest, MenuOpensOnlyOnAHold)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    watchMenu(list);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(list, 1));
    QTest::qWait(CItemListCtrl::HoldMilliseconds + 200);
    EXPECT_TRUE(menuTexts.isEmpty());
    EXPECT_EQ(list.selectionMark(), 1);

    // The row is selected at the press, before the menu is known.
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(list, 0));
    EXPECT_EQ(list.selectionMark(), 0);
    QTest::qWait(CItemListCtrl::HoldMilliseconds + 200);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(list, 0));
    ASSERT_EQ(menuTexts.size(), 1);
    EXPECT_EQ(menuTexts.first(), QStringLiteral("&Edit|C&heck|&+ 1|- 1|&Delete item|C&opy list to clipboard"));
    EXPECT_EQ(list.selectionMark(), 0);

    // A right click opens it at once.
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, rowPoint(list, 1));
    EXPECT_EQ(menuTexts.size(), 2);
    EXPECT_EQ(list.selectionMark(), 1);
}

TEST_F(ItemListCtrlTest, PressBelowTheRowsChangesNothing)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    watchMenu(list);
    list.selectRow(1);
    const QPoint below(40, list.viewport()->height() - 5);
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, below);
    QTest::qWait(CItemListCtrl::HoldMilliseconds + 200);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, below);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, below);
    EXPECT_EQ(list.selectionMark(), 1);
    EXPECT_TRUE(menuTexts.isEmpty());
}

TEST_F(ItemListCtrlTest, DoubleClickFollowsTheSetting)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    QSignalSpy commands(&list, &CItemListCtrl::commandRequested);
    // Nothing but the command is wanted here: no editor, no mark.
    main->setRoute(CommandId::EditItem, [] {});
    main->setRoute(CommandId::Check, [] {});

    const int expected[] = {CommandId::EditItem, CommandId::Check, -1};
    for (int setting = 0; setting <= 2; ++setting) {
        main.app().setDoubleClickAction(setting);
        commands.clear();
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowPoint(list, 1));
        QList<int> ids;
        for (const QList<QVariant>& call : commands) {
            ids << call.first().toInt();
        }
        if (expected[setting] < 0) {
            EXPECT_TRUE(ids.isEmpty()) << setting;
        } else {
            EXPECT_EQ(ids, QList<int>{expected[setting]}) << setting;
        }
        EXPECT_EQ(list.selectionMark(), 1);
    }
}

TEST_F(ItemListCtrlTest, CommandsSentToTheListReachTheWindow)
{
    MainWindowHarness main;
    int reached = 0;
    main->setRoute(CommandId::ClearList, [&reached] { ++reached; });
    main->list().sendCommand(CommandId::ClearList);
    EXPECT_EQ(reached, 1);
}
