#include "CatalogSeed.h"
#include "EngineTest.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"
#include "store/journal/JournalAction.h"

using Kind = Barcode::Kind;
using Fault = Barcode::Fault;

// Every form a code comes in, with the key it is kept under: UPC-A is EAN-13
// with a leading 0, UPC-E the UPC-A it stands for; one wrong digit anywhere
// breaks the check.
TEST(BarcodeTest, CheckDigitsAndEquivalentForms)
{
    const struct
    {
        const char* text;
        Fault fault;
        Kind kind;
        QStringList keys;
    } cases[] = {
        {"4006381333931", Fault::None, Kind::Ean13, {"4006381333931"}},
        {"4006381333932", Fault::CheckDigit, Kind::Label, {}},
        {"4006381383931", Fault::CheckDigit, Kind::Label, {}},
        {"036000291452", Fault::None, Kind::UpcA, {"0036000291452"}},
        {"0036000291452", Fault::None, Kind::Ean13, {"0036000291452"}},
        {"036000291453", Fault::CheckDigit, Kind::Label, {}},
        {"96385074", Fault::None, Kind::Ean8, {"96385074"}},
        {"96385075", Fault::CheckDigit, Kind::Label, {}},
        // UPC-E of each expansion rule, and the UPC-A it stands for.
        {"04252614", Fault::None, Kind::UpcE, {"0042100005264"}},
        {"042100005264", Fault::None, Kind::UpcA, {"0042100005264"}},
        {"01234531", Fault::None, Kind::UpcE, {"0012300000451"}},
        {"01234543", Fault::None, Kind::UpcE, {"0012340000053"}},
        // Valid both ways: its own EAN-8 key first, its UPC-E key besides.
        {"01234565", Fault::None, Kind::Ean8, {"01234565", "0012345000065"}},
        // Digits in groups as printed, a scanner's line end.
        {"4 006381 333931", Fault::None, Kind::Ean13, {"4006381333931"}},
        {"\t4006381333931\r\n", Fault::None, Kind::Ean13, {"4006381333931"}},
        // Not 8, 12 or 13 digits: a shelf label.
        {"12345", Fault::None, Kind::Label, {"12345"}},
        {"LB-2207 #4", Fault::None, Kind::Label, {"LB-2207 #4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Barcode code = Barcode::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(code.fault(), c.fault);
        EXPECT_EQ(code.keys(), c.keys);
        if (c.fault == Fault::None) {
            EXPECT_EQ(code.kind(), c.kind);
            EXPECT_TRUE(code.refusal().isEmpty());
        } else {
            EXPECT_FALSE(code.refusal().isEmpty());
        }
    }
    // A number system other than 0 or 1 is no UPC-E.
    EXPECT_TRUE(Barcode::upcEToUpcA(u"21234565").isEmpty());
}

// A barcode is data: whatever else comes is refused with a reason, before
// anything looks it up.
TEST(BarcodeTest, HostileCodesAreRefused)
{
    const struct
    {
        QString text;
        Fault fault;
    } cases[] = {
        {QStringLiteral("'; DROP TABLE ShoppingLists; --"), Fault::BadCharacter},
        {QStringLiteral("4006381333931' OR '1'='1"), Fault::BadCharacter},
        {QStringLiteral("40063\x07"
                        "81333931"),
         Fault::BadCharacter},
        {QStringLiteral("\x1b[2J4006381333931"), Fault::BadCharacter},
        {QString(QChar(u'\0')) + QStringLiteral("4006381333931"), Fault::BadCharacter},
        {QStringLiteral("4006381\n333931"), Fault::BadCharacter},
        {QString(10000, QLatin1Char('4')), Fault::TooLong},
        {QString(41, QLatin1Char('A')), Fault::TooLong},
        {QStringLiteral("  \r\n"), Fault::Empty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        const Barcode code = Barcode::parse(c.text);
        EXPECT_EQ(code.fault(), c.fault);
        EXPECT_FALSE(code.refusal().isEmpty());
        EXPECT_TRUE(code.key().isEmpty());
    }
}

class BarcodesTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{QStringLiteral("Milk"), 1}, {QStringLiteral("Bread"), 0}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
        ASSERT_TRUE(Barcodes::tableUsable(connection));
    }

    void attach(const char* text, qint64 id)
    {
        JournalAction action(connection, QStringLiteral("Barcode"));
        Barcodes::attach(connection, action, Barcode::parse(QString::fromLatin1(text)), id);
        action.commit();
    }

    qint64 itemOf(const char* text) { return Barcodes::itemOf(connection, Barcode::parse(QString::fromLatin1(text))); }

    CAdoConnection connection;
};

TEST_P(BarcodesTest, OneCodeInAnyFormBelongsToOneItemAndMovesOnlyWhenAttached)
{
    attach("036000291452", 1);
    attach("96385074", 1);
    // Its EAN-13 form finds the same item; an unknown code finds none.
    EXPECT_EQ(itemOf("0036000291452"), 1);
    EXPECT_EQ(itemOf("4006381333931"), 0);
    EXPECT_EQ(Barcodes::codesOf(connection, 1), (QStringList{"0036000291452", "96385074"}));
    // Attached to Bread, it moves (the window asked first): one row still.
    attach("0036000291452", 2);
    EXPECT_EQ(itemOf("036000291452"), 2);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 2);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM Barcodes")), QStringLiteral("2"));
    // The editor's list replaces the item's codes.
    {
        JournalAction action(connection, QStringLiteral("Edit Item: Milk"));
        Barcodes::setCodes(connection, action, 1, {QStringLiteral("LB-7"), QStringLiteral("4006381333931")});
        action.commit();
    }
    EXPECT_EQ(Barcodes::codesOf(connection, 1), (QStringList{"4006381333931", "LB-7"}));
    // A refused code is never written.
    JournalAction action(connection, QStringLiteral("Barcode"));
    EXPECT_THROW(Barcodes::attach(connection, action, Barcode::parse(QStringLiteral("'; DROP TABLE Barcodes")), 1),
                 CAdoException);
}

INSTANTIATE_FOR_BOTH_ENGINES(BarcodesTest);
