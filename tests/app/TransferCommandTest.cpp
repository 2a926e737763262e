#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{
struct ProgramOutcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramOutcome grocelle(const QStringList& arguments,
                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const ProgramRun run = ProgramRun::run(arguments, environment);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

QProcessEnvironment german()
{
    return ProgramRun::speaking(QStringLiteral("de_DE.UTF-8"));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TransferCommandTest : public GrocelleTest
{
};

// --import without a window: the summary with every refused line on stdout;
// nothing written while a line is refused, unless asked; exit 0 only when
// every line was taken.
TEST_F(TransferCommandTest, ImportTellsEachRefusedLineAndWritesOnlyWhenAsked)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}});
    const QString before = CatalogSeed::dump();
    const QString list = homeFile(QStringLiteral("list.txt"));
    writeFile(list, "2 Milk\nBread x2\n-1 Tea\n");
    const QStringList args = {QStringLiteral("--import"), list, QStringLiteral("--catalog"), CatalogSeed::path()};

    const ProgramOutcome dry = grocelle(args + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.exitCode, 1);
    EXPECT_EQ(dry.out, QStringLiteral("list.txt (a plain list): 1 new, 1 changed (QtyToBuy 1), 0 unchanged, 1 "
                                      "refused.\n  Bread (new): QtyToBuy 2, UnitOfPurchase pkg\n"
                                      "  Milk: QtyToBuy 1 \u2192 2\n"
                                      "Line 3: The quantity -1 is out of range (0 to 32767).\n"
                                      "Nothing was written (--dry-run).\n"));
    const ProgramOutcome refused = grocelle(args);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.contains(QStringLiteral("give --skip-refused"))) << refused.out.toStdString();
    EXPECT_EQ(CatalogSeed::dump(), before);

    const ProgramOutcome skipped = grocelle(args + QStringList{QStringLiteral("--skip-refused")});
    EXPECT_EQ(skipped.exitCode, 1);
    EXPECT_TRUE(skipped.out.endsWith(QStringLiteral("Import 2 items from list.txt: done.\n")));
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy")), QStringLiteral("Milk:2 Bread:2"));

    writeFile(list, "Milk x3\n");
    const ProgramOutcome clean = grocelle(args + QStringList{QStringLiteral("--add-quantities")});
    EXPECT_EQ(clean.exitCode, 0) << clean.out.toStdString();
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("QtyToBuy"), QStringLiteral("Milk")), QStringLiteral("5"));
}

// A dry run where no catalog exists yet lists what it would add, and leaves
// the folder as it found it: an empty one empty, a missing one missing.
TEST_F(TransferCommandTest, ADryRunMakesNoCatalogNoSettingsAndNoFolder)
{
    QTemporaryDir lists;
    ASSERT_TRUE(lists.isValid());
    const QString list = lists.filePath(QStringLiteral("list.md"));
    writeFile(list, "- **Milk** 2\n  - oat\n- Don't forget the coupons!\n");
    const QString empty = homeFile(QStringLiteral("empty"));
    ASSERT_TRUE(QDir().mkpath(empty));
    const QString missing = homeFile(QStringLiteral("missing/grocelle"));

    for (const QString& home : {empty, missing}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GROCELLE_HOME"), home);
        environment.remove(QStringLiteral("GROCELLE_CATALOG"));
        const ProgramOutcome dry =
            grocelle({QStringLiteral("--import"), list, QStringLiteral("--dry-run")}, environment);
        EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
        EXPECT_EQ(dry.out, QStringLiteral("list.md (a plain list): 1 new, 0 changed, 0 unchanged, 0 refused. 1 not "
                                          "ticked.\n  Not imported unless ticked: Don't forget the coupons! (new): "
                                          "QtyToBuy 1, UnitOfPurchase pkg \u2014 It reads as a sentence, not an "
                                          "item.\n  Milk (new): QtyToBuy 2, UnitOfPurchase pkg, ItemNameDetail oat\n"
                                          "Nothing was written (--dry-run).\n"));
    }
    EXPECT_EQ(QDir(empty).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("missing"))));
}

// A spreadsheet's CSV: refused with the mapping to give, then read by it.
TEST_F(TransferCommandTest, ColumnsSayWhichColumnIsWhich)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}});
    const QString sheet = homeFile(QStringLiteral("sheet.csv"));
    writeFile(sheet, "Item,Menge,Shop name\nMilk,3,Corner\nTea,1,Corner\n");
    const QStringList args = {QStringLiteral("--import"), sheet, QStringLiteral("--catalog"), CatalogSeed::path()};
    const ProgramOutcome asked = grocelle(args);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_TRUE(asked.err.endsWith(QStringLiteral("--columns \"ItemName=Item,QtyToBuy=Menge\"\n")))
        << asked.err.toStdString();
    const ProgramOutcome wrong = grocelle(args + QStringList{QStringLiteral("--columns"), QStringLiteral("Size=Item")});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("\"Size\" is no catalog column"))) << wrong.err.toStdString();

    const ProgramOutcome mapped = grocelle(
        args
        + QStringList{QStringLiteral("--columns"), QStringLiteral("ItemName=Item,QtyToBuy=Menge,Store=Shop name")});
    EXPECT_EQ(mapped.exitCode, 0) << mapped.out.toStdString() << mapped.err.toStdString();
    EXPECT_TRUE(mapped.out.contains(QStringLiteral("  Milk: QtyToBuy 1 \u2192 3, Store B-Mart \u2192 Corner\n")))
        << mapped.out.toStdString();
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("ItemName || ':' || QtyToBuy || ':' || Store")),
              QStringLiteral("Milk:3:Corner Tea:1:Corner"));
}

TEST_F(TransferCommandTest, ExportWritesTheFileOrSaysWhyNot)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}, {QStringLiteral("Tea"), 0}});
    const QString target = homeFile(QStringLiteral("all.json"));
    const ProgramOutcome run =
        grocelle({QStringLiteral("--export"), target, QStringLiteral("--catalog"), CatalogSeed::path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Exported 2 items to %1.\n").arg(target));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("{\"format\": \"Grocelle catalog\", \"version\": 1"));

    const ProgramOutcome denied = grocelle(
        {QStringLiteral("--export"), QStringLiteral("/proc/x.csv"), QStringLiteral("--catalog"), CatalogSeed::path()});
    EXPECT_EQ(denied.exitCode, 1);
    EXPECT_TRUE(denied.err.contains(QStringLiteral("cannot be written"))) << denied.err.toStdString();
    const ProgramOutcome unreadable = grocelle({QStringLiteral("--import"), homeFile(QStringLiteral("none.csv")),
                                                QStringLiteral("--catalog"), CatalogSeed::path()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.startsWith(QStringLiteral("none.csv: The file cannot be read")));
    EXPECT_EQ(grocelle({QStringLiteral("--export"), target, QStringLiteral("--import"), target}).exitCode, 2);
    EXPECT_EQ(grocelle({QStringLiteral("--dry-run")}).exitCode, 2);
}

// The same import and export in a German terminal: every line German, the
// file's column names and the options as they are typed.
TEST_F(TransferCommandTest, ImportAndExportSpeakTheTerminalsLanguage)
{
    CatalogSeed::write({{QStringLiteral("Milk"), 1}});
    const QString list = homeFile(QStringLiteral("list.txt"));
    writeFile(list, "2 Milk\nBread x2\n-1 Tea\n");
    const QStringList args = {QStringLiteral("--import"), list, QStringLiteral("--catalog"), CatalogSeed::path()};

    const ProgramOutcome dry = grocelle(args + QStringList{QStringLiteral("--dry-run")}, german());
    EXPECT_EQ(dry.exitCode, 1);
    EXPECT_EQ(dry.out, QStringLiteral("list.txt (eine einfache Liste): 1 neu, 1 ge\u00e4ndert (QtyToBuy 1), 0 "
                                      "unver\u00e4ndert, 1 abgelehnt.\n  Bread (neu): QtyToBuy 2, UnitOfPurchase "
                                      "Pck.\n  Milk: QtyToBuy 1 \u2192 2\nZeile 3: Die Menge -1 liegt au\u00dferhalb "
                                      "des Bereichs (0 bis 32767).\nNichts geschrieben (--dry-run).\n"));
    const ProgramOutcome skipped = grocelle(args + QStringList{QStringLiteral("--skip-refused")}, german());
    EXPECT_EQ(skipped.exitCode, 1);
    EXPECT_TRUE(skipped.out.endsWith(QStringLiteral("Import von 2 Artikeln aus list.txt: fertig.\n")))
        << skipped.out.toStdString();

    const QString target = homeFile(QStringLiteral("all.csv"));
    const ProgramOutcome exported =
        grocelle({QStringLiteral("--export"), target, QStringLiteral("--catalog"), CatalogSeed::path()}, german());
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, QStringLiteral("2 Artikel nach %1 exportiert.\n").arg(target));
    // One item is one, where the language says so; English keeps its words.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists WHERE ItemName <> 'Milk'")));
    const QStringList exportOne = {QStringLiteral("--export"), target, QStringLiteral("--catalog"),
                                   CatalogSeed::path()};
    EXPECT_EQ(grocelle(exportOne, ProgramRun::speaking(QStringLiteral("fr_FR.UTF-8"))).out,
              QStringLiteral("1 article export\u00e9 vers %1.\n").arg(target));
    EXPECT_EQ(grocelle(exportOne).out, QStringLiteral("Exported 1 items to %1.\n").arg(target));
    const ProgramOutcome denied = grocelle(
        {QStringLiteral("--export"), QStringLiteral("/proc/x.csv"), QStringLiteral("--catalog"), CatalogSeed::path()},
        german());
    EXPECT_TRUE(denied.err.startsWith(QStringLiteral("/proc/x.csv kann nicht geschrieben werden: ")))
        << denied.err.toStdString();
    const ProgramOutcome unreadable = grocelle({QStringLiteral("--import"), homeFile(QStringLiteral("none.csv")),
                                                QStringLiteral("--catalog"), CatalogSeed::path()},
                                               german());
    EXPECT_TRUE(unreadable.err.startsWith(QStringLiteral("none.csv: Die Datei kann nicht gelesen werden: ")))
        << unreadable.err.toStdString();
}
