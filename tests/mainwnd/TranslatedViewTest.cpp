#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/DeptComboBox.h"
#include "dialogs/CArrangeDlg.h"
#include "platform/Money.h"
#include "platform/Translations.h"
#include "platform/widgets/CommandIds.h"

#include <QAction>
#include <QFontMetrics>
#include <QLocale>
#include <QStyle>

// The window in German: what it shows is translated, what it means and
// keeps stays the same.
class TranslatedViewTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        QLocale::setDefault(m_before);
        GrocelleTest::TearDown();
    }

    static void german()
    {
        ASSERT_TRUE(Translations::install(QStringLiteral("de")));
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    }

    // Picks the entry at index from the dropped list, as a user does.
    static void choose(CMainDlg& window, int index)
    {
        QComboBox& combo = window.deptCombo();
        combo.showPopup();
        combo.setCurrentIndex(index);
        combo.hidePopup();
    }

    static QStringList entries(const QComboBox& combo)
    {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i) {
            texts << combo.itemText(i);
        }
        return texts;
    }

    // True when text shows whole in the list's price column.
    static bool priceShowsWhole(const CItemListCtrl& list, const QString& text)
    {
        const int margin = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
        const int room = list.columnWidth(CItemListCtrl::PriceColumn) - margin;
        return list.fontMetrics().elidedText(text, Qt::ElideRight, room) == text;
    }

private:
    QLocale m_before;
};

TEST_F(TranslatedViewTest, TheDepartmentBoxShowsItsNoFilterEntryTranslatedAndKeepsItsMeaning)
{
    // A department named as the entry reads in German is a department still.
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy")},
        {.name = QStringLiteral("Soap"), .qty = 1, .dept = QStringLiteral("Alle Artikel")},
        {.name = QStringLiteral("Apples"), .qty = 1, .dept = QString::fromUtf8("Obst")},
        {.name = QStringLiteral("Tea"), .qty = 1, .dept = QStringLiteral("Drinks")},
    });
    german();
    MainWindowHarness main;
    QComboBox& combo = main->deptCombo();
    // Sorted by what the user reads; the entry first among equal texts.
    EXPECT_EQ(entries(combo), (QStringList{"Alle Artikel", "Alle Artikel", "Dairy", "Drinks", "Obst"}));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(main->view().deptText, QStringLiteral("All Items"));
    EXPECT_EQ(main.column(0).size(), 4);
    EXPECT_TRUE(main->summaryText().startsWith(QStringLiteral("4 Artikel ben\u00f6tigt (Alle Artikel)")))
        << main->summaryText().toStdString();

    choose(main.window(), 1);
    EXPECT_EQ(main->view().deptText, QStringLiteral("Alle Artikel"));
    EXPECT_EQ(main.column(0), QStringList{"Soap"});

    choose(main.window(), 3);
    EXPECT_EQ(main->view().deptText, QStringLiteral("Drinks"));
    EXPECT_EQ(main.column(0), QStringList{"Tea"});
    // A rebuild from outside keeps the department chosen.
    main->CatalogChanged();
    EXPECT_EQ(main->view().deptText, QStringLiteral("Drinks"));
    EXPECT_EQ(main.column(0), QStringList{"Tea"});

    choose(main.window(), 0);
    EXPECT_EQ(main->view().deptText, QStringLiteral("All Items"));
    EXPECT_EQ(main.column(0).size(), 4);
    main->CatalogChanged();
    EXPECT_EQ(main->deptCombo().currentIndex(), 0);
    EXPECT_EQ(main->view().deptText, QStringLiteral("All Items"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TranslatedViewTest, ArrangeDepartmentsShowsAllStoresTranslatedAndTellsItFromAStoreOfThatName)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .dept = QStringLiteral("Dairy"), .store = QStringLiteral("B-Mart")},
        {.name = QStringLiteral("Soap"), .dept = QStringLiteral("Bath"), .store = QString::fromUtf8("Alle L\u00e4den")},
    });
    german();
    CArrangeDlg dialog;
    dialog.show();
    QComboBox& stores = dialog.storeChoice();
    EXPECT_EQ(entries(stores), (QStringList{QString::fromUtf8("Alle L\u00e4den"), QString::fromUtf8("Alle L\u00e4den"),
                                            QStringLiteral("B-Mart")}));
    stores.setCurrentIndex(1);
    EXPECT_EQ(dialog.chosenStore(), QString::fromUtf8("Alle L\u00e4den"));
    stores.setCurrentIndex(0);
    EXPECT_EQ(dialog.chosenStore(), QString());
    dialog.reject();
}

TEST_F(TranslatedViewTest, UndoNamesTheStoredActionInTheLanguageShown)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2}});
    german();
    {
        MainWindowHarness main;
        main->OnCommand(CommandId::ClearList);
        EXPECT_EQ(main->commandAction(CommandId::Undo)->text(), QStringLiteral("&R\u00fcckg\u00e4ngig: Liste leeren"));
    }
    // The history written under German reads in English under English.
    Translations::install(QStringLiteral("en"));
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    MainWindowHarness main;
    EXPECT_EQ(main->commandAction(CommandId::Undo)->text(), QStringLiteral("&Undo Clear List"));
}

TEST_F(TranslatedViewTest, ThePriceColumnShowsAWholePriceInEachLanguageAndKeepsItsEnglishWidth)
{
    CatalogSeed::write({{.name = QStringLiteral("Coffee"), .qty = 4, .price = 4.99}});
    int english = 0;
    {
        MainWindowHarness main;
        const CItemListCtrl& list = main->list();
        english = list.columnWidth(CItemListCtrl::PriceColumn);
        // Still the stored proportions: Item, Unit, Dept and Price share the
        // room as 88 : 35 : 41 : 35.
        const double share = (list.columnWidth(0) + list.columnWidth(2) + list.columnWidth(3) + english) / 199.0;
        EXPECT_NEAR(english, 35 * share, 1.0);
        EXPECT_NEAR(list.columnWidth(0), 88 * share, 1.0);
    }
    for (const char* locale : {"de_DE", "fr_FR", "es_ES"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        MainWindowHarness main;
        const CItemListCtrl& list = main->list();
        const QString shown = main.column(CItemListCtrl::PriceColumn).value(0);
        EXPECT_EQ(shown, Money::cell(19.96)) << locale;
        EXPECT_TRUE(priceShowsWhole(list, shown)) << locale;
        EXPECT_TRUE(priceShowsWhole(list, Money::cell(999.99))) << locale;
        EXPECT_GE(list.columnWidth(CItemListCtrl::PriceColumn), english) << locale;
        // The five still fill the list exactly.
        int sum = 0;
        for (int column = 0; column < CItemListCtrl::ColumnCount; ++column) {
            sum += list.columnWidth(column);
        }
        EXPECT_EQ(sum, list.viewport()->width()) << locale;
    }
}
