#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/DeptComboBox.h"
#include "dialogs/CRenameDlg.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/MessageService.h"

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
    return {.name = name, .dept = dept, .store = store, .id = id};
}

} // namespace

class RenameDlgTest : public EngineTest
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
    static void rename(CRenameDlg& dialog, const QString& newName)
    {
        dialog.newNameEdit().selectAll();
        QTest::keyClick(&dialog.newNameEdit(), Qt::Key_Delete);
        QTest::keyClicks(&dialog.newNameEdit(), newName);
        QTest::keyClick(&dialog.newNameEdit(), Qt::Key_Return); // Enter presses Rename
    }
};

TEST_P(RenameDlgTest, ListsTheNamesOfEachKindAndStartsFromTheOldName)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("dairy")),
                        row(QStringLiteral("Eggs"), QStringLiteral("Produce"), QStringLiteral("Corner")),
                        row(QStringLiteral("Yogurt"), QStringLiteral("Dairy")),
                        row(QStringLiteral("Cheese"), QStringLiteral("dairy")),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery"), QString())});
    CRenameDlg dialog;
    dialog.show();
    const QStringList depts = names(dialog);
    ASSERT_EQ(depts.size(), 4); // Dairy and dairy are two names
    EXPECT_EQ(depts.first(), QStringLiteral("Bakery"));
    EXPECT_EQ(depts.last(), QStringLiteral("Produce"));
    EXPECT_EQ(dialog.newNameEdit().selectedText(), QStringLiteral("Bakery"));

    dialog.oldNames().showPopup();
    dialog.oldNames().setCurrentIndex(3);
    dialog.oldNames().hidePopup();
    EXPECT_EQ(dialog.newNameEdit().selectedText(), QStringLiteral("Produce"));

    QTest::mouseClick(&dialog.storesButton(), Qt::LeftButton);
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("B-Mart"), QStringLiteral("Corner")}));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("B-Mart"));
}

TEST_P(RenameDlgTest, ADepartmentSpelledInAnotherCaseOfAnyLetterRenamesAllItsRows)
{
    CatalogSeed::write({row(QStringLiteral("Boskoop"), QString::fromUtf8("Äpfel")),
                        row(QStringLiteral("Elstar"), QString::fromUtf8("äpfel")),
                        row(QStringLiteral("Feta"), QString::fromUtf8("ΓΑΛΑ")),
                        row(QStringLiteral("Milk"), QString::fromUtf8("γαλα"))});
    CRenameDlg dialog;
    dialog.show();
    dialog.oldNames().setCurrentIndex(dialog.oldNames().findText(QString::fromUtf8("äpfel")));
    rename(dialog, QStringLiteral("Fruit"));
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Dept = 'Fruit'")), 2);
    dialog.oldNames().setCurrentIndex(dialog.oldNames().findText(QString::fromUtf8("ΓΑΛΑ")));
    rename(dialog, QStringLiteral("Dairy"));
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Dept = 'Dairy'")), 2);
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("Dairy"), QStringLiteral("Fruit")}));
}

TEST_P(RenameDlgTest, ListsNamesInTheCatalogsOrder)
{
    // By code point of each letter lowered alone: the micro sign stays
    // before "ä" (Qt's case folding would make it a Greek mu, after it), and
    // a final sigma stays apart from its other form.
    CatalogSeed::write(
        {row(QStringLiteral("Apples"), QString::fromUtf8("äpfel")),
         row(QStringLiteral("Yeast"), QString::fromUtf8("µg")), row(QStringLiteral("Feta"), QString::fromUtf8("ΟΔΟΣ")),
         row(QStringLiteral("Milk"), QString::fromUtf8("οδος")), row(QStringLiteral("Tea"), QStringLiteral("Drinks"))});
    CRenameDlg dialog;
    dialog.show();
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("Drinks"), QString::fromUtf8("µg"), QString::fromUtf8("äpfel"),
                                          QString::fromUtf8("οδος"), QString::fromUtf8("ΟΔΟΣ")}));
}

TEST_P(RenameDlgTest, RefusesATakenNameBeforeAsking)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"))});
    CRenameDlg dialog;
    dialog.show();
    rename(dialog, QStringLiteral("dairy"));
    answers = {MessageService::IdNo, MessageService::IdNo};
    // An apostrophe is a name like any other; not refused: asked, answered No.
    rename(dialog, QStringLiteral("Kids' Dairy"));
    rename(dialog, QString());
    EXPECT_EQ(messages, (QStringList{QStringLiteral("There is already one by that name."),
                                     QStringLiteral("Change the Dept named 'Dairy' to 'Kids' Dairy'.  Are you sure?"),
                                     QStringLiteral("Change the Dept named 'Dairy' to ''.  Are you sure?")}));
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Dept = 'Dairy'")), 1);

    QTest::keyClicks(&dialog.newNameEdit(), QStringLiteral("0123456789abcdef"));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("0123456789abcde"));
    // Pasted: whole characters up to the limit, no line break.
    dialog.newNameEdit().clear();
    dialog.newNameEdit().insert(QStringLiteral("Kids\n") + QString(12, QChar(0x263A)) + QStringLiteral("\U0001F600"));
    EXPECT_EQ(dialog.newNameEdit().text(), QStringLiteral("Kids ") + QString(10, QChar(0x263A)));
}

TEST_P(RenameDlgTest, RenamesEveryRowAndOffersOnlyNamesInUseAfterwards)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"), QStringLiteral("Joe's")),
                        row(QStringLiteral("Bread"), QStringLiteral("Bakery")),
                        row(QStringLiteral("Rolls"), QStringLiteral("Bakery"))});
    CRenameDlg dialog;
    QStringList notes;
    QObject::connect(&dialog, &CRenameDlg::renamed, &dialog, [&notes](const QString& note) { notes << note; });
    dialog.show();
    rename(dialog, QStringLiteral("Bread \"fresh\""));
    // The question stays; the completion is a note, not a box.
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("Change the Dept named 'Bakery' to 'Bread \"fresh\"'.  Are you sure?")}));
    EXPECT_EQ(notes, QStringList{QStringLiteral("Renamed the Dept 'Bakery' to 'Bread \"fresh\"'.")});
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Dept = 'Bread \"fresh\"'")), 2);
    EXPECT_EQ(names(dialog), (QStringList{QStringLiteral("Bread \"fresh\""), QStringLiteral("Dairy")}));

    // A store name with an apostrophe, written by another tool, renames too.
    QTest::mouseClick(&dialog.storesButton(), Qt::LeftButton);
    dialog.oldNames().setCurrentIndex(1);
    rename(dialog, QStringLiteral("Joes"));
    EXPECT_EQ(notes.size(), 2);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Store = 'Joes'")), 1);
}

TEST_P(RenameDlgTest, AFailedRenameChangesNoRowAndSaysSo)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 1000; ++i) {
        items.push_back(row(QStringLiteral("Item %1").arg(i), QStringLiteral("Dairy"), QStringLiteral("B-Mart"), i));
    }
    CatalogSeed::write(items);
    ASSERT_TRUE(CatalogSeed::refuse(QStringLiteral("UPDATE"), QStringLiteral("old.ID = 500")));
    CRenameDlg dialog;
    dialog.show();
    rename(dialog, QStringLiteral("Milk"));
    // The rename query itself cannot run: no completion either.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("ALTER TABLE ShoppingLists RENAME TO Gone")));
    rename(dialog, QStringLiteral("Milk"));
    ASSERT_EQ(messages.size(), 4);
    EXPECT_TRUE(messages.at(1).startsWith(QStringLiteral("Nothing was renamed.")));
    EXPECT_TRUE(messages.at(3).startsWith(QStringLiteral("Nothing was renamed.")));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM Gone WHERE Dept = 'Dairy'")), "1000");
}

TEST_P(RenameDlgTest, MainWindowRefreshesItsStoreTabsAfterwards)
{
    CatalogSeed::write({row(QStringLiteral("Milk"), QStringLiteral("Dairy"))});
    MainWindowHarness main;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CRenameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(&dialog->storesButton(), Qt::LeftButton);
        rename(*dialog, QStringLiteral("Corner"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("done")), Qt::LeftButton);
    });
    main->OnCommand(CommandId::Rename);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(main->summaryLine().endsWith(QStringLiteral("Renamed the Store 'B-Mart' to 'Corner'.")));
    EXPECT_EQ(main->tabStrip().count(), 2);
    EXPECT_EQ(main->tabStrip().tabText(1), QStringLiteral("Corner"));
}

INSTANTIATE_FOR_BOTH_ENGINES(RenameDlgTest);
