#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "app/CListApp.h"
#include "controls/CSoundButton.h"
#include "dialogs/CSettingsDlg.h"
#include "phone/PhoneApi.h"
#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "store/access/CAdoConnection.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <memory>

// The Currency box of the Settings dialog: empty means the locale's own
// symbol, anything typed replaces it; only OK stores it.
class CurrencySettingTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(m_before);
        Money::setCurrencySymbol(QString());
        GrocelleTest::TearDown();
    }

    std::unique_ptr<CSettingsDlg> openDialog()
    {
        auto dialog = std::make_unique<CSettingsDlg>(app);
        dialog->show();
        return dialog;
    }

    static void typeCurrency(CSettingsDlg& dialog, const QString& text)
    {
        dialog.currencyEdit().selectAll();
        QTest::keyClick(&dialog.currencyEdit(), Qt::Key_Backspace);
        QTest::keyClicks(&dialog.currencyEdit(), text);
    }

    CRegistry registry;
    CListApp app;

private:
    QLocale m_before;
};

TEST_F(CurrencySettingTest, OkStoresTheSymbolAndEmptyGoesBackToTheLocales)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    {
        auto dialog = openDialog();
        EXPECT_EQ(dialog->currencyEdit().text(), QString());
        EXPECT_EQ(dialog->currencyEdit().placeholderText(), QStringLiteral("€"));
        typeCurrency(*dialog, QStringLiteral("CHF"));
        dialog->reject();
    }
    EXPECT_EQ(registry.GetString(QStringLiteral("Currency")), QString());
    EXPECT_EQ(Money::symbol(), QStringLiteral("€"));

    {
        auto dialog = openDialog();
        typeCurrency(*dialog, QStringLiteral("CHF"));
        QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
    }
    EXPECT_EQ(registry.GetString(QStringLiteral("Currency")), QStringLiteral("CHF"));
    EXPECT_EQ(Money::total(4.29), QStringLiteral("4,29\u00a0CHF"));

    // Read back at the next start, and shown.
    Money::setCurrencySymbol(QString());
    app.LoadSettings();
    EXPECT_EQ(Money::symbol(), QStringLiteral("CHF"));
    {
        auto dialog = openDialog();
        EXPECT_EQ(dialog->currencyEdit().text(), QStringLiteral("CHF"));
        EXPECT_EQ(dialog->currencyEdit().placeholderText(), QStringLiteral("€"));
        typeCurrency(*dialog, QString());
        QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
    }
    EXPECT_EQ(registry.GetString(QStringLiteral("Currency")), QString());
    EXPECT_EQ(Money::symbol(), QStringLiteral("€"));
}

TEST_F(CurrencySettingTest, WithoutOneTheSettingsFileGainsNoCurrency)
{
    auto dialog = openDialog();
    QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
    QFile file(qEnvironmentVariable("GROCELLE_HOME") + QStringLiteral("/Grocelle.conf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Currency"));
}

// The phone's list reply names the currency for the page to write amounts
// in the phone's language; its totals keep their fields, in the locale's form.
TEST_F(CurrencySettingTest, ThePhoneReplyCarriesTheCurrency)
{
    CatalogSeed::write({{.name = QStringLiteral("Butter"), .qty = 2, .price = 617.25, .checked = 1}});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    const auto reply = [&connection] {
        const PhoneApi::Reply answer = PhoneApi(connection).list(QStringLiteral("*"), QString());
        EXPECT_EQ(answer.status, 200);
        return QJsonDocument::fromJson(answer.body).object();
    };
    struct Case
    {
        const char* locale;
        const char* symbol;
        const char* code;
        const char* total;
    };
    const Case cases[] = {
        {"en_US", "$", "USD", "$1234.50"},
        {"de_DE", "€", "EUR", "1.234,50\u00a0€"},
        {"fr_FR", "€", "EUR", "1\u202f234,50\u00a0€"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        const QJsonObject list = reply();
        EXPECT_EQ(list.value(QLatin1String("currency")).toString(), QString::fromLatin1(c.code)) << c.locale;
        EXPECT_EQ(list.value(QLatin1String("currencySymbol")).toString(), QString::fromUtf8(c.symbol)) << c.locale;
        EXPECT_EQ(list.value(QLatin1String("listTotal")).toString(), QString::fromUtf8(c.total)) << c.locale;
        EXPECT_EQ(list.value(QLatin1String("markedTotal")).toString(), QString::fromUtf8(c.total)) << c.locale;
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    Money::setCurrencySymbol(QStringLiteral("GBP"));
    EXPECT_EQ(reply().value(QLatin1String("currency")).toString(), QStringLiteral("GBP"));
    EXPECT_EQ(reply().value(QLatin1String("listTotal")).toString(), QStringLiteral("GBP1234.50"));
}
