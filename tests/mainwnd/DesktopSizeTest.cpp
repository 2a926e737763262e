#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwnd/SummaryPainter.h"
#include "platform/widgets/CommandIds.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

class DesktopSizeTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        std::vector<SeedItem> items;
        for (int i = 0; i < 12; ++i) {
            items.push_back({.name = QStringLiteral("Item %1").arg(i), .qty = 1, .price = 1.5});
        }
        CatalogSeed::write(items);
    }
};

TEST_F(DesktopSizeTest, AShortWindowKeepsEveryControlApart)
{
    MainWindowHarness main;
    CMainDlg& window = main.window();
    window.resize(1000, 400);
    QApplication::processEvents();
    EXPECT_GE(window.height(), window.minimumHeight());
    EXPECT_LT(window.minimumHeight(), CMainDlg::baseClientSize().height());

    const QRect list = window.list().geometry();
    const QRect bar = window.commandBar().geometry();
    const QRect dept = window.deptCombo().geometry();
    const QRect quick = window.quickText().geometry();
    EXPECT_LE(list.bottom(), dept.top());
    EXPECT_LE(dept.bottom(), bar.top());
    EXPECT_LE(quick.bottom(), window.tabStrip().geometry().top());
    EXPECT_LE(bar.bottom(), window.height() - 1);
    // The list still shows a few rows.
    const int rowHeight = window.list().visualRect(window.list().model()->index(0, 0)).height();
    EXPECT_GE(window.list().viewport()->height(), 3 * rowHeight);
}

TEST_F(DesktopSizeTest, TheFontSettingSizesEveryTextOfTheWindow)
{
    MainWindowHarness main;
    CMainDlg& window = main.window();
    const int before = window.quickText().font().pixelSize();
    main.app().setFontSize(20);
    main.app().CreateListFont();
    // As the Options command applies it.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<CSettingsDlg*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    main.app().registry().SetDword(QStringLiteral("dftFontSize"), 20);
    main.app().registry().SetDword(QStringLiteral("dftViewOnLoad"), 0);
    main.app().registry().SetDword(QStringLiteral("SoundOnLaunch"), 0);
    main.app().registry().SetDword(QStringLiteral("DoubleClick"), 1);
    window.OnCommand(CommandId::Options);
    const int size = main.app().listFont().pixelSize();
    EXPECT_GT(size, before);
    for (QWidget* widget : {static_cast<QWidget*>(&window.quickText()), static_cast<QWidget*>(&window.deptCombo()),
                            static_cast<QWidget*>(&window.tabStrip()), static_cast<QWidget*>(&window.list()),
                            static_cast<QWidget*>(window.list().header())}) {
        EXPECT_EQ(widget->font().pixelSize(), size) << widget->metaObject()->className();
    }
    EXPECT_EQ(window.font().pixelSize(), size);
}

TEST_F(DesktopSizeTest, TotalsAreLabelledSideBySide)
{
    MainWindowHarness main;
    CMainDlg& window = main.window();
    EXPECT_EQ(window.listTotalText(), QStringLiteral("List $18.00"));
    EXPECT_EQ(window.markedTotalText(), QStringLiteral("In basket $0.00"));
    const QRect list = SummaryPainter::listTotalRect({});
    const QRect basket = SummaryPainter::markedTotalRect({});
    EXPECT_EQ(list.top(), basket.top());
    EXPECT_LE(list.right(), basket.left());
}
