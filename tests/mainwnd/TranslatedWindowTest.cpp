#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "dialogs/CSettingsDlg.h"
#include "platform/CRegistry.h"
#include "platform/Translations.h"
#include "platform/widgets/CommandIds.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace
{
// What the window shows in one language: a Tools menu entry, the Tools
// button, a toolbar tip and the box of a command that needs a selection.
struct Expected
{
    const char* locale;
    const char* undo;
    const char* copyList;
    const char* options;
    const char* tools;
    const char* newItemTip;
    const char* noSelection;
};

const Expected kEnglish{"en_US", "&Undo", "&Copy List", "&Options", "Tools", "New item", "No item selected."};
const Expected kLanguages[] = {
    {"de_DE", "&R\u00fcckg\u00e4ngig", "Liste &kopieren", "&Optionen", "Extras", "Neuer Artikel",
     "Kein Artikel ausgew\u00e4hlt."},
    {"fr_FR", "&Annuler", "Co&pier la liste", "O&ptions", "Outils", "Nouvel article",
     "Aucun article s\u00e9lectionn\u00e9."},
    {"es_ES", "&Deshacer", "Co&piar lista", "O&pciones", "Herramientas", "Nuevo art\u00edculo",
     "No hay ning\u00fan art\u00edculo seleccionado."},
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList menuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

QString toolbarTip(CMainDlg& window, int commandId)
{
    for (const QAction* action : window.commandBar().actions()) {
        if (action->data().toInt() == commandId) {
            return action->toolTip();
        }
    }
    return {};
}
} // namespace

class TranslatedWindowTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }

    // The window in the language installed, checked against what it should show.
    void expectWindowSpeaks(const Expected& expected)
    {
        CatalogSeed::write({});
        MainWindowHarness main;
        const QStringList entries = menuTexts(*main->toolsMenu());
        EXPECT_TRUE(entries.contains(text(expected.undo))) << entries.join(u'|').toStdString();
        EXPECT_TRUE(entries.contains(text(expected.copyList))) << entries.join(u'|').toStdString();
        EXPECT_TRUE(entries.contains(text(expected.options))) << entries.join(u'|').toStdString();
        // Every entry keeps an accelerator.
        for (const QString& entry : entries) {
            EXPECT_TRUE(entry.contains(u'&')) << entry.toStdString();
        }
        const auto* tools = main->commandBar().findChild<QToolButton*>(QStringLiteral("toolsButton"));
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(tools->text(), text(expected.tools));
        EXPECT_EQ(toolbarTip(main.window(), CommandId::NewItemToolbar), text(expected.newItemTip));
        main->OnCommand(CommandId::DeleteItem);
        EXPECT_EQ(messages, QStringList{text(expected.noSelection)});
    }
};

TEST_F(TranslatedWindowTest, EachShippedLanguageShowsItsMenusTipsAndBoxes)
{
    for (const Expected& expected : kLanguages) {
        SCOPED_TRACE(expected.locale);
        const QString code = Translations::choose({}, QLocale(text(expected.locale)).uiLanguages());
        ASSERT_EQ(code, text(expected.locale).left(2));
        ASSERT_TRUE(Translations::install(code));
        messages.clear();
        expectWindowSpeaks(expected);
    }
    // Back in English, nothing of the last language is left.
    Translations::install(QStringLiteral("en"));
    messages.clear();
    expectWindowSpeaks(kEnglish);
}

// Qt's own standard buttons speak the language where the system has Qt's
// translations (a dependency of the package; scripts/run installs it).
TEST_F(TranslatedWindowTest, QtsOwnButtonsSpeakTheLanguage)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const std::pair<const char*, const char*> cancels[] = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"es", "Cancelar"}};
    for (const auto& [code, cancel] : cancels) {
        if (!QFile::exists(folder + QStringLiteral("/qtbase_%1.qm").arg(QLatin1String(code)))) {
            GTEST_SKIP() << "Qt's translations are not installed in " << folder.toStdString();
        }
        ASSERT_TRUE(Translations::install(QLatin1String(code)));
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QLatin1String(cancel)) << code;
    }
}

TEST(TranslationChoice, SettingOverridesTheSystemAndUnknownLanguagesFallBackToEnglish)
{
    const QStringList german{QStringLiteral("de-DE"), QStringLiteral("de")};
    EXPECT_EQ(Translations::choose({}, german), QStringLiteral("de"));
    EXPECT_EQ(Translations::choose(QStringLiteral("System"), german), QStringLiteral("de"));
    EXPECT_EQ(Translations::choose(QStringLiteral("es"), german), QStringLiteral("es"));
    EXPECT_EQ(Translations::choose(QStringLiteral("en"), german), QStringLiteral("en"));
    // A setting naming no shipped language is ignored, not obeyed.
    EXPECT_EQ(Translations::choose(QStringLiteral("xx"), german), QStringLiteral("de"));
    // The first wanted language that is shipped, English included, wins.
    EXPECT_EQ(Translations::choose({}, {QStringLiteral("nl_NL"), QStringLiteral("fr_CA")}), QStringLiteral("fr"));
    EXPECT_EQ(Translations::choose({}, {QStringLiteral("en-GB"), QStringLiteral("de")}), QStringLiteral("en"));
    EXPECT_EQ(Translations::choose({}, {QStringLiteral("ja_JP")}), QStringLiteral("en"));
    EXPECT_EQ(Translations::choose({}, {}), QStringLiteral("en"));
}

TEST_F(TranslatedWindowTest, OptionsStoreTheLanguageForTheNextStart)
{
    AppState app;
    {
        CSettingsDlg dialog(app);
        dialog.show();
        EXPECT_EQ(dialog.languageCombo().currentText(), QStringLiteral("System"));
        dialog.languageCombo().setCurrentIndex(dialog.languageCombo().findText(QStringLiteral("Fran\u00e7ais")));
        dialog.OnOK();
    }
    EXPECT_EQ(CRegistry().GetString(Translations::settingName()), QStringLiteral("fr"));
    // Whatever the system speaks, the stored choice is the one installed.
    EXPECT_EQ(Translations::installChosen(), QStringLiteral("fr"));
    expectWindowSpeaks(kLanguages[1]);
    {
        CSettingsDlg dialog(app);
        dialog.show();
        EXPECT_EQ(dialog.languageCombo().currentText(), QStringLiteral("Fran\u00e7ais"));
    }
    // A code written by hand in another of its forms is the language the
    // window speaks, and the dialog shows that one rather than "System".
    for (const char* written : {"de_DE", "DE", "de-AT"}) {
        SCOPED_TRACE(written);
        CRegistry().SetString(Translations::settingName(), QString::fromLatin1(written));
        CSettingsDlg dialog(app);
        dialog.show();
        EXPECT_EQ(dialog.languageCombo().currentText(), QStringLiteral("Deutsch"));
        EXPECT_EQ(Translations::choose(QString::fromLatin1(written), {}), QStringLiteral("de"));
    }
}

// Run by CTest with LANG (or LC_MESSAGES) set, GROCELLE_EXPECT_LANGUAGE naming
// the language that must follow; skipped in the ordinary run, whose locale
// is whatever the machine has.
TEST_F(TranslatedWindowTest, SystemLocaleChoosesTheLanguage)
{
    const QString expected = qEnvironmentVariable("GROCELLE_EXPECT_LANGUAGE");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "needs GROCELLE_EXPECT_LANGUAGE";
    }
    EXPECT_EQ(Translations::installChosen(), expected);
    const Expected* shown = &kEnglish;
    for (const Expected& language : kLanguages) {
        if (text(language.locale).startsWith(expected)) {
            shown = &language;
        }
    }
    expectWindowSpeaks(*shown);
}
