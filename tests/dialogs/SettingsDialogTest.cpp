#include "GrocelleTest.h"
#include "ModalDialogs.h"

#include "CatalogSeed.h"
#include "MainWindowHarness.h"

#include "app/CListApp.h"
#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "dialogs/CSettingsDlg.h"
#include "list/CheaperMarks.h"
#include "platform/CRegistry.h"
#include "platform/Money.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/CommandIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace
{
constexpr int Missing = -1;

QStringList entries(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i) {
        texts << combo.itemText(i);
    }
    return texts;
}

SeedItem item(const QString& name, int qty)
{
    return {.name = name, .qty = qty};
}
} // namespace

using ModalDialogs::whenModal;

class SettingsDialogTest : public GrocelleTest
{
protected:
    // Stores the four settings; Missing leaves a value out.
    void store(int fontSize, int viewOnLoad, int sound, int doubleClick)
    {
        const std::pair<const char*, int> values[] = {{"dftFontSize", fontSize},
                                                      {"dftViewOnLoad", viewOnLoad},
                                                      {"SoundOnLaunch", sound},
                                                      {"DoubleClick", doubleClick}};
        for (const auto& [name, value] : values) {
            if (value != Missing) {
                registry.SetDword(QString::fromLatin1(name), value);
            }
        }
    }

    // dftViewOnLoad, dftFontSize, SoundOnLaunch, DoubleClick as stored.
    std::vector<int> stored() const
    {
        return {registry.GetDword(QStringLiteral("dftViewOnLoad")), registry.GetDword(QStringLiteral("dftFontSize")),
                registry.GetDword(QStringLiteral("SoundOnLaunch")), registry.GetDword(QStringLiteral("DoubleClick"))};
    }

    std::unique_ptr<CSettingsDlg> openDialog()
    {
        auto dialog = std::make_unique<CSettingsDlg>(app);
        dialog->show();
        return dialog;
    }

    static void pressOk(CSettingsDlg& dialog) { QTest::mouseClick(&dialog.okButton(), Qt::LeftButton); }

    static void typeDoubleClickText(CSettingsDlg& dialog, const QString& text)
    {
        QLineEdit* edit = dialog.doubleClickCombo().lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    static QStringList shown(const CSettingsDlg& dialog)
    {
        return {dialog.fontCombo().currentText(), dialog.soundCombo().currentText(),
                dialog.doubleClickCombo().currentText()};
    }

    CRegistry registry;
    CListApp app;
};

TEST_F(SettingsDialogTest, FirstRunShowsTheDefaultsAndOnlyOkWritesThem)
{
    {
        auto dialog = openDialog();
        EXPECT_EQ(stored(), (std::vector<int>{Missing, Missing, Missing, Missing}));
        EXPECT_EQ(shown(*dialog), (QStringList{"Small", "Yes", "Mark/Unmark"}));
        // The font sizes keep the order they were added in; the other two boxes
        // are sorted.
        EXPECT_EQ(entries(dialog->fontCombo()), (QStringList{"Smallest", "Small", "Medium", "Large"}));
        EXPECT_EQ(entries(dialog->soundCombo()), (QStringList{"No", "Yes"}));
        EXPECT_EQ(entries(dialog->doubleClickCombo()), (QStringList{"Do Nothing", "Edit item", "Mark/Unmark"}));
        dialog->reject();
    }
    EXPECT_EQ(stored(), (std::vector<int>{Missing, Missing, Missing, Missing}));

    auto dialog = openDialog();
    pressOk(*dialog);
    EXPECT_EQ(stored(), (std::vector<int>{0, 11, 1, 1}));
    EXPECT_EQ(app.fontSize(), 11);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsDialogTest, LargestShowsAsLargeAndOkStoresLarge)
{
    store(20, 0, 0, 2);
    auto dialog = openDialog();
    EXPECT_EQ(shown(*dialog), (QStringList{"Large", "No", "Do Nothing"}));

    pressOk(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored(), (std::vector<int>{0, 16, 0, 2}));
    EXPECT_EQ(app.fontSize(), 16);
    EXPECT_EQ(sounds, QStringList{QString::fromLatin1(CSoundButton::ClickSound)});
    // Begun for the caller, which ends it after rebuilding its list.
    EXPECT_EQ(WaitCursor::depth(), 1);
}

TEST_F(SettingsDialogTest, UnlistedValuesShowNothingAndOkKeepsThem)
{
    store(12, 5, 7, 9);
    auto dialog = openDialog();
    EXPECT_EQ(dialog->fontCombo().currentIndex(), -1);
    // Any sound value but 1 is silent.
    EXPECT_EQ(shown(*dialog), (QStringList{"", "No", ""}));

    pressOk(*dialog);

    // The view-on-load value is always written as 0.
    EXPECT_EQ(stored(), (std::vector<int>{0, 12, 0, 9}));
}

TEST_F(SettingsDialogTest, IncompleteSettingsShowWhatIsStoredAndEscapeWritesNothing)
{
    // Sound off, and nothing else stored: the value stays off, the missing
    // ones show their defaults, and closing the dialog leaves the file alone.
    store(Missing, Missing, 0, Missing);
    QFile file(homeFile(QStringLiteral("Grocelle.conf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        auto dialog = openDialog();
        EXPECT_EQ(shown(*dialog), (QStringList{"Small", "No", "Mark/Unmark"}));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();

    // Values read each on their own: one missing does not hide the others.
    store(14, Missing, 0, 0);
    auto dialog = openDialog();
    EXPECT_EQ(shown(*dialog), (QStringList{"Medium", "No", "Edit item"}));
    pressOk(*dialog);
    EXPECT_EQ(stored(), (std::vector<int>{0, 14, 0, 0}));
}

TEST_F(SettingsDialogTest, DoubleClickTextMustMatchInLetterCase)
{
    store(16, 0, 1, 0);
    {
        auto dialog = openDialog();
        typeDoubleClickText(*dialog, QStringLiteral("mark/unmark"));
        EXPECT_EQ(dialog->doubleClickCombo().currentText(), QStringLiteral("mark/unmark"));
        pressOk(*dialog);
        EXPECT_EQ(dialog->doubleClickText(), QStringLiteral("mark/unmark"));
    }
    EXPECT_EQ(stored(), (std::vector<int>{0, 16, 1, 0}));
    // Typing an entry was not meant to add one.
    {
        auto dialog = openDialog();
        EXPECT_EQ(dialog->doubleClickCombo().count(), 3);
        typeDoubleClickText(*dialog, QStringLiteral("Do Nothing"));
        pressOk(*dialog);
    }
    EXPECT_EQ(stored(), (std::vector<int>{0, 16, 1, 2}));
}

// The Options command of the main window.
class OptionsCommandTest : public SettingsDialogTest
{
protected:
    void SetUp() override
    {
        SettingsDialogTest::SetUp();
        store(12, 0, 1, 1);
        CatalogSeed::write({item(QStringLiteral("Milk"), 1), item(QStringLiteral("Bread"), 0)});
        harness = std::make_unique<MainWindowHarness>();
        // Changed behind the window's back: only a rebuild shows Bread.
        ASSERT_TRUE(
            CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 2 WHERE ItemName = 'Bread'")));
    }

    void TearDown() override
    {
        harness.reset();
        SettingsDialogTest::TearDown();
    }

    // The list font of that size, on the application, the tabs and the list.
    void expectFontEverywhere(int fontSize)
    {
        CListApp reference;
        reference.setFontSize(fontSize);
        reference.CreateListFont();
        const int pixels = reference.listFont().pixelSize();
        EXPECT_EQ(harness->app().listFont().pixelSize(), pixels);
        EXPECT_EQ(harness->window().tabStrip().font().pixelSize(), pixels);
        EXPECT_EQ(harness->window().list().font().pixelSize(), pixels);
    }

    std::unique_ptr<MainWindowHarness> harness;
};

TEST_F(OptionsCommandTest, OkAppliesTheNewFontAndRebuilds)
{
    ASSERT_EQ(harness->column(0), QStringList{"Milk"});
    bool sawDialog = false;
    whenModal([&sawDialog](QWidget* modal) {
        auto* dialog = qobject_cast<CSettingsDlg*>(modal);
        sawDialog = dialog != nullptr;
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->fontCombo().setCurrentIndex(dialog->fontCombo().findText(QStringLiteral("Large")));
        QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
    });

    EXPECT_TRUE(harness->window().OnCommand(CommandId::Options));

    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(registry.GetDword(QStringLiteral("dftFontSize")), 16);
    expectFontEverywhere(16);
    EXPECT_EQ(harness->column(0).size(), 2);
    EXPECT_TRUE(harness->column(0).contains(QStringLiteral("Bread")));
    EXPECT_EQ(WaitCursor::depth(), 0);
}

TEST_F(OptionsCommandTest, ClosingStillAppliesTheFontAndRebuilds)
{
    // Stored since start-up: the dialog's load picks it up, and closing the
    // dialog writes nothing over it.
    store(20, 4, 1, 1);
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });

    EXPECT_TRUE(harness->window().OnCommand(CommandId::Options));

    EXPECT_EQ(stored(), (std::vector<int>{4, 20, 1, 1}));
    expectFontEverywhere(20);
    EXPECT_TRUE(harness->column(0).contains(QStringLiteral("Bread")));
    EXPECT_EQ(WaitCursor::depth(), 0);
}

TEST_F(SettingsDialogTest, LearningEachStoresWalkIsOffUntilChosenAndKeptByOkOnly)
{
    {
        auto dialog = openDialog();
        EXPECT_FALSE(dialog->learnWalksBox().isChecked());
        dialog->learnWalksBox().setChecked(true);
        dialog->reject();
    }
    EXPECT_EQ(registry.GetDword(QStringLiteral("LearnWalks")), Missing);
    EXPECT_FALSE(app.learnWalks());
    {
        auto dialog = openDialog();
        QTest::mouseClick(&dialog->learnWalksBox(), Qt::LeftButton, {}, QPoint(4, 4));
        pressOk(*dialog);
    }
    EXPECT_EQ(registry.GetDword(QStringLiteral("LearnWalks")), 1);
    EXPECT_TRUE(app.learnWalks());
    // Read back at the next start, and shown.
    app.setLearnWalks(false);
    app.LoadSettings();
    EXPECT_TRUE(app.learnWalks());
    auto dialog = openDialog();
    EXPECT_TRUE(dialog->learnWalksBox().isChecked());
    dialog->reject();
}

TEST_F(SettingsDialogTest, CancelDiscardsEveryChange)
{
    store(14, 0, 1, 0);
    auto dialog = openDialog();
    dialog->fontCombo().setCurrentIndex(dialog->fontCombo().findText(QStringLiteral("Large")));
    dialog->soundCombo().setCurrentIndex(dialog->soundCombo().findText(QStringLiteral("No")));
    typeDoubleClickText(*dialog, QStringLiteral("Do Nothing"));
    dialog->learnWalksBox().setChecked(true);
    dialog->currencyEdit().setText(QStringLiteral("CHF"));
    dialog->cheaperSpin().setValue(30);
    dialog->languageCombo().setCurrentIndex(dialog->languageCombo().findData(QStringLiteral("de")));
    QTest::mouseClick(&dialog->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored(), (std::vector<int>{0, 14, 1, 0}));
    EXPECT_EQ(registry.GetDword(QStringLiteral("LearnWalks")), Missing);
    EXPECT_EQ(registry.GetString(QStringLiteral("Language")), QString());
    EXPECT_EQ(Money::currencySymbolSetting(), QString());
    EXPECT_EQ(registry.GetDword(QStringLiteral("CheaperByPercent")), Missing);
    EXPECT_FALSE(app.learnWalks());
}

TEST_F(SettingsDialogTest, CheaperElsewhereShowsItsSettingAndOkStoresWhatIsTyped)
{
    // Stored, then shown: a value the box cannot hold shows the default.
    const std::pair<int, int> cases[] = {{Missing, CheaperMarks::DefaultPercent}, {12, 12}, {0, 0}, {150, 5}};
    for (const auto& [storedPercent, shownPercent] : cases) {
        if (storedPercent != Missing) {
            registry.SetDword(CheaperMarks::settingName(), storedPercent);
        }
        auto dialog = openDialog();
        EXPECT_EQ(dialog->cheaperSpin().value(), shownPercent) << storedPercent;
        dialog->reject();
    }
    auto dialog = openDialog();
    dialog->cheaperSpin().setFocus();
    dialog->cheaperSpin().selectAll();
    QTest::keyClicks(&dialog->cheaperSpin(), QStringLiteral("20"));
    pressOk(*dialog);
    EXPECT_EQ(registry.GetDword(CheaperMarks::settingName()), 20);
    EXPECT_EQ(CheaperMarks::percentSetting(), 20);
}
