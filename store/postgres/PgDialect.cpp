#include "store/postgres/PgDialect.h"

#include <cctype>
#include <vector>

namespace
{
struct Token
{
    enum Type
    {
        Word,
        Literal, // '...' with its quotes
        Space,
        Other
    };
    Type type;
    QByteArray text;
    QByteArray upper() const { return text.toUpper(); }
};

bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (static_cast<unsigned char>(c) & 0x80);
}

std::vector<Token> tokenize(const QByteArray& sql)
{
    std::vector<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        const char c = sql[i];
        Token::Type type = Token::Other;
        if (c == '\'' || c == '"') {
            ++i;
            while (i < n) {
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            i = qMin(i + 1, n);
            type = c == '\'' ? Token::Literal : Token::Word;
        } else if (isWordChar(c)) {
            while (i < n && isWordChar(sql[i])) {
                ++i;
            }
            type = Token::Word;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            while (i < n && std::isspace(static_cast<unsigned char>(sql[i]))) {
                ++i;
            }
            type = Token::Space;
        } else {
            ++i;
        }
        tokens.push_back({type, sql.mid(start, i - start)});
    }
    return tokens;
}

// The next token at or after i that is not white space; tokens.size() for none.
size_t nextSolid(const std::vector<Token>& tokens, size_t i)
{
    while (i < tokens.size() && tokens[i].type == Token::Space) {
        ++i;
    }
    return i;
}

// The range of a plain prefix pattern ('mi%' -> 'mi' and 'mj'), letter case
// folded as the catalog's text columns fold it; false for any other pattern.
// escape is the pattern's escape character, 0 for none.
bool prefixRange(const QByteArray& literal, char escape, QByteArray& low, QByteArray& high)
{
    if (literal.size() < 4 || !literal.endsWith("%'")) {
        return false;
    }
    const QByteArray body = literal.mid(1, literal.size() - 2);
    QByteArray prefix;
    bool open = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (escape && c == escape && i + 1 < body.size()) {
            c = body[++i];
        } else if (c == '%' && i == body.size() - 1) {
            open = true;
            break;
        } else if (c == '%' || c == '_' || c == escape) {
            return false;
        }
        const auto u = static_cast<unsigned char>(c);
        // ASCII only, where folding is the same everywhere; no quote or
        // character that cannot be raised by one.
        if (u >= 0x7e || u < 0x20 || c == '\'' || c == '\\') {
            return false;
        }
        prefix += c;
    }
    if (!open || prefix.isEmpty()) {
        return false;
    }
    low = prefix.toLower();
    high = low;
    high[high.size() - 1] = static_cast<char>(high[high.size() - 1] + 1);
    return !high.endsWith('\'') && !high.endsWith('\\');
}

bool isClauseEnd(const QByteArray& upper)
{
    return upper == "LIMIT" || upper == "OFFSET" || upper == "FOR" || upper == "UNION" || upper == "EXCEPT"
           || upper == "INTERSECT" || upper == "FETCH";
}
} // namespace

QByteArray PgDialect::translate(const QByteArray& sql)
{
    std::vector<Token> tokens = tokenize(sql);
    QByteArray out;
    out.reserve(sql.size() + 64);

    const size_t first = nextSolid(tokens, 0);
    const bool createIndex = first < tokens.size() && tokens[first].upper() == "CREATE"
                             && nextSolid(tokens, first + 1) < tokens.size()
                             && (tokens[nextSolid(tokens, first + 1)].upper() == "INDEX"
                                 || tokens[nextSolid(tokens, first + 1)].upper() == "UNIQUE");
    int depth = 0;
    bool inOrderBy = false;
    int orderDepth = 0;
    bool termHasNulls = false;
    bool descending = false;
    bool inIndexColumns = false;
    bool indexColumnsSeen = false;

    auto closeTerm = [&]() {
        if (!termHasNulls) {
            out += descending ? " NULLS LAST" : " NULLS FIRST";
        }
        termHasNulls = false;
        descending = false;
    };
    // Closes an ORDER BY term; its trailing white space stays after the
    // added words, and a word that follows at once is kept apart from them.
    auto closeTermBeforeSpace = [&](bool wordFollows) {
        qsizetype trailing = out.size();
        while (trailing > 0 && std::isspace(static_cast<unsigned char>(out[trailing - 1]))) {
            --trailing;
        }
        const QByteArray space = out.mid(trailing);
        out.truncate(trailing);
        closeTerm();
        out += space.isEmpty() && wordFollows ? QByteArray(" ") : space;
    };

    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const QByteArray upper = token.type == Token::Word ? token.upper() : QByteArray();

        if (inOrderBy && depth == orderDepth
            && ((token.type == Token::Other && (token.text == "," || token.text == ")" || token.text == ";"))
                || isClauseEnd(upper))) {
            closeTermBeforeSpace(token.type == Token::Word);
            if (token.text != ",") {
                inOrderBy = false;
            }
        }

        if (token.type == Token::Other && token.text == "(") {
            ++depth;
            // The first list is the index's columns; INCLUDE (...) holds
            // no order.
            if (createIndex && depth == 1 && !indexColumnsSeen) {
                inIndexColumns = true;
                indexColumnsSeen = true;
            }
        } else if (token.type == Token::Other && token.text == ")") {
            if (inIndexColumns && depth == 1) {
                closeTerm();
                inIndexColumns = false;
            }
            --depth;
        } else if (inIndexColumns && depth == 1 && token.type == Token::Other && token.text == ",") {
            closeTerm();
        }

        if ((inOrderBy || inIndexColumns) && token.type == Token::Word) {
            if (upper == "DESC") {
                descending = true;
            } else if (upper == "NULLS") {
                termHasNulls = true;
            }
        }

        if (upper == "ORDER") {
            const size_t by = nextSolid(tokens, i + 1);
            if (by < tokens.size() && tokens[by].upper() == "BY") {
                for (size_t j = i; j <= by; ++j) {
                    out += tokens[j].text;
                }
                i = by;
                inOrderBy = true;
                orderDepth = depth;
                termHasNulls = descending = false;
                continue;
            }
        }

        if (upper == "LIKE") {
            const size_t pattern = nextSolid(tokens, i + 1);
            if (pattern < tokens.size() && tokens[pattern].type == Token::Literal) {
                // Find the column before LIKE.
                qsizetype columnStart = -1;
                QByteArray column;
                size_t back = i;
                while (back > 0 && tokens[back - 1].type == Token::Space) {
                    --back;
                }
                if (back > 0 && tokens[back - 1].type == Token::Word) {
                    column = tokens[back - 1].text;
                    // Its text is already in out, followed by the spaces.
                    qsizetype spaces = 0;
                    for (size_t j = back; j < i; ++j) {
                        spaces += tokens[j].text.size();
                    }
                    columnStart = out.size() - spaces - column.size();
                }
                const QByteArray literal = tokens[pattern].text;
                // The statement's own escape character, if it gives one;
                // otherwise none, as on SQLite.
                QByteArray clause = " ESCAPE ''";
                char escape = 0;
                bool plain = true;
                size_t last = pattern;
                const size_t escapeWord = nextSolid(tokens, pattern + 1);
                if (escapeWord < tokens.size() && tokens[escapeWord].upper() == "ESCAPE") {
                    const size_t escapeText = nextSolid(tokens, escapeWord + 1);
                    if (escapeText < tokens.size() && tokens[escapeText].type == Token::Literal) {
                        const QByteArray& given = tokens[escapeText].text;
                        clause = " ESCAPE " + given;
                        plain = given.size() <= 3;
                        escape = given.size() == 3 ? given[1] : 0;
                        last = escapeText;
                    }
                }
                QByteArray low;
                QByteArray high;
                const bool notLike = back >= 2 && tokens[back - 1].upper() == "NOT";
                if (columnStart >= 0 && !notLike && plain && prefixRange(literal, escape, low, high)) {
                    out.insert(columnStart, "(");
                    out += "LIKE " + literal + clause + " AND " + column + " >= '" + low + "' AND " + column + " < '"
                           + high + "')";
                } else {
                    out += "LIKE " + literal + clause;
                }
                i = last;
                continue;
            }
        }
        out += token.text;
    }
    if (inOrderBy) {
        closeTermBeforeSpace(false);
    }
    return out;
}

QByteArray PgDialect::numberParameters(const QByteArray& sql, int& count)
{
    count = 0;
    QByteArray out;
    out.reserve(sql.size() + 8);
    for (const Token& token : tokenize(sql)) {
        if (token.type == Token::Other && token.text == "?") {
            out += '$' + QByteArray::number(++count);
        } else {
            out += token.text;
        }
    }
    return out;
}

bool PgDialect::changesStructure(const QByteArray& sql)
{
    const std::vector<Token> tokens = tokenize(sql);
    const size_t first = nextSolid(tokens, 0);
    if (first >= tokens.size()) {
        return false;
    }
    const QByteArray word = tokens[first].upper();
    return word == "CREATE" || word == "ALTER" || word == "DROP";
}

QString PgDialect::columnName(const QByteArray& reported)
{
    static const char* const names[] = {"ID",    "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail", "Dept",
                                        "Store", "GiftFor",  "checked",  "DeptOrder",      "Price",          "Coupon"};
    for (const char* name : names) {
        if (qstricmp(reported.constData(), name) == 0) {
            return QString::fromLatin1(name);
        }
    }
    return QString::fromUtf8(reported);
}
