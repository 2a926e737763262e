#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "app/CListApp.h"
#include "mainwnd/CMainDlg.h"
#include "platform/DeviceFolder.h"
#include "platform/widgets/CommandIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <sqlite3.h>

class StartupTest : public GrocelleTest
{
protected:
    // Runs the whole start routine; the main window is closed with OK as soon
    // as it is up. Returns the start routine's result.
    bool startOnce()
    {
        CListApp app;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&app] {
            if (app.mainWindow() && app.mainWindow()->isVisible()) {
                app.mainWindow()->OnCommand(CommandId::Ok);
            }
        });
        closer.start(10);
        const bool result = app.InitInstance();
        EXPECT_EQ(app.mainWindow(), nullptr);
        return result;
    }

    static QStringList columns()
    {
        QStringList names;
        sqlite3* db = nullptr;
        sqlite3_open_v2(CatalogSeed::path().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM pragma_table_info('ShoppingLists')", -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return names;
    }
};

TEST_F(StartupTest, FirstStartCreatesCatalogAndSettings)
{
    EXPECT_FALSE(startOnce());
    EXPECT_TRUE(QFileInfo::exists(homeFile("shoplistdata.cdb")));
    EXPECT_EQ(columns(), (QStringList{"ID", "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail", "Dept", "Store",
                                      "GiftFor", "checked", "DeptOrder", "Price", "Coupon"}));
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("DBVersion")), 5);
    EXPECT_TRUE(QFileInfo::exists(homeFile("Grocelle.conf")));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("OrderNeed")), QStringLiteral("DeptOrder, ItemName"));
    // No settings yet: the launch sound plays; the only box is the first-run tip.
    EXPECT_EQ(sounds.first(), QStringLiteral("\\WINDOWS\\SHOPLAUNCH1.WAV"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Tip for first-time users:")));

    // The second start is silent.
    messages.clear();
    startOnce();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(StartupTest, OldCatalogGainsPriceAndCoupon)
{
    sqlite3* db = nullptr;
    sqlite3_open(homeFile("shoplistdata.cdb").toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE ShoppingLists (ID integer, ItemName varchar(30), QtyToBuy smallint, "
                 "UnitOfPurchase varchar(30), ItemNameDetail varchar(50), Dept varchar(30), Store varchar(30), "
                 "GiftFor varchar(15), checked bit, DeptOrder integer);"
                 "INSERT INTO ShoppingLists VALUES (1,'Milk',2,'pkg','','Dairy','B-Mart','',0,0);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    CRegistry().SetDword(CListApp::installedMarker(), 1);

    startOnce();
    EXPECT_EQ(messages, (QStringList{"Updating database structure, adding PRICE field...",
                                     "Updating database structure, adding COUPON field..."}));
    const QStringList names = columns();
    ASSERT_GE(names.size(), 12);
    EXPECT_EQ(names.mid(10), (QStringList{"Price", "Coupon"}));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT ItemName FROM ShoppingLists")), QStringLiteral("Milk"));

    messages.clear();
    startOnce();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(StartupTest, GarbageCatalogIsLeftUntouched)
{
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 37 + 11) % 251);
    }
    {
        QFile file(homeFile("shoplistdata.cdb"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    startOnce();
    QFile file(homeFile("shoplistdata.cdb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().contains(QStringLiteral("shoplistdata.cdb"))) << messages.first().toStdString();
}

TEST_F(StartupTest, LaunchSoundFollowsTheSetting)
{
    CRegistry registry;
    registry.SetDword(CListApp::installedMarker(), 1);
    for (const int stored : {0, 2}) {
        registry.SetDword(QStringLiteral("dftFontSize"), 12);
        registry.SetDword(QStringLiteral("dftViewOnLoad"), 0);
        registry.SetDword(QStringLiteral("SoundOnLaunch"), stored);
        registry.SetDword(QStringLiteral("DoubleClick"), 1);
        sounds.clear();
        startOnce();
        EXPECT_FALSE(sounds.contains(QStringLiteral("\\WINDOWS\\SHOPLAUNCH1.WAV"))) << stored;
    }
}

TEST_F(StartupTest, UnwritableSettingsAreToldOnceAndTheProgramRunsOnDefaults)
{
    // A folder in the place of the settings file: nothing can be read or
    // written there, whoever runs the test.
    ASSERT_TRUE(QDir(home()).mkpath(QStringLiteral("Grocelle.conf")));
    startOnce();
    ASSERT_EQ(messages.size(), 1) << messages.join('|').toStdString();
    EXPECT_EQ(messages.first(), CListApp::settingsUnsavedMessage(homeFile("Grocelle.conf")));
    EXPECT_EQ(sounds.first(), QStringLiteral("\\WINDOWS\\SHOPLAUNCH1.WAV"));
}
