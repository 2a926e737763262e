#include "GrocelleTest.h"

#include "app/CListApp.h"
#include "controls/CSoundButton.h"
#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "tools/CSettingsDlg.h"

#include <QFile>
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
