#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "dialogs/CHistoryDlg.h"
#include "items/CItemDlg.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/MessageService.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>

class UndoCommandsTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2, .checked = 1, .coupon = 1},
                            {.name = QStringLiteral("Bread"), .qty = 1},
                            {.name = QStringLiteral("Salt"), .coupon = 1},
                            {.name = QStringLiteral("Tea")}});
    }

    static QAction& undo(MainWindowHarness& main) { return *main->commandAction(CommandId::Undo); }
    static QAction& redo(MainWindowHarness& main) { return *main->commandAction(CommandId::Redo); }

    static void select(MainWindowHarness& main, const QString& name)
    {
        const int row = static_cast<int>(main.column(0).indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        main.clickRow(row);
    }

    // Runs a command whose modal dialog answer acts on.
    template <typename Dialog>
    static void withDialog(const std::function<void(Dialog&)>& answer, const std::function<void()>& command)
    {
        ModalDialogs::whenModal([answer](QWidget* modal) {
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                answer(*dialog);
            }
            if (modal->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                modal->close();
            }
        });
        command();
    }
};

// Each writing command of the window, taken back with Undo and applied
// again with Redo: the catalog is the one before, then the one after.
TEST_P(UndoCommandsTest, EveryWritingCommandUndoesAndRedoesThroughTheMenu)
{
    MainWindowHarness main;
    EXPECT_FALSE(undo(main).isEnabled());
    EXPECT_FALSE(redo(main).isEnabled());
    const auto setQuick = [&] {
        main->quickText().setText(QStringLiteral("Tea"));
        main->quickQty().setText(QStringLiteral("3"));
        QTest::mouseClick(main->button(ControlId::QuickAdd), Qt::LeftButton);
    };
    const std::vector<std::pair<QString, std::function<void()>>> commands = {
        {QStringLiteral("Add one: Milk"),
         [&] {
             select(main, QStringLiteral("Milk"));
             main->OnCommand(CommandId::AddOne);
         }},
        {QStringLiteral("Subtract one: Bread"),
         [&] {
             select(main, QStringLiteral("Bread"));
             main->OnCommand(CommandId::SubtractOne);
         }},
        {QStringLiteral("Unmark: Milk"),
         [&] {
             select(main, QStringLiteral("Milk"));
             main->OnCommand(CommandId::Check);
         }},
        {QStringLiteral("Quantity 3: Tea"), setQuick},
        {QStringLiteral("Edit Item: Green tea"),
         [&] {
             select(main, QStringLiteral("Tea"));
             withDialog<CItemDlg>(
                 [](CItemDlg& dialog) {
                     dialog.nameBox().setEditText(QStringLiteral("Green tea"));
                     QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
                 },
                 [&] { main->OnCommand(CommandId::EditItem); });
         }},
        {QStringLiteral("New Item: Rice"),
         [&] {
             withDialog<CItemDlg>(
                 [](CItemDlg& dialog) {
                     dialog.nameBox().setEditText(QStringLiteral("Rice"));
                     dialog.deptBox().setEditText(QStringLiteral("Dairy"));
                     QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
                 },
                 [&] { main->OnCommand(CommandId::NewItem); });
         }},
        {QStringLiteral("Delete Item: Green tea"),
         [&] {
             select(main, QStringLiteral("Green tea"));
             main->OnCommand(CommandId::DeleteItem);
         }},
        {QStringLiteral("Clear Coupons"), [&] { main->OnCommand(CommandId::ClearCoupons); }},
        {QStringLiteral("Mark: Rice"),
         [&] {
             select(main, QStringLiteral("Rice"));
             main->OnCommand(CommandId::Check);
         }},
        {QStringLiteral("Clear Marked Items"), [&] { main->OnCommand(CommandId::ClearMarked); }},
        {QStringLiteral("Clear List"), [&] { main->OnCommand(CommandId::ClearList); }},
    };
    for (const auto& [label, command] : commands) {
        const QString before = CatalogSeed::dump();
        command();
        const QString after = CatalogSeed::dump();
        ASSERT_NE(after, before) << label.toStdString();
        EXPECT_EQ(undo(main).text(), QStringLiteral("&Undo ") + label);
        ASSERT_TRUE(undo(main).isEnabled());
        main->OnCommand(CommandId::Undo);
        EXPECT_EQ(CatalogSeed::dump(), before) << label.toStdString();
        EXPECT_EQ(redo(main).text(), QStringLiteral("&Redo ") + label);
        main->OnCommand(CommandId::Redo);
        EXPECT_EQ(CatalogSeed::dump(), after) << label.toStdString();
        EXPECT_FALSE(redo(main).isEnabled());
    }
    EXPECT_EQ(main->list().itemCount(), 0);

    // The keys, and the list rebuilt after each.
    main->activateWindow();
    ASSERT_TRUE(UserInput::activate(main.window()));
    QTest::keyClick(&main.window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main.column(0), QStringList{QStringLiteral("Milk")});
    QTest::keyClick(&main.window(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(main->list().itemCount(), 0);
    QTest::keyClick(&main.window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main->list().itemCount(), 1);
    QTest::keyClick(&main.window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main->list().itemCount(), 0);
    EXPECT_TRUE(messages.filter(QStringLiteral("cannot")).isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
}

TEST_P(UndoCommandsTest, HistorySurvivesARestartAndRefusesToOverwriteALaterChange)
{
    {
        MainWindowHarness main;
        main->OnCommand(CommandId::ClearList);
    }
    MainWindowHarness main;
    EXPECT_EQ(undo(main).text(), QStringLiteral("&Undo Clear List"));
    // Another program puts Tea on the list meanwhile.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 4 WHERE ItemName = 'Milk'")));
    const QString changed = CatalogSeed::dump();
    messages.clear();
    main->OnCommand(CommandId::Undo);
    EXPECT_EQ(CatalogSeed::dump(), changed);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("1 item has changed since")))
        << messages.first().toStdString();

    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ItemName = 'Milk'")));
    main->OnCommand(CommandId::Undo);
    EXPECT_EQ(main.column(0), (QStringList{QStringLiteral("Bread"), QStringLiteral("Milk")}));
}

TEST_P(UndoCommandsTest, HistoryUndoesBackToTheChosenActionAfterOneConfirmation)
{
    MainWindowHarness main;
    const QString start = CatalogSeed::dump();
    main->OnCommand(CommandId::ClearCoupons);
    main->OnCommand(CommandId::ClearMarked);
    main->OnCommand(CommandId::ClearList);
    messages.clear();
    withDialog<CHistoryDlg>(
        [](CHistoryDlg& dialog) {
            QTreeWidget& list = dialog.actionList();
            ASSERT_EQ(list.topLevelItemCount(), 3);
            EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("Clear List"));
            EXPECT_EQ(list.topLevelItem(0)->text(2), QStringLiteral("1"));
            list.setCurrentItem(list.topLevelItem(2));
            QTest::mouseClick(&dialog.undoButton(), Qt::LeftButton);
        },
        [&] { main->OnCommand(CommandId::History); });
    EXPECT_EQ(messages, QStringList{QStringLiteral("Undo \u201cClear Coupons\u201d and the 2 actions after it?")});
    EXPECT_EQ(CatalogSeed::dump(), start);
    EXPECT_FALSE(undo(main).isEnabled());
    EXPECT_EQ(redo(main).text(), QStringLiteral("&Redo Clear Coupons"));
}

TEST_P(UndoCommandsTest, UndoIsDisabledWithTheReasonWhenTheCatalogCannotKeepAHistory)
{
    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("DROP TABLE IF EXISTS JournalChanges; DROP TABLE IF EXISTS JournalActions; "
                                         "CREATE TABLE JournalActions (Note TEXT)")));
    MainWindowHarness main;
    main->OnCommand(CommandId::ClearList);
    EXPECT_EQ(main->list().itemCount(), 0);
    EXPECT_FALSE(undo(main).isEnabled());
    EXPECT_EQ(undo(main).text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(undo(main).toolTip().isEmpty());
}

INSTANTIATE_FOR_BOTH_ENGINES(UndoCommandsTest);
