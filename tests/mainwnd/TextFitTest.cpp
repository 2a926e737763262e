#include "TextFit.h"
#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "dialogs/CColumnMapDlg.h"
#include "dialogs/CFirstStartDlg.h"
#include "items/CBarcodeChooserDlg.h"
#include "items/CBarcodesDlg.h"
#include "platform/Translations.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>

#include <functional>
#include <memory>

namespace
{
// A window of the program, opened as a user opens it: a command of the main
// window that runs a dialog, or a dialog made on its own.
struct Window
{
    const char* name;
    int command; // 0: made by open
    std::function<std::unique_ptr<QDialog>()> open;
};

const Window kWindows[] = {
    {"main", -1, {}},
    {"itemEditor", CommandId::NewItem, {}},
    {"options", CommandId::Options, {}},
    {"arrange", CommandId::ArrangeDepartments, {}},
    {"rename", CommandId::Rename, {}},
    {"history", CommandId::History, {}},
    {"phoneList", CommandId::PhoneList, {}},
    {"about", CommandId::About, {}},
    {"pasteList", CommandId::PasteList, {}},
    {"firstStart", 0, [] { return std::make_unique<CFirstStartDlg>(); }},
    {"columnMap", 0,
     [] {
         const QStringList header{QStringLiteral("Artikel"), QStringLiteral("Menge"), QStringLiteral("Laden")};
         const std::vector<QStringList> rows{{QStringLiteral("Milch"), QStringLiteral("2"), QStringLiteral("Hof")}};
         return std::make_unique<CColumnMapDlg>(QStringLiteral("list.csv"), header, rows);
     }},
    {"barcodes", 0,
     [] {
         return std::make_unique<CBarcodesDlg>(QStringLiteral("Milk"), QStringList{QStringLiteral("4006381333931")},
                                               [](const Barcode&) { return QString(); });
     }},
    {"barcodeChooser", 0,
     [] {
         return std::make_unique<CBarcodeChooserDlg>(QStringLiteral("4006381333931"),
                                                     QStringList{QStringLiteral("Milk"), QStringLiteral("Bread")});
     }},
};

using Case = std::tuple<const char*, const Window*>;

std::string joined(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}
} // namespace

class TextFitTest : public GrocelleTest, public ::testing::WithParamInterface<Case>
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        ASSERT_TRUE(Translations::install(QString::fromLatin1(std::get<0>(GetParam()))));
        CatalogSeed::write({{.name = QStringLiteral("Milk"),
                             .qty = 1,
                             .dept = QStringLiteral("Dairy"),
                             .store = QStringLiteral("Corner Market"),
                             .price = 1.25}});
        Clipboard::setReader([] { return QStringLiteral("2 milk\nbread\n"); });
    }
    void TearDown() override
    {
        Clipboard::setReader({});
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }
};

TEST_P(TextFitTest, EveryTextFitsItsWidget)
{
    const Window& window = *std::get<1>(GetParam());
    if (window.open) {
        const std::unique_ptr<QDialog> dialog = window.open();
        dialog->show();
        QApplication::processEvents();
        EXPECT_TRUE(TextFit::cutTexts(*dialog).isEmpty()) << joined(TextFit::cutTexts(*dialog));
        return;
    }
    MainWindowHarness main;
    if (window.command < 0) {
        EXPECT_TRUE(TextFit::cutTexts(main.window()).isEmpty()) << joined(TextFit::cutTexts(main.window()));
        return;
    }
    QStringList cut;
    bool opened = false;
    ModalDialogs::whenModal([&](QWidget* modal) {
        opened = true;
        QApplication::processEvents();
        cut = TextFit::cutTexts(*modal);
        modal->close();
    });
    main->OnCommand(window.command);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(cut.isEmpty()) << joined(cut);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest,
                         ::testing::Combine(::testing::Values("en", "de", "fr", "es"),
                                            ::testing::Range(&kWindows[0], std::end(kWindows))),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return std::string(std::get<0>(param.param)) + "_" + std::get<1>(param.param)->name;
                         });

namespace
{
struct KeyNames
{
    const char* language;
    const char* pasteList; // Ctrl+Shift+V
    const char* deleteItem;
};
} // namespace

class ShortcutNamesTest : public GrocelleTest, public ::testing::WithParamInterface<KeyNames>
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }
};

// Menus show shortcuts with the key names of the language, as its keyboards
// print them.
TEST_P(ShortcutNamesTest, MenusNameTheKeysInTheLanguage)
{
    ASSERT_TRUE(Translations::install(QString::fromLatin1(GetParam().language)));
    CatalogSeed::write({});
    MainWindowHarness main;
    const auto shown = [&main](int command) {
        return main->commandAction(command)->shortcut().toString(QKeySequence::NativeText);
    };
    EXPECT_EQ(shown(CommandId::PasteList), QString::fromUtf8(GetParam().pasteList));
    EXPECT_EQ(shown(CommandId::DeleteItem), QString::fromUtf8(GetParam().deleteItem));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ShortcutNamesTest,
    ::testing::Values(KeyNames{"en", "Ctrl+Shift+V", "Del"}, KeyNames{"de", "Strg+Umschalt+V", "Entf"},
                      KeyNames{"fr", "Ctrl+Maj+V", "Suppr"}, KeyNames{"es", "Ctrl+May\u00fasculas+V", "Supr"}),
    [](const ::testing::TestParamInfo<KeyNames>& param) { return std::string(param.param.language); });
