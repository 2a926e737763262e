#include "GrocelleTest.h"

#include "dialogs/CRenameDlg.h"
#include "items/CItemDlg.h"
#include "list/ItemChanges.h"
#include "list/ViewState.h"
#include "mainwnd/CommandRouter.h"
#include "platform/Translations.h"
#include "platform/widgets/HelpLauncher.h"
#include "store/catalog/Barcode.h"
#include "store/journal/JournalAction.h"
#include "transfer/TransferColumns.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <QWidget>

#include <map>

namespace
{
// Every limit the help states, each marked in the page as
// <span data-limit="key">value</span>, and the value the program enforces.
const std::map<QString, qint64>& enforcedLimits()
{
    static const std::map<QString, qint64> limits = {
        {QStringLiteral("name"), CItemDlg::MaxNameChars},
        {QStringLiteral("dept"), CItemDlg::MaxDeptChars},
        {QStringLiteral("store"), CItemDlg::MaxStoreChars},
        {QStringLiteral("unit"), CItemDlg::MaxUnitChars},
        {QStringLiteral("notes"), CItemDlg::MaxNotesChars},
        {QStringLiteral("editor-quantity"), CItemDlg::MaxQuantity},
        {QStringLiteral("price"), static_cast<qint64>(CItemDlg::MaxPrice)},
        {QStringLiteral("quantity"), ItemChanges::MaxQuantity},
        {QStringLiteral("file-dept"), TransferColumns::width(TransferColumns::Dept)},
        {QStringLiteral("file-store"), TransferColumns::width(TransferColumns::Store)},
        {QStringLiteral("file-unit"), TransferColumns::width(TransferColumns::UnitOfPurchase)},
        {QStringLiteral("rename"), CRenameDlg::MaxNameLength},
        {QStringLiteral("store-tabs"), ViewState::MaxStoreTabs},
        {QStringLiteral("barcode"), Barcode::MaxLength},
        {QStringLiteral("history"), JournalAction::DefaultLimits.maxActions},
    };
    return limits;
}

// English and every language that has a page of its own.
QStringList languagesWithPages()
{
    QStringList languages{QStringLiteral("en")};
    for (const QString& language : Translations::shipped()) {
        if (QFileInfo::exists(HelpLauncher::resourceFor(language))) {
            languages << language;
        }
    }
    return languages;
}

QString pageSource(const QString& language)
{
    QFile file(HelpLauncher::resourceFor(language));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The entries of the Tools menu as the user reads them in the language
// installed: without their key letter's "&" and the "..." of a dialog.
QStringList toolsEntries()
{
    QWidget window;
    CommandRouter router(window);
    router.createCommandBar();
    QStringList entries;
    for (const QAction* action : router.toolsMenu()->actions()) {
        if (!action->isSeparator()) {
            QString text = action->text().remove(QLatin1Char('&'));
            text.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|\u2026)$")));
            entries << text;
        }
    }
    return entries;
}
} // namespace

class HelpPageTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }
};

// The limits a page states are the program's own, and none is left out.
TEST_F(HelpPageTest, EachStatedLimitIsTheOneTheProgramEnforces)
{
    static const QRegularExpression marked(QStringLiteral("data-limit=\"([^\"]+)\">([^<]*)<"));
    for (const QString& language : languagesWithPages()) {
        const QString page = pageSource(language);
        ASSERT_FALSE(page.isEmpty()) << language.toStdString();
        std::map<QString, int> stated;
        for (auto match = marked.globalMatch(page); match.hasNext();) {
            const QRegularExpressionMatch limit = match.next();
            const QString key = limit.captured(1);
            ++stated[key];
            const auto enforced = enforcedLimits().find(key);
            ASSERT_NE(enforced, enforcedLimits().end()) << language.toStdString() << ": " << key.toStdString();
            // "32,767", "32.767" and "32 767" all say 32767.
            const QString digits = limit.captured(2).remove(QRegularExpression(QStringLiteral("[^0-9]")));
            EXPECT_EQ(digits.toLongLong(), enforced->second) << language.toStdString() << ": " << key.toStdString();
        }
        for (const auto& [key, value] : enforcedLimits()) {
            EXPECT_GT(stated[key], 0) << language.toStdString() << " does not state " << key.toStdString();
        }
    }
}

// A page names every entry of the Tools menu as its language words it, and
// shows that a name may hold a single quote.
TEST_F(HelpPageTest, EachToolsEntryIsMentioned)
{
    for (const QString& language : languagesWithPages()) {
        ASSERT_TRUE(Translations::install(language));
        QTextDocument document;
        document.setHtml(pageSource(language));
        const QString text = document.toPlainText();
        const QStringList entries = toolsEntries();
        EXPECT_GE(entries.size(), 20);
        for (const QString& entry : entries) {
            EXPECT_TRUE(text.contains(entry)) << language.toStdString() << ": " << entry.toStdString();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Kids' Snacks"))) << language.toStdString();
    }
}
