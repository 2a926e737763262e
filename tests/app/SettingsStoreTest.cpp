#include "GrocelleTest.h"

#include "app/CListApp.h"
#include "platform/CRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class SettingsStoreTest : public GrocelleTest
{
};

TEST_F(SettingsStoreTest, ValuesKeepTheirType)
{
    CRegistry registry;
    EXPECT_EQ(registry.GetDword(QStringLiteral("Missing")), -1);
    EXPECT_EQ(registry.GetString(QStringLiteral("Missing")), QString());

    EXPECT_TRUE(registry.SetDword(QStringLiteral("Col0"), 88));
    EXPECT_TRUE(registry.SetString(QStringLiteral("OrderNeed"), QStringLiteral("DeptOrder, ItemName")));
    EXPECT_EQ(registry.GetDword(QStringLiteral("Col0")), 88);
    EXPECT_EQ(registry.GetString(QStringLiteral("OrderNeed")), QStringLiteral("DeptOrder, ItemName"));
    // A number stored as text is not a DWORD, and the other way round.
    EXPECT_EQ(registry.GetString(QStringLiteral("Col0")), QString());
    registry.SetString(QStringLiteral("Text"), QStringLiteral("12"));
    EXPECT_EQ(registry.GetDword(QStringLiteral("Text")), -1);

    registry.SetDword(QStringLiteral("Negative"), -5);
    EXPECT_EQ(registry.GetDword(QStringLiteral("Negative")), -5);
}

TEST_F(SettingsStoreTest, LongTextsAreUnreadable)
{
    CRegistry registry;
    registry.SetString(QStringLiteral("Fits"), QString(49, QLatin1Char('x')));
    registry.SetString(QStringLiteral("TooLong"), QString(50, QLatin1Char('x')));
    EXPECT_EQ(registry.GetString(QStringLiteral("Fits")).size(), 49);
    EXPECT_EQ(registry.GetString(QStringLiteral("TooLong")), QString());
}

TEST_F(SettingsStoreTest, UnopenableKeyIsReported)
{
    // A folder where the settings file should be: the key cannot be opened.
    ASSERT_TRUE(QDir(home()).mkpath(QStringLiteral("Grocelle.conf")));
    CRegistry registry;
    EXPECT_FALSE(registry.SetDword(QStringLiteral("Col0"), 1));
    EXPECT_FALSE(registry.SetString(QStringLiteral("OrderNeed"), QStringLiteral("x")));
    EXPECT_EQ(registry.GetDword(QStringLiteral("Col0")), -1);
    EXPECT_EQ(messages, (QStringList{"Could not open/create key", "Could not open/create key"}));

    CListApp app;
    messages.clear();
    EXPECT_FALSE(app.SaveSettings(0, 11, 1, 1));
    EXPECT_EQ(messages, QStringList{"Could not open/create key"});
    EXPECT_FALSE(app.LoadSettings());
    EXPECT_EQ(app.fontSize(), 12);

    // Once the user has been told, the same failures say nothing more.
    messages.clear();
    CRegistry::setFailuresTold(true);
    EXPECT_FALSE(registry.SetDword(QStringLiteral("Col0"), 1));
    EXPECT_FALSE(app.SaveSettings(0, 11, 1, 1));
    CRegistry::setFailuresTold(false);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(SettingsStoreTest, LoadStopsAtTheFirstMissingValue)
{
    CListApp app;
    EXPECT_FALSE(app.LoadSettings());
    EXPECT_EQ(app.fontSize(), 12);
    EXPECT_EQ(app.soundOnLaunch(), 1);
    EXPECT_EQ(app.doubleClickAction(), 1);

    CRegistry registry;
    registry.SetDword(QStringLiteral("dftFontSize"), 16);
    registry.SetDword(QStringLiteral("SoundOnLaunch"), 0);
    registry.SetDword(QStringLiteral("DoubleClick"), 2);
    // dftViewOnLoad is missing: the two later values stay at their defaults.
    EXPECT_FALSE(app.LoadSettings());
    EXPECT_EQ(app.fontSize(), 16);
    EXPECT_EQ(app.soundOnLaunch(), 1);
    EXPECT_EQ(app.doubleClickAction(), 1);

    registry.SetDword(QStringLiteral("dftViewOnLoad"), 3);
    EXPECT_TRUE(app.LoadSettings());
    EXPECT_EQ(app.viewOnLoad(), 0);
    EXPECT_EQ(app.soundOnLaunch(), 0);
    EXPECT_EQ(app.doubleClickAction(), 2);

    EXPECT_TRUE(app.SaveSettings(0, 20, 1, 0));
    EXPECT_EQ(registry.GetDword(QStringLiteral("dftViewOnLoad")), 0);
    EXPECT_EQ(registry.GetDword(QStringLiteral("dftFontSize")), 20);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStoreTest, ListFontTakesTheSizeAsPixels)
{
    CListApp app;
    app.setFontSize(14);
    app.CreateListFont();
    EXPECT_EQ(app.listFont().pixelSize(), 11); // the letters of a 14-pixel cell
    EXPECT_FALSE(app.listFont().italic());
    EXPECT_EQ(app.listFont().weight(), QFont::Normal);
}
