#include "GrocelleTest.h"

#include "phone/PhoneList.h"
#include "platform/CRegistry.h"

#include <optional>

using PhonePortSettingTest = GrocelleTest;

TEST_F(PhonePortSettingTest, TheStoredPortReadsTheSameForTheWindowAndTheHeadlessServer)
{
    struct Case
    {
        const char* name;
        std::optional<qint32> number;
        const char* text;
        quint16 window;
        quint16 headless;
    };
    const Case cases[] = {
        {"empty", std::nullopt, nullptr, PhoneList::DefaultPort, PhoneList::DefaultPort},
        {"any free port", 0, nullptr, PhoneList::AnyFreePort, PhoneList::DefaultPort},
        {"the default", 8642, nullptr, 8642, 8642},
        {"the highest", 65535, nullptr, 65535, 65535},
        {"beyond the highest", 65536, nullptr, PhoneList::DefaultPort, PhoneList::DefaultPort},
        {"negative", -1, nullptr, PhoneList::DefaultPort, PhoneList::DefaultPort},
        {"a text", std::nullopt, "abc", PhoneList::DefaultPort, PhoneList::DefaultPort},
    };
    const QString name = QStringLiteral("PhonePort");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRegistry registry;
        registry.SetString(name, QString());
        if (c.number) {
            ASSERT_TRUE(registry.SetDword(name, *c.number));
        } else if (c.text) {
            ASSERT_TRUE(registry.SetString(name, QString::fromLatin1(c.text)));
        }
        EXPECT_EQ(PhoneList::storedPort(), c.window);
        EXPECT_EQ(PhoneList::storedFixedPort(), c.headless);
    }
}
