#include "GrocelleTest.h"

#include "platform/widgets/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

class ClipboardTest : public GrocelleTest
{
};

TEST_F(ClipboardTest, PlainTextReachesTheSystemClipboardUnchanged)
{
    const QString text = QStringLiteral("2 loaf Bread (Bakery)\r\n1   Crème fraîche (Dairy)\r\n");
    EXPECT_EQ(Clipboard::setText(text), Clipboard::Result::Ok);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(Clipboard::setText(QString()), Clipboard::Result::Ok);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}
