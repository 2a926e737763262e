#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/DeptComboBox.h"
#include "mainwnd/ViewController.h"
#include "platform/widgets/CommandIds.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QSet>
#include <QTabBar>
#include <QTest>

class ViewsTest : public GrocelleTest
{
protected:
    static QStringList tabTexts(const QTabBar& tabs)
    {
        QStringList texts;
        for (int i = 0; i < tabs.count(); ++i) {
            texts << tabs.tabText(i);
        }
        return texts;
    }
    static QStringList comboTexts(const QComboBox& combo)
    {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i) {
            texts << combo.itemText(i);
        }
        return texts;
    }
    static void tapHeading(CMainDlg& window, int column)
    {
        QHeaderView* header = window.list().header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    }
};

TEST_F(ViewsTest, StoreTabsShowWholeNamesWhenTheyFitAndNeverLookAlike)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .store = QStringLiteral("Whole Foods Market")},
        {.name = QStringLiteral("Bread"), .store = QStringLiteral("B-Mart")},
        {.name = QStringLiteral("Salt"), .store = QString()},
        {.name = QStringLiteral("Tea"), .store = QStringLiteral("Whole Foods Midtown")},
        {.name = QStringLiteral("Jam"), .store = QStringLiteral("whole foods market")},
    });
    MainWindowHarness main;
    // At the handheld's width the names are cut, each differently, and the
    // tip names the store.
    QStringList narrow = tabTexts(main->tabStrip());
    ASSERT_EQ(narrow.size(), 5);
    EXPECT_EQ(QSet<QString>(narrow.begin(), narrow.end()).size(), 5);
    EXPECT_TRUE(narrow.at(3).endsWith(QChar(0x2026)));
    EXPECT_TRUE(narrow.at(4).endsWith(QChar(0x2026)));
    EXPECT_TRUE(main->tabStrip().tabToolTip(2).contains(QStringLiteral("Whole Foods Market")));

    // At a desktop width every name is whole.
    main->resize(1800, main->height());
    QApplication::processEvents();
    EXPECT_EQ(tabTexts(main->tabStrip()),
              (QStringList{"Need", "B-Mart", "Whole Foods Market", "whole foods market", "Whole Foods Midtown"}));
    main->tabStrip().setCurrentIndex(2);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("Whole Foods Market"));
    EXPECT_FALSE(main->view().needView);
    EXPECT_TRUE(sounds.contains(QStringLiteral("\\WINDOWS\\qorRoll.Wav")));

    // Names cut to one label are cut later until they differ.
    EXPECT_EQ(ViewController::tabLabels({QStringLiteral("Whole Foods"), QStringLiteral("Whole Foods Market")}, 10),
              (QStringList{QStringLiteral("Whole Foods"), QStringLiteral("Whole Foods\u2026")}));
}

TEST_F(ViewsTest, StoreTabLabelsEndOnAWholeCharacter)
{
    QString fruit;
    QString accented;
    for (int i = 0; i < 30; ++i) {
        fruit += QStringLiteral("\U0001F34E");
        accented += QStringLiteral("e\u0301");
    }
    CatalogSeed::write(
        {{.name = QStringLiteral("Apples"), .store = fruit}, {.name = QStringLiteral("Brie"), .store = accented}});
    MainWindowHarness main;
    ASSERT_EQ(main->tabStrip().count(), 3);
    for (const auto& [tab, store] : {std::pair{1, accented}, std::pair{2, fruit}}) {
        QString label = main->tabStrip().tabText(tab);
        ASSERT_TRUE(label.endsWith(QChar(0x2026)));
        label.chop(1);
        EXPECT_EQ(label.size() % 2, 0);
        EXPECT_TRUE(store.startsWith(label));
    }
    main->tabStrip().setCurrentIndex(2);
    EXPECT_EQ(main->view().currentStore, fruit);
}

TEST_F(ViewsTest, AtMostFiftyStoreTabs)
{
    std::vector<SeedItem> items;
    for (int i = 0; i < 60; ++i) {
        items.push_back({.name = QStringLiteral("Item %1").arg(i),
                         .store = QStringLiteral("Store %1").arg(i, 2, 10, QLatin1Char('0'))});
    }
    CatalogSeed::write(items);
    MainWindowHarness main;
    ASSERT_EQ(main->tabStrip().count(), 51);
    EXPECT_EQ(main->tabStrip().tabText(50), QStringLiteral("Store 49"));
}

TEST_F(ViewsTest, LetterButtonsAndFilterFollowTheView)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 0},
        {.name = QStringLiteral("Tea"), .qty = 2},
    });
    MainWindowHarness main;
    QAction* filter = main->commandAction(CommandId::QuantityFilter);
    CSoundButton* letterA = main->button(ControlId::LetterA);
    EXPECT_FALSE(filter->isEnabled());
    EXPECT_FALSE(letterA->isVisible());

    main->tabStrip().setCurrentIndex(1);
    EXPECT_TRUE(filter->isEnabled());
    EXPECT_TRUE(letterA->isVisible());
    EXPECT_EQ(main->list().itemCount(), 2);

    // No box: the button's checked state and the summary line say it.
    filter->trigger();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(filter->isChecked());
    EXPECT_TRUE(main->summaryText().contains(QStringLiteral("Filter: Qty > 0")));
    EXPECT_EQ(main.column(0), QStringList{"Tea"});

    // The filter stays on through a visit to Need and shows again after it.
    main->tabStrip().setCurrentIndex(0);
    EXPECT_FALSE(filter->isEnabled());
    EXPECT_FALSE(letterA->isVisible());
    main->tabStrip().setCurrentIndex(1);
    EXPECT_EQ(main.column(0), QStringList{"Tea"});
    EXPECT_TRUE(filter->isChecked());
    filter->trigger();
    EXPECT_FALSE(filter->isChecked());
    EXPECT_FALSE(main->summaryText().contains(QStringLiteral("Filter")));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(main->list().itemCount(), 2);
}

TEST_F(ViewsTest, HeadingTapsSortAndToggle)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Bread"), .qty = 1, .price = 2.0},
        {.name = QStringLiteral("apples"), .qty = 1, .price = 5.0},
        {.name = QStringLiteral("Cheese"), .qty = 1, .price = 1.0},
    });
    MainWindowHarness main;
    tapHeading(main.window(), 4);
    EXPECT_EQ(main->view().needOrder, QStringLiteral("Price DESC"));
    EXPECT_EQ(main.column(0), (QStringList{"apples", "Bread", "Cheese"}));
    tapHeading(main.window(), 4);
    EXPECT_EQ(main.column(0), (QStringList{"Cheese", "Bread", "apples"}));

    // In a store view the default "Itemname" differs from "ItemName": the
    // first tap keeps the ascending names, the second turns them round.
    main->tabStrip().setCurrentIndex(1);
    tapHeading(main.window(), 0);
    EXPECT_EQ(main->view().storeOrder, QStringLiteral("ItemName"));
    EXPECT_EQ(main.column(0), (QStringList{"apples", "Bread", "Cheese"}));
    tapHeading(main.window(), 0);
    EXPECT_EQ(main.column(0), (QStringList{"Cheese", "Bread", "apples"}));
    EXPECT_EQ(main->view().needOrder, QStringLiteral("Price"));

    // Orders are kept only by OK.
    main->OnCommand(CommandId::Ok);
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("OrderStore")), QStringLiteral("ItemName DESC"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("OrderNeed")), QStringLiteral("Price"));
}

TEST_F(ViewsTest, OrderTextsAndUnknownStoredOrders)
{
    EXPECT_EQ(CMainDlg::nextOrder(QStringLiteral("Itemname"), 0), QStringLiteral("ItemName"));
    EXPECT_EQ(CMainDlg::nextOrder(QStringLiteral("QtyToBuy"), 1), QStringLiteral("QtyToBuy DESC"));
    EXPECT_EQ(CMainDlg::nextOrder(QStringLiteral("QtyToBuy DESC"), 1), QStringLiteral("QtyToBuy"));
    EXPECT_EQ(CMainDlg::nextOrder(QStringLiteral("ItemName"), 3), QStringLiteral("DeptOrder"));

    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
    CRegistry().SetString(QStringLiteral("OrderNeed"), QStringLiteral("Nonsense; DROP"));
    MainWindowHarness main;
    EXPECT_EQ(main->view().needOrder, QStringLiteral("DeptOrder, ItemName"));
    EXPECT_EQ(main->view().storeOrder, QStringLiteral("Itemname"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("OrderStore")), QStringLiteral("Itemname"));
    EXPECT_EQ(main.column(0), QStringList{"Milk"});
}

TEST_F(ViewsTest, DepartmentsOfTheViewAndDismissingTheDropDown)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy"), .store = QStringLiteral("A-Store")},
        {.name = QStringLiteral("Cream"),
         .qty = 1,
         .dept = QStringLiteral("dairy"),
         .store = QStringLiteral("A-Store")},
        {.name = QStringLiteral("Soap"), .qty = 0, .dept = QStringLiteral("Bath"), .store = QStringLiteral("B-Store")},
    });
    MainWindowHarness main;
    QComboBox& combo = main->deptCombo();
    // The need view lists every department, also those with nothing needed;
    // letter case does not make a second entry.
    EXPECT_EQ(comboTexts(combo), (QStringList{"All Items", "Bath", "Dairy"}));

    combo.showPopup();
    combo.setCurrentIndex(combo.findText(QStringLiteral("Dairy")));
    combo.hidePopup();
    EXPECT_EQ(main->view().deptText, QStringLiteral("Dairy"));
    EXPECT_EQ(main.column(0), (QStringList{"Cream", "Milk"}));
    EXPECT_EQ(main->summaryText(), QStringLiteral("2 items needed (Dairy)         "));

    // Opening and dismissing the list applies "All Items" again.
    combo.showPopup();
    combo.hidePopup();
    EXPECT_EQ(main->view().deptText, QStringLiteral("All Items"));

    main->tabStrip().setCurrentIndex(2);
    combo.showPopup();
    EXPECT_EQ(comboTexts(combo), (QStringList{"All Items", "Bath"}));
    combo.hidePopup();
}

TEST_F(ViewsTest, LetterJumpMovesTheSelection)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Apples")},
        {.name = QStringLiteral("grapes")},
        {.name = QStringLiteral("Lemons")},
        {.name = QStringLiteral("Limes")},
    });
    MainWindowHarness main;
    main->tabStrip().setCurrentIndex(1);
    CSoundButton* letterL = main->button(ControlId::LetterL);
    CSoundButton* letterS = main->button(ControlId::LetterS);
    QTest::mouseClick(letterL, Qt::LeftButton);
    EXPECT_EQ(main->list().selectionMark(), 2);
    QTest::mouseClick(letterL, Qt::LeftButton);
    EXPECT_EQ(main->list().selectionMark(), 3);
    main->button(ControlId::LetterG)->click();
    EXPECT_EQ(main->list().selectionMark(), 1);

    // Nothing at or after "S": nothing moves; a second press starts after
    // the selection.
    QTest::mouseClick(letterS, Qt::LeftButton);
    EXPECT_EQ(main->list().selectionMark(), 1);
    QTest::mouseClick(letterS, Qt::LeftButton);
    EXPECT_EQ(main->list().selectionMark(), 1);
}

TEST_F(ViewsTest, KeysThatDoNotEndTheProgram)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
    MainWindowHarness main;
    QTest::keyClick(&main.window(), Qt::Key_Escape);
    QTest::keyClick(main->tabStrip().window(), Qt::Key_Return);
    EXPECT_TRUE(main->isVisible());

    // The window manager's close button is OK: the orders are saved.
    main->view().needOrder = QStringLiteral("QtyToBuy");
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(main->result(), QDialog::Accepted);
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("OrderNeed")), QStringLiteral("QtyToBuy"));
}

TEST_F(ViewsTest, OnlyAnOpenedDepartmentListTellsItClosed)
{
    // Hiding or destroying the window hides the box's list too; that must not
    // apply a department to a window on its way out.
    DeptComboBox combo;
    int closed = 0;
    QObject::connect(&combo, &DeptComboBox::popupClosed, &combo, [&closed] { ++closed; });
    combo.addItem(QStringLiteral("All Items"));
    combo.hidePopup();
    EXPECT_EQ(closed, 0);
    combo.show();
    combo.showPopup();
    combo.hidePopup();
    combo.hidePopup();
    EXPECT_EQ(closed, 1);
    combo.hide();
}

TEST_F(ViewsTest, ACatalogChangedElsewhereKeepsTheViewWhileItsStoreExists)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .store = QStringLiteral("B-Mart")},
        {.name = QStringLiteral("Tea"), .qty = 1, .store = QStringLiteral("Corner")},
    });
    MainWindowHarness main;
    main->tabStrip().setCurrentIndex(2);
    ASSERT_EQ(main->view().currentStore, QStringLiteral("Corner"));

    // A new store before it moves its tab; the view follows the store.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Store) "
                                                 "VALUES (9, 'Jam', 1, 'Acme')")));
    main->CatalogChanged();
    EXPECT_EQ(tabTexts(main->tabStrip()), (QStringList{"Need", "Acme", "B-Mart", "Corner"}));
    EXPECT_EQ(main->tabStrip().currentIndex(), 3);
    EXPECT_EQ(main.column(0), QStringList{"Tea"});
    EXPECT_TRUE(main->button(ControlId::LetterA)->isVisible());

    // Its store gone, the window is back on the need view.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Store = 'Acme' WHERE Store = 'Corner'")));
    main->CatalogChanged();
    EXPECT_EQ(main->tabStrip().currentIndex(), 0);
    EXPECT_TRUE(main->view().needView);
    EXPECT_EQ(main.column(0).size(), 3);
    EXPECT_FALSE(main->button(ControlId::LetterA)->isVisible());
}

TEST_F(ViewsTest, AWriteToTheCatalogFileByAnotherProgramShowsWithinTwoSeconds)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1},
        {.name = QStringLiteral("Tea"), .qty = 0},
    });
    MainWindowHarness main;
    ASSERT_EQ(main.column(0), QStringList{"Milk"});
    // As grocelle --serve does: another connection to the same file.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 2 WHERE ItemName = 'Tea'")));
    QElapsedTimer clock;
    clock.start();
    while (main.column(0).size() < 2 && clock.elapsed() < 2000) {
        QTest::qWait(20);
    }
    EXPECT_EQ(main.column(0), (QStringList{"Milk", "Tea"}));
    EXPECT_LT(clock.elapsed(), 2000);
}
