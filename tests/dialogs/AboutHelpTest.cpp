#include "GrocelleTest.h"
#include "ModalDialogs.h"

#include "MainWindowHarness.h"

#include "controls/CSoundButton.h"
#include "dialogs/CAboutDlg.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/HelpLauncher.h"
#include "platform/widgets/ResourceImages.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>

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
        m_savedCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        HelpLauncher::setHandler([this](const QUrl& page) { launched << page; });
    }

    void TearDown() override
    {
        HelpLauncher::setHandler({});
        qputenv("XDG_CACHE_HOME", m_savedCache);
        GrocelleTest::TearDown();
    }

    QString cacheDir() const { return m_cache.path(); }

    QList<QUrl> launched;

private:
    QTemporaryDir m_cache;
    QByteArray m_savedCache;
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

    // No check for a browser already showing the page.
    ASSERT_EQ(launched.size(), 3);
    for (const QUrl& page : std::as_const(launched)) {
        EXPECT_EQ(page, launched.front());
    }
    const QUrl page = launched.front();
    EXPECT_TRUE(page.isLocalFile());
    EXPECT_EQ(page.fragment(), QStringLiteral("Main_Contents"));
    const QString file = page.toLocalFile();
    EXPECT_EQ(QFileInfo(file).fileName(), QStringLiteral("GrocelleHelp.htm"));
    EXPECT_TRUE(file.startsWith(cacheDir()));
    const QByteArray text = readAll(file);
    EXPECT_EQ(text, readAll(QStringLiteral(":/help/GrocelleHelp.htm")));
    EXPECT_TRUE(text.contains("id=\"Main_Contents\""));
}

TEST_F(AboutHelpTest, DeviceFolderPageTakesThePlaceOfTheBuiltInOne)
{
    // The device folder ignores letter case, as the handheld's did.
    const QString own = homeFile(QStringLiteral("grocellehelp.HTM"));
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1 id=\"Main_Contents\">Our list</h1></body></html>");
    file.close();

    HelpLauncher::open();

    ASSERT_EQ(launched.size(), 1);
    EXPECT_EQ(QFileInfo(launched.front().toLocalFile()).canonicalFilePath(), QFileInfo(own).canonicalFilePath());
    EXPECT_EQ(launched.front().fragment(), QStringLiteral("Main_Contents"));
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
