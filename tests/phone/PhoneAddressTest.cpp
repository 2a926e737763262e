#include "GrocelleTest.h"

#include "phone/PhoneAddress.h"
#include "phone/PhoneList.h"
#include "platform/CRegistry.h"

#include <QHostAddress>

using PhoneAddressTest = GrocelleTest;

TEST_F(PhoneAddressTest, TheLinkNamesWhereTheServerAnswers)
{
    const QString lan = PhoneList::hostAddress();
    struct Case
    {
        const char* name;
        const char* scheme;
        QList<QHostAddress> addresses;
        quint16 port;
        const char* publicUrl;
        QString link;
    };
    const QHostAddress loop4(QHostAddress::LocalHost);
    const QHostAddress loop6(QHostAddress::LocalHostIPv6);
    const QHostAddress other(QStringLiteral("192.168.7.9"));
    const Case cases[] = {
        {"every address", "http", {}, 8642, "", QStringLiteral("http://%1:8642/#k=K").arg(lan)},
        {"TLS on its own port", "https", {}, 8743, "", QStringLiteral("https://%1:8743/#k=K").arg(lan)},
        {"the usual port goes unsaid", "https", {}, 443, "", QStringLiteral("https://%1/#k=K").arg(lan)},
        {"loopback alone", "http", {loop4}, 9000, "", QStringLiteral("http://127.0.0.1:9000/#k=K")},
        {"IPv6 in brackets", "http", {loop6}, 9000, "", QStringLiteral("http://[::1]:9000/#k=K")},
        {"the address phones reach", "http", {loop4, other}, 9000, "", QStringLiteral("http://192.168.7.9:9000/#k=K")},
        {"any IPv4 address",
         "http",
         {loop4, QHostAddress(QStringLiteral("0.0.0.0"))},
         9000,
         "",
         QStringLiteral("http://%1:9000/#k=K").arg(lan)},
        {"a proxy's address wins",
         "http",
         {loop4},
         9000,
         "https://shop.example",
         QStringLiteral("https://shop.example/#k=K")},
        {"a proxy's path",
         "http",
         {},
         9000,
         "https://shop.example/list/",
         QStringLiteral("https://shop.example/list/#k=K")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PhoneAddress address(QString::fromLatin1(c.scheme), c.addresses, c.port,
                                   QString::fromLatin1(c.publicUrl));
        EXPECT_EQ(address.link("K"), c.link);
        // Kept by one run, read by another: the same link.
        ASSERT_TRUE(address.store());
        const std::optional<PhoneAddress> kept = PhoneAddress::stored();
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(kept->link("K"), c.link);
    }
}

TEST_F(PhoneAddressTest, NothingKeptOrNoPortKeptIsNoAddress)
{
    EXPECT_FALSE(PhoneAddress::stored().has_value());
    for (const qint32 port : {0, -5, 70000}) {
        CRegistry().SetDword(QStringLiteral("PhoneServedPort"), port);
        EXPECT_FALSE(PhoneAddress::stored().has_value()) << port;
    }
}
