#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "dialogs/CFirstStartDlg.h"
#include "items/CItemDlg.h"
#include "platform/NameFold.h"
#include "platform/TextLimit.h"
#include "platform/Translations.h"
#include "transfer/StarterCatalog.h"
#include "transfer/TransferColumns.h"

#include <QPushButton>
#include <QSet>

#include <map>

// The common groceries of a first start, in the language the interface
// speaks.
class StarterCatalogTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }

    static QString text(const TransferRecord& record, int column) { return record.at(column).toText(); }
};

// In every language the catalog is whole: as many items and departments as
// in English, none two after case folding (an import would make them one),
// every name within the catalog's widths. A translation also fits the item
// editor, so that editing a starter item never cuts its department or unit.
TEST_F(StarterCatalogTest, EveryLanguageKeepsEachNameApartAndWithinLimits)
{
    const TransferFile english = StarterCatalog::items();
    const std::pair<int, int> limits[] = {{TransferColumns::ItemName, CItemDlg::MaxNameChars},
                                          {TransferColumns::UnitOfPurchase, CItemDlg::MaxUnitChars},
                                          {TransferColumns::Dept, CItemDlg::MaxDeptChars},
                                          {TransferColumns::Store, CItemDlg::MaxStoreChars}};
    for (const QString& language : QStringList{QStringLiteral("en")} + Translations::shipped()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(Translations::install(language));
        const TransferFile file = StarterCatalog::items();
        ASSERT_EQ(file.records.size(), english.records.size());
        QSet<QString> items;
        QSet<QString> depts;
        QSet<QString> deptKeys;
        QSet<int> orders;
        std::map<int, QSet<QString>> texts;
        for (const TransferRecord& record : file.records) {
            const QString name = text(record, TransferColumns::ItemName);
            EXPECT_FALSE(items.contains(NameFold::key(name))) << "twice: " << name.toStdString();
            items.insert(NameFold::key(name));
            depts.insert(text(record, TransferColumns::Dept));
            deptKeys.insert(NameFold::key(text(record, TransferColumns::Dept)));
            orders.insert(static_cast<int>(record.at(TransferColumns::DeptOrder).toInteger()));
            for (const auto& [column, limit] : limits) {
                texts[column].insert(text(record, column));
            }
        }
        EXPECT_EQ(depts.size(), StarterCatalog::departmentCount());
        EXPECT_EQ(deptKeys.size(), StarterCatalog::departmentCount());
        EXPECT_EQ(orders.size(), StarterCatalog::departmentCount());
        for (const auto& [column, limit] : limits) {
            for (const QString& value : texts[column]) {
                EXPECT_LE(TextLimit::length(value), TransferColumns::width(column)) << value.toStdString();
                EXPECT_LE(TextLimit::length(value), limit) << value.toStdString();
            }
        }
        // Translated, not English left over.
        if (language != QLatin1String("en")) {
            EXPECT_NE(text(file.records.front(), TransferColumns::Dept),
                      text(english.records.front(), TransferColumns::Dept));
            EXPECT_NE(text(file.records.front(), TransferColumns::Store),
                      text(english.records.front(), TransferColumns::Store));
        }
    }
}

// A German first start through the dialog itself: the button counts what
// arrives, and the catalog holds German items, units and departments, the
// departments in walking order.
TEST_F(StarterCatalogTest, GermanFirstStartMakesGermanGroceriesInWalkingOrder)
{
    CatalogSeed::write({});
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    MainWindowHarness main;
    CFirstStartDlg::setHandler({});
    QString offered;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CFirstStartDlg*>(modal);
        ASSERT_TRUE(dialog);
        auto* groceries = dialog->findChild<QPushButton*>(QStringLiteral("choice0"));
        ASSERT_TRUE(groceries);
        offered = groceries->text();
        groceries->click();
    });
    CFirstStartDlg::run(main.window());
    EXPECT_EQ(offered, QStringLiteral("Mit &\u00fcblichen Lebensmitteln beginnen (148 Artikel in 13 Abteilungen)"));
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 148);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0")), 0);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT group_concat(Dept, '|') FROM (SELECT DISTINCT Dept, DeptOrder "
                                                 "FROM ShoppingLists ORDER BY DeptOrder)"))
                  .toStdString(),
              QStringLiteral("Obst und Gem\u00fcse|Backwaren|Feinkost|Fleisch, Fisch|Milchprodukte|Konserven|"
                             "Nudeln und Reis|Backen, Gew\u00fcrze|M\u00fcsli, Snacks|Saucen|Getr\u00e4nke|Haushalt|"
                             "Tiefk\u00fchlkost")
                  .toStdString());
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT group_concat(DISTINCT Store) FROM ShoppingLists")),
              QStringLiteral("Supermarkt"));
    const struct
    {
        const char* name;
        const char* unit;
        const char* dept;
    } samples[] = {{"\u00c4pfel", "kg", "0"},      {"Milch", "l", "4"},
                   {"Butter", "Pck.", "4"},        {"Eier", "Pck.", "4"},
                   {"Paprikapulver", "Pck.", "7"}, {"Eisw\u00fcrfel", "Btl.", "12"}};
    for (const auto& sample : samples) {
        const QString name = QString::fromUtf8(sample.name);
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("UnitOfPurchase"), name), QString::fromUtf8(sample.unit));
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("DeptOrder"), name), QString::fromUtf8(sample.dept));
    }
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("UnitOfPurchase IN ('lb', 'gal', 'pkg')")), 0);
}

// French and Spanish first starts land every item too, none merged or
// refused, with no pound or gallon among the units.
TEST_F(StarterCatalogTest, FrenchAndSpanishFirstStartsLandEveryItem)
{
    const struct
    {
        const char* language;
        const char* firstItem;
        const char* store;
    } languages[] = {{"fr", "Pommes", "Supermarch\u00e9"}, {"es", "Manzanas", "Supermercado"}};
    CatalogSeed::write({});
    firstStartChoice = CFirstStartDlg::Choice::Groceries;
    for (const auto& language : languages) {
        SCOPED_TRACE(language.language);
        ASSERT_TRUE(Translations::install(QString::fromLatin1(language.language)));
        {
            MainWindowHarness main;
            CFirstStartDlg::run(main.window());
        }
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 148);
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(DISTINCT Dept) FROM ShoppingLists")),
                  QStringLiteral("13"));
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("DeptOrder"), QString::fromUtf8(language.firstItem)),
                  QStringLiteral("0"));
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT group_concat(DISTINCT Store) FROM ShoppingLists")),
                  QString::fromUtf8(language.store));
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("UnitOfPurchase IN ('lb', 'gal', 'pkg')")), 0);
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists")));
    }
}
