#include "GrocelleTest.h"

#include "platform/Money.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace
{
// Non-breaking space, which the locales put between figure and symbol.
const QString Nbsp = QString(QChar(0x00A0));

QString withNbsp(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('_'), Nbsp);
}
} // namespace

// Runs each case in the locale it names, as if LANG named it, and leaves the
// default locale and the Currency setting as they were.
class MoneyTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(m_before);
        Money::setCurrencySymbol(QString());
        GrocelleTest::TearDown();
    }

    void useLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }

private:
    QLocale m_before;
};

TEST_F(MoneyTest, EnglishAndUnsetKeepThePlainDollarForms)
{
    for (const char* name : {"C", "en_US", "en_GB"}) {
        useLocale(name);
        EXPECT_TRUE(Money::isEnglish()) << name;
        EXPECT_EQ(Money::total(4.29), QStringLiteral("$4.29")) << name;
        EXPECT_EQ(Money::total(1234.5), QStringLiteral("$1234.50")) << name;
        EXPECT_EQ(Money::cell(4.29), QStringLiteral("4.29")) << name;
        EXPECT_EQ(Money::total(1e300), QStringLiteral("$1e+300")) << name;
        EXPECT_EQ(Money::editText(3.25), QStringLiteral("3.25")) << name;
        EXPECT_EQ(Money::isoCode(), QStringLiteral("USD")) << name;
    }
}

TEST_F(MoneyTest, OtherLocalesUseTheirSeparatorsGroupingAndSymbol)
{
    struct Case
    {
        const char* locale;
        const char* small;
        const char* large;
        const char* code;
    };
    const Case cases[] = {
        {"de_DE", "4,29_€", "1.234,50_€", "EUR"},
        {"fr_FR", "4,29_€", "1\u202f234,50_€", "EUR"},
        {"es_ES", "4,29_€", "1234,50_€", "EUR"},
        // Where the franc goes changed with the locale data (Qt 6.8 writes
        // it first): as the locale writes it, with its own separators.
        {"de_CH", nullptr, nullptr, "CHF"},
    };
    for (const Case& c : cases) {
        useLocale(c.locale);
        const QLocale locale;
        const QString small = c.small ? withNbsp(c.small) : locale.toCurrencyString(4.29, QStringLiteral("CHF"), 2);
        const QString large = c.large ? withNbsp(c.large) : locale.toCurrencyString(1234.5, QStringLiteral("CHF"), 2);
        if (!c.small) {
            EXPECT_TRUE(small.contains(QStringLiteral("4.29")) && large.contains(QStringLiteral("1’234.50")))
                << c.locale << ": " << small.toStdString() << ", " << large.toStdString();
        }
        EXPECT_FALSE(Money::isEnglish()) << c.locale;
        EXPECT_EQ(Money::total(4.29), small) << c.locale;
        EXPECT_EQ(Money::cell(4.29), small) << c.locale;
        EXPECT_EQ(Money::total(1234.5), large) << c.locale;
        EXPECT_EQ(Money::isoCode(), QString::fromLatin1(c.code)) << c.locale;
    }
    // An amount only a hand-edited catalog holds keeps its short form, in
    // the locale's place for the symbol.
    useLocale("de_DE");
    EXPECT_EQ(Money::total(1e300), withNbsp("1e+300_€"));
    EXPECT_EQ(Money::total(std::numeric_limits<double>::infinity()), withNbsp("inf_€"));
    EXPECT_EQ(Money::editText(3.25), QStringLiteral("3,25"));
}

TEST_F(MoneyTest, TheCurrencySettingReplacesOnlyTheSymbol)
{
    useLocale("en_US");
    Money::setCurrencySymbol(QStringLiteral(" € "));
    EXPECT_EQ(Money::currencySymbolSetting(), QStringLiteral("€"));
    EXPECT_EQ(Money::total(4.29), QStringLiteral("€4.29"));
    EXPECT_EQ(Money::cell(4.29), QStringLiteral("4.29"));
    // Not a currency code: the phone still gets the locale's.
    EXPECT_EQ(Money::isoCode(), QStringLiteral("USD"));

    useLocale("de_DE");
    Money::setCurrencySymbol(QStringLiteral("CHF"));
    EXPECT_EQ(Money::total(4.29), withNbsp("4,29_CHF"));
    EXPECT_EQ(Money::isoCode(), QStringLiteral("CHF"));

    // A symbol is written as it is, never read as a pattern.
    Money::setCurrencySymbol(QStringLiteral("%1"));
    EXPECT_EQ(Money::total(1e300), withNbsp("1e+300_%1"));
    EXPECT_EQ(Money::total(4.29), withNbsp("4,29_%1"));

    Money::setCurrencySymbol(QString());
    EXPECT_EQ(Money::symbol(), QStringLiteral("€"));
}

TEST_F(MoneyTest, PricesAreReadWithTheLocalesMarkOrAPointAndNothingElse)
{
    struct Case
    {
        const char* locale;
        const char* text;
        double value; // negative: refused
    };
    const Case cases[] = {
        {"de_DE", "4,29", 4.29},   {"de_DE", "4.29", 4.29}, {"de_DE", " 4,5 ", 4.5},  {"de_DE", ",5", 0.5},
        {"de_DE", "7", 7.0},       {"fr_FR", "4,29", 4.29}, {"es_ES", "4,29", 4.29},  {"en_US", "4.29", 4.29},
        {"de_DE", "1.234,56", -1}, {"de_DE", "4,2,9", -1},  {"de_DE", "4,29 €", -1},  {"de_DE", "-4,29", -1},
        {"de_DE", "1e5", -1},      {"de_DE", "", -1},       {"de_DE", ",", -1},       {"de_DE", "4;29", -1},
        {"de_DE", "nan", -1},      {"de_DE", "0x10", -1},   {"de_DE", "4 29", -1},    {"en_US", "4,29", -1},
        {"en_US", "1,000", -1},    {"de_DE", "١٢", -1},     {"de_DE", "4,29'--", -1}, {"fr_FR", "4.2.9", -1},
    };
    for (const Case& c : cases) {
        useLocale(c.locale);
        double price = -7.0;
        const bool read = Money::parsePrice(QString::fromUtf8(c.text), price);
        EXPECT_EQ(read, c.value >= 0.0) << c.locale << " '" << c.text << "'";
        if (read && c.value >= 0.0) {
            EXPECT_DOUBLE_EQ(price, c.value) << c.locale << " '" << c.text << "'";
        }
    }
}
