#include "GrocelleTest.h"
#include "ModalDialogs.h"

#include "MainWindowHarness.h"

#include "controls/CSoundButton.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "platform/Translations.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/HelpLauncher.h"
#include "platform/widgets/ResourceImages.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>
#include <vector>

namespace
{
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Dark pixels where the version line starts: the picture is pale there.
int darkPixelsOfVersionLine(QWidget& dialog)
{
    const QImage image = dialog.grab().toImage();
    const QFontMetrics metrics(dialog.font());
    const QRect line(CAboutDlg::versionRect().topLeft(),
                     QSize(metrics.horizontalAdvance(CAboutDlg::versionText()), metrics.height()));
    const qreal ratio = image.devicePixelRatio();
    int dark = 0;
    for (int y = line.top(); y <= line.bottom(); ++y) {
        for (int x = line.left(); x <= line.right(); ++x) {
            if (qGray(image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio))) < 110) {
                ++dark;
            }
        }
    }
    return dark;
}
} // namespace

using ModalDialogs::whenModal;

class AboutHelpTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        HelpLauncher::setHandler([this](const HelpLauncher::Page& page) { launched.push_back(page); });
    }

    void TearDown() override
    {
        HelpLauncher::setHandler({});
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }

    std::vector<HelpLauncher::Page> launched;
};

TEST_F(AboutHelpTest, HelpShowsTheBuiltInPageAtItsContentsEveryTime)
{
    MainWindowHarness harness;
    CMainDlg& window = harness.window();

    EXPECT_TRUE(window.OnCommand(CommandId::Help));
    // The toolbar's button and F1 reach the same command.
    QAction* toolbarHelp = nullptr;
    for (QAction* action : window.commandBar().actions()) {
        if (action->data().toInt() == CommandId::Help) {
            toolbarHelp = action;
        }
    }
    ASSERT_NE(toolbarHelp, nullptr);
    toolbarHelp->trigger();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);

    // No check for a viewer already showing the page.
    ASSERT_EQ(launched.size(), 3U);
    for (const HelpLauncher::Page& page : launched) {
        EXPECT_EQ(page.source, QUrl(QStringLiteral("qrc:/help/GrocelleHelp.htm#Main_Contents")));
        EXPECT_EQ(page.language, QStringLiteral("en"));
        EXPECT_TRUE(page.note.isEmpty());
    }
    EXPECT_TRUE(readAll(QStringLiteral(":/help/GrocelleHelp.htm")).contains("name=\"Main_Contents\""));
}

// Without the recorder F1 shows the page in the program's own browser, which
// needs no web browser on the machine; F1 again brings the same window back.
TEST_F(AboutHelpTest, F1ShowsThePageInTheProgramsOwnBrowser)
{
    HelpLauncher::setHandler({});
    MainWindowHarness harness;
    CMainDlg& window = harness.window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_F1);
    auto* help = window.findChild<CHelpDlg*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_FALSE(help->note().isVisible());
    EXPECT_EQ(help->browser().source().fragment(), QStringLiteral("Main_Contents"));
    EXPECT_TRUE(help->browser().toPlainText().contains(QStringLiteral("Every entry of the Tools menu")));

    help->close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(window.findChildren<CHelpDlg*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
}

// Each language shows its own page where one is written, and otherwise the
// English one with a note in the user's language that says so.
TEST_F(AboutHelpTest, HelpSpeaksTheUsersLanguageOrSaysWhyNot)
{
    for (const QString& language : Translations::shipped()) {
        ASSERT_TRUE(Translations::install(language));
        const HelpLauncher::Page page = HelpLauncher::page();
        if (QFileInfo::exists(HelpLauncher::resourceFor(language))) {
            EXPECT_EQ(page.language, language);
            EXPECT_EQ(page.source.path(), HelpLauncher::resourceFor(language).mid(1));
            EXPECT_TRUE(page.note.isEmpty()) << language.toStdString();
        } else {
            EXPECT_EQ(page.language, QStringLiteral("en"));
            EXPECT_TRUE(page.note.contains(Translations::nativeName(language))) << page.note.toStdString();
            EXPECT_FALSE(page.note.startsWith(QStringLiteral("This help"))) << page.note.toStdString();
        }
    }
    // A language the program has no help page for gets the note.
    const HelpLauncher::Page fallback = HelpLauncher::pageFor(QStringLiteral("xx"));
    EXPECT_EQ(fallback.source, QUrl(QStringLiteral("qrc:/help/GrocelleHelp.htm#Main_Contents")));
    EXPECT_FALSE(fallback.note.isEmpty());

    CHelpDlg dialog;
    dialog.setPage(fallback);
    dialog.show();
    EXPECT_TRUE(dialog.note().isVisible());
    EXPECT_EQ(dialog.note().text(), fallback.note);
    dialog.close();
}

TEST_F(AboutHelpTest, DeviceFolderPageTakesThePlaceOfTheBuiltInOne)
{
    // The device folder ignores letter case, as the handheld's did.
    const QString own = homeFile(QStringLiteral("grocellehelp.HTM"));
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1 id=\"Main_Contents\">Our list</h1></body></html>");
    file.close();

    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    HelpLauncher::open({});

    ASSERT_EQ(launched.size(), 1U);
    EXPECT_EQ(QFileInfo(launched.front().source.toLocalFile()).canonicalFilePath(), QFileInfo(own).canonicalFilePath());
    EXPECT_EQ(launched.front().source.fragment(), QStringLiteral("Main_Contents"));
    EXPECT_TRUE(launched.front().note.isEmpty());
}

TEST_F(AboutHelpTest, AboutDrawsTheVersionOverThePictureOnEveryPaint)
{
    EXPECT_EQ(CAboutDlg::versionText(), QStringLiteral("version 4.5"));

    CAboutDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Grocelle"));
    EXPECT_GT(darkPixelsOfVersionLine(dialog), 10);

    // The picture itself is there, at its own size, beside the line.
    const QImage picture = ResourceImages::bitmap(222).toImage();
    const QImage shown = dialog.grab().toImage();
    const QPoint probe = CAboutDlg::pictureOrigin() + QPoint(40, 40);
    EXPECT_EQ(shown.pixelColor(probe * shown.devicePixelRatio()),
              picture.pixelColor(QPoint(40, 40) * picture.devicePixelRatio()));

    // Covered and uncovered again: the line is drawn once more.
    QWidget cover;
    cover.setGeometry(dialog.geometry());
    cover.show();
    QApplication::processEvents();
    cover.hide();
    QApplication::processEvents();
    EXPECT_GT(darkPixelsOfVersionLine(dialog), 10);
    dialog.close();
}

TEST_F(AboutHelpTest, AboutOkIsASoundingButtonAtNaturalSize)
{
    MainWindowHarness harness;
    bool sawAbout = false;
    bool naturalSize = false;
    whenModal([&](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        sawAbout = about != nullptr;
        if (!about) {
            modal->close();
            return;
        }
        const CSoundButton& ok = about->okButton();
        naturalSize = ok.drawMode() == CSoundButton::NaturalSize && !ok.upImage().isNull();
        QTest::mouseClick(&about->okButton(), Qt::LeftButton);
    });

    EXPECT_TRUE(harness.window().OnCommand(CommandId::About));

    EXPECT_TRUE(sawAbout);
    EXPECT_TRUE(naturalSize);
    EXPECT_EQ(sounds, QStringList{QString::fromLatin1(CSoundButton::ClickSound)});
}
