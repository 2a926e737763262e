#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "controls/ItemListModel.h"
#include "items/CItemDlg.h"
#include "items/CPricesDlg.h"
#include "platform/Money.h"
#include "platform/widgets/CommandIds.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

class ItemPricesTest : public EngineTest
{
protected:
    // Runs Edit Item on the first row; answer works the editor, which is then
    // closed with OK.
    void edit(MainWindowHarness& main, const std::function<void(CItemDlg&)>& answer)
    {
        main.clickRow(0);
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<CItemDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
            QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
        });
        main->OnCommand(CommandId::EditItem);
    }

    static void seen(CAdoConnection& connection, qint64 item, const QString& store, double price)
    {
        JournalAction action(connection, QStringLiteral("Price"));
        PricePoint point{.itemId = item,
                         .store = store,
                         .price = price,
                         .unit = QStringLiteral("pkg"),
                         .seenAt = QDateTime::currentMSecsSinceEpoch(),
                         .source = PricePoint::Source::Shelf};
        ASSERT_TRUE(PricePoints::record(connection, action, point));
        action.commit();
    }

    // Whether the list's own delegate writes the cell's text whole, beside
    // its mark, as Qt's style lays them out.
    static bool cellShowsWhole(const CItemListCtrl& list, const QModelIndex& cell)
    {
        struct Probe : QStyledItemDelegate
        {
            using QStyledItemDelegate::initStyleOption;
        };
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(cell);
        option.decorationSize = list.iconSize();
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        Probe().initStyleOption(&option, cell);
        const QRect text = list.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &list);
        const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
        return !option.text.isEmpty()
               && list.fontMetrics().elidedText(option.text, Qt::ElideRight, text.width() - 2 * margin) == option.text;
    }

    // store:price:source of each point of item 1.
    static QStringList points(CAdoConnection& connection)
    {
        QStringList out;
        for (const PricePoint& point : PricePoints::pointsOf(connection, 1)) {
            out << QStringLiteral("%1:%2:%3")
                       .arg(point.store)
                       .arg(point.price)
                       .arg(PricePoint::sourceName(point.source));
        }
        return out;
    }
};

// A changed price is a point at the item's store; the prices dialog shows
// each store's and takes one seen elsewhere; Undo takes back both with the
// edit that made them.
TEST_P(ItemPricesTest, TheEditorNotesPricesAndShowsThemPerStore)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1.10, .id = 1}});
    MainWindowHarness main;
    CAdoConnection& connection = main->connection();
    edit(main, [](CItemDlg& dialog) { UserInput::typeInto(dialog.priceBox(), QStringLiteral("1.29")); });
    // Another change than the price: no point.
    edit(main, [](CItemDlg& dialog) { UserInput::typeInto(dialog.quantityBox(), QStringLiteral("3")); });
    EXPECT_EQ(points(connection), QStringList{QStringLiteral("B-Mart:1.29:edited")});

    QStringList shown;
    edit(main, [&](CItemDlg& dialog) {
        ModalDialogs::whenModal([&](QWidget* modal) {
            auto* prices = qobject_cast<CPricesDlg*>(modal);
            ASSERT_NE(prices, nullptr);
            EXPECT_FALSE(prices->addPrice(QStringLiteral("C-Mart"), QStringLiteral("abc")));
            EXPECT_FALSE(prices->addPrice(QStringLiteral(" "), QStringLiteral("0.99")));
            EXPECT_TRUE(prices->addPrice(QStringLiteral("C-Mart"), QStringLiteral("0.99")));
            for (int r = 0; r < prices->table().rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < 3; ++c) {
                    cells << prices->table().item(r, c)->text();
                }
                shown << cells.join(QLatin1Char(' '));
            }
            prices->accept();
        });
        QTest::mouseClick(&dialog.pricesButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown, (QStringList{QStringLiteral("B-Mart 1.29 1.29"), QStringLiteral("C-Mart 0.99 0.99")}));
    EXPECT_EQ(messages.filter(QStringLiteral("Please")).size(), 2) << messages.join('|').toStdString();
    EXPECT_EQ(points(connection),
              (QStringList{QStringLiteral("B-Mart:1.29:edited"), QStringLiteral("C-Mart:0.99:edited")}));
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(points(connection), QStringList{QStringLiteral("B-Mart:1.29:edited")});
    ASSERT_TRUE(Journal(connection).undo().done);
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_TRUE(points(connection).isEmpty());
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")).toDouble(), 1.10);
}

// A store tab's price cell takes a correction: the item's price and a point
// at that store, undone together; the need view's cell is not editable.
TEST_P(ItemPricesTest, AStoreTabCorrectsThePriceInPlace)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1.10, .id = 1}});
    MainWindowHarness main;
    CAdoConnection& connection = main->connection();
    ItemListModel& items = main->list().items();
    EXPECT_FALSE(items.flags(items.index(0, ItemListModel::PriceColumn)) & Qt::ItemIsEditable);
    main->tabStrip().setCurrentIndex(1);
    QApplication::processEvents();
    const QModelIndex cell = items.index(0, ItemListModel::PriceColumn);
    ASSERT_TRUE(items.flags(cell) & Qt::ItemIsEditable);
    items.setData(cell, QStringLiteral("abc"), Qt::EditRole);
    EXPECT_EQ(messages.size(), 1);
    items.setData(cell, QStringLiteral("0.95"), Qt::EditRole);
    EXPECT_EQ(items.text(0, ItemListModel::PriceColumn), QStringLiteral("0.95"));
    EXPECT_EQ(points(connection), QStringList{QStringLiteral("B-Mart:0.95:edited")});
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")).toDouble(), 0.95);
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_TRUE(points(connection).isEmpty());
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")).toDouble(), 1.10);
}

// The need view marks an item cheaper at another store, never at its own,
// and its price column makes room for the mark beside the widest price.
TEST_P(ItemPricesTest, TheNeedViewMarksAnItemCheaperElsewhereBesideAWholePrice)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 4, .price = 249.99, .id = 1},
                        {.name = QStringLiteral("Tea"), .qty = 1, .price = 3.00, .id = 2}});
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    seen(main->connection(), 1, QStringLiteral("C-Mart"), 200.00);
    // Tea's own store had it cheaper once: no mark.
    seen(main->connection(), 2, QStringLiteral("b-mart"), 2.00);
    main->tabStrip().setCurrentIndex(1);
    main->tabStrip().setCurrentIndex(0);
    QApplication::processEvents();

    ItemListModel& items = list.items();
    const auto priceOf = [&](const char* name) {
        for (int row = 0; row < list.itemCount(); ++row) {
            if (list.itemText(row, 0) == QLatin1String(name)) {
                return items.index(row, ItemListModel::PriceColumn);
            }
        }
        return QModelIndex();
    };
    const QModelIndex milk = priceOf("Milk");
    const QModelIndex tea = priceOf("Tea");
    EXPECT_EQ(items.data(milk, Qt::DisplayRole).toString(), Money::cell(999.96));
    EXPECT_TRUE(items.data(milk, Qt::DecorationRole).isValid());
    EXPECT_TRUE(items.data(milk, Qt::ToolTipRole).toString().startsWith(QStringLiteral("C-Mart 200.00 (")));
    EXPECT_FALSE(items.data(tea, Qt::DecorationRole).isValid())
        << items.data(tea, Qt::ToolTipRole).toString().toStdString();
    EXPECT_TRUE(cellShowsWhole(list, milk));
}

INSTANTIATE_FOR_BOTH_ENGINES(ItemPricesTest);
