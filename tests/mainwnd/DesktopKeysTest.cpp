#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "platform/widgets/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

class DesktopKeysTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({
            {.name = QStringLiteral("Milk"), .qty = 1, .store = QStringLiteral("B-Mart")},
            {.name = QStringLiteral("Tea"), .qty = 1, .store = QStringLiteral("Corner")},
        });
    }

    // A key pressed wherever the focus is, as the user presses it.
    static void press(CMainDlg& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_TRUE(UserInput::activate(window));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(DesktopKeysTest, KeysTakeTheRoutesOfTheirMenuEntries)
{
    MainWindowHarness main;
    int edits = 0;
    main->setRoute(CommandId::EditItem, [&edits] { ++edits; });
    press(main.window(), Qt::Key_E, Qt::ControlModifier);
    press(main.window(), Qt::Key_F2);
    EXPECT_EQ(edits, 2);

    // Delete asks first; No keeps the item.
    main->list().setFocus();
    answers.push_back(7);
    press(main.window(), Qt::Key_Delete);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("WARNING:")));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), QStringLiteral("2"));
    press(main.window(), Qt::Key_Delete);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists")), QStringLiteral("1"));

    // The menu shows the keys beside its entries.
    EXPECT_EQ(main->commandAction(CommandId::EditItem)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(main->commandAction(CommandId::DeleteItem)->shortcut(), QKeySequence(QKeySequence::Delete));
}

TEST_F(DesktopKeysTest, DeleteInTheQuickEntryBoxEditsTheText)
{
    MainWindowHarness main;
    QLineEdit& box = main->quickText();
    box.setFocus();
    box.setText(QStringLiteral("ab"));
    box.setCursorPosition(0);
    press(main.window(), Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("b"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(DesktopKeysTest, FindTabsAndQuit)
{
    MainWindowHarness main;
    main->quickText().setText(QStringLiteral("Milk"));
    main->list().setFocus();
    press(main.window(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(main->quickText().hasFocus());
    EXPECT_EQ(main->quickText().selectedText(), QStringLiteral("Milk"));

    main->list().setFocus();
    press(main.window(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main->tabStrip().currentIndex(), 1);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("B-Mart"));
    press(main.window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    press(main.window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    // Round from the first tab to the last.
    EXPECT_EQ(main->tabStrip().currentIndex(), 2);
    EXPECT_EQ(main->view().currentStore, QStringLiteral("Corner"));
    EXPECT_FALSE(main->view().needView);

    press(main.window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(main->result(), QDialog::Accepted);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(DesktopKeysTest, TabRunsRoundTheWindowInOrder)
{
    MainWindowHarness main;
    ASSERT_TRUE(UserInput::activate(main.window()));
    main->quickText().setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 20; ++i) {
        press(main.window(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited << focus;
        if (focus == &main->quickText()) {
            break;
        }
    }
    ASSERT_GE(visited.size(), 6);
    EXPECT_EQ(visited.at(0), &main->quickQty());
    EXPECT_EQ(visited.at(1), &main->list());
    EXPECT_EQ(visited.at(2), &main->deptCombo());
    EXPECT_EQ(visited.at(3)->objectName(), QStringLiteral("toolsButton"));
    // Round again to quick entry, through the toolbar alone.
    EXPECT_EQ(visited.last(), &main->quickText());
    for (QWidget* widget : visited.mid(3, visited.size() - 4)) {
        EXPECT_EQ(widget->parentWidget(), &main->commandBar()) << widget->metaObject()->className();
    }

    // Backwards, out of the list and round from the start.
    main->list().setFocus();
    press(main.window(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &main->quickQty());
    press(main.window(), Qt::Key_Backtab, Qt::ShiftModifier);
    press(main.window(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), visited.at(visited.size() - 2));
}

TEST_F(DesktopKeysTest, AltTAndF10OpenTheToolsMenuWhoseEntriesShowTheirKeys)
{
    MainWindowHarness main;
    QMenu* menu = main->toolsMenu();
    ASSERT_NE(menu, nullptr);
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers()}) {
        bool shown = false;
        QTimer::singleShot(50, menu, [menu, &shown] {
            shown = menu->isVisible();
            menu->close();
        });
        main->list().setFocus();
        press(main.window(), modifiers == Qt::AltModifier ? Qt::Key_T : Qt::Key_F10, modifiers);
        QTest::qWait(100);
        EXPECT_TRUE(shown) << (modifiers == Qt::AltModifier ? "Alt+T" : "F10");
    }
    QSet<QKeySequence> keys;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
        EXPECT_FALSE(keys.contains(action->shortcut())) << action->text().toStdString();
        keys.insert(action->shortcut());
    }
}
