#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "platform/CRegistry.h"
#include "platform/widgets/CommandIds.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

class WindowPlaceTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({});
        screen = QGuiApplication::primaryScreen()->availableGeometry();
    }

    // Opens the window, puts it at place (as the user drags and sizes it),
    // and ends it with OK. Returns where it ended up.
    QRect leaveAt(const QRect& place)
    {
        MainWindowHarness main;
        main->setGeometry(place);
        QApplication::processEvents();
        const QRect left = main->geometry();
        main->OnCommand(CommandId::Ok);
        return left;
    }

    QRect screen;
};

TEST_F(WindowPlaceTest, ReopensWhereAndAsLargeAsItWasLeft)
{
    QSize smallest;
    QRect first;
    {
        MainWindowHarness main;
        smallest = main->size();
        first = main->geometry();
    }
    // Nothing kept yet: the first start is as it always was.
    EXPECT_TRUE(CRegistry().GetBytes(QStringLiteral("WindowGeometry")).isEmpty());

    const QSize larger = (smallest + QSize(120, 90)).boundedTo(screen.size() - QSize(80, 60));
    const QRect left = leaveAt(QRect(screen.topLeft() + QPoint(60, 40), larger));
    ASSERT_NE(left, first);
    MainWindowHarness main;
    EXPECT_EQ(main->geometry(), left);
}

TEST_F(WindowPlaceTest, APlaceOnAScreenThatIsGoneComesBackOntoOne)
{
    // As left on a second monitor that has since been unplugged.
    leaveAt(QRect(screen.right() + 1500, screen.bottom() + 900, 10, 10).adjusted(0, 0, 400, 500));
    MainWindowHarness main;
    EXPECT_TRUE(screen.contains(main->frameGeometry()))
        << main->frameGeometry().x() << "," << main->frameGeometry().y();

    // Larger than the screen there is: no larger than this one.
    main->OnCommand(CommandId::Ok);
    leaveAt(QRect(screen.topLeft(), screen.size() * 2));
    MainWindowHarness again;
    EXPECT_TRUE(screen.contains(again->frameGeometry()))
        << again->frameGeometry().width() << "x" << again->frameGeometry().height();
}
