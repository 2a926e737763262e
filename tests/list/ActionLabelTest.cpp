#include "GrocelleTest.h"

#include "dialogs/CRenameDlg.h"
#include "items/ListCommands.h"
#include "list/ActionLabel.h"
#include "list/AutoWalks.h"
#include "platform/Translations.h"

// The stored names of undoable actions are English data; each is shown in
// the language installed, whatever language it was written under.
class ActionLabelTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }

    // Every kind of name the commands store, with a name in it that holds
    // what a pattern is made of.
    static QStringList storedNames()
    {
        const QString tricky = QStringLiteral("Tea %1 to go: 50%");
        return {ListCommands::clearLabel(ListCommands::Clear::List),
                ListCommands::clearLabel(ListCommands::Clear::Marked),
                ListCommands::clearLabel(ListCommands::Clear::Coupons),
                QStringLiteral("Arrange Departments"),
                QStringLiteral("Arrange Departments for B-Mart"),
                AutoWalks::label(QStringLiteral("B-Mart")),
                QStringLiteral("Walk of B-Mart"),
                QStringLiteral("New Item: ") + tricky,
                QStringLiteral("Edit Item: Milk"),
                QStringLiteral("Delete Item: Milk"),
                QStringLiteral("Add one: Milk"),
                QStringLiteral("Subtract one: Milk"),
                QStringLiteral("Quantity 12: ") + tricky,
                QStringLiteral("Mark: Milk"),
                QStringLiteral("Unmark: Milk"),
                CRenameDlg::renameLabel(QStringLiteral("Dept"), QStringLiteral("Dairy"), tricky),
                CRenameDlg::renameLabel(QStringLiteral("Store"), QStringLiteral("B-Mart"), QStringLiteral("Acme")),
                QStringLiteral("Import 1 item from list.csv"),
                QStringLiteral("Import 3 items from list.csv"),
                QStringLiteral("Import 2 items from the clipboard"),
                QStringLiteral("Import 40 items from the common groceries")};
    }
};

TEST_F(ActionLabelTest, EveryStoredNameShowsInTheLanguageInstalled)
{
    // English shows each byte for byte.
    for (const QString& stored : storedNames()) {
        EXPECT_EQ(ActionLabel::shown(stored), stored);
    }
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    const QStringList german{
        QStringLiteral("Liste leeren"),
        QStringLiteral("Abgehakte entfernen"),
        QStringLiteral("Gutscheine entfernen"),
        QStringLiteral("Abteilungen anordnen"),
        QStringLiteral("Abteilungen f\u00fcr B-Mart anordnen"),
        QStringLiteral("Gelernter Laufweg von B-Mart"),
        QStringLiteral("Laufweg von B-Mart"),
        QStringLiteral("Neuer Artikel: Tea %1 to go: 50%"),
        QStringLiteral("Artikel bearbeitet: Milk"),
        QStringLiteral("Artikel gel\u00f6scht: Milk"),
        QStringLiteral("Eins mehr: Milk"),
        QStringLiteral("Eins weniger: Milk"),
        QStringLiteral("Menge 12: Tea %1 to go: 50%"),
        QStringLiteral("Abgehakt: Milk"),
        QStringLiteral("Haken entfernt: Milk"),
        QStringLiteral("Abteilung Dairy in Tea %1 to go: 50% umbenennen"),
        QStringLiteral("Laden B-Mart in Acme umbenennen"),
        QStringLiteral("1 Artikel aus list.csv importieren"),
        QStringLiteral("3 Artikel aus list.csv importieren"),
        QStringLiteral("2 Artikel aus der Zwischenablage importieren"),
        QStringLiteral("40 Artikel aus dem Grundsortiment importieren"),
    };
    EXPECT_EQ(ActionLabel::shown(storedNames().at(0)), german.at(0));
    QStringList shown;
    for (const QString& stored : storedNames()) {
        shown << ActionLabel::shown(stored);
    }
    EXPECT_EQ(shown.join(u'\n').toStdString(), german.join(u'\n').toStdString());
    // A name of no known kind (from a later version, say) shows as stored.
    EXPECT_EQ(ActionLabel::shown(QStringLiteral("Sort Aisles")), QStringLiteral("Sort Aisles"));
    EXPECT_EQ(ActionLabel::shown(QStringLiteral("Quantity many: Milk")), QStringLiteral("Quantity many: Milk"));
}

TEST_F(ActionLabelTest, TheLearnedWalksNoteSpeaksTheLanguageAndKeepsStoreNamesAsTheyAre)
{
    const std::vector<AutoWalks::Applied> one{{QStringLiteral("%2 Mart"), 3}};
    EXPECT_EQ(AutoWalks::note(one), QStringLiteral("%2 Mart now walks as learned from 3 trips; Ctrl+Z undoes it."));
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    EXPECT_EQ(AutoWalks::note(one),
              QStringLiteral("%2 Mart folgt jetzt dem aus 3 Eink\u00e4ufen gelernten Laufweg; Strg+Z macht es "
                             "r\u00fcckg\u00e4ngig."));
    EXPECT_EQ(AutoWalks::note({{QStringLiteral("B-Mart"), 1}}),
              QStringLiteral("B-Mart folgt jetzt dem aus 1 Einkauf gelernten Laufweg; Strg+Z macht es "
                             "r\u00fcckg\u00e4ngig."));
}
