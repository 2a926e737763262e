#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTextDocumentFragment>

class ViewAgreementTest : public GrocelleTest
{
protected:
    // Picks a department from the dropped list, as a user does.
    static void chooseDept(CMainDlg& window, const QString& dept)
    {
        QComboBox& combo = window.deptCombo();
        combo.showPopup();
        combo.setCurrentIndex(combo.findText(dept));
        combo.hidePopup();
    }
};

TEST_F(ViewAgreementTest, TheEmptyDepartmentFiltersItsOwnItems)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy")},
        {.name = QStringLiteral("Batteries"), .qty = 2, .dept = QString()},
        {.name = QStringLiteral("Tape"), .qty = 1, .dept = QString()},
    });
    MainWindowHarness main;
    chooseDept(main.window(), QString());
    EXPECT_EQ(main.column(0), (QStringList{"Batteries", "Tape"}));
    EXPECT_EQ(main->deptCombo().currentText(), QString());
    EXPECT_EQ(main->summaryText(), QStringLiteral("2 items needed ()         "));

    chooseDept(main.window(), QStringLiteral("All Items"));
    EXPECT_EQ(main.column(0).size(), 3);
    EXPECT_EQ(main->summaryText(), QStringLiteral("3 items needed (All Items)         "));
}

TEST_F(ViewAgreementTest, StoreNamesShowAsTheyAreOnTabs)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .store = QStringLiteral("B&B Foods")},
        {.name = QStringLiteral("Tea"), .qty = 1, .store = QStringLiteral("<b>Bold</b>")},
    });
    MainWindowHarness main;
    QTabBar& tabs = main->tabStrip();
    ASSERT_EQ(tabs.count(), 3);
    // No accelerator: Alt+B leaves the view alone.
    EXPECT_TRUE(QKeySequence::mnemonic(tabs.tabText(2)).isEmpty());
    ASSERT_TRUE(UserInput::activate(main.window()));
    QTest::keyClick(&main->list(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(tabs.currentIndex(), 0);
    // Shown with one ampersand, as stored.
    QString shown = tabs.tabText(2);
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    EXPECT_EQ(shown, QStringLiteral("B&B Foods"));
    EXPECT_EQ(QTextDocumentFragment::fromHtml(tabs.tabToolTip(2)).toPlainText(), QStringLiteral("B&B Foods"));
    EXPECT_EQ(QTextDocumentFragment::fromHtml(tabs.tabToolTip(1)).toPlainText(), QStringLiteral("<b>Bold</b>"));
}

TEST_F(ViewAgreementTest, FocusGoesBackToTheListAfterAMessageUnlessTheUserWasTyping)
{
    CatalogSeed::write({});
    MainWindowHarness main;
    ASSERT_TRUE(UserInput::activate(main.window()));
    // On a button (reached with the keyboard) when the box comes up.
    main->button(ControlId::QuickClear)->setFocus();
    main->OnCommand(CommandId::DeleteItem);
    ASSERT_EQ(messages.last(), QStringLiteral("No item selected."));
    EXPECT_TRUE(main->list().hasFocus());

    for (QWidget* typing : {static_cast<QWidget*>(&main->quickText()), static_cast<QWidget*>(&main->deptCombo())}) {
        typing->setFocus();
        main->OnCommand(CommandId::DeleteItem);
        EXPECT_TRUE(typing->hasFocus()) << typing->objectName().toStdString();
    }
}
