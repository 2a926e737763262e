#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

// A property a fuzz input broke: the input is kept by libFuzzer as a crash.
#define FUZZ_CHECK(condition, what, text)                                                                              \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s\n%s\n", (what), QByteArray(text).constData());                   \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace fuzzcheck
{
// True when every quoted literal ('...') and quoted name ("...") of sql is
// closed, a doubled quote standing for one inside, and the parentheses
// outside them pair up.
inline bool balanced(const QByteArray& sql)
{
    int depth = 0;
    char quote = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote) {
            if (c == quote) {
                if (i + 1 < sql.size() && sql[i + 1] == quote) {
                    ++i;
                } else {
                    quote = 0;
                }
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth < 0) {
            return false;
        }
    }
    return quote == 0 && depth == 0;
}
} // namespace fuzzcheck
