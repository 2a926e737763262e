#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "dialogs/ArrangedOrder.h"
#include "dialogs/CArrangeDlg.h"
#include "platform/widgets/CommandIds.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
SeedItem row(const QString& name, const QString& dept, int deptOrder, int id = 0)
{
    return {.name = name, .dept = dept, .deptOrder = deptOrder, .id = id};
}
} // namespace

class ArrangeDlgTest : public EngineTest
{
protected:
    // "name:DeptOrder" of every row, in ID order.
    static QString orders() { return CatalogSeed::joined(QStringLiteral("ItemName || ':' || DeptOrder")); }
    static void click(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
};

TEST_P(ArrangeDlgTest, MovesDepartmentsInWalkingOrderAndNumbersEveryRowOnOK)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), 1),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery"), 0),
                        row(QStringLiteral("Apple"), QStringLiteral("Produce"), -1),
                        row(QStringLiteral("Salt"), QString(), -1)});
    CArrangeDlg dialog;
    dialog.show();
    // The new department comes first; the empty one is not listed.
    const QStringList start{QStringLiteral("Produce"), QStringLiteral("Bakery"), QStringLiteral("Dairy")};
    EXPECT_EQ(dialog.departments(), start);
    click(dialog, "up"); // at the top
    dialog.departmentList().setCurrentRow(2);
    click(dialog, "down"); // at the bottom
    dialog.departmentList().clearSelection();
    click(dialog, "up"); // nothing selected
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(dialog.departments(), start);

    dialog.departmentList().setCurrentRow(0);
    click(dialog, "down");
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(dialog.departmentList().currentRow(), 1);
    click(dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(orders(), QStringLiteral("Milk:2 Bread:0 Apple:1 Salt:-1"));
}

TEST_P(ArrangeDlgTest, KeysAndDraggingMoveRowsAndCancelWritesNothing)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), 2),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery"), 0),
                        row(QStringLiteral("Apple"), QStringLiteral("Produce"), 1)});
    const QString before = orders();
    CArrangeDlg dialog;
    dialog.show();
    ASSERT_TRUE(UserInput::activate(dialog));
    QListWidget& list = dialog.departmentList();
    // The list fills the dialog: nothing but the help, the buttons and the
    // margins below it.
    EXPECT_GT(list.height(), dialog.height() / 2);

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dialog.departments(), (QStringList{"Produce", "Bakery", "Dairy"}));
    EXPECT_EQ(list.currentRow(), 1);
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(dialog.departments(), (QStringList{"Bakery", "Produce", "Dairy"}));

    // A drop moves the row in the list's model, as a drag does.
    EXPECT_EQ(list.dragDropMode(), QAbstractItemView::InternalMove);
    ASSERT_TRUE(list.model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    EXPECT_EQ(dialog.departments(), (QStringList{"Dairy", "Bakery", "Produce"}));
    EXPECT_TRUE(dialog.changed());

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(orders(), before);
}

TEST_P(ArrangeDlgTest, OkWithoutMovesWritesNothingAndAMissingCatalogIsReported)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), 7)});
    {
        CArrangeDlg dialog;
        dialog.show();
        click(dialog, "ok");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(orders(), QStringLiteral("Milk:7"));
    EXPECT_TRUE(messages.isEmpty());

    if (!onSqlite()) {
        return; // the rest takes the catalog's file away
    }
    ASSERT_TRUE(QFile::remove(CatalogSeed::path()));
    CArrangeDlg dialog;
    EXPECT_EQ(messages, QStringList{QStringLiteral("Error in opening DB: 10001")});
    EXPECT_EQ(dialog.departmentList().count(), 0);
}

TEST_P(ArrangeDlgTest, LookUpTakesWholeNamesWithoutCaseFromTheSecondEntryOn)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), 0),
                        row(QStringLiteral("Yogurt"), QStringLiteral("dairy"), 1),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery"), 2),
                        row(QStringLiteral("Cake"), QStringLiteral("Bake"), 3)});
    CArrangeDlg dialog;
    dialog.show();
    ASSERT_EQ(dialog.departmentList().count(), 4);
    dialog.departmentList().setCurrentRow(3);
    for (int i = 0; i < 3; ++i) {
        click(dialog, "up");
    }
    // Bake, Dairy, dairy, Bakery: both spellings of dairy find the entry at 1.
    click(dialog, "ok");
    EXPECT_EQ(orders(), QStringLiteral("Milk:1 Yogurt:1 Bread:3 Cake:0"));
    EXPECT_EQ(ArrangedOrder::orderOf(QStringLiteral("Bak"), {QStringLiteral("Bakery")}), -1);
    EXPECT_EQ(ArrangedOrder::orderOf(QString(), {QString(), QString()}), -1);
}

TEST_P(ArrangeDlgTest, AWriteRefusedPartWayKeepsEveryOldNumberAndSaysSo)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 1000; ++i) {
        items.push_back(row(QStringLiteral("Item %1").arg(i), QStringLiteral("D%1").arg(i % 10), i % 10, i));
    }
    CatalogSeed::write(items);
    const QString before = orders();
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("UPDATE"), QStringLiteral("old.ID = 500")));
    CArrangeDlg dialog;
    dialog.show();
    dialog.departmentList().setCurrentRow(9);
    for (int i = 0; i < 9; ++i) {
        click(dialog, "up"); // D9 to the top: every row gets a new number
    }
    click(dialog, "ok");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(
        QStringLiteral("The departments could not be put in order, so every item keeps its old place.")));
    EXPECT_EQ(orders(), before);
    EXPECT_TRUE(dialog.isVisible()); // to be tried again

    ASSERT_TRUE(CatalogSeed::allow());
    click(dialog, "ok");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT DeptOrder FROM ShoppingLists WHERE ID = 500")), "1");
}

TEST_P(ArrangeDlgTest, MainListIsRebuiltAfterMovesEvenWhenTheDialogIsClosed)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), 0),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery"), 1)});
    MainWindowHarness main;
    // Bread becomes needed behind the window's back: only a rebuild shows it.
    ASSERT_TRUE(
        CatalogSeed::execUnannounced(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ItemName = 'Bread'")));
    for (const bool move : {false, true}) {
        QTimer::singleShot(0, [move] {
            auto* dialog = qobject_cast<CArrangeDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (move) {
                click(*dialog, "down");
            }
            dialog->reject();
        });
        main->OnCommand(CommandId::ArrangeDepartments);
        EXPECT_EQ(main->list().itemCount(), move ? 1 : 0);
    }
    EXPECT_EQ(orders(), QStringLiteral("Milk:0 Bread:1"));
}

INSTANTIATE_FOR_BOTH_ENGINES(ArrangeDlgTest);

TEST(ArrangeOrder, ADepartmentTakesThePlaceOfTheNameTheCatalogTakesForIt)
{
    // Each letter lowered alone: a final sigma is no other sigma, "Ä" is "ä".
    const QStringList walk{QStringLiteral("Dairy"), QString::fromUtf8("ΟΔΟΣ"), QString::fromUtf8("Äpfel")};
    EXPECT_EQ(ArrangedOrder::orderOf(QString::fromUtf8("οδοσ"), walk), 1);
    EXPECT_EQ(ArrangedOrder::orderOf(QString::fromUtf8("οδος"), walk), ArrangedOrder::UnplacedOrder);
    EXPECT_EQ(ArrangedOrder::orderOf(QString::fromUtf8("äPFEL"), walk), 2);
    EXPECT_EQ(ArrangedOrder::orderOf(QStringLiteral("DAIRY"), walk), 0);
}
