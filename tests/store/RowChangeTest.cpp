#include "store/journal/RowChange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
RowChange change(RowChange::Kind kind, qint64 id, const QStringList& columns, std::vector<SqlValue> before,
                 std::vector<SqlValue> after)
{
    RowChange made;
    made.kind = kind;
    made.id = SqlValue::integer(id);
    made.columns = columns;
    made.before = std::move(before);
    made.after = std::move(after);
    return made;
}

// The text of a run of changes, written as the journal writes it: each
// change after the first refers to its predecessor's columns.
QString format(const std::vector<RowChange>& changes)
{
    QString text;
    const QStringList* previous = nullptr;
    for (const RowChange& one : changes) {
        one.appendTo(text, previous);
        previous = &one.columns;
    }
    return text;
}

void expectSame(const std::vector<RowChange>& read, const std::vector<RowChange>& written)
{
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].kind, written[i].kind) << i;
        EXPECT_TRUE(read[i].id == written[i].id) << i;
        EXPECT_EQ(read[i].columns, written[i].columns) << i;
        EXPECT_TRUE(read[i].before == written[i].before) << i;
        EXPECT_TRUE(read[i].after == written[i].after) << i;
    }
}

QString value(const SqlValue& v)
{
    QString text;
    RowChange::appendValue(v, text);
    return text;
}
} // namespace

TEST(RowChangeTest, ValuesAreWrittenAsTheFormatSays)
{
    EXPECT_EQ(value(SqlValue()), QStringLiteral("N"));
    EXPECT_EQ(value(SqlValue::integer(42)), QStringLiteral("I42;"));
    EXPECT_EQ(value(SqlValue::integer(-7)), QStringLiteral("I-7;"));
    EXPECT_EQ(value(SqlValue::integer(std::numeric_limits<qint64>::min())), QStringLiteral("I-9223372036854775808;"));
    EXPECT_EQ(value(SqlValue::real(2.5)), QStringLiteral("R2.5;"));
    EXPECT_EQ(value(SqlValue::real(0.1)), QStringLiteral("R0.1;"));
    EXPECT_EQ(value(SqlValue::real(3)), QStringLiteral("R3;"));
    EXPECT_EQ(value(SqlValue::real(1e300)), QStringLiteral("R1e+300;"));
    EXPECT_EQ(value(SqlValue::text(QStringLiteral("Kids' ;:N"))), QStringLiteral("T9:Kids' ;:N"));
    EXPECT_EQ(value(SqlValue::text(QString())), QStringLiteral("T0:"));
    // Lengths count UTF-16 units: an emoji is two.
    EXPECT_EQ(value(SqlValue::text(QStringLiteral("é🍞"))), QStringLiteral("T3:é🍞"));
    EXPECT_EQ(value(SqlValue::blob(QByteArray("\x00\xff", 2))), QStringLiteral("X00ff;"));
    EXPECT_EQ(value(SqlValue::blob(QByteArray())), QStringLiteral("X;"));
}

TEST(RowChangeTest, ChangesAreWrittenAsTheFormatSays)
{
    const QStringList qty = {QStringLiteral("QtyToBuy")};
    const std::vector<RowChange> changes = {
        change(RowChange::Kind::Update, 5, qty, {SqlValue::integer(1)}, {SqlValue::integer(2)}),
        change(RowChange::Kind::Update, 6, qty, {SqlValue()}, {SqlValue::integer(0)}),
        change(RowChange::Kind::Delete, 7, {QStringLiteral("ID"), QStringLiteral("ItemName")},
               {SqlValue::integer(7), SqlValue::text(QStringLiteral("Tea"))}, {}),
        change(RowChange::Kind::Insert, 8, {QStringLiteral("ID"), QStringLiteral("ItemName")}, {},
               {SqlValue::integer(8), SqlValue::text(QStringLiteral("Jam"))}),
    };
    EXPECT_EQ(format(changes), QStringLiteral("UI5;1;8:QtyToBuyI1;I2;"
                                              "UI6;=NI0;"
                                              "DI7;2;2:ID8:ItemNameI7;T3:Tea"
                                              "II8;=I8;T3:Jam"));
}

TEST(RowChangeTest, WrittenChangesReadBackExactly)
{
    const QStringList all = {QStringLiteral("ItemName"), QStringLiteral("Price"), QStringLiteral("Coupon"),
                             QStringLiteral("Notes_2")};
    const std::vector<SqlValue> odd = {
        SqlValue::text(QStringLiteral("semi-skimmed, 'fresh'; 2:1 T4:")),
        SqlValue::real(std::numeric_limits<double>::denorm_min()),
        SqlValue::integer(std::numeric_limits<qint64>::max()),
        SqlValue::blob(QByteArray("\x00;:'\"", 5)),
    };
    const std::vector<SqlValue> plain = {
        SqlValue::text(QStringLiteral("Crème fraîche 🧀\n\t")),
        SqlValue::real(-1.0 / 3),
        SqlValue(),
        SqlValue::text(QString()),
    };
    const std::vector<RowChange> changes = {
        change(RowChange::Kind::Update, 1, all, odd, plain),
        change(RowChange::Kind::Update, -2, all, plain, odd),
        change(RowChange::Kind::Delete, 3, all, odd, {}),
        change(RowChange::Kind::Insert, 0, all, {}, plain),
        change(RowChange::Kind::Update, 4, {QStringLiteral("Price")}, {SqlValue::real(1e-300)},
               {SqlValue::real(-1.7976931348623157e308)}),
    };
    std::vector<RowChange> read;
    ASSERT_TRUE(RowChange::parse(format(changes), read));
    expectSame(read, changes);

    // Each change written on its own, with its columns spelt out.
    for (const RowChange& one : changes) {
        QString text;
        one.appendTo(text);
        std::vector<RowChange> alone;
        ASSERT_TRUE(RowChange::parse(text, alone)) << text.toStdString();
        expectSame(alone, {one});
    }
}

TEST(RowChangeTest, AnEmptyTextHoldsNoChanges)
{
    std::vector<RowChange> read;
    EXPECT_TRUE(RowChange::parse(QString(), read));
    EXPECT_TRUE(read.empty());
}

// Text that is not a well-formed run of changes is refused as a whole, never
// read in part or beyond its end.
TEST(RowChangeTest, MalformedTextIsRefused)
{
    const char* const texts[] = {
        "Q",                              // no such kind
        "U",                              // no ID
        "UI5;",                           // no columns
        "UI5;0;",                         // no column at all
        "UI5;65;",                        // more columns than a row has
        "UI5;-1;",                        // a negative count
        "UI5;=I1;I2;",                    // '=' with no change before it
        "UI5;1;8:QtyToBuyI1;",            // a missing after value
        "DI5;1;8:QtyToBuy",               // a missing before value
        "UI5;1;8:QtyToBuyI1;I2;U",        // a second change cut short
        "UI5;1;9:QtyToBuyI1;I2;",         // a name running past its length
        "UI5;1;99:QtyToBuy",              // a length beyond the text
        "UI5;1;-1:QtyToBuyI1;I2;",        // a negative length
        "UI5;1;0:I1;I2;",                 // an empty name
        "UI5;1;4:a b;I1;I2;",             // a name that is no plain name
        "UI5;1;1:1I1;I2;",                // a name that starts with a digit
        "UI5;1;8:QtyToBuyI1;Q2;",         // no such value type
        "UI;1;8:QtyToBuyI1;I2;",          // an empty number
        "UI5x;1;8:QtyToBuyI1;I2;",        // a number with a letter in it
        "UI99999999999999999999;1;1:aNN", // beyond 64 bits
        "UI5;1;1:aR1e999;N",              // a real beyond double
        "UI5;1;1:aRNaN;N",                // not a number, spelled otherwise than written
        "UI5;1;1:aRinfinity;N",           // infinity, spelled otherwise than written
        "UI5;1;1:aR+inf;N",               // infinity with a sign never written
        "UI5;1;1:aX0;N",                  // an odd count of hex digits
        "UI5;1;1:aXzz;N",                 // no hex digits
        "UI5;1;1:aI1",                    // a number without its end
        "UT3:ab",                         // text running past the end
    };
    for (const char* text : texts) {
        std::vector<RowChange> read;
        EXPECT_FALSE(RowChange::parse(QString::fromLatin1(text), read)) << text;
    }
}

// A real column may hold infinity or "not a number" (a server catalog, a
// file another program wrote): the history of a change to such a row reads
// back what was written, so that the change can be undone.
TEST(RowChangeTest, RealsWithoutDigitsReadBackAsWritten)
{
    const double infinity = std::numeric_limits<double>::infinity();
    for (const double real : {infinity, -infinity, std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        RowChange change;
        change.kind = RowChange::Kind::Update;
        change.id = SqlValue::integer(7);
        change.columns = QStringList({QStringLiteral("Price")});
        change.before = {SqlValue::real(real)};
        change.after = {SqlValue()};
        QString text;
        change.appendTo(text, nullptr);
        std::vector<RowChange> read;
        ASSERT_TRUE(RowChange::parse(text, read)) << text.toStdString();
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].before.size(), 1u);
        EXPECT_TRUE(read[0].before[0] == SqlValue::real(real)) << text.toStdString();
        EXPECT_EQ(std::signbit(read[0].before[0].toReal()), std::signbit(real)) << text.toStdString();
    }
}

TEST(RowChangeTest, PlainNamesAreAsciiWordsNotStartingWithADigit)
{
    for (const char* name : {"ItemName", "a", "_x", "Notes_2", "DEPTORDER"}) {
        EXPECT_TRUE(RowChange::plainName(QString::fromLatin1(name))) << name;
    }
    for (const char* name : {"", "2nd", "a b", "a;b", "\"a\"", "a-b", "a'b", "a.b"}) {
        EXPECT_FALSE(RowChange::plainName(QString::fromLatin1(name))) << name;
    }
    EXPECT_FALSE(RowChange::plainName(QStringLiteral("Crème")));
    EXPECT_FALSE(RowChange::plainName(QString(65, QLatin1Char('a'))));
    EXPECT_TRUE(RowChange::plainName(QString(64, QLatin1Char('a'))));
}
