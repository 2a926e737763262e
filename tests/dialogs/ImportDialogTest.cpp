#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "commands/ListCopier.h"
#include "controls/CItemListCtrl.h"
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
#include <QPushButton>
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
