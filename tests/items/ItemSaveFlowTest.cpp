#include "ItemSaveFlowTest.h"

TEST_P(ItemSaveFlowTest, NewItemCancelledWritesNothingAndLeavesTheList)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0, 4),
                        item(QStringLiteral("Eggs"), 2, QStringLiteral("Dairy"), 0, 9)});
    MainWindowHarness main;
    main->list().setItemText(0, 2, QStringLiteral("marker"));
    const bool seen = withEditor(
        [](CItemDlg& dialog) {
            // Need view, all departments: nothing stands in the boxes that
            // would be saved as a department or store of its own.
            EXPECT_EQ(dialog.nameBox().currentText(), QString());
            EXPECT_EQ(dialog.deptBox().currentText(), QString());
            EXPECT_EQ(dialog.storeBox().currentText(), QString());
            EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("1"));
            EXPECT_EQ(dialog.unitBox().currentText(), QStringLiteral("pkg"));
            EXPECT_FALSE(dialog.listsFilled());
            cancel(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_TRUE(seen);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "2");
    EXPECT_EQ(main.app().reservedId(), 10);
    EXPECT_EQ(main->list().itemText(0, 2), QStringLiteral("marker"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(ItemSaveFlowTest, FirstItemOfAnEmptyCatalogGetsIdOneAndANewDepartment)
{
    CatalogSeed::write({});
    MainWindowHarness main;
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Tea"));
            typeInto(dialog.deptBox(), QStringLiteral("Drinks"));
            typeInto(dialog.storeBox(), QStringLiteral("Corner"));
            typeInto(dialog.priceBox(), QStringLiteral("2.5"));
            ok(dialog);
        },
        [&] { main->commandAction(CommandId::NewItemToolbar)->trigger(); });
    EXPECT_EQ(CatalogSeed::stored("ID", "Tea"), "1");
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Tea"), "-1");
    EXPECT_EQ(CatalogSeed::stored("checked", "Tea"), "0");
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Tea"), "1");
    EXPECT_EQ(CatalogSeed::stored("Price", "Tea"), "2.5");
    EXPECT_EQ(messages, QStringList({QStringLiteral(
                            "'Drinks' is a new department.  Use 'Arrange Departments' on the Tools Menu to set "
                            "the proper order in the store.  For now, I'm putting this department at "
                            "the top of the list.")}));
    // The new store has its tab, and the need view shows the new item.
    EXPECT_EQ(main->tabStrip().count(), 2);
    EXPECT_EQ(main->tabStrip().tabText(1), QStringLiteral("Corner"));
    EXPECT_EQ(main.column(0), QStringList({"Tea"}));
    EXPECT_TRUE(main->view().needView);
}

TEST_P(ItemSaveFlowTest, NewItemWithAKnownNameUpdatesThatItem)
{
    SeedItem milk = item(QStringLiteral("Milk"), 2, QStringLiteral("Dairy"), 3, 7);
    milk.checked = 1;
    CatalogSeed::write({milk, item(QStringLiteral("Salt"), 0, QStringLiteral("Spices"), -1, 8)});
    MainWindowHarness main;
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("milk"));
            typeInto(dialog.deptBox(), QStringLiteral("Dairy"));
            typeInto(dialog.quantityBox(), QStringLiteral("5"));
            typeInto(dialog.storeBox(), QStringLiteral("Acme"));
            typeInto(dialog.unitBox(), QStringLiteral("gallon"));
            typeInto(dialog.priceBox(), QStringLiteral("4.5"));
            QTest::keyClicks(&dialog.notesBox(), QStringLiteral("fresh"));
            dialog.couponBox().setChecked(true);
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "2");
    EXPECT_EQ(CatalogSeed::stored("ID", "Milk"), "7");
    EXPECT_EQ(CatalogSeed::stored("ItemName", "Milk"), "Milk");
    EXPECT_EQ(CatalogSeed::stored("checked", "Milk"), "1");
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "5");
    EXPECT_EQ(CatalogSeed::stored("Store", "Milk"), "Acme");
    EXPECT_EQ(CatalogSeed::stored("UnitOfPurchase", "Milk"), "gallon");
    EXPECT_EQ(CatalogSeed::stored("Price", "Milk"), "4.5");
    EXPECT_EQ(CatalogSeed::stored("Coupon", "Milk"), "1");
    EXPECT_EQ(CatalogSeed::stored("ItemNameDetail", "Milk"), "fresh");
    // A placed department: its order, silently. The user was asked first,
    // field by field, and said Yes.
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Milk"), "3");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("\u201cmilk\u201d is already in the catalog")));
    for (const char* line : {"Qty: 2 \u2192 5", "Store: \u201cB-Mart\u201d \u2192 \u201cAcme\u201d",
                             "Sold by the: \u201cpkg\u201d \u2192 \u201cgallon\u201d", "Price: 0.00 \u2192 4.50",
                             "Coupon: no \u2192 yes", "Notes: \u201c\u201d \u2192 \u201cfresh\u201d"}) {
        EXPECT_TRUE(messages.first().contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_FALSE(messages.first().contains(QStringLiteral("Dept:")));
    messages.clear();

    // A department whose every item is still unplaced is new.
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Pepper"));
            typeInto(dialog.deptBox(), QStringLiteral("spices"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(CatalogSeed::stored("ID", "Pepper"), "9");
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Pepper"), "-1");
    EXPECT_EQ(messages, QStringList({QStringLiteral(
                            "'spices' is a new department.  Use 'Arrange Departments' on the Tools Menu to set "
                            "the proper order in the store.  For now, I'm putting this department at "
                            "the top of the list.")}));
}

TEST_P(ItemSaveFlowTest, EditOfTheOnlyItemOfADepartmentWarnsAndKeepsItsOrder)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 2),
                        item(QStringLiteral("Bread"), 1, QStringLiteral("Bakery"), 0),
                        item(QStringLiteral("Rolls"), 1, QStringLiteral("Bakery"), 0)});
    MainWindowHarness main;
    main.clickRow(rowOf(main.window(), QStringLiteral("Milk")));
    withEditor(
        [](CItemDlg& dialog) {
            EXPECT_EQ(dialog.nameBox().currentText(), QStringLiteral("Milk"));
            EXPECT_EQ(dialog.m_deptOrder, 2);
            typeInto(dialog.quantityBox(), QStringLiteral("4"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::EditItem); });
    EXPECT_EQ(messages, QStringList({QStringLiteral(
                            "'Dairy' is a new department.  Use 'Arrange Departments' on the Tools Menu to set "
                            "the proper order in the store.  For now, I'm putting this department at "
                            "the top of the list.")}));
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Milk"), "2");
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "4");

    // Moved into a placed department, it takes that department's order.
    main.clickRow(rowOf(main.window(), QStringLiteral("Milk")));
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.deptBox(), QStringLiteral("Bakery"));
            ok(dialog);
        },
        [&] { main->commandAction(CommandId::EditItemToolbar)->trigger(); });
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Milk"), "0");
    EXPECT_EQ(CatalogSeed::stored("Dept", "Milk"), "Bakery");
}

TEST_P(ItemSaveFlowTest, EditThatTakesAnotherItemsNameLeavesTwoRows)
{
    SeedItem bread = item(QStringLiteral("Bread"), 3, QStringLiteral("Dairy"), 0, 5);
    bread.checked = 1;
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0, 4), bread});
    MainWindowHarness main;
    main.clickRow(rowOf(main.window(), QStringLiteral("Bread")));
    // The list's double tap and its menu's Edit arrive as this command.
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Milk"));
            ok(dialog);
        },
        [&] { main->list().sendCommand(CommandId::EditItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ItemName = 'Milk'")), "2");
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT QtyToBuy || '/' || checked FROM ShoppingLists WHERE ID = 5")),
              "3/1");
    EXPECT_EQ(main.column(0), QStringList({"Milk", "Milk"}));
}

TEST_P(ItemSaveFlowTest, NewItemOverAKnownNameGoesBackToTheEditorOnNo)
{
    SeedItem butter = item(QStringLiteral("Butter"), 1, QStringLiteral("Dairy"), 0, 3);
    butter.price = 4.29;
    CatalogSeed::write({butter});
    MainWindowHarness main;
    const QString before = CatalogSeed::dump();
    const auto typeButter = [](CItemDlg& dialog, const QString& store, const QString& price) {
        typeInto(dialog.nameBox(), QStringLiteral("Butter"));
        typeInto(dialog.deptBox(), QStringLiteral("Dairy"));
        typeInto(dialog.storeBox(), store);
        typeInto(dialog.priceBox(), price);
    };

    // No: back in the editor with what was typed; Cancel there writes nothing.
    answers.push_back(MessageService::IdNo);
    int reopened = 0;
    QString storeShown;
    withEditor(
        [&](CItemDlg& dialog) {
            typeButter(dialog, QStringLiteral("Corner Shop"), QStringLiteral("3.99"));
            ModalDialogs::whenModal([&](QWidget* modal) {
                if (auto* again = qobject_cast<CItemDlg*>(modal)) {
                    ++reopened;
                    storeShown = again->storeBox().currentText();
                    cancel(*again);
                }
            });
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(reopened, 1);
    EXPECT_EQ(storeShown, QStringLiteral("Corner Shop"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("Price: 4.29 \u2192 3.99")));
    EXPECT_EQ(CatalogSeed::dump(), before);

    // Nothing that would change: no question, and the item stays one.
    messages.clear();
    withEditor(
        [&](CItemDlg& dialog) {
            typeButter(dialog, QStringLiteral("B-Mart"), QStringLiteral("4.29"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 1);
    EXPECT_EQ(CatalogSeed::stored("Price", "Butter"), "4.29");
}

TEST_P(ItemSaveFlowTest, ANewDepartmentIsToldOnceARun)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0)});
    MainWindowHarness main;
    for (const QString& name : {QStringLiteral("Chips"), QStringLiteral("Pretzels"), QStringLiteral("Nuts")}) {
        withEditor(
            [&](CItemDlg& dialog) {
                typeInto(dialog.nameBox(), name);
                typeInto(dialog.deptBox(),
                         name == QStringLiteral("Nuts") ? QStringLiteral("snacks") : QStringLiteral("Snacks"));
                ok(dialog);
            },
            [&] { main->OnCommand(CommandId::NewItem); });
    }
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("DeptOrder = -1")), 3);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("'Snacks' is a new department.")));
}

TEST_P(ItemSaveFlowTest, NewItemStoresHostileTextAsTypedAndRefusesNul)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0)});
    MainWindowHarness main;
    const QString name = QStringLiteral("Joe's \\'); DROP");
    const QString dept = QStringLiteral("Kids' \"Corner\"");
    withEditor(
        [&](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), name);
            typeInto(dialog.deptBox(), dept);
            typeInto(dialog.priceBox(), QStringLiteral("2.99"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 2);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Dept FROM ShoppingLists WHERE ID = 2")), dept);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = 2")), name);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Price FROM ShoppingLists WHERE ID = 2")).toDouble(), 2.99);

    CItemDlg values;
    values.m_itemName = QStringLiteral("Tea");
    EXPECT_TRUE(ItemSaveFlow::unstorableReason(values).isEmpty());
    values.m_notes = QStringLiteral("green") + QChar(u'\0') + QStringLiteral("tea");
    EXPECT_FALSE(ItemSaveFlow::unstorableReason(values).isEmpty());
    const std::vector<SqlValue> bound = ItemRow::insertValues(12, values);
    ASSERT_EQ(bound.size(), 10u);
    EXPECT_EQ(bound.at(7).toText(), values.m_notes);
    EXPECT_FALSE(ItemRow::insertSql().contains(QStringLiteral("Tea")));
}

TEST_P(ItemSaveFlowTest, InsertThatTheCatalogRefusesIsReported)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0)});
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("INSERT")));
    MainWindowHarness main;
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Tea"));
            typeInto(dialog.deptBox(), QStringLiteral("Dairy"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The item could not be saved."))) << messages[0].toStdString();
    // The engine's words are the box's detail, not its message.
    EXPECT_EQ(messages[0], QStringLiteral("The item could not be saved."));
    EXPECT_TRUE(boxes[0].detail.contains(QStringLiteral("refused"), Qt::CaseInsensitive))
        << boxes[0].detail.toStdString();
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "1");
}

TEST_P(ItemSaveFlowTest, NewItemAfterTheHighestIdThereIsIsRefusedPlainly)
{
    for (const qint64 highest : {qint64(2147483647), qint64(5000000000)}) {
        SCOPED_TRACE(highest);
        if (highest > 2147483647 && !onSqlite()) {
            continue; // the server's ID column holds no more than 32 bits
        }
        CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists"));
        CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0, 3)});
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET ID = %1").arg(highest)));
        MainWindowHarness main;
        messages.clear();
        const bool seen =
            withEditor([](CItemDlg& dialog) { cancel(dialog); }, [&] { main->OnCommand(CommandId::NewItem); });
        EXPECT_FALSE(seen);
        EXPECT_EQ(messages, QStringList({ItemSaveFlow::noFreeIdMessage()}));
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "1");
    }
}

TEST_P(ItemSaveFlowTest, EditOfAnItemDeletedMeanwhileSavesNothingUnlessAskedTo)
{
    CatalogSeed::write({item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 2, 4),
                        item(QStringLiteral("Eggs"), 1, QStringLiteral("Dairy"), 2, 9)});
    MainWindowHarness main;
    // Another program deletes the item while the editor is open.
    auto editDeleted = [&](int quantity) {
        main.clickRow(rowOf(main.window(), QStringLiteral("Milk")));
        withEditor(
            [quantity](CItemDlg& dialog) {
                ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists WHERE ItemName = 'Milk'")));
                typeInto(dialog.quantityBox(), QString::number(quantity));
                ok(dialog);
            },
            [&] { main->OnCommand(CommandId::EditItem); });
    };

    answers.push_back(MessageService::IdNo);
    editDeleted(5);
    EXPECT_EQ(messages, QStringList({ItemSaveFlow::goneMessage()}));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "1");
    EXPECT_EQ(main.column(0), QStringList({"Eggs"}));

    // Saved as a new item when the user says so, under a fresh ID.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "INSERT INTO ShoppingLists (ID, ItemName, Dept, QtyToBuy, DeptOrder) VALUES (4, 'Milk', 'Dairy', 1, 2)")));
    main->RebuildList();
    messages.clear();
    editDeleted(6);
    EXPECT_EQ(messages, QStringList({ItemSaveFlow::goneMessage()}));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "6");
    EXPECT_EQ(CatalogSeed::stored("ID", "Milk"), "10");
    EXPECT_EQ(CatalogSeed::stored("DeptOrder", "Milk"), "2");
    EXPECT_EQ(main.column(0), QStringList({"Eggs", "Milk"}));

    // Saving it again is refused by the catalog: the user is told so.
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("INSERT")));
    messages.clear();
    editDeleted(7);
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("The item could not be saved."))) << messages[1].toStdString();
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "1");
    EXPECT_EQ(main.column(0), QStringList({"Eggs"}));
}

TEST_P(ItemSaveFlowTest, PickingAKnownNameKeepsItsCoupon)
{
    SeedItem yogurt = item(QStringLiteral("Greek Yogurt"), 2, QStringLiteral("Dairy"), 0, 6);
    yogurt.coupon = 1;
    CatalogSeed::write({yogurt, item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), 0, 7)});
    MainWindowHarness main;
    withEditor(
        [](CItemDlg& dialog) {
            choose(dialog.nameBox(), QStringLiteral("Greek Yogurt"));
            EXPECT_TRUE(dialog.couponBox().isChecked());
            typeInto(dialog.quantityBox(), QStringLiteral("4"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Greek Yogurt"), "4");
    EXPECT_EQ(CatalogSeed::stored("Coupon", "Greek Yogurt"), "1");
}

TEST_P(ItemSaveFlowTest, NamesWithAnApostropheAreEditedAndSaved)
{
    CatalogSeed::write({item(QStringLiteral("Fruit Bites"), 1, QStringLiteral("Kids' Snacks"), 1, 3),
                        item(QStringLiteral("Juice Boxes"), 1, QStringLiteral("Kids' Snacks"), 1, 4)});
    MainWindowHarness main;
    main.clickRow(rowOf(main.window(), QStringLiteral("Fruit Bites")));
    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Kids' Fruit Bites"));
            typeInto(dialog.quantityBox(), QStringLiteral("5"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::EditItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT ItemName || '/' || QtyToBuy FROM ShoppingLists WHERE ID = 3")),
              "Kids' Fruit Bites/5");

    withEditor(
        [](CItemDlg& dialog) {
            typeInto(dialog.nameBox(), QStringLiteral("Grandma's Cookies"));
            typeInto(dialog.deptBox(), QStringLiteral("Kids' Snacks"));
            typeInto(dialog.storeBox(), QStringLiteral("Trader's"));
            ok(dialog);
        },
        [&] { main->OnCommand(CommandId::NewItem); });
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Dept || '/' || Store || '/' || DeptOrder FROM ShoppingLists "
                                                 "WHERE ItemName = 'Grandma''s Cookies'")),
              "Kids' Snacks/Trader's/1");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

INSTANTIATE_FOR_BOTH_ENGINES(ItemSaveFlowTest);
