#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/CommandIds.h"

#include <QTabBar>
#include <QTest>

namespace
{
SeedItem row(const QString& name, int qty, const QString& unit, const QString& dept, int deptOrder,
             const QString& store = QStringLiteral("B-Mart"))
{
    return {.name = name, .qty = qty, .dept = dept, .store = store, .deptOrder = deptOrder, .unit = unit};
}
} // namespace

class ListCopierTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        Clipboard::setHandler([this](const QString& text) {
            copied << text;
            return clipboardAnswer;
        });
    }
    void TearDown() override
    {
        Clipboard::setHandler({});
        GrocelleTest::TearDown();
    }

    QStringList copied;
    Clipboard::Result clipboardAnswer = Clipboard::Result::Ok;
};

TEST_F(ListCopierTest, CopiesTheNeededRowsAsShownOneLineEach)
{
    const QString corner = QStringLiteral("Corner");
    CatalogSeed::write({row(QStringLiteral("Milk"), 1, QStringLiteral(" "), QStringLiteral("Dairy (cold)"), 1),
                        row(QStringLiteral("Bread"), 2, QStringLiteral("loaf"), QStringLiteral("Bakery"), 0),
                        row(QStringLiteral("Salt"), 0, QStringLiteral("pkg"), QStringLiteral("Spices"), 0),
                        row(QStringLiteral("Ham"), 3, QStringLiteral("lb"), QStringLiteral("Deli"), 2, corner),
                        row(QStringLiteral("Jam"), 0, QStringLiteral("jar"), QStringLiteral("Deli"), 2, corner),
                        row(QStringLiteral("Apple"), 4, QStringLiteral("pkg"), QStringLiteral("Produce"), 3, corner)});
    MainWindowHarness main;
    main->OnCommand(CommandId::CopyList);
    // Lines end with a line feed alone, as Linux programs expect of
    // clipboard text.
    EXPECT_EQ(copied.last(), QStringLiteral("2 loaf Bread (Bakery)\n1   Milk (Dairy (cold))\n"
                                            "3 lb Ham (Deli)\n4 pkg Apple (Produce)\n"));
    // Said in the summary line, for a few seconds.
    EXPECT_TRUE(main->summaryLine().endsWith(QStringLiteral("Copied 4 items to the clipboard.")));
    QTest::qWait(CMainDlg::NoteMilliseconds + 1000);
    EXPECT_FALSE(main->summaryLine().contains(QStringLiteral("Copied")));

    // A store view: that store's needed rows only, in its own order.
    main->tabStrip().setCurrentIndex(static_cast<int>(main->view().tabStores.indexOf(corner)));
    ASSERT_EQ(main->list().itemCount(), 3);
    main->OnCommand(CommandId::CopyList);
    EXPECT_EQ(copied.last(), QStringLiteral("4 pkg Apple (Produce)\n3 lb Ham (Deli)\n"));

    // Nothing needed: the empty text.
    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0"));
    main->RebuildList();
    main->OnCommand(CommandId::CopyList);
    EXPECT_EQ(copied.last(), QString());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ListCopierTest, EachClipboardFailureHasItsMessage)
{
    CatalogSeed::write({});
    MainWindowHarness main;
    for (const auto answer :
         {Clipboard::Result::CannotOpen, Clipboard::Result::CannotEmpty, Clipboard::Result::CannotSet}) {
        clipboardAnswer = answer;
        main->OnCommand(CommandId::CopyList);
    }
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("Cannot open the Clipboard"), QStringLiteral("Cannot empty the Clipboard"),
                           QStringLiteral("Unable to set Clipboard data")}));
}

TEST_F(ListCopierTest, TheChecklistGroupsDepartmentsAsTheCatalogComparesThem)
{
    // Each letter lowered alone: "Οδοσ" is "ΟΔΟΣ", but a final sigma is a
    // letter of its own, so "οδος" heads a group apart (Qt's case folding
    // would make the three one).
    CatalogSeed::write({row(QStringLiteral("Apples"), 1, QStringLiteral("pkg"), QString::fromUtf8("ΟΔΟΣ"), 0),
                        row(QStringLiteral("Bread"), 1, QStringLiteral("pkg"), QString::fromUtf8("οδος"), 0),
                        row(QStringLiteral("Cheese"), 1, QStringLiteral("pkg"), QString::fromUtf8("Οδοσ"), 0)});
    MainWindowHarness main;
    main->OnCommand(CommandId::CopyChecklist);
    ASSERT_FALSE(copied.isEmpty());
    EXPECT_EQ(copied.last(), QString::fromUtf8("## οδος\n- [ ] 1 pkg Bread\n\n## ΟΔΟΣ\n- [ ] 1 pkg Apples\n"
                                               "- [ ] 1 pkg Cheese\n"));
}
