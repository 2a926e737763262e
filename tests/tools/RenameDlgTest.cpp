#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "mainwnd/CommandIds.h"
#include "mainwnd/DeptComboBox.h"
#include "platform/MessageService.h"
#include "tools/CRenameDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace
{
SeedItem row(const QString& name, const QString& dept, const QString& store = QStringLiteral("B-Mart"), int id = 0)
{
    SeedItem item;
    item.name = name;
    item.dept = dept;
    item.store = store;
    item.id = id;
    return item;
}

const QString kComplete =
    QStringLiteral("Renaming complete.  You can rename another, or if you're finished, click 'Done'.");
} // namespace

class RenameDlgTest : public GrocelleTest
{
protected:
    static QStringList names(const CRenameDlg& dialog)
    {
        QStringList texts;
        for (int i = 0; i < dialog.oldNames().count(); ++i) {
            texts << dialog.oldNames().itemText(i);
        }
        return texts;
    }
    static void typeNewName(CRenameDlg& dialog, const QString& text)
    {
        dialog.newNameEdit().selectAll();
        QTest::keyClick(&dialog.newNameEdit(), Qt::Key_Delete);
        QTest::keyClicks(&dialog.newNameEdit(), text);
    }
    static int count(const QString& where)
    {
        return CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ") + where).toInt();
    }
};

TEST_F(RenameDlgTest, ListsTheNamesOfEachKindAndStartsFromTheFirst)
{
    CatalogSeed::write({
        row(QStringLiteral("Milk"), QStringLiteral("dairy")),
        row(QStringLiteral("Eggs"), QStringLiteral("Produce"), QStringLiteral("Corner")),
        row(QStringLiteral("Yogurt"), QStringLiteral("Dairy")),
        row(QStringLiteral("Cheese"), QStringLiteral("dairy")),
        row(QStringLiteral("Bread"), QStringLiteral("Bakery")),
    });
    CRenameDlg dialog;
    dialog.show();
    EXPECT_TRUE(dialog.departmentsButton().isChecked());
    const QStringList depts = names(dialog);
    ASSERT_EQ(depts.size(), 4) << depts.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(depts.first(), QStringLiteral("Bakery"));
    EXPECT_TRUE(depts.contains(QStringLiteral("Dairy")) && depts.contains(QStringLiteral("dairy")));
    EXPECT_EQ(depts.last(), QStringLiteral("Produce"));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("Bakery"));
    EXPECT_EQ(dialog.newNameEdit().selectedText(), QStringLiteral("Bakery"));

    // Closing the list copies the chosen name.
    dialog.oldNames().showPopup();
    dialog.oldNames().setCurrentIndex(3);
    dialog.oldNames().hidePopup();
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("Produce"));
    EXPECT_EQ(dialog.newNameEdit().selectedText(), QStringLiteral("Produce"));

    QTest::mouseClick(&dialog.storesButton(), Qt::LeftButton);
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("B-Mart"), QStringLiteral("Corner")}));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("B-Mart"));
}

TEST_F(RenameDlgTest, CatalogWithoutStoresOffersNoName)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), QString())});
    CRenameDlg dialog;
    dialog.show();
    QTest::mouseClick(&dialog.storesButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.oldNames().count(), 0);
    EXPECT_EQ(dialog.newNameEdit().text(), QString());
}

TEST_F(RenameDlgTest, ChecksComeInOrderAndRefuseBeforeAsking)
{
    CatalogSeed::write({
        row(QStringLiteral("Milk"), QStringLiteral("Dairy")),
        row(QStringLiteral("Bread"), QStringLiteral("Bakery")),
    });
    CRenameDlg dialog;
    dialog.show();
    dialog.oldNames().setCurrentIndex(1); // Dairy

    typeNewName(dialog, QStringLiteral("dairy"));
    QTest::keyClick(&dialog.newNameEdit(), Qt::Key_Return); // Enter presses Rename
    typeNewName(dialog, QStringLiteral("Kids' Dairy"));
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    EXPECT_EQ(messages, (QStringList{QStringLiteral("There is already one by that name."),
                                     QStringLiteral("Sorry, quotation marks are not allowed.")}));

    typeNewName(dialog, QStringLiteral("0123456789abcdef"));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("0123456789abcde"));

    // An empty name passes both checks; the answer No stops the rename.
    messages.clear();
    answers = {MessageService::IdNo};
    typeNewName(dialog, QString());
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Change the Dept named 'Dairy' to ''.  Are you sure?")});
    EXPECT_EQ(count(QStringLiteral("Dept = 'Dairy'")), 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(RenameDlgTest, RenamesEveryRowAndOffersOnlyNamesInUseAfterwards)
{
    CatalogSeed::write({
        row(QStringLiteral("Milk"), QStringLiteral("Dairy")),
        row(QStringLiteral("Bread"), QStringLiteral("Bakery")),
        row(QStringLiteral("Rolls"), QStringLiteral("Bakery")),
    });
    CRenameDlg dialog;
    dialog.show();
    typeNewName(dialog, QStringLiteral("Bread \"fresh\""));
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("Change the Dept named 'Bakery' to 'Bread \"fresh\"'.  Are you sure?"),
                           kComplete}));
    EXPECT_EQ(count(QStringLiteral("Dept = 'Bread \"fresh\"'")), 2);
    EXPECT_EQ(count(QStringLiteral("Dept = 'Bakery'")), 0);
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("Bread \"fresh\""), QStringLiteral("Dairy")}));
    EXPECT_TRUE(dialog.isVisible());

    // A store holding an apostrophe, written by another tool, renames too.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Store = 'Joe''s' WHERE ItemName = 'Milk'")));
    QTest::mouseClick(&dialog.storesButton(), Qt::LeftButton);
    ASSERT_EQ(names(dialog), (QStringList{QStringLiteral("B-Mart"), QStringLiteral("Joe's")}));
    dialog.oldNames().setCurrentIndex(1);
    typeNewName(dialog, QStringLiteral("Joes"));
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    EXPECT_EQ(messages.last(), kComplete);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Store FROM ShoppingLists WHERE ItemName = 'Milk'")),
              QStringLiteral("Joes"));
}

TEST_F(RenameDlgTest, AFailedRenameChangesNoRowAndSaysSo)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 1000; ++i) {
        items.push_back(row(QStringLiteral("Item %1").arg(i), QStringLiteral("Dairy"), QStringLiteral("B-Mart"), i));
    }
    CatalogSeed::write(items);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON ShoppingLists WHEN old.ID = "
                                                 "500 BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    CRenameDlg dialog;
    dialog.show();
    typeNewName(dialog, QStringLiteral("Milk"));
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Nothing was renamed."))) << messages.last().toStdString();
    EXPECT_EQ(count(QStringLiteral("Dept = 'Dairy'")), 1000);
    EXPECT_EQ(names(dialog), QStringList{QStringLiteral("Dairy")});

    // The rename query itself cannot run: no completion either.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("ALTER TABLE ShoppingLists RENAME TO Gone")));
    messages.clear();
    typeNewName(dialog, QStringLiteral("Milk"));
    QTest::mouseClick(&dialog.renameButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Nothing was renamed."))) << messages.last().toStdString();
}

TEST_F(RenameDlgTest, MainWindowRefreshesItsStoreTabsAfterwards)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("B-Mart"))});
    MainWindowHarness main;
    ASSERT_EQ(main->tabStrip().tabText(1), QStringLiteral("B-Mart"));
    bool answered = false;
    QTimer::singleShot(0, [&answered] {
        auto* dialog = qobject_cast<CRenameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(&dialog->storesButton(), Qt::LeftButton);
        typeNewName(*dialog, QStringLiteral("Corner"));
        QTest::mouseClick(&dialog->renameButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("done")), Qt::LeftButton);
        answered = true;
    });
    main->OnCommand(CommandId::Rename);
    EXPECT_TRUE(answered);
    EXPECT_EQ(messages.last(), kComplete);
    EXPECT_EQ(main->tabStrip().count(), 2);
    EXPECT_EQ(main->tabStrip().tabText(1), QStringLiteral("Corner"));
}
