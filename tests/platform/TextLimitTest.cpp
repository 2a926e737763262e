#include "GrocelleTest.h"

#include "platform/TextLimit.h"
#include "platform/widgets/TextGuard.h"

#include <QLineEdit>
#include <QTest>

namespace
{
const QString kGrin = QStringLiteral("\U0001F600");                                   // one character, two UTF-16 units
const QString kAccented = QStringLiteral("e\u0301");                                  // a letter and its accent
const QString kFamily = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"); // one emoji sequence

bool splitsACharacter(const QString& text)
{
    return !text.isEmpty() && (text.back().isHighSurrogate() || text.back().unicode() == 0x200D);
}
} // namespace

class TextLimitTest : public GrocelleTest
{
};

TEST_F(TextLimitTest, CountsCodePointsAndCutsWholeCharacters)
{
    // Counted as the catalog counts: an accent and each part of an emoji
    // sequence are characters of their own (1 + 2 + 2 + 5 + 1).
    const QString mixed = kGrin + QStringLiteral("ab") + kAccented + kFamily + QStringLiteral("z");
    EXPECT_EQ(TextLimit::length(mixed), 11);
    EXPECT_EQ(TextLimit::length(QString()), 0);
    // Within a limit: cut only where a character the user sees ends.
    EXPECT_EQ(TextLimit::fitting(mixed, 1), kGrin);
    EXPECT_EQ(TextLimit::fitting(mixed, 4), kGrin + QStringLiteral("ab"));
    EXPECT_EQ(TextLimit::fitting(mixed, 5), kGrin + QStringLiteral("ab") + kAccented);
    EXPECT_EQ(TextLimit::fitting(mixed, 9), kGrin + QStringLiteral("ab") + kAccented);
    EXPECT_EQ(TextLimit::fitting(mixed, 10), kGrin + QStringLiteral("ab") + kAccented + kFamily);
    EXPECT_EQ(TextLimit::fitting(mixed, 60), mixed);
    EXPECT_EQ(TextLimit::fitting(mixed, 0), QString());
    // A label takes characters as the user sees them.
    EXPECT_EQ(TextLimit::left(mixed, 1), kGrin);
    EXPECT_EQ(TextLimit::left(mixed, 4), kGrin + QStringLiteral("ab") + kAccented);
    EXPECT_EQ(TextLimit::left(mixed, 5), kGrin + QStringLiteral("ab") + kAccented + kFamily);
    EXPECT_EQ(TextLimit::left(mixed, 60), mixed);

    // What overflows is what stands just before the caret.
    QString typed = QStringLiteral("abc") + kGrin + kGrin + QStringLiteral("d");
    int caret = 7;
    TextLimit::cutAt(typed, caret, 4);
    EXPECT_EQ(typed, QStringLiteral("abcd"));
    EXPECT_EQ(caret, 3);
    // Too little before the caret: the end goes too.
    QString pasted = kAccented + QStringLiteral("xyz");
    caret = 0;
    TextLimit::cutAt(pasted, caret, 3);
    EXPECT_EQ(pasted, kAccented + QStringLiteral("x"));
    EXPECT_EQ(caret, 0);
}

TEST_F(TextLimitTest, ControlCharactersGoAndLineBreaksBetweenWordsBecomeASpace)
{
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("Greek\tYogurt")), QStringLiteral("Greek Yogurt"));
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("\r\nMilk\r\n")), QStringLiteral("Milk"));
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("Ba") + QChar(0) + QStringLiteral("con\x01")),
              QStringLiteral("Bacon"));
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("two \n lines")), QStringLiteral("two  lines"));
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("one\nline\t\x7f"), true), QStringLiteral("one\nline"));
    int caret = 6;
    EXPECT_EQ(TextLimit::withoutControls(QStringLiteral("\ta\nb\tc"), false, &caret), QStringLiteral("a b c"));
    EXPECT_EQ(caret, 5);
}

TEST_F(TextLimitTest, GuardedEditTakesWholeCharactersAndNoControls)
{
    QLineEdit edit;
    TextGuard::guard(edit, 3);
    QString many;
    for (int i = 0; i < 5; ++i) {
        many += kGrin;
    }
    edit.insert(many);
    EXPECT_EQ(edit.text(), kGrin + kGrin + kGrin);
    // A fourth character typed at the end is refused.
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(edit.text(), kGrin + kGrin + kGrin);

    edit.setText(QStringLiteral("a\nb"));
    EXPECT_EQ(edit.text(), QStringLiteral("a b"));
    edit.clear();
    // An emoji sequence of five characters does not fit in the one left.
    edit.insert(QStringLiteral("ab") + kFamily);
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    EXPECT_FALSE(splitsACharacter(edit.text()));
}
