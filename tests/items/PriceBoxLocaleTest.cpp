#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "UserInput.h"

#include "controls/CSoundButton.h"
#include "items/CItemDlg.h"
#include "platform/Money.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

using UserInput::typeInto;

// The editor's price box in the user's locale: it shows and takes the
// locale's decimal mark, takes a point too, and refuses anything else.
class PriceBoxLocaleTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(m_before);
        GrocelleTest::TearDown();
    }

    // A dialog whose every other box passes the checks on OK.
    static void fillValid(CItemDlg& dialog)
    {
        dialog.m_itemName = QStringLiteral("Butter");
        dialog.m_dept = QStringLiteral("Dairy");
        dialog.m_quantity = 1;
        dialog.m_unit = QStringLiteral("pkg");
        dialog.m_store = QStringLiteral("B-Mart");
        dialog.show();
    }

private:
    QLocale m_before;
};

TEST_F(PriceBoxLocaleTest, TheLocalesMarkAndAPointAreBothTaken)
{
    for (const char* locale : {"de_DE", "fr_FR", "es_ES"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const char* typed : {"4,29", "4.29"}) {
            CItemDlg dialog;
            fillValid(dialog);
            typeInto(dialog.priceBox(), QString::fromLatin1(typed));
            EXPECT_EQ(dialog.priceBox().text(), QString::fromLatin1(typed)) << locale;
            QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << locale << ' ' << typed;
            EXPECT_DOUBLE_EQ(dialog.m_price, 4.29) << locale << ' ' << typed;
        }
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(PriceBoxLocaleTest, AStoredPriceShowsWithTheLocalesMark)
{
    CatalogSeed::write({{.name = QStringLiteral("Butter"), .qty = 1, .price = 3.25}});
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    CItemDlg dialog;
    dialog.show();
    // Picked from the name list, the way a user does.
    dialog.nameBox().showPopup();
    dialog.nameBox().view()->setCurrentIndex(dialog.nameBox().model()->index(1, 0));
    QTest::keyClick(dialog.nameBox().view(), Qt::Key_Return);
    typeInto(dialog.quantityBox(), QStringLiteral("1"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("3,25"));
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.m_price, 3.25);
}

TEST_F(PriceBoxLocaleTest, AnythingElseIsRefusedWithTheMessage)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    CItemDlg dialog;
    fillValid(dialog);
    // Typing stops at what cannot be a price.
    typeInto(dialog.priceBox(), QStringLiteral("4,29 EUR"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("4,29"));
    typeInto(dialog.priceBox(), QStringLiteral("1.234,56"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("1.23"));

    // What gets past typing (a paste, a program) is refused on OK.
    for (const char* text : {"1.234,56", "4,2,9", "-4,29", "1e5", "4,29'; DROP TABLE ShoppingLists; --", ","}) {
        dialog.priceBox().setText(QString::fromLatin1(text));
        const qsizetype shown = messages.size();
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << text;
        ASSERT_EQ(messages.size(), shown + 1) << text;
        EXPECT_EQ(messages.back(), QStringLiteral("Please enter a number from 0 to 9999999 in the Price box."));
        EXPECT_EQ(dialog.focusWidget(), &dialog.priceBox()) << text;
    }
}
