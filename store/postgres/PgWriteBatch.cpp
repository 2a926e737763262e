#include "store/postgres/PgWriteBatch.h"

namespace
{
// One element of an array literal: quoted, with the two characters that
// array syntax gives a meaning inside quotes escaped.
void appendElement(QByteArray& array, const QByteArray* value)
{
    if (array.size() > 1) {
        array += ',';
    }
    if (!value) {
        array += "NULL";
        return;
    }
    array += '"';
    for (const char c : *value) {
        if (c == '"' || c == '\\') {
            array += '\\';
        }
        array += c;
    }
    array += '"';
}
} // namespace

bool PgWriteBatch::fits(const QByteArray& table, const QByteArray& keyColumn, const std::vector<Target>& targets) const
{
    return m_rows == 0 || (table == m_table && keyColumn == m_keyColumn && targets == m_targets);
}

void PgWriteBatch::add(const QByteArray& table, const QByteArray& keyColumn, const std::vector<Target>& targets,
                       qint64 key, const std::vector<const QByteArray*>& values)
{
    if (m_rows == 0) {
        m_table = table;
        m_keyColumn = keyColumn;
        m_targets = targets;
        m_keyArray = "{";
        m_arrays.assign(targets.size(), QByteArray("{"));
    }
    if (m_keyArray.size() > 1) {
        m_keyArray += ',';
    }
    m_keyArray += QByteArray::number(key);
    for (size_t i = 0; i < m_arrays.size(); ++i) {
        appendElement(m_arrays[i], values[i]);
    }
    m_keys.insert(key);
    ++m_rows;
}

QByteArray PgWriteBatch::statement() const
{
    // The arrays are typed as the columns are, so each value is read once as
    // the column's own type, as a bound parameter of a one-row UPDATE is.
    QByteArray set;
    QByteArray arrays = "$1::bigint[]";
    QByteArray names = "k";
    for (size_t i = 0; i < m_targets.size(); ++i) {
        const QByteArray name = 'v' + QByteArray::number(static_cast<qulonglong>(i));
        const QByteArray parameter = '$' + QByteArray::number(static_cast<qulonglong>(i + 2));
        set += (i ? ", " : "") + m_targets[i].quoted + " = w." + name;
        arrays += ", " + parameter + "::" + m_targets[i].type + "[]";
        names += ", " + name;
    }
    return "UPDATE " + m_table + " AS t SET " + set + " FROM unnest(" + arrays + ") AS w(" + names + ") WHERE t."
           + m_keyColumn + " = w.k";
}

std::vector<QByteArray> PgWriteBatch::parameters() const
{
    std::vector<QByteArray> all;
    all.reserve(m_arrays.size() + 1);
    all.push_back(m_keyArray + '}');
    for (const QByteArray& array : m_arrays) {
        all.push_back(array + '}');
    }
    return all;
}

void PgWriteBatch::clear() noexcept
{
    m_table.clear();
    m_keyColumn.clear();
    m_targets.clear();
    m_keyArray.clear();
    m_arrays.clear();
    m_keys.clear();
    m_rows = 0;
}
