#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"

#include "platform/widgets/CommandIds.h"
#include "store/catalog/MarkLog.h"

#include <QTabBar>

class MarkInStoreViewTest : public EngineTest
{
};

// The window's marks note the view they were made in: a store tab teaches
// that store's walk, the Need tab nothing.
TEST_P(MarkInStoreViewTest, AMarkNotesTheStoreTabItWasMadeIn)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy")}});
    MainWindowHarness main;
    main.clickRow(0);
    main->OnCommand(CommandId::Check);
    main->tabStrip().setCurrentIndex(1);
    main.clickRow(0);
    main->OnCommand(CommandId::Check);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog WHERE Store IS NULL")),
              QStringLiteral("1"));
    const auto marks = MarkLog::marksAt(main->connection(), QStringLiteral("B-Mart"));
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].dept, QStringLiteral("Dairy"));
    EXPECT_FALSE(marks[0].marked);
}

INSTANTIATE_FOR_BOTH_ENGINES(MarkInStoreViewTest);
