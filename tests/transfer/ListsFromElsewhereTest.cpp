#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "platform/Translations.h"
#include "store/access/CAdoConnection.h"
#include "transfer/ColumnMapping.h"
#include "transfer/DecimalText.h"
#include "transfer/ImportPlan.h"
#include "transfer/TransferReader.h"

#include <QCoreApplication>

namespace
{
using Col = TransferColumns;

QString textAt(const TransferRecord& record, int column)
{
    return record.has(column) ? Col::toText(record.at(column)) : QString();
}

const ImportPlan::Item* itemNamed(const ImportPlan& plan, const QString& name)
{
    for (const ImportPlan::Item& item : plan.items()) {
        if (item.name() == name) {
            return &item;
        }
    }
    return nullptr;
}
} // namespace

class ListsFromElsewhereTest : public GrocelleTest
{
};

// Lines as notes apps and people write them: each form once.
TEST_F(ListsFromElsewhereTest, PlainLinesAsPeopleWriteThem)
{
    struct Case
    {
        const char* text;
        const char* name;
        int quantity;
        const char* notes; // of the first item
        bool doubt;        // shown unticked
        bool fixed;        // and cannot be ticked
    };
    const Case cases[] = {
        {"toilet paper 2", "toilet paper", 2, "", false, false},
        {"milk \u00d72", "milk", 2, "", false, false},
        {"Xbox 360", "Xbox 360", 1, "", false, false},
        {"**Bagels** (sesame)", "Bagels (sesame)", 1, "", false, false},
        {"- [ ] _Rye_ bread", "Rye bread", 1, "", false, false},
        {"* [Oat milk](https://shop.example/oat) 3", "Oat milk", 3, "", false, false},
        {"- Bread\n  - sourdough\n    * sliced\n- Jam", "Bread", 1, "sourdough; sliced", false, false},
        {"Don't forget the coupons!", "Don't forget the coupons!", 1, "", true, false},
        {"Is there still rice?", "Is there still rice?", 1, "", true, false},
        {"Remember to ask about the party platter for Saturday", "Remember to ask about the party platter for Saturday",
         1, "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TransferFile file = TransferReader::readPlain(QString::fromUtf8(c.text));
        ASSERT_FALSE(file.records.empty());
        EXPECT_TRUE(file.refused.empty());
        const TransferRecord& record = file.records.front();
        EXPECT_EQ(textAt(record, Col::ItemName), QString::fromUtf8(c.name));
        EXPECT_EQ(textAt(record, Col::QtyToBuy), QString::number(c.quantity));
        EXPECT_EQ(textAt(record, Col::ItemNameDetail), QString::fromUtf8(c.notes));
        EXPECT_EQ(!record.doubt.isEmpty(), c.doubt) << record.doubt.toStdString();
        EXPECT_EQ(record.doubtFinal, c.fixed);
    }
    // A sub-bullet belongs to the item above it, and is no item of its own.
    EXPECT_EQ(TransferReader::readPlain(QStringLiteral("- Bread\n  - sourdough\n- Jam")).records.size(), 2U);

    // The sentence is in the plan unticked, and written only once ticked.
    CatalogSeed::write({});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    ImportPlan plan(connection, TransferReader::readPlain(QStringLiteral("Tea\nDon't forget the coupons!\n")), {});
    EXPECT_EQ(plan.summary(), QStringLiteral("1 new, 0 changed, 0 unchanged, 0 refused. 1 not ticked."));
    EXPECT_EQ(plan.lines().value(0), QStringLiteral("Not imported unless ticked: Don't forget the coupons! (new): "
                                                    "QtyToBuy 1, UnitOfPurchase pkg \u2014 It reads as a sentence, "
                                                    "not an item."));
    plan.choose(1, true);
    EXPECT_EQ(plan.writes(), 2);
}

// A quantity in another unit than the item's is a question, or converted
// where the units plainly convert, and told either way.
TEST_F(ListsFromElsewhereTest, QuantitiesInOtherUnitsAreAskedOrConverted)
{
    CatalogSeed::write({{QStringLiteral("Eggs"), 1, {}, {}, 0.0, 0, 0, 0, QStringLiteral("doz")},
                        {QStringLiteral("Flour"), 0, {}, {}, 0.0, 0, 0, 0, QStringLiteral("kg")},
                        {QStringLiteral("Milk"), 0, {}, {}, 0.0, 0, 0, 0, QStringLiteral("l")},
                        {QStringLiteral("Rice"), 0, {}, {}, 0.0, 0, 0, 0, QStringLiteral("bag")},
                        {QStringLiteral("Apples"), 0, {}, {}, 0.0, 0, 0, 0, QStringLiteral("lb")}});
    const QString before = CatalogSeed::dump();
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    ImportPlan plan(connection,
                    TransferReader::readPlain(
                        QStringLiteral("eggs x12\n500 g flour\n1500 ml Milk\n2 kg Rice\n3 lbs Apples\n2 Eggs\n")),
                    {});
    EXPECT_EQ(CatalogSeed::dump(), before);
    EXPECT_EQ(plan.lines(),
              (QStringList{
                  QStringLiteral("Apples: QtyToBuy 0 \u2192 3"),
                  QStringLiteral("Not imported unless ticked: Eggs: QtyToBuy 1 \u2192 12 \u2014 Eggs is sold by the "
                                 "doz: tick to buy 12 doz."),
                  QStringLiteral("Flour: QtyToBuy 0 \u2192 1 (500 g is 0.5 kg, bought as 1.)"),
                  QStringLiteral("Milk: QtyToBuy 0 \u2192 2 (1500 ml is 1.5 l, bought as 2.)"),
                  QStringLiteral("Not imported unless ticked: Rice: QtyToBuy 0 \u2192 2, UnitOfPurchase bag \u2192 kg "
                                 "\u2014 Rice is sold by the bag, the line says 2 kg: tick to buy it by the kg."),
              }));
    EXPECT_EQ(plan.refused().size(), 1U) << "the second Eggs line";
    const ImportPlan::Item* eggs = itemNamed(plan, QStringLiteral("Eggs"));
    ASSERT_TRUE(eggs);
    plan.choose(static_cast<size_t>(eggs - plan.items().data()), true);
    ASSERT_TRUE(plan.apply(connection, QStringLiteral("x")));
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy || ':' || UnitOfPurchase")),
              QStringLiteral("Eggs:12:doz Flour:1:kg Milk:2:l Rice:0:bag Apples:3:lb"));
}

// A new item takes the unit of the catalog's language.
TEST_F(ListsFromElsewhereTest, NewItemsTakeTheUnitOfTheCatalogsLanguage)
{
    struct English
    {
        ~English() { Translations::install(QStringLiteral("en")); }
    } restore;
    ASSERT_TRUE(Translations::install(QStringLiteral("es")));
    const ImportPlan plan(TransferReader::readPlain(QStringLiteral("Leche\n2 kg Harina\n")), {});
    ASSERT_EQ(plan.items().size(), 2U);
    const QString unit = QCoreApplication::translate("StarterCatalog", "pkg");
    EXPECT_NE(unit, QStringLiteral("pkg"));
    EXPECT_EQ(plan.items()[0].after[Col::UnitOfPurchase].toText(), unit);
    EXPECT_EQ(plan.items()[1].after[Col::UnitOfPurchase].toText(), QStringLiteral("kg"));
}

// Numbers in either decimal mark; only a number that cannot tell goes by
// the file's mark or the user's.
TEST_F(ListsFromElsewhereTest, DecimalCommasAreReadNeverMisread)
{
    using Mark = DecimalText::Mark;
    struct Case
    {
        const char* text;
        Mark decimal;
        const char* plain;
    };
    const Case cases[] = {
        {"1,5", Mark::Point, "1.5"},
        {"1.234,5", Mark::Point, "1234.5"},
        {"1,234.5", Mark::Comma, "1234.5"},
        {"1,250", Mark::Point, "1250"},
        {"1,250", Mark::Comma, "1.250"},
        {"1.250", Mark::Comma, "1.250"},
        {"1\u00a0234,5", Mark::Point, "1234.5"},
        {"1.234.567", Mark::Point, "1234567"},
        {"12,34,5", Mark::Point, "12,34,5"},
        {"-2,49", Mark::Point, "-2.49"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecimalText::plain(QString::fromUtf8(c.text), c.decimal), QString::fromUtf8(c.plain));
    }
    // A file whose prices show a decimal comma reads "1,250" as one and a quarter.
    const QByteArray csv = "Item,Price\nTea,\"2,49\"\nJam,\"1,250\"\nHoney,\"3,10\"\n";
    ColumnMapping mapping;
    mapping.columns = {Col::ItemName, Col::Price};
    const TransferFile file = TransferReader::readBytes(csv, QStringLiteral("prices.csv"), {}, &mapping);
    ASSERT_EQ(file.records.size(), 3U);
    EXPECT_EQ(file.records[1].at(Col::Price).toReal(), 1.25);
    // Our own CSV keeps a decimal point whatever the user's locale.
    const TransferFile own =
        TransferReader::readBytes("ItemName,Price\nTea,1.125\nJam,\"2,5\"\n", QStringLiteral("a.csv"));
    ASSERT_EQ(own.records.size(), 2U);
    EXPECT_EQ(own.records[0].at(Col::Price).toReal(), 1.125);
    EXPECT_EQ(own.records[1].at(Col::Price).toReal(), 2.5);
}

// A spreadsheet's own header is guessed in each language; the file is read
// once the mapping is given, and a mapping that names nothing real is refused.
TEST_F(ListsFromElsewhereTest, OwnHeadersAreGuessedAndReadByTheMapping)
{
    const char* headers[] = {"Item,Quantity,Store,Notes,Price", "Artikel,Menge,Gesch\u00e4ft,Notizen,Preis",
                             "Article,Quantit\u00e9,Magasin,Remarques,Prix",
                             "Art\u00edculo,Cantidad,Tienda,Notas,Precio"};
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        const TransferFile file = TransferReader::readBytes(QByteArray(header) + "\nMilk,2,B-Mart,whole,\"1,5\"\n",
                                                            QStringLiteral("sheet.csv"));
        ASSERT_TRUE(file.needsMapping()) << file.error.toStdString();
        ASSERT_EQ(file.sample.size(), 1U);
        const ColumnMapping guess = ColumnMapping::guess(file.header);
        EXPECT_EQ(guess.columns,
                  (std::vector<int>{Col::ItemName, Col::QtyToBuy, Col::Store, Col::ItemNameDetail, Col::Price}));
        const TransferFile read = TransferReader::readBytes(QByteArray(header) + "\nMilk,2,B-Mart,whole,\"1,5\"\n",
                                                            QStringLiteral("sheet.csv"), {}, &guess);
        ASSERT_EQ(read.records.size(), 1U);
        EXPECT_EQ(read.format, TransferFile::Format::Mapped);
        EXPECT_EQ(read.records[0].at(Col::Price).toReal(), 1.5);
        EXPECT_EQ(read.records[0].at(Col::ItemNameDetail).toText(), QStringLiteral("whole"));
    }
    const QStringList header = {QStringLiteral("Item"), QStringLiteral("Quantity")};
    QString reason;
    EXPECT_EQ(ColumnMapping::parse(QStringLiteral("itemname=item, QtyToBuy=QUANTITY"), header, reason)->columns,
              (std::vector<int>{Col::ItemName, Col::QtyToBuy}));
    EXPECT_FALSE(ColumnMapping::parse(QStringLiteral("ItemName=Name"), header, reason));
    EXPECT_TRUE(reason.startsWith(QStringLiteral("The file has no column \"Name\""))) << reason.toStdString();
    EXPECT_FALSE(ColumnMapping::parse(QStringLiteral("Size=Item"), header, reason));
    EXPECT_FALSE(ColumnMapping::parse(QStringLiteral("QtyToBuy=Quantity"), header, reason));
    EXPECT_EQ(reason, QStringLiteral("No column of the file is the item's name (ItemName)."));
}

// A file that is no text at all gets one message, not one per line.
TEST_F(ListsFromElsewhereTest, ABinaryFileIsToldOnce)
{
    QByteArray bytes;
    for (int line = 0; line < 36; ++line) {
        bytes += QByteArray("\xC3\x28\xFF\xFE\x80\x81 data \xF5\x90") + QByteArray::number(line) + '\n';
    }
    for (const char* name : {"list.txt", "list.csv", "list"}) {
        SCOPED_TRACE(name);
        const TransferFile file = TransferReader::readBytes(bytes, QString::fromLatin1(name));
        EXPECT_EQ(file.error, QStringLiteral("The file is not text, not a list."));
        EXPECT_TRUE(file.refused.empty());
    }
}
