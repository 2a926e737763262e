#include "GrocelleTest.h"

#include "CatalogSeed.h"

#include "dialogs/CFirstStartDlg.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/MessageService.h"
#include "platform/widgets/SoundService.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

void GrocelleTest::SetUp()
{
    m_home = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_home->isValid());
    qputenv("GROCELLE_HOME", m_home->path().toUtf8());

    MessageService::setHandler([this](const MessageService::Box& box) {
        messages << box.text;
        boxes.push_back(box);
        if (box.buttons == MessageService::Buttons::Ok) {
            return MessageService::IdOk;
        }
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return defaultAnswer;
    });
    SoundService::setHandler([this](const QString& path) { sounds << path; });
    // A first start's box is recorded as its tip and answered "Start empty".
    CFirstStartDlg::setHandler([this](const QString& tip) {
        messages << tip;
        return firstStartChoice;
    });
}

void GrocelleTest::TearDown()
{
    CatalogSeed::endEngine();
    QApplication::processEvents();
    int leaked = 0;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && !window->inherits("QMenu") && !window->inherits("QTipLabel")) {
            ++leaked;
        }
    }
    EXPECT_EQ(leaked, 0) << "a test left top-level windows open";
    while (WaitCursor::depth() > 0) {
        WaitCursor::end();
    }
    MessageService::setHandler({});
    SoundService::setHandler({});
    CFirstStartDlg::setHandler({});
    qunsetenv("GROCELLE_HOME");
    m_home.reset();
}

QString GrocelleTest::home() const
{
    return m_home->path();
}

QString GrocelleTest::homeFile(const QString& name) const
{
    return QDir(m_home->path()).filePath(name);
}
