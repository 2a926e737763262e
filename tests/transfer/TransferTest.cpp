#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"

#include "platform/Translations.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/Journal.h"
#include "transfer/CatalogExport.h"
#include "transfer/CsvTransfer.h"
#include "transfer/ImportPlan.h"
#include "transfer/PlainListReader.h"
#include "transfer/TransferReader.h"

#include <QDir>
#include <QFile>

namespace
{
using Col = TransferColumns;

// Everything a reader refused, one "line: reason" each.
QString refusals(const TransferFile& file)
{
    QStringList lines;
    for (const auto& problem : file.refused) {
        lines << QStringLiteral("%1: %2").arg(problem.line).arg(problem.reason);
    }
    return lines.join(QLatin1Char('\n'));
}

QString nameOf(const TransferRecord& record)
{
    return record.has(Col::ItemName) ? record.at(Col::ItemName).toText() : QStringLiteral("<none>");
}

// A catalog whose values are each awkward in a file somewhere.
void seedAwkward()
{
    CatalogSeed::write({
        {QStringLiteral("Milk, \"whole\""), 2, QStringLiteral("Dairy"), QStringLiteral("B-Mart"), 1.25},
        {QStringLiteral("Pie"), 0, QStringLiteral("Bakery"), QStringLiteral("B-Mart"), 0.0, 0, 0, 1,
         QStringLiteral("slice"), QStringLiteral("line one\nline two\r\nthree, \"four\"")},
        {QStringLiteral("\U0001F34E Apples"), 3, QStringLiteral("Produce \U0001F955"), QStringLiteral("Mart"), 0.5},
        {QStringLiteral("=SUM(A1:A9)"), 1, QStringLiteral("+Formula"), QStringLiteral("@Store"), 2.0, 1, -1, -1,
         QStringLiteral("-pkg"), QStringLiteral("'quoted")},
        {QStringLiteral("\tTabbed"), 0, QStringLiteral(" spaced "), QStringLiteral(""), 0.0},
        {QStringLiteral("Largest"), 32767, QStringLiteral("X"), QStringLiteral("Y"), 999999.99, 0, 0, 2,
         QStringLiteral("pkg"), QString(), 2147483647},
    });
    // A missing department and missing notes, beside empty text.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Dept = NULL WHERE ItemName = 'Pie'; "
                                                 "UPDATE ShoppingLists SET ItemNameDetail = NULL, GiftFor = '' "
                                                 "WHERE ItemName = 'Largest'")));
}

ImportPlan planFor(CAdoConnection& connection, const TransferFile& file,
                   ImportPlan::Quantities quantities = ImportPlan::Quantities::Set)
{
    ImportPlan::Options options;
    options.quantities = quantities;
    return ImportPlan(connection, file, options);
}
} // namespace

class TransferRoundTripTest : public EngineTest
{
};

// Export, empty the catalog, import: the same table, every row and column,
// for both formats; and Undo takes the import back whole.
TEST_P(TransferRoundTripTest, ExportThenImportIntoAnEmptyCatalogGivesTheSameTable)
{
    seedAwkward();
    const QString before = CatalogSeed::dump();
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    for (const QString& name : {QStringLiteral("catalog.csv"), QStringLiteral("catalog.json")}) {
        SCOPED_TRACE(name.toStdString());
        const CatalogExport::Result exported =
            CatalogExport::write(connection, homeFile(name), CatalogExport::formatFor(name));
        ASSERT_TRUE(exported.written) << exported.error.toStdString();
        EXPECT_EQ(exported.items, 6);
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists")));

        const TransferFile file = TransferReader::readFile(homeFile(name));
        ASSERT_TRUE(file.readable()) << file.error.toStdString();
        EXPECT_EQ(refusals(file), QString());
        ImportPlan plan = planFor(connection, file);
        EXPECT_EQ(plan.summary(), QStringLiteral("6 new, 0 changed, 0 unchanged, 0 refused."));
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 0) << "the plan wrote";
        ASSERT_TRUE(plan.apply(connection, name));
        EXPECT_EQ(CatalogSeed::dump(), before);

        Journal journal(connection);
        ASSERT_TRUE(journal.nextUndo());
        EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Import 6 items from ") + name);
        ASSERT_TRUE(journal.undo().done);
        EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 0);
        ASSERT_TRUE(journal.redo().done);
        EXPECT_EQ(CatalogSeed::dump(), before);
    }
}

// Importing a file over the catalog it came from changes nothing; changed
// columns are named, and quantities are set or added as chosen.
TEST_P(TransferRoundTripTest, ImportOverTheCatalogCountsChangedColumnsAndSetsOrAddsQuantities)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 2}, {QStringLiteral("Bread"), 1, QStringLiteral("Bakery")}});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    long items = 0;
    const QByteArray csv = CatalogExport::render(connection, CatalogExport::Format::Csv, items);
    EXPECT_EQ(planFor(connection, TransferReader::readBytes(csv, QStringLiteral("a.csv"))).summary(),
              QStringLiteral("0 new, 0 changed, 2 unchanged, 0 refused."));

    const TransferFile pasted = TransferReader::readPlain(QStringLiteral("3 milk\nbread\nEggs (12)\n"));
    ImportPlan set = planFor(connection, pasted);
    EXPECT_EQ(set.summary(), QStringLiteral("1 new, 1 changed (QtyToBuy 1), 1 unchanged, 0 refused."));
    ImportPlan add = planFor(connection, pasted, ImportPlan::Quantities::Add);
    EXPECT_EQ(add.summary(), QStringLiteral("1 new, 2 changed (QtyToBuy 2), 0 unchanged, 0 refused."));
    ASSERT_TRUE(add.apply(connection, QStringLiteral("the clipboard")));
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy")),
              QStringLiteral("Milk:5 Bread:2 Eggs:12"));
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("ItemName"), QStringLiteral("MILK")), QStringLiteral("Milk"))
        << "a matched item keeps its own spelling";
}

// A cancel part-way through the writing leaves the catalog as it was.
TEST_P(TransferRoundTripTest, ACancelledImportLeavesTheCatalogAsItWas)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 2}});
    const QString before = CatalogSeed::dump();
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    QString text = QStringLiteral("5 Milk\n");
    for (int i = 0; i < 3000; ++i) {
        text += QStringLiteral("Item %1\n").arg(i);
    }
    ImportPlan plan = planFor(connection, TransferReader::readPlain(text));
    int asked = 0;
    EXPECT_FALSE(plan.apply(connection, QStringLiteral("x"), [&](double) { return ++asked < 3; }));
    EXPECT_EQ(CatalogSeed::dump(), before);
    EXPECT_FALSE(Journal(connection).nextUndo());
}

INSTANTIATE_FOR_BOTH_ENGINES(TransferRoundTripTest);

class TransferReaderTest : public GrocelleTest
{
};

// Cells a spreadsheet would run carry an apostrophe in the file, and read
// back without it; numbers and plain text stay as they are.
TEST_F(TransferReaderTest, FormulaCellsAreNeutralisedAndReadBackExactly)
{
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QStringLiteral("=1+2")), true), QByteArray("'=1+2"));
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QStringLiteral("@cmd")), true), QByteArray("'@cmd"));
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QStringLiteral("\tx")), true), QByteArray("'\tx"));
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QStringLiteral("'a")), true), QByteArray("''a"));
    EXPECT_EQ(CsvTransfer::cell(SqlValue::integer(-1), false), QByteArray("-1"));
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QString()), true), QByteArray("\"\""));
    EXPECT_EQ(CsvTransfer::cell(SqlValue(), true), QByteArray());
    EXPECT_EQ(CsvTransfer::cell(SqlValue::text(QStringLiteral("a \"b\", c")), true), QByteArray("\"a \"\"b\"\", c\""));
}

TEST_F(TransferReaderTest, PlainLinesGiveQuantityUnitAndName)
{
    struct Case
    {
        const char* line;
        const char* name;
        int quantity;
        const char* unit; // "" for none said
        bool marked;
    };
    const Case cases[] = {
        {"2 Milk", "Milk", 2, "", false},          {"Milk x2", "Milk", 2, "", false},
        {"Milk x 3", "Milk", 3, "", false},        {"3 lb Apples", "Apples", 3, "lb", false},
        {"Eggs (12)", "Eggs", 12, "", false},      {"- [ ] Butter", "Butter", 1, "", false},
        {"- [x] 2 Butter", "Butter", 2, "", true}, {"* Tea", "Tea", 1, "", false},
        {"1. Rice", "Rice", 1, "", false},         {"1.5 kg Flour", "Flour", 2, "kg", false},
        {"2x Yogurt", "Yogurt", 2, "", false},     {"Xbox 360", "Xbox 360", 1, "", false},
        {"  Soap  ", "Soap", 1, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TransferRecord record;
        QString reason;
        ASSERT_TRUE(PlainListReader::readLine(QString::fromUtf8(c.line), record, reason)) << reason.toStdString();
        EXPECT_EQ(nameOf(record), QString::fromUtf8(c.name));
        EXPECT_EQ(record.at(Col::QtyToBuy).toInteger(), c.quantity);
        EXPECT_EQ(record.unitWritten, QString::fromUtf8(c.unit));
        EXPECT_EQ(record.has(Col::Checked), c.marked);
    }
    // Copy List's own lines, and a Markdown checklist under headings.
    const TransferFile file =
        TransferReader::readPlain(QStringLiteral("2 loaf Bread (Bakery)\n## Dairy\n- [ ] 1 pkg Milk\n\n-1 Tea\n"));
    ASSERT_EQ(file.records.size(), 2U);
    EXPECT_EQ(file.records[0].at(Col::Dept).toText(), QStringLiteral("Bakery"));
    EXPECT_EQ(file.records[0].unitWritten, QStringLiteral("loaf"));
    EXPECT_EQ(file.records[1].at(Col::Dept).toText(), QStringLiteral("Dairy"));
    EXPECT_EQ(refusals(file), QStringLiteral("5: The quantity -1 is out of range (0 to 32767)."));
}

// The CSV that OI Shopping List exports: Subject, % Complete, Categories
// (its list) and Tags, written here from that description.
TEST_F(TransferReaderTest, ReadsOiShoppingListCsv)
{
    const QByteArray sample = "\"Subject\",\"% Complete\",\"Categories\",\"Tags\"\n"
                              "\"Milk\",\"0\",\"Groceries\",\"Dairy,cold\"\n"
                              "\"Batteries\",\"1\",\"Hardware\",\"\"\n";
    const TransferFile file = TransferReader::readBytes(sample, QStringLiteral("shoppinglist.csv"));
    ASSERT_TRUE(file.readable()) << file.error.toStdString();
    EXPECT_EQ(file.format, TransferFile::Format::OiShopping);
    ASSERT_EQ(file.records.size(), 2U);
    EXPECT_EQ(nameOf(file.records[0]), QStringLiteral("Milk"));
    EXPECT_EQ(file.records[0].at(Col::Store).toText(), QStringLiteral("Groceries"));
    EXPECT_EQ(file.records[0].at(Col::Dept).toText(), QStringLiteral("Dairy"));
    EXPECT_EQ(file.records[0].at(Col::Checked).toInteger(), 0);
    EXPECT_EQ(file.records[1].at(Col::Checked).toInteger(), 1);
    EXPECT_FALSE(file.records[1].has(Col::Dept));
    EXPECT_EQ(file.records[1].line, 3);

    const QByteArray handy = "Need,Priority,Description,CustomText,Quantity,Units,Price,Aisle,Date,Category,Stores,"
                             "PerStoreInfo,EntryOrder,Coupon,Tax,Tax2,AutoDelete,Private,Note,Alarm,AlarmMidi,Icon,"
                             "AutoOrder\r\n"
                             "x,,Coffee,,2,bag,4.5,,,Drinks,Mart;Shop,,,,,,,,ground,,,,\r\n"
                             "have,,Sugar,,,,,,,,,,,,,,,,,,,,\r\n";
    const TransferFile other = TransferReader::readBytes(handy, QStringLiteral("handy.csv"));
    ASSERT_EQ(other.records.size(), 2U) << refusals(other).toStdString();
    EXPECT_EQ(other.records[0].at(Col::QtyToBuy).toInteger(), 2);
    EXPECT_EQ(other.records[0].at(Col::Store).toText(), QStringLiteral("Mart"));
    EXPECT_EQ(other.records[0].at(Col::ItemNameDetail).toText(), QStringLiteral("ground"));
    EXPECT_EQ(other.records[1].at(Col::QtyToBuy).toInteger(), 0);
}

// Line ends of every kind, and a byte order mark of UTF-8 or UTF-16, give
// the same items on the same lines.
TEST_F(TransferReaderTest, LineEndsAndByteOrderMarksReadAlike)
{
    const QString text = QStringLiteral("ID,ItemName,QtyToBuy\n1,Milk,2\n2,\"Pie\nwith notes\",1\n3,Tea,0\n");
    for (const char* end : {"\n", "\r\n", "\r"}) {
        QString ended = text;
        ended.replace(QLatin1Char('\n'), QString::fromLatin1(end));
        const QByteArray utf8 = ended.toUtf8();
        QByteArray utf16le("\xFF\xFE", 2);
        QByteArray utf16be("\xFE\xFF", 2);
        for (const QChar c : ended) {
            utf16le += char(c.unicode() & 0xff);
            utf16le += char(c.unicode() >> 8);
            utf16be += char(c.unicode() >> 8);
            utf16be += char(c.unicode() & 0xff);
        }
        for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8, utf16le, utf16be}) {
            const TransferFile file = TransferReader::readBytes(bytes, QStringLiteral("x.csv"));
            ASSERT_TRUE(file.readable()) << file.error.toStdString();
            ASSERT_EQ(file.records.size(), 3U);
            EXPECT_EQ(file.records[2].line, 5);
            EXPECT_EQ(nameOf(file.records[1]),
                      QStringLiteral("Pie") + QString::fromLatin1(end) + QStringLiteral("with notes"));
        }
    }
}

// Each hostile input is refused with its line and reason, or the whole file
// with its reason; none crashes, hangs or lets anything through.
TEST_F(TransferReaderTest, HostileInputIsRefusedWithItsLineAndReason)
{
    struct Case
    {
        QByteArray bytes;
        QString name;
        QString error;   // part of the whole file's refusal, empty for none
        QString refused; // part of refusals(), empty for none
    };
    const QByteArray header = "ID,ItemName,QtyToBuy,Price\n";
    const Case cases[] = {
        {header + "1,Milk,2,1\n2,\"Tea,1,1\n3,Jam,1,1\n", "a.csv", "Line 3: A quoted value", {}},
        {header + "1,Milk,2,1\n2," + QByteArray(10 * 1024 * 1024, 'a') + ",1,1\n",
         "a.csv",
         {},
         "3: ItemName is longer than 30"},
        {header + QByteArray("1,Mi\0lk,2,1\n", 12), "a.csv", {}, "2: ItemName holds a NUL"},
        {header + "1,Mi\xC3\x28lk,2,1\n", "a.csv", {}, "2: The line is not valid UTF-8"},
        {"Milk\n\xFF\xFE\n", "a.txt", {}, "2: The line is not valid UTF-8"},
        {header + "1,Milk,2,1,9\n2,Tea\n", "a.csv", {}, "2: It has 5 values where the header has 4.\n3: It has 2"},
        {"Name;Amount\nMilk;2\n", "a.csv", "Line 1: The header \"Name;Amount\" matches no format", {}},
        {header + "1,A,-1,1\n2,B,40000,1\n3,C,1e308,1\n4,D,NaN,1\n4294967296,E,1,1\n5,F,1,1e308\n6,G,1,nan\n",
         "a.csv",
         {},
         "2: The quantity -1 is out of range (0 to 32767).\n3: The quantity 40000 is out of range (0 to 32767).\n"
         "4: The quantity 1e+308 is not a whole number in range.\n5: The quantity nan is not a whole number in "
         "range.\n6: ID 4294967296 is out of range (-2147483648 to 2147483647).\n7: The price 1e+308 is out of "
         "range.\n8: The price nan is out of range."},
        {QByteArray(10000, '[') + QByteArray(10000, ']'),
         "a.json",
         "Line 1: The JSON is not well-formed: too deeply nested",
         {}},
        {"{\"items\": [\n{\"ItemName\": \"A\", \"QtyToBuy\": 40000},\n{\"ItemName\": \"B\", \"ID\": 4294967296}\n]}",
         "a.json",
         {},
         "2: The quantity 40000 is out of range (0 to 32767).\n3: ID 4294967296 is out of range"},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "list.csv", "The file is a picture (PNG)", {}},
        {QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10), "list.txt", "The file is a picture (JPEG)", {}},
        {{}, "a.csv", "The file is empty.", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.left(60).toStdString());
        const TransferFile file = TransferReader::readBytes(c.bytes, c.name);
        const QString error = TransferFile::describe(file.errorLine, file.error);
        if (c.error.isEmpty()) {
            EXPECT_TRUE(file.readable()) << error.toStdString();
        } else {
            EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
        }
        EXPECT_TRUE(refusals(file).startsWith(c.refused)) << refusals(file).toStdString();
    }

    // Widths count characters as the catalog does: 29 letters and an emoji
    // (two UTF-16 units) make a name of 30 that fits; one letter more does not.
    const QByteArray emoji = "\xF0\x9F\xA5\x9B";
    const TransferFile fits =
        TransferReader::readBytes(header + "1," + QByteArray(29, 'a') + emoji + ",1,1\n", QStringLiteral("a.csv"));
    EXPECT_TRUE(refusals(fits).isEmpty()) << refusals(fits).toStdString();
    const TransferFile over =
        TransferReader::readBytes(header + "1," + QByteArray(30, 'a') + emoji + ",1,1\n", QStringLiteral("a.csv"));
    EXPECT_TRUE(refusals(over).startsWith(QStringLiteral("2: ItemName is longer than 30")))
        << refusals(over).toStdString();
}

// A file that cannot be read, and an export to a folder that takes no file.
TEST_F(TransferReaderTest, UnreadableFilesAndUnwritableFoldersAreTold)
{
    EXPECT_TRUE(TransferReader::readFile(homeFile(QStringLiteral("missing.csv")))
                    .error.contains(QStringLiteral("cannot be read")));
    EXPECT_TRUE(TransferReader::readFile(home()).error.contains(QStringLiteral("cannot be read")));

    CatalogSeed::write({{QStringLiteral("Milk"), 2}});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    // The kernel's own folder takes no new file, not even from root.
    const CatalogExport::Result result =
        CatalogExport::write(connection, QStringLiteral("/proc/grocelle-export.csv"), CatalogExport::Format::Csv);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.error.contains(QStringLiteral("cannot be written"))) << result.error.toStdString();
    const QString readOnly = homeFile(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    const CatalogExport::Result denied =
        CatalogExport::write(connection, readOnly + QStringLiteral("/x.csv"), CatalogExport::Format::Csv);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!denied.written) {
        EXPECT_TRUE(denied.error.contains(QStringLiteral("cannot be written")));
    }
}

// Refused lines and names given twice are told in the plan, whose making
// writes nothing.
TEST_F(TransferReaderTest, ThePlanRefusesNamelessAndRepeatedItemsAndWritesNothing)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 2}});
    const QString before = CatalogSeed::dump();
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    const TransferFile file =
        TransferReader::readBytes("ID,ItemName,QtyToBuy\n1,,2\n2,Tea,1\n3,TEA,1\n4,Jam,x\n", QStringLiteral("a.csv"));
    const ImportPlan plan = planFor(connection, file);
    ASSERT_EQ(plan.refused().size(), 3U);
    EXPECT_EQ(plan.refused()[0].line, 2);
    EXPECT_EQ(plan.refused()[0].reason, QStringLiteral("The item has no name."));
    EXPECT_EQ(plan.refused()[1].reason, QStringLiteral("\"TEA\" is on line 3 already."));
    EXPECT_EQ(plan.refused()[2].reason, QStringLiteral("The quantity \"x\" is not a number."));
    EXPECT_EQ(CatalogSeed::dump(), before);
}

// In German the reader's refusals, the lines they name and the plan's
// summary are German; the column names stay the file's own.
TEST_F(TransferReaderTest, RefusalsAndTheSummarySpeakTheInterfacesLanguage)
{
    struct English
    {
        ~English() { Translations::install(QStringLiteral("en")); }
    } restore;
    ASSERT_TRUE(Translations::install(QStringLiteral("de")));
    CatalogSeed::write({{QStringLiteral("Milk"), 2}});
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);

    const TransferFile file = TransferReader::readBytes("ID,ItemName,QtyToBuy,Price\n1,Milk,3,1\n2,Tea\n3,Jam,-1,1\n"
                                                        "4,Rice,1,x\n5,,1,1\n6,MILK,1,1\n",
                                                        QStringLiteral("a.csv"));
    const ImportPlan plan = planFor(connection, file);
    QStringList told;
    for (const TransferFile::Problem& problem : plan.refused()) {
        told << TransferFile::describe(problem.line, problem.reason);
    }
    EXPECT_EQ(told.join(QLatin1Char('\n')),
              QString::fromUtf8("Zeile 3: Sie hat 2 Werte, die Kopfzeile aber 4.\n"
                                "Zeile 4: Die Menge -1 liegt au\u00dferhalb des Bereichs (0 bis 32767).\n"
                                "Zeile 5: Price \u201ex\u201c ist keine Zahl.\n"
                                "Zeile 6: Der Artikel hat keinen Namen.\n"
                                "Zeile 7: \u201eMILK\u201c steht schon in Zeile 2."));
    EXPECT_EQ(plan.summary(),
              QStringLiteral("0 neu, 1 ge\u00e4ndert (QtyToBuy 1, Price 1), 0 unver\u00e4ndert, 5 abgelehnt."));

    // A file refused as a whole, and the kind of thing it is.
    const TransferFile picture =
        TransferReader::readBytes(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), QStringLiteral("list.csv"));
    EXPECT_EQ(picture.error, QStringLiteral("Die Datei ist ein Bild (PNG), keine Liste."));
    EXPECT_EQ(TransferFile::formatName(TransferFile::Format::PlainText), QStringLiteral("eine einfache Liste"));
}
