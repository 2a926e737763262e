// The statement translation: no crash on any text. For a statement whose
// quotes and parentheses pair up: they stay paired; and without a pattern
// (whose prefix range adds a condition each time), translating again changes
// nothing, only the words of the missing-value order are added to the
// statement's own, and its literals stay as they were.
#include "FuzzCheck.h"

#include "store/postgres/PgDialect.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace
{
bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (static_cast<unsigned char>(c) & 0x80);
}

// The words of sql, a quoted name counting as one; with literals, the
// literals instead.
std::vector<QByteArray> words(const QByteArray& sql, bool literals = false)
{
    std::vector<QByteArray> found;
    qsizetype i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        const qsizetype start = i;
        if (c == '\'' || c == '"') {
            ++i;
            while (i < sql.size() && !(sql[i] == c && (i + 1 >= sql.size() || sql[i + 1] != c))) {
                i += sql[i] == c ? 2 : 1;
            }
            ++i;
            if ((c == '"') != literals) {
                found.push_back(sql.mid(start, i - start));
            }
        } else if (isWordChar(c)) {
            while (i < sql.size() && isWordChar(sql[i])) {
                ++i;
            }
            if (!literals) {
                found.push_back(sql.mid(start, i - start).toUpper());
            }
        } else {
            ++i;
        }
    }
    return found;
}

// Every word of the statement is still there, in order, and the others are
// those that name where missing values go.
bool onlyOrderWordsAdded(const QByteArray& sql, const QByteArray& translated)
{
    const std::vector<QByteArray> given = words(sql);
    size_t next = 0;
    for (const QByteArray& word : words(translated)) {
        if (next < given.size() && word == given[next]) {
            ++next;
        } else if (word != "NULLS" && word != "FIRST" && word != "LAST") {
            return false;
        }
    }
    return next == given.size();
}

qsizetype parametersOutsideQuotes(const QByteArray& sql)
{
    qsizetype count = 0;
    char quote = 0;
    for (const char c : sql) {
        if (quote) {
            quote = c == quote ? 0 : quote; // a doubled quote closes and reopens
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            ++count;
        }
    }
    return count;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray sql(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray translated = PgDialect::translate(sql);
    int count = 0;
    const QByteArray numbered = PgDialect::numberParameters(translated, count);
    PgDialect::changesStructure(sql);

    if (!fuzzcheck::balanced(sql)) {
        return 0; // text the engines refuse: only no crash is asked of it
    }
    FUZZ_CHECK(fuzzcheck::balanced(translated), "translation unbalanced", translated);
    FUZZ_CHECK(fuzzcheck::balanced(numbered), "numbering unbalanced", numbered);
    FUZZ_CHECK(count == parametersOutsideQuotes(translated), "parameters miscounted", numbered);
    FUZZ_CHECK(parametersOutsideQuotes(numbered) == 0, "a parameter left unnumbered", numbered);
    // An index whose column list holds an ORDER BY is no statement either
    // engine takes; its terms get closed twice.
    const QByteArray upper = sql.toUpper();
    if (!upper.contains("LIKE") && !(upper.contains("INDEX") && upper.contains("ORDER"))) {
        FUZZ_CHECK(PgDialect::translate(translated) == translated, "translating again changed", translated);
        FUZZ_CHECK(onlyOrderWordsAdded(sql, translated), "words changed", translated);
        FUZZ_CHECK(words(translated, true) == words(sql, true), "literals changed", translated);
    }
    return 0;
}
