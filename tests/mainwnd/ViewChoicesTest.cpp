#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"

#include "controls/DeptComboBox.h"

#include <QComboBox>
#include <QSet>
#include <QTabBar>

// What the window offers to choose a view by, on both engines: the department
// box's entries (each department once, with the spelling of the first item
// that has it, narrowed to a store's own departments on its tab) and the
// store tabs.
class ViewChoicesTest : public EngineTest
{
protected:
    static QStringList entries(QComboBox& combo)
    {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i) {
            texts << combo.itemText(i);
        }
        return texts;
    }
};

TEST_P(ViewChoicesTest, EachDepartmentOnceAndOnlyTheStoresOwnOnItsTab)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy"), .store = QStringLiteral("Acme")},
        {.name = QStringLiteral("Bread"), .dept = QStringLiteral("Bakery"), .store = QStringLiteral("Corner")},
        {.name = QStringLiteral("Cream"), .dept = QStringLiteral("DAIRY"), .store = QStringLiteral("Corner")},
        {.name = QStringLiteral("Tea"), .dept = QStringLiteral("Drinks"), .store = QStringLiteral("Acme")},
        {.name = QStringLiteral("Cheese"), .dept = QStringLiteral("dairy"), .store = QStringLiteral("Corner")},
    });
    MainWindowHarness main;
    QComboBox& combo = main->deptCombo();
    EXPECT_EQ(entries(combo), (QStringList{"All Items", "Bakery", "Dairy", "Drinks"}));
    EXPECT_EQ(combo.currentText(), QStringLiteral("All Items"));

    // Corner's first dairy item is spelled in capitals; Acme's drinks are
    // not Corner's.
    main->tabStrip().setCurrentIndex(2);
    ASSERT_EQ(main->view().currentStore, QStringLiteral("Corner"));
    combo.showPopup();
    const QStringList corner = entries(combo);
    combo.hidePopup();
    ASSERT_EQ(corner.size(), 3);
    EXPECT_EQ(corner.mid(0, 2), (QStringList{"All Items", "Bakery"}));
    if (onSqlite()) {
        EXPECT_EQ(corner.at(2), QStringLiteral("DAIRY"));
    } else {
        EXPECT_EQ(corner.at(2).compare(QStringLiteral("dairy"), Qt::CaseInsensitive), 0);
    }
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_FOR_BOTH_ENGINES(ViewChoicesTest);

TEST_P(ViewChoicesTest, StoreSpelledAgainAfterAnotherSpellingGetsNoSecondTab)
{
    // The index keeps the three in the order they were written: one spelling,
    // another, then the first again. Each spelling is one tab; two tabs of one
    // name could never be told apart, and their labels never made different.
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .store = QStringLiteral("Aldi")},
        {.name = QStringLiteral("Tea"), .store = QStringLiteral("ALDI")},
        {.name = QStringLiteral("Jam"), .store = QStringLiteral("Aldi")},
        {.name = QStringLiteral("Soap"), .store = QStringLiteral("Corner")},
    });
    MainWindowHarness main;
    QStringList stores = main->view().tabStores;
    EXPECT_EQ(stores.size(), QSet<QString>(stores.begin(), stores.end()).size());
    if (onSqlite()) {
        EXPECT_EQ(stores.mid(1), (QStringList{"Aldi", "ALDI", "Corner"}));
    }
    EXPECT_EQ(stores.last(), QStringLiteral("Corner"));
    EXPECT_EQ(main->tabStrip().count(), stores.size());
}
