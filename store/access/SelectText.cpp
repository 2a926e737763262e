#include "store/access/SelectText.h"

#include <cctype>

namespace
{
bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (static_cast<unsigned char>(c) & 0x80);
}

} // namespace

std::vector<QByteArray> SelectText::words(const QByteArray& sql)
{
    std::vector<QByteArray> found;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : c;
            ++i;
            while (i < n && sql[i] != close) {
                ++i;
            }
            ++i;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') {
                ++i;
            }
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const qsizetype end = sql.indexOf("*/", i + 2);
            i = end < 0 ? n : end + 2;
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            while (i < n && isWordChar(sql[i])) {
                ++i;
            }
            found.push_back(sql.mid(start, i - start).toUpper());
        } else {
            ++i;
        }
    }
    return found;
}

qsizetype SelectText::rowidInsertPosition(const QByteArray& sql)
{
    const std::vector<QByteArray> found = words(sql);
    if (found.size() < 2 || found[0] != "SELECT" || found[1] == "DISTINCT" || found[1] == "ALL") {
        return -1;
    }
    for (const QByteArray& word : found) {
        if (word == "GROUP" || word == "UNION" || word == "INTERSECT" || word == "EXCEPT" || word == "JOIN"
            || word == "DISTINCT" || word == "WITH") {
            return -1;
        }
    }
    qsizetype i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) {
        ++i;
    }
    if (sql.mid(i, 6).toUpper() != "SELECT") {
        return -1;
    }
    return i + 6;
}

QByteArray SelectText::tableOfSelect(const QByteArray& sql)
{
    const std::vector<QByteArray> found = words(sql);
    for (size_t i = 0; i + 1 < found.size(); ++i) {
        if (found[i] == "FROM") {
            // sqlWords gives upper case; take the spelling from the text.
            const qsizetype at = sql.toUpper().indexOf(found[i + 1], sql.toUpper().indexOf("FROM"));
            return at < 0 ? QByteArray() : sql.mid(at, found[i + 1].size());
        }
    }
    return {};
}

QByteArray SelectText::quotedIdentifier(const char* name)
{
    QByteArray quoted(name);
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}
