#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "platform/CRegistry.h"
#include "platform/Money.h"

#include <QLocale>

namespace
{
QString withNbsp(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('_'), QChar(0x00A0));
}
} // namespace

// The main window's prices and totals in the user's locale. The locale is
// set as the default, as LANG would set it: the machine need not have the
// locale installed, Qt carries its own data.
class MoneyFormatTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({
            {.name = QStringLiteral("Butter"), .qty = 1, .price = 4.29},
            {.name = QStringLiteral("Coffee"), .qty = 2, .price = 617.25, .checked = 1},
            {.name = QStringLiteral("Salt"), .qty = 1},
        });
    }

    void TearDown() override
    {
        QLocale::setDefault(m_before);
        Money::setCurrencySymbol(QString());
        GrocelleTest::TearDown();
    }

private:
    QLocale m_before;
};

TEST_F(MoneyFormatTest, RowsAndTotalsFollowTheLocale)
{
    struct Case
    {
        const char* locale;
        QStringList prices;
        const char* list;
        const char* basket;
    };
    const Case cases[] = {
        {"de_DE", {withNbsp("4,29_€"), withNbsp("1.234,50_€"), ""}, "List 1.238,79_€", "In basket 1.234,50_€"},
        {"fr_FR",
         {withNbsp("4,29_€"), withNbsp("1\u202f234,50_€"), ""},
         "List 1\u202f238,79_€",
         "In basket 1\u202f234,50_€"},
        {"es_ES", {withNbsp("4,29_€"), withNbsp("1234,50_€"), ""}, "List 1238,79_€", "In basket 1234,50_€"},
        // English, whatever the region, as it has always been.
        {"en_US", {"4.29", "1234.50", ""}, "List $1238.79", "In basket $1234.50"},
        {"en_GB", {"4.29", "1234.50", ""}, "List $1238.79", "In basket $1234.50"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        MainWindowHarness main;
        EXPECT_EQ(main.column(0), (QStringList{"Butter", "Coffee", "Salt"})) << c.locale;
        EXPECT_EQ(main.column(4), c.prices) << c.locale;
        EXPECT_EQ(main->listTotalText(), withNbsp(c.list)) << c.locale;
        EXPECT_EQ(main->markedTotalText(), withNbsp(c.basket)) << c.locale;
    }
}

TEST_F(MoneyFormatTest, TheStoredCurrencyReplacesTheSymbolFromTheStart)
{
    CRegistry registry;
    ASSERT_TRUE(registry.SetString(QStringLiteral("Currency"), QStringLiteral("CHF")));

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    {
        MainWindowHarness main;
        EXPECT_EQ(main.column(4).first(), withNbsp("4,29_CHF"));
        EXPECT_EQ(main->listTotalText(), withNbsp("List 1.238,79_CHF"));
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    MainWindowHarness main;
    EXPECT_EQ(main.column(4).first(), QStringLiteral("4.29"));
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List CHF1238.79"));
    // The catalog keeps the plain number whatever is shown.
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Butter")), QStringLiteral("4.29"));
}
