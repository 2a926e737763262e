#include "store/journal/RowChange.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

namespace
{
void appendNumber(qint64 value, QString& out)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(QLatin1StringView(buffer, end - buffer));
}

void appendSized(const QString& text, QString& out)
{
    appendNumber(text.size(), out);
    out.append(QLatin1Char(':'));
    out.append(text);
}

// Reads the text of a journal entry from the front; every read fails softly.
class Reader
{
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }
    bool atEnd() const { return m_at >= m_text.size(); }
    // Consumes c when it comes next.
    bool skip(QChar c)
    {
        if (atEnd() || m_text[m_at] != c) {
            return false;
        }
        ++m_at;
        return true;
    }
    bool take(QChar& c)
    {
        if (atEnd()) {
            return false;
        }
        c = m_text[m_at++];
        return true;
    }
    // Text up to the terminator, which is consumed.
    bool until(QChar terminator, QStringView& out)
    {
        const auto end = m_text.indexOf(terminator, m_at);
        if (end < 0) {
            return false;
        }
        out = m_text.mid(m_at, end - m_at);
        m_at = end + 1;
        return true;
    }
    bool number(QChar terminator, qint64& out)
    {
        QStringView digits;
        if (!until(terminator, digits) || digits.isEmpty() || digits.size() > 20) {
            return false;
        }
        bool ok = false;
        out = digits.toLongLong(&ok);
        return ok;
    }
    bool sized(QString& out)
    {
        qint64 length = 0;
        if (!number(QLatin1Char(':'), length) || length < 0 || length > m_text.size() - m_at) {
            return false;
        }
        out = m_text.mid(m_at, length).toString();
        m_at += length;
        return true;
    }
    bool value(SqlValue& out)
    {
        QChar tag;
        if (!take(tag)) {
            return false;
        }
        switch (tag.unicode()) {
        case 'N':
            out = SqlValue();
            return true;
        case 'I': {
            qint64 integer = 0;
            if (!number(QLatin1Char(';'), integer)) {
                return false;
            }
            out = SqlValue::integer(integer);
            return true;
        }
        case 'R': {
            QStringView digits;
            bool ok = false;
            if (!until(QLatin1Char(';'), digits)) {
                return false;
            }
            // The three values without digits are read as the write spells
            // them; any other text must be a finite number, so that one beyond
            // a double is refused rather than read as infinity.
            if (digits == QLatin1String("nan")) {
                out = SqlValue::real(std::numeric_limits<double>::quiet_NaN());
                return true;
            }
            if (digits == QLatin1String("inf") || digits == QLatin1String("-inf")) {
                const double infinity = std::numeric_limits<double>::infinity();
                out = SqlValue::real(digits.startsWith(QLatin1Char('-')) ? -infinity : infinity);
                return true;
            }
            const double real = digits.toDouble(&ok);
            if (!ok || !std::isfinite(real)) {
                return false;
            }
            out = SqlValue::real(real);
            return true;
        }
        case 'T': {
            QString text;
            if (!sized(text)) {
                return false;
            }
            out = SqlValue::text(text);
            return true;
        }
        case 'X': {
            QStringView hex;
            if (!until(QLatin1Char(';'), hex) || hex.size() % 2 != 0) {
                return false;
            }
            const QByteArray latin = hex.toLatin1();
            const QByteArray bytes = QByteArray::fromHex(latin);
            if (bytes.toHex() != latin.toLower()) {
                return false;
            }
            out = SqlValue::blob(bytes);
            return true;
        }
        default:
            return false;
        }
    }

private:
    QStringView m_text;
    qsizetype m_at = 0;
};

constexpr qint64 MaxColumns = 64;
} // namespace

void RowChange::appendValue(const SqlValue& value, QString& out)
{
    switch (value.type()) {
    case SqlValue::Type::Null:
        out.append(QLatin1Char('N'));
        return;
    case SqlValue::Type::Integer:
        out.append(QLatin1Char('I'));
        appendNumber(value.toInteger(), out);
        break;
    case SqlValue::Type::Real:
        // Shortest text that reads back as the same double.
        out.append(QLatin1Char('R'));
        out.append(QString::number(value.toReal(), 'g', QLocale::FloatingPointShortest));
        break;
    case SqlValue::Type::Text:
        out.append(QLatin1Char('T'));
        appendSized(value.toText(), out);
        return;
    case SqlValue::Type::Blob:
        out.append(QLatin1Char('X'));
        out.append(QLatin1StringView(value.toBlob().toHex()));
        break;
    }
    out.append(QLatin1Char(';'));
}

void RowChange::appendTo(QString& out, const QStringList* previous) const
{
    if (!table.isEmpty()) {
        out.append(QLatin1Char('@'));
        appendSized(table, out);
    }
    out.append(QLatin1Char(static_cast<char>(kind)));
    appendValue(id, out);
    if (previous && *previous == columns) {
        out.append(QLatin1Char('='));
    } else {
        appendNumber(columns.size(), out);
        out.append(QLatin1Char(';'));
        for (const QString& name : columns) {
            appendSized(name, out);
        }
    }
    for (size_t i = 0; i < static_cast<size_t>(columns.size()); ++i) {
        if (kind != Kind::Insert) {
            appendValue(before.at(i), out);
        }
        if (kind != Kind::Delete) {
            appendValue(after.at(i), out);
        }
    }
}

bool RowChange::plainName(const QString& name)
{
    if (name.isEmpty() || name.size() > 64 || name.at(0).isDigit()) {
        return false;
    }
    for (const QChar c : name) {
        if (!(c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_')))) {
            return false;
        }
    }
    return true;
}

const QStringList& RowChange::tables()
{
    static const QStringList names{QStringLiteral("StoreWalks"), QStringLiteral("Barcodes"),
                                   QStringLiteral("PricePoints")};
    return names;
}

QString RowChange::tableName() const
{
    return table.isEmpty() ? QStringLiteral("ShoppingLists") : table;
}

bool RowChange::parse(QStringView text, std::vector<RowChange>& out)
{
    Reader reader(text);
    QStringList previous;
    while (!reader.atEnd()) {
        RowChange change;
        // Only names of our own tables: the text may have been edited by hand.
        if (reader.skip(QLatin1Char('@')) && (!reader.sized(change.table) || !tables().contains(change.table))) {
            return false;
        }
        QChar kind;
        reader.take(kind);
        if (kind != QLatin1Char('U') && kind != QLatin1Char('I') && kind != QLatin1Char('D')) {
            return false;
        }
        change.kind = static_cast<Kind>(kind.toLatin1());
        if (!reader.value(change.id)) {
            return false;
        }
        if (reader.skip(QLatin1Char('='))) {
            if (previous.isEmpty()) {
                return false;
            }
            change.columns = previous;
        } else {
            qint64 count = 0;
            if (!reader.number(QLatin1Char(';'), count) || count < 1 || count > MaxColumns) {
                return false;
            }
            for (qint64 i = 0; i < count; ++i) {
                QString name;
                if (!reader.sized(name) || !plainName(name)) {
                    return false;
                }
                change.columns << name;
            }
            previous = change.columns;
        }
        for (qsizetype i = 0; i < change.columns.size(); ++i) {
            SqlValue value;
            if (change.kind != Kind::Insert) {
                if (!reader.value(value)) {
                    return false;
                }
                change.before.push_back(value);
            }
            if (change.kind != Kind::Delete) {
                if (!reader.value(value)) {
                    return false;
                }
                change.after.push_back(value);
            }
        }
        out.push_back(std::move(change));
    }
    return true;
}
