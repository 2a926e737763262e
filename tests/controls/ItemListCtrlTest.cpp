#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/DialogUnits.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <numeric>

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
    main->setRoute(CommandId::EditItem, [] { });
    main->setRoute(CommandId::Check, [] { });

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

TEST_F(ItemListCtrlTest, DoubleClickOnTheMarkBoxMarksOnce)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    main.app().setDoubleClickAction(1);
    const QPoint box(DialogUnits::px(CItemListCtrl::IconTapWidth) / 2, rowPoint(list, 0).y());
    // Qt's own sequence for one double click.
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_EQ(sounds.count(QStringLiteral("\\WINDOWS\\QORCHECK.WAV")), 1);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Checked FROM ShoppingLists WHERE ItemName = 'Apples'")),
              QStringLiteral("1"));

    // A double click beside the box marks through the setting, once.
    sounds.clear();
    const QPoint name = rowPoint(list, 1);
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, name);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, name);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, name);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, name);
    EXPECT_EQ(sounds.count(QStringLiteral("\\WINDOWS\\QORCHECK.WAV")), 1);
}

TEST_F(ItemListCtrlTest, MenuOpensAtTheMouseAndBelowALongPress)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    QPoint shownAt;
    QObject::connect(&list, &CItemListCtrl::itemMenuAboutToShow, &list, [&shownAt](QMenu* menu) {
        QTimer::singleShot(0, menu, [menu, &shownAt] {
            shownAt = menu->pos();
            menu->close();
        });
    });
    const QPoint press = rowPoint(list, 0);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, press);
    EXPECT_EQ(shownAt, list.viewport()->mapToGlobal(press));

    // The menu key: at the selected row.
    list.selectRow(1);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(list.viewport(), &key);
    EXPECT_EQ(shownAt, list.viewport()->mapToGlobal(list.visualRect(list.model()->index(1, 0)).bottomLeft()));

    // A long press keeps the drop below the finger.
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, press);
    QTest::qWait(CItemListCtrl::HoldMilliseconds + 200);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, press);
    EXPECT_EQ(shownAt, list.viewport()->mapToGlobal(press) + QPoint(0, DialogUnits::px(50)));
}

TEST_F(ItemListCtrlTest, PlusAndMinusKeysStepTheQuantity)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    QList<int> commands;
    QObject::connect(&list, &CItemListCtrl::commandRequested, &list, [&commands](int id) { commands << id; });
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Plus);
    QTest::keyClick(&list, Qt::Key_Minus);
    QTest::keyClick(&list, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(&list, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(commands,
              (QList<int>{CommandId::AddOne, CommandId::SubtractOne, CommandId::AddOne, CommandId::SubtractOne}));
}

TEST_F(ItemListCtrlTest, ColumnsShareTheListWidthAndDividerDoubleClickKeepsThem)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    QHeaderView* header = list.header();
    const auto shownWidths = [&list] {
        QList<int> widths;
        for (int column = 0; column < CItemListCtrl::ColumnCount; ++column) {
            widths << list.columnWidth(column);
        }
        return widths;
    };
    const auto sum = [](const QList<int>& widths) { return std::accumulate(widths.begin(), widths.end(), 0); };
    EXPECT_EQ(sum(shownWidths()), list.viewport()->width());
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());

    const int quantityWidth = list.columnWidth(1);
    main->resize(main->width() + 300, main->height());
    QApplication::processEvents();
    const QList<int> grown = shownWidths();
    EXPECT_EQ(sum(grown), list.viewport()->width());
    // Item against Unit keeps the stored 88 : 35; Q stays as wide as its
    // numbers need, no wider.
    EXPECT_NEAR(static_cast<double>(grown[0]) / grown[2], 88.0 / 35.0, 0.2);
    EXPECT_EQ(grown[1], quantityWidth);
    EXPECT_GE(grown[1], list.fontMetrics().horizontalAdvance(QStringLiteral("999")));
    EXPECT_LT(grown[1], 2 * list.fontMetrics().horizontalAdvance(QStringLiteral("999")) + header->height());
    EXPECT_EQ(list.columnWidthHandheld(0), 88);

    const QPoint divider(header->sectionViewportPosition(1) - 1, header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, divider);
    EXPECT_EQ(shownWidths(), grown);
}
