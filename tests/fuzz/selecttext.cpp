// The select-text reading: no crash on any text; words are words; the key
// goes right after the leading SELECT, and the statement with the key put
// there reads as the same statement with one word more; the table is a word
// of the text, spelt as the text spells it.
#include "FuzzCheck.h"

#include "store/access/SelectText.h"

#include <cctype>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray sql(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<QByteArray> found = SelectText::words(sql);
    for (const QByteArray& word : found) {
        FUZZ_CHECK(!word.isEmpty() && word == word.toUpper(), "not a word in upper case", word);
        for (const char c : word) {
            FUZZ_CHECK(std::isalnum(static_cast<unsigned char>(c)) || c == '_'
                           || (static_cast<unsigned char>(c) & 0x80),
                       "a word holds a character of no word", word);
        }
    }

    const qsizetype at = SelectText::rowidInsertPosition(sql);
    FUZZ_CHECK(at >= -1 && at <= sql.size(), "key position outside the text", sql);
    if (at >= 0) {
        FUZZ_CHECK(at >= 6 && sql.mid(at - 6, 6).toUpper() == "SELECT" && sql.left(at - 6).trimmed().isEmpty(),
                   "key not right after the leading SELECT", sql);
        const QByteArray keyed = sql.left(at) + " rowid, " + sql.mid(at);
        std::vector<QByteArray> expected = found;
        expected.insert(expected.begin() + 1, "ROWID");
        FUZZ_CHECK(SelectText::words(keyed) == expected, "the key changed the statement's words", keyed);
    }

    const QByteArray table = SelectText::tableOfSelect(sql);
    if (!table.isEmpty()) {
        FUZZ_CHECK(sql.contains(table), "table not spelt as in the text", table);
        bool isWord = false;
        for (const QByteArray& word : found) {
            isWord = isWord || word == table.toUpper();
        }
        FUZZ_CHECK(isWord, "table is no word of the text", table);
    }

    const QByteArray quoted =
        SelectText::quotedIdentifier(sql.left(sql.indexOf('\0') < 0 ? sql.size() : sql.indexOf('\0')).constData());
    FUZZ_CHECK(fuzzcheck::balanced(quoted), "quoted name unbalanced", quoted);
    return 0;
}
