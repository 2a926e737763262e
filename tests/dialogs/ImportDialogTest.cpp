#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "commands/ListCopier.h"
#include "controls/CItemListCtrl.h"
#include "dialogs/CColumnMapDlg.h"
#include "dialogs/CFirstStartDlg.h"
#include "dialogs/CImportDlg.h"
#include "dialogs/TransferCommands.h"
#include "platform/Translations.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/Journal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

class ImportDialogTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Clipboard::setReader({});
        Clipboard::setHandler({});
        TransferCommands::setChooser({});
        GrocelleTest::TearDown();
    }
};

// Ctrl+Shift+V: the clipboard's lines in the preview; a refused line keeps
// Import off until the user says to go without it; new names land in the
// department and store picked once; one Undo takes it all back.
TEST_F(ImportDialogTest, PasteListPreviewsAndImportsOnlyOnceRefusalsAreConfirmed)
{
    CatalogSeed::write(
        {{QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), QStringLiteral("B-Mart")},
         {QStringLiteral("Rolls"), 0, QStringLiteral("Bakery"), QStringLiteral("Corner"), 0.0, 0, 0, 3}});
    const QString before = CatalogSeed::dump();
    Clipboard::setReader([] { return QStringLiteral("2 milk\nBread x2\n-1 Tea\n"); });
    MainWindowHarness main;
    bool checked = false;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CImportDlg*>(modal);
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(dialog->plan());
        EXPECT_EQ(dialog->plan()->summary(), QStringLiteral("1 new, 1 changed (QtyToBuy 1), 0 unchanged, 1 refused."));
        EXPECT_FALSE(dialog->importButton()->isEnabled());
        EXPECT_EQ(CatalogSeed::dump(), before);
        dialog->skipBox()->setChecked(true);
        EXPECT_TRUE(dialog->importButton()->isEnabled());
        dialog->deptBox()->setCurrentText(QStringLiteral("Bakery"));
        dialog->storeBox()->setCurrentText(QStringLiteral("Corner"));
        checked = true;
        dialog->importButton()->click();
    });
    QTest::keyClick(&main.window(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(checked);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy || ':' || Dept || ':' || Store || ':' "
                                                 "|| DeptOrder")),
              QStringLiteral("Milk:2:Dairy:B-Mart:0 Rolls:0:Bakery:Corner:3 Bread:2:Bakery:Corner:3"));
    EXPECT_TRUE(main.column(0).contains(QStringLiteral("Bread")));

    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    Journal journal(connection);
    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Import 2 items from the clipboard"));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::dump(), before);
}

// A paste in German: the preview names the clipboard in German, and the
// undo history keeps its English name, which every language can show.
TEST_F(ImportDialogTest, APasteInAnotherLanguageKeepsTheHistoryInEnglish)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}});
    Clipboard::setReader([] { return QStringLiteral("2 Milk\nBread\n"); });
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    MainWindowHarness main;
    QString title;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CImportDlg*>(modal);
        ASSERT_TRUE(dialog);
        title = dialog->findChild<QLabel*>()->text();
        dialog->importButton()->click();
    });
    QTest::keyClick(&main.window(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    Translations::install(QStringLiteral("en"));
    EXPECT_TRUE(title.contains(QStringLiteral("der Zwischenablage"))) << title.toStdString();
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    EXPECT_EQ(Journal(connection).nextUndo()->label, QStringLiteral("Import 2 items from the clipboard"));
}

// Cancel in the preview writes nothing; Export writes the file the user
// chose, and a file that cannot be read is told with its reason.
TEST_F(ImportDialogTest, CancelWritesNothingAndExportAndImportGoThroughTheChosenFile)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}});
    const QString before = CatalogSeed::dump();
    const QString target = homeFile(QStringLiteral("out.csv"));
    TransferCommands::setChooser([&](bool) { return target; });
    MainWindowHarness main;
    main->OnCommand(CommandId::Export);
    EXPECT_EQ(messages.value(0), QStringLiteral("1 item exported to out.csv."));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(file.readAll().startsWith("ID,ItemName,"));
    file.write("2,Tea,3,pkg,\"\",\"\",\"\",,0,-1,0,0\r\n");
    file.close();

    bool shown = false;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CImportDlg*>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->plan()->summary(), QStringLiteral("1 new, 0 changed, 1 unchanged, 0 refused."));
        EXPECT_EQ(dialog->deptBox(), nullptr) << "a catalog file names its own departments";
        shown = true;
        dialog->reject();
    });
    main->OnCommand(CommandId::Import);
    EXPECT_TRUE(shown);
    EXPECT_EQ(CatalogSeed::dump(), before);

    QFile::remove(target);
    main->OnCommand(CommandId::Import);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("out.csv cannot be imported.\nThe file cannot be read")))
        << messages.last().toStdString();
}

// A spreadsheet's CSV opens the mapping step with the header's guesses and
// its first rows as they would be read; the preview then lists each item,
// searchable, and a question is written only once ticked.
TEST_F(ImportDialogTest, MappingStepThenAPreviewOfEveryItem)
{
    CatalogSeed::write(
        {{QStringLiteral("Milk"), 1}, {QStringLiteral("Eggs"), 0, {}, {}, 0.0, 0, 0, 0, QStringLiteral("doz")}});
    const QString sheet = homeFile(QStringLiteral("sheet.csv"));
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Art\xC3\xAD"
               "culo,Cantidad,Extra\nMilk,3,oat\nBread,2,\"sliced, brown\"\n");
    file.close();
    TransferCommands::setChooser([&](bool) { return sheet; });
    MainWindowHarness main;
    bool mapped = false;
    bool previewed = false;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* mapping = qobject_cast<CColumnMapDlg*>(modal);
        ASSERT_TRUE(mapping);
        EXPECT_EQ(mapping->columnBox(0)->currentText(), QStringLiteral("ItemName"));
        EXPECT_EQ(mapping->columnBox(1)->currentText(), QStringLiteral("QtyToBuy"));
        EXPECT_EQ(mapping->columnBox(2)->currentData().toInt(), ColumnMapping::Ignored) << "Extra";
        EXPECT_EQ(mapping->preview()->columnCount(), 2);
        mapping->columnBox(2)->setCurrentIndex(mapping->columnBox(2)->findText(QStringLiteral("ItemNameDetail")));
        ASSERT_EQ(mapping->preview()->columnCount(), 3);
        EXPECT_EQ(mapping->preview()->item(1, 2)->text(), QStringLiteral("sliced, brown"));
        mapping->columnBox(0)->setCurrentIndex(0);
        EXPECT_FALSE(mapping->continueButton()->isEnabled()) << "no name column";
        mapping->columnBox(0)->setCurrentIndex(mapping->columnBox(0)->findText(QStringLiteral("ItemName")));
        mapped = true;
        ModalDialogs::whenModal([&](QWidget* next) {
            auto* dialog = qobject_cast<CImportDlg*>(next);
            ASSERT_TRUE(dialog);
            QListWidget* lines = dialog->planLines();
            ASSERT_EQ(lines->count(), 2);
            EXPECT_EQ(lines->item(0)->text(),
                      QStringLiteral("Bread (new): QtyToBuy 2, UnitOfPurchase pkg, ItemNameDetail sliced, brown, "
                                     "Store B-Mart"));
            EXPECT_EQ(lines->item(1)->text(), QStringLiteral("Milk: QtyToBuy 1 \u2192 3, ItemNameDetail \"\" "
                                                             "\u2192 oat"));
            dialog->searchBox()->setText(QStringLiteral("milk"));
            EXPECT_TRUE(lines->item(0)->isHidden());
            EXPECT_FALSE(lines->item(1)->isHidden());
            previewed = true;
            dialog->importButton()->click();
        });
        mapping->continueButton()->click();
    });
    main->OnCommand(CommandId::Import);
    ASSERT_TRUE(mapped);
    ASSERT_TRUE(previewed);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy || ':' || ItemNameDetail")),
              QStringLiteral("Milk:3:oat Eggs:0: Bread:2:sliced, brown"));
}

// Paste List on a store's tab: new names go to that store unless the user
// picks another, and a question stays out until ticked.
TEST_F(ImportDialogTest, PasteListPutsNewNamesInTheStoreOfTheTabShown)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), QStringLiteral("B-Mart")},
                        {QStringLiteral("Eggs"), 0, QStringLiteral("Dairy"), QStringLiteral("Corner"), 0.0, 0, 0, 0,
                         QStringLiteral("doz")}});
    Clipboard::setReader([] { return QStringLiteral("Jam\neggs x12\n"); });
    MainWindowHarness main;
    const int corner = main->view().tabStores.indexOf(QStringLiteral("Corner"));
    ASSERT_GT(corner, 0);
    main->tabStrip().setCurrentIndex(corner);
    ASSERT_EQ(main->view().currentStore, QStringLiteral("Corner"));
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CImportDlg*>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->storeBox()->currentText(), QStringLiteral("Corner"));
        EXPECT_EQ(dialog->deptBox()->currentText(), QString());
        QListWidget* lines = dialog->planLines();
        ASSERT_EQ(lines->count(), 2);
        EXPECT_EQ(lines->item(0)->checkState(), Qt::Unchecked) << lines->item(0)->text().toStdString();
        EXPECT_EQ(dialog->plan()->writes(), 1);
        lines->item(0)->setCheckState(Qt::Checked);
        EXPECT_EQ(dialog->plan()->writes(), 2);
        // The choice outlives a new plan.
        dialog->addButton()->setChecked(true);
        EXPECT_EQ(dialog->plan()->writes(), 2);
        dialog->importButton()->click();
    });
    main->OnCommand(CommandId::PasteList);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy || ':' || Store")),
              QStringLiteral("Milk:1:B-Mart Eggs:12:Corner Jam:1:Corner"));
}

TEST_F(ImportDialogTest, CopyListAsChecklistGroupsByDepartmentInWalkingOrder)
{
    CatalogSeed::write(
        {{QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), QStringLiteral("B"), 0.0, 1, 0, 2},
         {QStringLiteral("Bread"), 2, QStringLiteral("Bakery"), QStringLiteral("B"), 0.0, 0, 0, 1,
          QStringLiteral("loaf")},
         {QStringLiteral("Tea"), 0, QStringLiteral("Drinks"), QStringLiteral("B"), 0.0, 0, 0, 0},
         {QStringLiteral("Cheese"), 3, QStringLiteral("Dairy"), QStringLiteral("B"), 0.0, 0, 0, 2, QStringLiteral(" ")},
         {QStringLiteral("Soap"), 1, QString(), QStringLiteral("B"), 0.0, 0, 0, -1}});
    QStringList copied;
    Clipboard::setHandler([&](const QString& text) {
        copied << text;
        return Clipboard::Result::Ok;
    });
    MainWindowHarness main;
    main->OnCommand(CommandId::CopyChecklist);
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied.first(), QStringLiteral("- [ ] 1 pkg Soap\n"
                                             "\n## Bakery\n- [ ] 2 loaf Bread\n"
                                             "\n## Dairy\n- [ ] 3 Cheese\n- [x] 1 pkg Milk\n"));
    // Plain Copy List stays as it was.
    main->OnCommand(CommandId::CopyList);
    EXPECT_EQ(copied.last(), ListCopier::listText(main->list()));
}

// A first start on an empty catalog: one box, the tip its first line; the
// common groceries arrive in walking order, none on the list, as one
// undoable action. Starting empty leaves a line that says how to begin.
TEST_F(ImportDialogTest, FirstStartOffersCommonGroceriesOrAnEmptyStart)
{
    CatalogSeed::write({});
    {
        MainWindowHarness main;
        firstStartChoice = CFirstStartDlg::Choice::Groceries;
        CFirstStartDlg::run(main.window());
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Tip for first-time users:  You can bring a list")));
        EXPECT_FALSE(messages.first().contains(QStringLiteral("www")));
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 148);
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0")), 0);
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(DISTINCT Dept) FROM ShoppingLists")),
                  QStringLiteral("13"));
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("DeptOrder"), QStringLiteral("Apples")), QStringLiteral("0"));
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("DeptOrder"), QStringLiteral("Ice")), QStringLiteral("12"));
        EXPECT_TRUE(main->list().emptyText().isEmpty());
        // On a catalog with items, the tip alone.
        CFirstStartDlg::run(main.window());
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes.front().text, CFirstStartDlg::tipText());
    }
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists")));
    MainWindowHarness empty;
    EXPECT_EQ(empty->list().itemCount(), 0);
    EXPECT_TRUE(empty->list().emptyText().startsWith(QStringLiteral("The catalog is empty: type a name")));
}
