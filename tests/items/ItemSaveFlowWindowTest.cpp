#include "ItemSaveFlowTest.h"

// The editor's save as the rest of the window and the stored row see it.

TEST_P(ItemSaveFlowTest, AfterANewItemTheListComboSummaryAndTabsAgree)
{
    SeedItem milk = item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0);
    milk.store = QStringLiteral("B-Mart");
    SeedItem soap = item(QStringLiteral("Soap"), 1, QStringLiteral("Bath"), 1);
    soap.store = QStringLiteral("B-Mart");
    CatalogSeed::write({milk, soap});
    MainWindowHarness main;
    QComboBox& combo = main->deptCombo();
    const auto chooseDept = [&combo](const QString& dept) {
        combo.showPopup();
        combo.setCurrentIndex(combo.findText(dept));
        combo.hidePopup();
    };
    const auto saveNew = [&](const QString& name) {
        withEditor(
            [&name](CItemDlg& dialog) {
                typeInto(dialog.nameBox(), name);
                typeInto(dialog.deptBox(), QStringLiteral("Dairy"));
                ok(dialog);
            },
            [&] { main->OnCommand(CommandId::NewItem); });
    };

    // Saved under a department filter, then back to every department.
    chooseDept(QStringLiteral("Dairy"));
    saveNew(QStringLiteral("Cream"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("Dairy"));
    EXPECT_EQ(main.column(0), (QStringList{"Cream", "Milk"}));
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("2 items needed (Dairy)")));
    chooseDept(QStringLiteral("All Items"));
    EXPECT_EQ(main.column(0).size(), 3);
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("3 items needed (All Items)")));

    // Saved in a store view: the window is in the need view, all of it.
    main->tabStrip().setCurrentIndex(1);
    ASSERT_EQ(main->view().currentStore, QStringLiteral("B-Mart"));
    saveNew(QStringLiteral("Bread"));
    EXPECT_EQ(main->tabStrip().currentIndex(), 0);
    EXPECT_TRUE(main->view().needView);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("*"));
    EXPECT_FALSE(main->button(ControlId::LetterA)->isVisible());
    EXPECT_FALSE(main->commandAction(CommandId::QuantityFilter)->isEnabled());
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("4 items needed (All Items)")));
    // And a tap on the store tab shows that store again.
    main->tabStrip().setCurrentIndex(1);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("B-Mart"));
    EXPECT_TRUE(main->summaryText().contains(QStringLiteral(" in B-Mart ")));
}

TEST_P(ItemSaveFlowTest, EditOkWithNothingChangedLeavesTheRowAsStored)
{
    // Left by another program: a control character in the name and notes,
    // and a price the editor's box shows rounded.
    const QString name = QStringLiteral("esc") + QChar(0x1b) + QStringLiteral("[31mred");
    SeedItem stored = item(name, 2, QStringLiteral("Dairy"), 1, 7);
    stored.notes = QStringLiteral("tab\there");
    CatalogSeed::write({stored, item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 3, 8)});
    const QString row =
        QStringLiteral("SELECT ItemName || '/' || ItemNameDetail || '/' || QtyToBuy || '/' || DeptOrder "
                       "FROM ShoppingLists WHERE ID = 7");
    // 0.1 + 0.2 as a double: the editor's box shows it as 0.3.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Price = 0.30000000000000004 WHERE ID = 7")));
    const QString samePrice =
        QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ID = 7 AND Price = 0.30000000000000004");
    const QString before = CatalogSeed::scalar(row);
    ASSERT_EQ(before, name + QStringLiteral("/tab\there/2/1"));
    ASSERT_EQ(CatalogSeed::scalar(samePrice), "1");
    MainWindowHarness main;
    const int at = rowOf(main.window(), name) >= 0 ? rowOf(main.window(), name) : 0;

    main.clickRow(at);
    ASSERT_TRUE(withEditor([](CItemDlg& dialog) { ok(dialog); }, [&] { main->OnCommand(CommandId::EditItem); }));
    EXPECT_EQ(CatalogSeed::scalar(row), before);
    EXPECT_EQ(CatalogSeed::scalar(samePrice), "1");
    // Not even the department's order is taken from its other items.
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();

    // Only the quantity edited: the other fields stay as stored.
    main.clickRow(at);
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.quantityBox(), QStringLiteral("5"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::EditItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT ItemName || '/' || ItemNameDetail || '/' || QtyToBuy "
                                                 "FROM ShoppingLists WHERE ID = 7")),
              name + QStringLiteral("/tab\there/5"));
    EXPECT_EQ(CatalogSeed::scalar(samePrice), "1");

    // The name edited: that field is cleaned, and only that one.
    main.clickRow(rowOf(main.window(), name) >= 0 ? rowOf(main.window(), name) : at);
    withEditor(
        [](CItemDlg& dialog) {
            dialog.nameBox().lineEdit()->end(false);
            QTest::keyClicks(dialog.nameBox().lineEdit(), QStringLiteral("s"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::EditItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT ItemName || '/' || ItemNameDetail FROM ShoppingLists "
                                                 "WHERE ID = 7")),
              QStringLiteral("esc[31mreds/tab\there"));
}

// A name picked from the editor's own list loads that item: the user chose
// it, and saving their edits asks nothing. Typing another item's name over
// it still asks before that item's values are overwritten.
TEST_P(ItemSaveFlowTest, NewItemPickedFromTheListSavesItsEditsWithoutAsking)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 2, QStringLiteral("Dairy"), 3, 7),
                        item(QStringLiteral("Salt"), 0, QStringLiteral("Spices"), 4, 8)});
    MainWindowHarness main;
    withEditor(
        [](CItemDlg& dialog) {
            choose(dialog.nameBox(), QStringLiteral("Salt"));
            EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Spices"));
            typeInto(dialog.quantityBox(), QStringLiteral("3"));
            typeInto(dialog.storeBox(), QStringLiteral("Acme"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Salt"), "3");
    EXPECT_EQ(CatalogSeed::stored("Store", "Salt"), "Acme");
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "2");

    withEditor(
        [](CItemDlg& dialog) {
            choose(dialog.nameBox(), QStringLiteral("Salt"));
            typeInto(dialog.nameBox(), QStringLiteral("Milk"));
            typeInto(dialog.quantityBox(), QStringLiteral("9"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("\u201cMilk\u201d is already in the catalog")));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "9");
}
