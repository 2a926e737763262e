#include "transfer/JsonTransfer.h"

#include "store/catalog/Barcode.h"
#include "transfer/PriceTransfer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace
{
// A JSON string: quotes, backslashes and control characters escaped, the
// rest as UTF-8.
void appendText(const QString& text, QByteArray& out)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            escaped += QLatin1Char('\\');
            escaped += c;
        } else if (u < 0x20) {
            escaped += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            escaped += c;
        }
    }
    escaped += QLatin1Char('"');
    out += escaped.toUtf8();
}

void appendValue(const SqlValue& value, QByteArray& out)
{
    switch (value.type()) {
    case SqlValue::Type::Null:
        out += "null";
        return;
    case SqlValue::Type::Integer:
        out += QByteArray::number(value.toInteger());
        return;
    case SqlValue::Type::Real:
        if (std::isfinite(value.toReal())) {
            out += TransferColumns::toText(value).toLatin1();
        } else {
            appendText(TransferColumns::toText(value), out);
        }
        return;
    case SqlValue::Type::Text:
    case SqlValue::Type::Blob:
        appendText(TransferColumns::toText(value), out);
        return;
    }
}

int lineAt(const QByteArray& utf8, qsizetype offset)
{
    return 1 + static_cast<int>(QByteArrayView(utf8).first(std::min(offset, utf8.size())).count('\n'));
}

// The line each element of the top-level "items" array starts on. The text
// is known to be valid JSON.
std::vector<int> itemLines(const QByteArray& utf8)
{
    std::vector<int> lines;
    int depth = 0;
    int line = 1;
    bool inString = false;
    QByteArray key;
    QByteArray last; // the last string closed at depth 1
    bool inItems = false;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8.at(i);
        if (c == '\n') {
            ++line;
        }
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                if (depth == 1) {
                    last = key;
                }
            } else if (depth == 1) {
                key += c;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            key.clear();
        } else if (c == '[' || c == '{') {
            if (inItems && depth == 2) {
                lines.push_back(line);
            }
            if (c == '[' && depth == 1 && last == "items") {
                inItems = true;
            }
            ++depth;
        } else if (c == ']' || c == '}') {
            --depth;
            if (depth == 1) {
                inItems = false;
            }
        } else if (inItems && depth == 2 && c != ',' && c != ' ' && c != '\n' && c != '\r' && c != '\t') {
            lines.push_back(line);
            while (i + 1 < utf8.size() && utf8.at(i + 1) != ',' && utf8.at(i + 1) != ']') {
                ++i;
            }
        }
    }
    return lines;
}

std::optional<SqlValue> valueOf(int column, const QJsonValue& json, QString& reason)
{
    switch (json.type()) {
    case QJsonValue::Null:
        return SqlValue();
    case QJsonValue::Bool:
        return TransferColumns::check(column, SqlValue::integer(json.toBool() ? 1 : 0), reason);
    case QJsonValue::Double: {
        const double number = json.toDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 9e15) {
            return TransferColumns::check(column, SqlValue::integer(json.toInteger()), reason);
        }
        return TransferColumns::check(column, SqlValue::real(number), reason);
    }
    case QJsonValue::String:
        return TransferColumns::check(column, SqlValue::text(json.toString()), reason);
    default:
        reason = JsonTransfer::tr("%1 should be a number, a text or null.").arg(TransferColumns::name(column));
        return std::nullopt;
    }
}
// The keys of an item's "Barcodes" (absent: none); why they are refused,
// or empty.
QString readBarcodes(const QJsonValue& json, QStringList& keys)
{
    if (json.isUndefined() || json.isNull()) {
        return {};
    }
    if (!json.isArray()) {
        return JsonTransfer::tr("Barcodes should be a list of texts.");
    }
    for (const QJsonValue& entry : json.toArray()) {
        const Barcode code = Barcode::parse(entry.toString());
        if (!entry.isString() || !code.valid()) {
            return JsonTransfer::tr("Barcode %1: %2")
                .arg(entry.isString() ? QStringLiteral("\"%1\"").arg(entry.toString().left(Barcode::MaxLength))
                                      : QStringLiteral("?"),
                     entry.isString() ? code.refusal() : JsonTransfer::tr("not a text."));
        }
        if (!keys.contains(code.key())) {
            keys << code.key();
        }
    }
    return {};
}
} // namespace

QByteArray JsonTransfer::begin()
{
    return QByteArrayLiteral("{\"format\": \"Grocelle catalog\", \"version\": 1, \"items\": [\n");
}

void JsonTransfer::appendItem(const std::vector<SqlValue>& row, bool first, QByteArray& out,
                              const QStringList& barcodes, const std::vector<PricePoint>& prices)
{
    out += first ? "{" : ",\n{";
    for (int column = 0; column < TransferColumns::Count; ++column) {
        if (column > 0) {
            out += ", ";
        }
        out += '"' + TransferColumns::name(column).toLatin1() + "\": ";
        appendValue(row[static_cast<size_t>(column)], out);
    }
    if (!barcodes.isEmpty()) {
        out += ", \"Barcodes\": [";
        for (qsizetype i = 0; i < barcodes.size(); ++i) {
            out += i > 0 ? ", " : "";
            appendText(barcodes[i], out);
        }
        out += ']';
    }
    PriceTransfer::append(prices, out);
    out += '}';
}

QByteArray JsonTransfer::end()
{
    return QByteArrayLiteral("\n]}\n");
}

void JsonTransfer::read(const QByteArray& utf8, TransferFile& file)
{
    file.format = TransferFile::Format::Json;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (error.error != QJsonParseError::NoError) {
        file.fail(lineAt(utf8, error.offset), tr("The JSON is not well-formed: %1.").arg(error.errorString()));
        return;
    }
    const QJsonObject top = document.object();
    if (!document.isObject() || !top.value(QStringLiteral("items")).isArray()) {
        file.fail(0, tr("The JSON holds no \"items\" list of a Grocelle catalog."));
        return;
    }
    if (top.value(QStringLiteral("version")).toInt(Version) > Version) {
        file.fail(0, tr("The file was written by a newer Grocelle (version %1).")
                         .arg(top.value(QStringLiteral("version")).toInt()));
        return;
    }
    const QJsonArray items = top.value(QStringLiteral("items")).toArray();
    const std::vector<int> lines = itemLines(utf8);
    for (qsizetype i = 0; i < items.size(); ++i) {
        TransferRecord record;
        record.line = static_cast<size_t>(i) < lines.size() ? lines[static_cast<size_t>(i)] : 0;
        if (!items.at(i).isObject()) {
            file.refuse(record.line, tr("Item %1 is not an object.").arg(i + 1));
            continue;
        }
        const QJsonObject item = items.at(i).toObject();
        QString reason = readBarcodes(item.value(QStringLiteral("Barcodes")), record.barcodes);
        if (reason.isEmpty()) {
            reason = PriceTransfer::read(item.value(QStringLiteral("Prices")), record.prices);
        }
        for (auto at = item.begin(); at != item.end() && reason.isEmpty(); ++at) {
            const int column = TransferColumns::find(at.key());
            if (column < 0) {
                continue;
            }
            const std::optional<SqlValue> value = valueOf(column, at.value(), reason);
            if (value) {
                record.set(column, *value);
            }
        }
        if (reason.isEmpty()) {
            file.records.push_back(std::move(record));
        } else {
            file.refuse(record.line, reason);
        }
    }
}
