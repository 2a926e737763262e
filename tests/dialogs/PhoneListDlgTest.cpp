#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "controls/CItemListCtrl.h"
#include "dialogs/CPhoneListDlg.h"
#include "phone/PhoneAddress.h"
#include "phone/PhoneDevices.h"
#include "phone/PhoneList.h"
#include "phone/QrCode.h"
#include "platform/CRegistry.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoConnection.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>

class PhoneListDlgTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    }
    void TearDown() override
    {
        connection.Close();
        GrocelleTest::TearDown();
    }
    CAdoConnection connection;
};

TEST_F(PhoneListDlgTest, SwitchAddressCodeAndNewLink)
{
    PhoneList phone(connection);
    EXPECT_FALSE(phone.isRunning()); // off until turned on
    phone.setPort(0);
    CPhoneListDlg dialog(phone);
    EXPECT_EQ(dialog.addressBox().text(), QStringLiteral("(off)"));
    EXPECT_FALSE(dialog.newLinkButton().isEnabled());

    dialog.switchBox().setChecked(true);
    ASSERT_TRUE(phone.isRunning());
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("PhoneList")), 1);
    const QString link = dialog.addressBox().text();
    EXPECT_TRUE(link.contains(QStringLiteral(":%1/#k=").arg(phone.listeningPort()))) << link.toStdString();
    const QByteArray secret = phone.secret();
    EXPECT_EQ(secret.size(), 43); // 256 bits, base64url
    EXPECT_TRUE(link.endsWith(QString::fromLatin1(secret)));
    EXPECT_FALSE(dialog.codeLabel().pixmap().isNull());

    QTest::mouseClick(&dialog.newLinkButton(), Qt::LeftButton);
    EXPECT_NE(phone.secret(), secret);
    EXPECT_NE(dialog.addressBox().text(), link);
    // Only the key's hash is kept, under the one device New Link leaves.
    EXPECT_TRUE(CRegistry().GetString(QStringLiteral("PhoneSecret")).isEmpty());
    ASSERT_EQ(phone.devices().devices().size(), 1);
    EXPECT_EQ(phone.devices().devices().first().hash, PhoneDevices::hashOf(phone.secret()));

    dialog.switchBox().setChecked(false);
    EXPECT_FALSE(phone.isRunning());
    EXPECT_EQ(CRegistry().GetDword(QStringLiteral("PhoneList")), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PhoneListDlgTest, APortInUseIsToldAndTheListStaysOff)
{
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::Any, 0));
    PhoneList phone(connection);
    phone.setPort(holder.serverPort());
    CPhoneListDlg dialog(phone);
    dialog.switchBox().setChecked(true);
    EXPECT_FALSE(phone.isRunning());
    EXPECT_FALSE(dialog.switchBox().isChecked());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("Port %1 is in use").arg(holder.serverPort())))
        << messages.first().toStdString();
}

TEST_F(PhoneListDlgTest, ComesBackOnAtTheNextStartWhenLeftOn)
{
    {
        PhoneList phone(connection);
        phone.setPort(0);
        QString reason;
        ASSERT_TRUE(phone.turnOn(&reason));
    }
    PhoneList next(connection);
    QString reason;
    EXPECT_TRUE(next.restore(&reason));
    EXPECT_TRUE(next.isRunning());
}

TEST_F(PhoneListDlgTest, SecretsAreFreshEachTime)
{
    EXPECT_NE(PhoneList::makeSecret(), PhoneList::makeSecret());
}

TEST_F(PhoneListDlgTest, QrCodeHasFinderPatternsAndAQuietZone)
{
    const QImage code = QrCode::image(QStringLiteral("http://192.168.1.20:8642/#k=abc"), 3);
    ASSERT_FALSE(code.isNull());
    const int quiet = QrCode::QuietModules * 3;
    EXPECT_EQ(code.pixel(1, 1), qRgb(255, 255, 255));
    // The three corner squares start dark; the fourth corner does not.
    EXPECT_EQ(code.pixel(quiet + 1, quiet + 1), qRgb(0, 0, 0));
    EXPECT_EQ(code.pixel(code.width() - quiet - 2, quiet + 1), qRgb(0, 0, 0));
    EXPECT_EQ(code.pixel(quiet + 1, code.height() - quiet - 2), qRgb(0, 0, 0));
    EXPECT_TRUE(QrCode::image(QString(5000, QLatin1Char('x')), 3).isNull());
}

TEST_F(PhoneListDlgTest, TheWindowOpensItAndRebuildsWhenThePageWrites)
{
    connection.Close();
    CatalogSeed::write({{.name = QStringLiteral("Apples"), .qty = 1}, {.name = QStringLiteral("Bread"), .qty = 1}});
    MainWindowHarness main;
    ASSERT_NE(main->phoneList(), nullptr);
    EXPECT_FALSE(main->phoneList()->isRunning());

    bool opened = false;
    ModalDialogs::whenModal([&opened](QWidget* dialog) {
        opened = qobject_cast<CPhoneListDlg*>(dialog) != nullptr;
        dialog->close();
    });
    EXPECT_TRUE(main->OnCommand(CommandId::PhoneList));
    EXPECT_TRUE(opened);

    // A write from the page: the window shows it, the user's row stays chosen.
    main.clickRow(1);
    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 4 WHERE ItemName = 'Bread'"));
    Q_EMIT main->phoneList()->catalogChanged();
    EXPECT_EQ(main.column(1).value(1), QStringLiteral("4"));
    EXPECT_EQ(main->list().selectionMark(), 1);
}

TEST_F(PhoneListDlgTest, APlainLinkOnTheNetworkSaysOfflineUseNeedsASecureLink)
{
    EXPECT_FALSE(CPhoneListDlg::isSecureLink(QStringLiteral("http://192.168.1.20:8642/#k=abc")));
    EXPECT_FALSE(CPhoneListDlg::isSecureLink(QStringLiteral("http://pantry.local:8642/")));
    EXPECT_TRUE(CPhoneListDlg::isSecureLink(QStringLiteral("https://pantry.example.ts.net/#k=abc")));
    EXPECT_TRUE(CPhoneListDlg::isSecureLink(QStringLiteral("http://127.0.0.1:8642/#k=abc")));
    EXPECT_TRUE(CPhoneListDlg::isSecureLink(QStringLiteral("http://localhost:8642/")));
    EXPECT_TRUE(CPhoneListDlg::isSecureLink(QStringLiteral("http://[::1]:8642/")));
    EXPECT_FALSE(CPhoneListDlg::isSecureLink(QStringLiteral("http://127.0.0.1.evil.example/")));

    PhoneList phone(connection);
    phone.setPort(0);
    CPhoneListDlg dialog(phone);
    EXPECT_TRUE(dialog.secureNote().isHidden()); // off: no link to judge
    dialog.switchBox().setChecked(true);
    ASSERT_TRUE(phone.isRunning());
    // The link names this computer's address on the network, which is
    // plain HTTP unless no network is up.
    EXPECT_EQ(dialog.secureNote().isHidden(), CPhoneListDlg::isSecureLink(phone.link()));
    EXPECT_TRUE(dialog.secureNote().text().contains(QStringLiteral("README")));
    dialog.switchBox().setChecked(false);
    EXPECT_TRUE(dialog.secureNote().isHidden());
}

TEST_F(PhoneListDlgTest, WhileOffAddPhoneShowsTheLinkOfTheServerThatListens)
{
    PhoneAddress(QStringLiteral("https"), {}, 8743, QString()).store();
    PhoneList phone(connection);
    phone.setPort(0);
    CPhoneListDlg dialog(phone);
    dialog.addDevice(QStringLiteral("Anna's phone"));
    const QString link = dialog.addressBox().text();
    EXPECT_TRUE(link.startsWith(QStringLiteral("https://"))) << link.toStdString();
    EXPECT_TRUE(link.endsWith(QStringLiteral(":8743/#k=") + QString::fromLatin1(phone.secret()))) << link.toStdString();
    EXPECT_FALSE(dialog.codeLabel().pixmap().isNull());

    // Its own list on, the window shows its own.
    dialog.switchBox().setChecked(true);
    EXPECT_TRUE(dialog.addressBox().text().startsWith(
        QStringLiteral("http://%1:%2/").arg(PhoneList::hostAddress()).arg(phone.listeningPort())));
}
