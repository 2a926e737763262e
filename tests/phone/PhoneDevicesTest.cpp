#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "ModalDialogs.h"

#include "dialogs/CPhoneListDlg.h"
#include "phone/PhoneDevices.h"
#include "phone/PhoneList.h"
#include "phone/QrCode.h"
#include "platform/CRegistry.h"
#include "platform/DeviceFolder.h"
#include "platform/widgets/MessageService.h"
#include "store/access/CAdoConnection.h"

#include <QCheckBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

namespace
{
QByteArray settingsBytes()
{
    QFile file(DeviceFolder::settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

using PhoneDevicesTest = GrocelleTest;

TEST_F(PhoneDevicesTest, TheOldSingleSecretBecomesThePhoneAndLeavesTheSettings)
{
    const QByteArray old = PhoneDevices::makeKey();
    ASSERT_TRUE(CRegistry().SetString(QStringLiteral("PhoneSecret"), QString::fromLatin1(old)));
    PhoneDevices devices;
    EXPECT_EQ(devices.accept(old), QStringLiteral("Phone"));
    EXPECT_TRUE(CRegistry().GetString(QStringLiteral("PhoneSecret")).isEmpty());
    EXPECT_FALSE(settingsBytes().contains(old));
    EXPECT_EQ(PhoneDevices().accept(old), QStringLiteral("Phone")); // read back as a hash
}

TEST_F(PhoneDevicesTest, KeysAreKeptAsHashesAndARemovalElsewhereCountsAtOnce)
{
    PhoneDevices server;
    QString reason;
    const QByteArray anna = server.add(QStringLiteral("Anna"), &reason);
    const QByteArray ben = server.add(QStringLiteral("  Ben "), &reason);
    ASSERT_EQ(anna.size(), 43);
    ASSERT_EQ(ben.size(), 43);
    EXPECT_FALSE(settingsBytes().contains(anna));
    EXPECT_FALSE(settingsBytes().contains(ben));
    EXPECT_TRUE(settingsBytes().contains(PhoneDevices::hashOf(anna)));
    EXPECT_EQ(server.accept(ben), QStringLiteral("Ben"));

    EXPECT_TRUE(server.add(QStringLiteral("anna"), &reason).isEmpty());
    EXPECT_TRUE(reason.contains(QStringLiteral("already"))) << reason.toStdString();
    for (const QString& bad :
         {QString(), QStringLiteral("   "), QString(41, QLatin1Char('x')), QStringLiteral("a\nb")}) {
        EXPECT_TRUE(server.add(bad, &reason).isEmpty()) << bad.toStdString();
    }

    // Another program (the dialog, or --remove-device) takes Ben's link away.
    EXPECT_TRUE(PhoneDevices().remove(QStringLiteral("BEN")));
    EXPECT_TRUE(server.accept(ben).isEmpty());
    EXPECT_EQ(server.accept(anna), QStringLiteral("Anna"));
    EXPECT_FALSE(PhoneDevices().remove(QStringLiteral("Ben")));

    for (const QByteArray& wrong : {QByteArray(), anna.left(42), anna + "x", QByteArray(43, 'A')}) {
        EXPECT_TRUE(server.accept(wrong).isEmpty()) << wrong.toStdString();
    }
    server.removeAll();
    EXPECT_TRUE(PhoneDevices().isEmpty());
    EXPECT_TRUE(server.accept(anna).isEmpty());
}

TEST_F(PhoneDevicesTest, LastSeenIsKeptForTheOtherProgramsToShow)
{
    PhoneDevices server;
    const QByteArray key = server.add(QStringLiteral("Anna"), nullptr);
    EXPECT_FALSE(PhoneDevices().devices().first().lastSeen.isValid());
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    ASSERT_FALSE(server.accept(key).isEmpty());
    const QList<PhoneDevices::Device> seen = PhoneDevices().devices();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_GE(seen.first().lastSeen, before);
}

TEST_F(PhoneDevicesTest, AddPhoneShowsItsOwnLinkAndRemoveRevokesOnlyThatOne)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    {
        PhoneList phone(connection);
        phone.setPort(0);
        CPhoneListDlg dialog(phone);
        dialog.switchBox().setChecked(true);
        ASSERT_TRUE(phone.isRunning());
        const QByteArray first = phone.secret();
        ASSERT_FALSE(first.isEmpty());
        // Served over plain HTTP: the dialog says what offline use needs.
        EXPECT_TRUE(dialog.secureNote().text().contains(QStringLiteral("https://")));
        EXPECT_FALSE(dialog.secureNote().isHidden());

        // Add Phone asks for the name in a box of its own.
        ModalDialogs::whenModal([](QWidget* box) {
            auto* ask = qobject_cast<QInputDialog*>(box);
            ASSERT_NE(ask, nullptr);
            ask->setTextValue(QStringLiteral("Anna's phone"));
            ask->accept();
        });
        QTest::mouseClick(&dialog.addButton(), Qt::LeftButton);
        const QByteArray anna = phone.secret();
        EXPECT_NE(anna, first);
        EXPECT_TRUE(dialog.addressBox().text().endsWith(QStringLiteral("#k=") + QString::fromLatin1(anna)));
        ASSERT_EQ(dialog.deviceList().topLevelItemCount(), 2);
        EXPECT_EQ(dialog.deviceList().topLevelItem(0)->text(0), QStringLiteral("Anna's phone"));
        EXPECT_EQ(dialog.deviceList().topLevelItem(0)->text(1), QStringLiteral("never"));

        dialog.addDevice(QStringLiteral("anna's PHONE"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().contains(QStringLiteral("already")));

        EXPECT_FALSE(dialog.removeButton().isEnabled());
        dialog.deviceList().setCurrentItem(dialog.deviceList().topLevelItem(0));
        ASSERT_TRUE(dialog.removeButton().isEnabled());
        answers.push_back(MessageService::IdYes);
        QTest::mouseClick(&dialog.removeButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.deviceList().topLevelItemCount(), 1);
        EXPECT_TRUE(phone.devices().accept(anna).isEmpty());
        EXPECT_EQ(phone.devices().accept(first), QStringLiteral("Phone"));
    }
    // A later run knows the devices but cannot show their links again.
    PhoneList later(connection);
    later.setPort(0);
    CPhoneListDlg dialog(later);
    dialog.switchBox().setChecked(true);
    EXPECT_TRUE(later.secret().isEmpty());
    EXPECT_FALSE(dialog.addressBox().text().contains(QStringLiteral("#k=")));
    EXPECT_TRUE(dialog.codeLabel().pixmap().isNull());
    connection.Close();
}

TEST_F(PhoneDevicesTest, TheTerminalCodeHasTheModulesOfTheImage)
{
    const QString link = QStringLiteral("https://grocelle.example.ts.net/#k=") + QString(43, QLatin1Char('k'));
    const QImage image = QrCode::image(link, 1);
    ASSERT_FALSE(image.isNull());
    for (const bool colour : {true, false}) {
        QString text = QrCode::terminalText(link, colour);
        text.remove(QStringLiteral("\x1b[30;47m")).remove(QStringLiteral("\x1b[0m"));
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), (image.height() + 1) / 2);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QChar c = lines[y / 2][x];
                const bool upperDrawn = c == QChar(u'\u2580') || c == QChar(u'\u2588');
                const bool lowerDrawn = c == QChar(u'\u2584') || c == QChar(u'\u2588');
                const bool drawn = y % 2 == 0 ? upperDrawn : lowerDrawn;
                const bool dark = image.pixel(x, y) == qRgb(0, 0, 0);
                ASSERT_EQ(drawn, colour ? dark : !dark) << x << "," << y << " colour " << colour;
            }
        }
    }
    EXPECT_TRUE(QrCode::terminalText(QString(5000, QLatin1Char('x')), true).isEmpty());
}
