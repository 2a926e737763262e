#include "GrocelleTest.h"

#include "platform/DeviceFolder.h"
#include "platform/SettingsText.h"

#include <QFile>

using SettingsTextTest = GrocelleTest;

TEST_F(SettingsTextTest, AHandWrittenPathOrUrlComesBackWhole)
{
    struct Case
    {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"TlsCert=/etc/ssl/cert.pem", "/etc/ssl/cert.pem"},
        {"TlsCert=/home/a,b/cert.pem", "/home/a,b/cert.pem"},
        {"TlsCert=\"/home/a,b/cert.pem\"", "/home/a,b/cert.pem"},
        {"TlsCert=/srv/x,,y/key.pem", "/srv/x,,y/key.pem"},
        {"TlsCert=https://shop.example/list,1/", "https://shop.example/list,1/"},
        {"TlsCert=  /etc/ssl/cert.pem  ", "/etc/ssl/cert.pem"},
        // QSettings drops the blanks beside an unquoted comma before the
        // text is seen; quoted, they are kept.
        {"TlsCert=a , b", "a,b"},
        {"TlsCert=\"a , b\"", "a , b"},
        {"TlsCert=", ""},
        {"Other=/etc/ssl/cert.pem", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        QFile file(DeviceFolder::settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[General]\n") + c.line + '\n');
        file.close();
        EXPECT_EQ(SettingsText::read(QStringLiteral("TlsCert")), QString::fromUtf8(c.text));
    }
    QFile::remove(DeviceFolder::settingsFile());
    EXPECT_EQ(SettingsText::read(QStringLiteral("TlsCert")), QString());
}
