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

// One statement's translation, token by token. Each step rewrites one thing
// that PostgreSQL would read differently from SQLite; the state says where in
// the statement the token stands.
class Translation
{
public:
    explicit Translation(const QByteArray& sql)
        : m_tokens(tokenize(sql))
        , m_createIndex(isCreateIndex())
    {
        m_out.reserve(sql.size() + 64);
    }

    QByteArray run()
    {
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            const Token& token = m_tokens[i];
            const QByteArray upper = token.type == Token::Word ? token.upper() : QByteArray();
            endOrderTerm(token, upper);
            followParentheses(token);
            noteTermDirection(token, upper);
            if (upper == "ORDER" && startOrderBy(i)) {
                continue;
            }
            if (upper == "LIKE" && rewriteLike(i)) {
                continue;
            }
            m_out += token.text;
        }
        if (m_inOrderBy) {
            closeTermBeforeSpace(false);
        }
        return m_out;
    }

private:
    bool isCreateIndex() const
    {
        const size_t first = nextSolid(m_tokens, 0);
        if (first >= m_tokens.size() || m_tokens[first].upper() != "CREATE") {
            return false;
        }
        const size_t second = nextSolid(m_tokens, first + 1);
        return second < m_tokens.size()
               && (m_tokens[second].upper() == "INDEX" || m_tokens[second].upper() == "UNIQUE");
    }

    // Missing values sort first in ascending order, as on SQLite: an ORDER BY
    // term or an indexed column without NULLS of its own gets NULLS FIRST
    // (NULLS LAST when descending).
    void closeTerm()
    {
        if (!m_termHasNulls) {
            m_out += m_descending ? " NULLS LAST" : " NULLS FIRST";
        }
        m_termHasNulls = false;
        m_descending = false;
    }

    // Closes an ORDER BY term; its trailing white space stays after the
    // added words, and a word that follows at once is kept apart from them.
    void closeTermBeforeSpace(bool wordFollows)
    {
        qsizetype trailing = m_out.size();
        while (trailing > 0 && std::isspace(static_cast<unsigned char>(m_out[trailing - 1]))) {
            --trailing;
        }
        const QByteArray space = m_out.mid(trailing);
        m_out.truncate(trailing);
        closeTerm();
        m_out += space.isEmpty() && wordFollows ? QByteArray(" ") : space;
    }

    // An ORDER BY term ends at a comma, at the end of its parentheses or
    // statement, and where a clause that follows the ordering begins.
    void endOrderTerm(const Token& token, const QByteArray& upper)
    {
        if (!m_inOrderBy || m_depth != m_orderDepth) {
            return;
        }
        const bool punctuation =
            token.type == Token::Other && (token.text == "," || token.text == ")" || token.text == ";");
        if (punctuation || isClauseEnd(upper)) {
            closeTermBeforeSpace(token.type == Token::Word);
            if (token.text != ",") {
                m_inOrderBy = false;
            }
        }
    }

    // The depth of parentheses, and the columns of CREATE INDEX: its first
    // list (INCLUDE (...) holds no order), each column a term.
    void followParentheses(const Token& token)
    {
        if (token.type != Token::Other) {
            return;
        }
        if (token.text == "(") {
            ++m_depth;
            if (m_createIndex && m_depth == 1 && !m_indexColumnsSeen) {
                m_inIndexColumns = true;
                m_indexColumnsSeen = true;
            }
        } else if (token.text == ")") {
            if (m_inIndexColumns && m_depth == 1) {
                closeTerm();
                m_inIndexColumns = false;
            }
            --m_depth;
        } else if (m_inIndexColumns && m_depth == 1 && token.text == ",") {
            closeTerm();
        }
    }

    void noteTermDirection(const Token& token, const QByteArray& upper)
    {
        if ((m_inOrderBy || m_inIndexColumns) && token.type == Token::Word) {
            if (upper == "DESC") {
                m_descending = true;
            } else if (upper == "NULLS") {
                m_termHasNulls = true;
            }
        }
    }

    // ORDER BY, copied as it stands; its terms follow. False when ORDER is
    // not followed by BY (a name).
    bool startOrderBy(size_t& i)
    {
        const size_t by = nextSolid(m_tokens, i + 1);
        if (by >= m_tokens.size() || m_tokens[by].upper() != "BY") {
            return false;
        }
        for (size_t j = i; j <= by; ++j) {
            m_out += m_tokens[j].text;
        }
        i = by;
        m_inOrderBy = true;
        m_orderDepth = m_depth;
        m_termHasNulls = m_descending = false;
        return true;
    }

    // The column that LIKE at i compares, and where its text starts in the
    // output; -1 when the operand is not a plain name. back: the token after
    // the operand.
    qsizetype likeColumn(size_t i, size_t& back, QByteArray& column) const
    {
        back = i;
        while (back > 0 && m_tokens[back - 1].type == Token::Space) {
            --back;
        }
        if (back == 0 || m_tokens[back - 1].type != Token::Word) {
            return -1;
        }
        column = m_tokens[back - 1].text;
        // Its text is already out, followed by the spaces.
        qsizetype spaces = 0;
        for (size_t j = back; j < i; ++j) {
            spaces += m_tokens[j].text.size();
        }
        return m_out.size() - spaces - column.size();
    }

    // LIKE has no escape character unless the statement names one, as on
    // SQLite; a plain prefix pattern ('mi%') also gets the range that the
    // column's index can serve. False when no literal pattern follows.
    bool rewriteLike(size_t& i)
    {
        const size_t pattern = nextSolid(m_tokens, i + 1);
        if (pattern >= m_tokens.size() || m_tokens[pattern].type != Token::Literal) {
            return false;
        }
        size_t back = 0;
        QByteArray column;
        const qsizetype columnStart = likeColumn(i, back, column);
        const QByteArray literal = m_tokens[pattern].text;
        QByteArray clause = " ESCAPE ''";
        char escape = 0;
        bool plain = true;
        size_t last = pattern;
        const size_t escapeWord = nextSolid(m_tokens, pattern + 1);
        if (escapeWord < m_tokens.size() && m_tokens[escapeWord].upper() == "ESCAPE") {
            const size_t escapeText = nextSolid(m_tokens, escapeWord + 1);
            if (escapeText < m_tokens.size() && m_tokens[escapeText].type == Token::Literal) {
                const QByteArray& given = m_tokens[escapeText].text;
                clause = " ESCAPE " + given;
                plain = given.size() <= 3;
                escape = given.size() == 3 ? given[1] : 0;
                last = escapeText;
            }
        }
        QByteArray low;
        QByteArray high;
        const bool notLike = back >= 2 && m_tokens[back - 1].upper() == "NOT";
        if (columnStart >= 0 && !notLike && plain && prefixRange(literal, escape, low, high)) {
            m_out.insert(columnStart, "(");
            m_out += "LIKE " + literal + clause + " AND " + column + " >= '" + low + "' AND " + column + " < '" + high
                     + "')";
        } else {
            m_out += "LIKE " + literal + clause;
        }
        i = last;
        return true;
    }

    const std::vector<Token> m_tokens;
    const bool m_createIndex;
    QByteArray m_out;
    int m_depth = 0;
    bool m_inOrderBy = false;
    int m_orderDepth = 0;
    bool m_termHasNulls = false;
    bool m_descending = false;
    bool m_inIndexColumns = false;
    bool m_indexColumnsSeen = false;
};
} // namespace

QByteArray PgDialect::translate(const QByteArray& sql)
{
    return Translation(sql).run();
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

QByteArray PgDialect::leadingWord(const QByteArray& sql)
{
    qsizetype start = 0;
    while (start < sql.size() && std::isspace(static_cast<unsigned char>(sql[start]))) {
        ++start;
    }
    qsizetype end = start;
    while (end < sql.size() && std::isalpha(static_cast<unsigned char>(sql[end]))) {
        ++end;
    }
    return sql.mid(start, end - start).toUpper();
}
