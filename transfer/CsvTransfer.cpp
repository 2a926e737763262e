#include "transfer/CsvTransfer.h"

#include "transfer/ColumnMapping.h"
#include "transfer/DecimalText.h"

#include <QStringDecoder>
#include <QStringList>

#include <csv.h>

#include <algorithm>

namespace
{
// A cell that a spreadsheet would run as a formula, or that starts with the
// apostrophe that marks such a cell.
bool needsGuard(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    switch (text.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
    case '\'':
        return true;
    default:
        return false;
    }
}

bool needsQuotes(const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        return true;
    }
    const char first = bytes.front();
    const char last = bytes.back();
    if (first == ' ' || first == '\t' || last == ' ' || last == '\t') {
        return true;
    }
    for (const char c : bytes) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return false;
}

// libcsv trims blanks around unquoted cells unless told that nothing is a
// blank: cells keep every character they have.
int noBlanks(unsigned char)
{
    return 0;
}

struct SplitState
{
    CsvTransfer::Cells cells;
    int recordLine = 0;
    bool pendingStart = true;
    bool stopped = false;
    const std::function<bool(const CsvTransfer::Cells&, int)>* sink = nullptr;
};

void onCell(void* data, size_t length, void* opaque)
{
    auto* state = static_cast<SplitState*>(opaque);
    if (data == nullptr) {
        state->cells.emplace_back(std::nullopt);
    } else {
        state->cells.emplace_back(QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(length)));
    }
}

void onRecord(int, void* opaque)
{
    auto* state = static_cast<SplitState*>(opaque);
    if (!state->stopped && !(*state->sink)(state->cells, state->recordLine)) {
        state->stopped = true;
    }
    state->cells.clear();
    state->pendingStart = true;
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool blankRecord(const CsvTransfer::Cells& cells)
{
    for (const auto& cell : cells) {
        if (cell && !cell->trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

// A cell as text: nullopt (reason set) when its bytes are not UTF-8.
std::optional<QString> decode(const QByteArray& bytes, QString& reason)
{
    // Most cells are ASCII, which needs no decoder.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        reason = CsvTransfer::tr("The line is not valid UTF-8 text.");
        return std::nullopt;
    }
    return text;
}

// Which catalog column (or other meaning) each cell of a row carries.
struct Layout
{
    TransferFile::Format format = TransferFile::Format::Unknown;
    std::vector<int> columns; // per cell: a TransferColumns::Column, or -1 for a cell not read
    // For the other program's files: where its cells stand (-1: absent).
    int subject = -1, complete = -1, list = -1, tags = -1;
    int need = -1, quantity = -1, units = -1, price = -1, category = -1, stores = -1, note = -1;
    // A file of its own columns, and the decimal mark of numbers that
    // cannot tell (DecimalText).
    const ColumnMapping* mapping = nullptr;
    DecimalText::Mark decimal = DecimalText::Mark::Point;
};

// Cells as text, for the mapping step's sample: a cell that is no UTF-8
// shows as well as it can.
QStringList textCells(const CsvTransfer::Cells& cells)
{
    QStringList texts;
    for (const auto& cell : cells) {
        texts << (cell ? QString::fromUtf8(*cell) : QString());
    }
    return texts;
}

int cellIndex(const QStringList& names, const char* name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool readHeader(const CsvTransfer::Cells& cells, int line, Layout& layout, TransferFile& file)
{
    QStringList names;
    for (const auto& cell : cells) {
        names << (cell ? QString::fromUtf8(*cell).trimmed() : QString());
    }
    file.header = names;
    if (layout.mapping) {
        layout.format = TransferFile::Format::Mapped;
        return true;
    }
    bool ours = true;
    for (const QString& name : names) {
        const int column = TransferColumns::find(name);
        ours = ours && column >= 0
               && std::find(layout.columns.begin(), layout.columns.end(), column) == layout.columns.end();
        layout.columns.push_back(column);
    }
    if (ours && cellIndex(names, "ItemName") >= 0) {
        layout.format = TransferFile::Format::Csv;
        return true;
    }
    layout.subject = cellIndex(names, "Subject");
    layout.complete = cellIndex(names, "% Complete");
    layout.list = cellIndex(names, "Categories");
    layout.tags = cellIndex(names, "Tags");
    if (layout.subject >= 0 && layout.complete >= 0) {
        layout.format = TransferFile::Format::OiShopping;
        return true;
    }
    layout.need = cellIndex(names, "Need");
    layout.subject = cellIndex(names, "Description");
    if (layout.need >= 0 && layout.subject >= 0) {
        layout.quantity = cellIndex(names, "Quantity");
        layout.units = cellIndex(names, "Units");
        layout.price = cellIndex(names, "Price");
        layout.category = cellIndex(names, "Category");
        layout.stores = cellIndex(names, "Stores");
        layout.note = cellIndex(names, "Note");
        layout.format = TransferFile::Format::HandyShopper;
        return true;
    }
    const QString shown = names.join(QLatin1Char(',')).left(80);
    file.fail(line, CsvTransfer::tr("The header \"%1\" matches no format Grocelle reads: its own columns (%2), or "
                                    "OI Shopping List's (Subject, % Complete, Categories, Tags).")
                        .arg(shown, TransferColumns::list()));
    return false;
}

// The cell at index as text; nullopt when absent or not UTF-8 (reason set
// for the latter), an empty QString for an empty unquoted cell.
std::optional<QString> textAt(const CsvTransfer::Cells& cells, int index, QString& reason)
{
    if (index < 0 || static_cast<size_t>(index) >= cells.size()) {
        return std::nullopt;
    }
    const auto& cell = cells[static_cast<size_t>(index)];
    return cell ? decode(*cell, reason) : std::optional<QString>(QString());
}

bool takeOurs(const Layout& layout, const CsvTransfer::Cells& cells, TransferRecord& record, QString& reason)
{
    for (size_t i = 0; i < cells.size(); ++i) {
        const int column = layout.columns[i];
        if (!cells[i]) {
            record.set(column, SqlValue());
            continue;
        }
        std::optional<QString> text = decode(*cells[i], reason);
        if (!text) {
            return false;
        }
        if (text->startsWith(QLatin1Char('\''))) {
            text->remove(0, 1);
        }
        if (!TransferColumns::isText(column)) {
            *text = DecimalText::plain(*text, layout.decimal);
        }
        const std::optional<SqlValue> value = TransferColumns::fromText(column, *text, reason);
        if (!value) {
            return false;
        }
        record.set(column, *value);
    }
    return true;
}

// Sets column from text when the text says something; false (reason set)
// when the column cannot hold it.
bool put(TransferRecord& record, int column, const std::optional<QString>& text, QString& reason)
{
    if (!text || text->trimmed().isEmpty()) {
        return true;
    }
    const std::optional<SqlValue> value = TransferColumns::fromText(column, text->trimmed(), reason);
    if (value) {
        record.set(column, *value);
    }
    return value.has_value();
}

// OI Shopping List: each row an item on one of its lists. The list becomes
// the store, the first tag the department; a row is on the shopping list
// (quantity 1), marked when it was bought (% Complete 1).
bool takeOi(const Layout& layout, const CsvTransfer::Cells& cells, TransferRecord& record, QString& reason)
{
    const auto complete = textAt(cells, layout.complete, reason);
    const auto tags = textAt(cells, layout.tags, reason);
    if (!reason.isEmpty()) {
        return false;
    }
    record.set(TransferColumns::QtyToBuy, SqlValue::integer(1));
    record.set(TransferColumns::Checked, SqlValue::integer(complete && complete->trimmed() == QLatin1String("1")));
    return put(record, TransferColumns::Store, textAt(cells, layout.list, reason), reason)
           && put(record, TransferColumns::Dept, tags ? std::optional(tags->section(QLatin1Char(','), 0, 0)) : tags,
                  reason);
}

// HandyShopper: Need is "x" for an item to buy, "have" for one taken off the
// list, empty for one bought (marked). Stores lists several, by ";".
bool takeHandy(const Layout& layout, const CsvTransfer::Cells& cells, TransferRecord& record, QString& reason)
{
    const auto need = textAt(cells, layout.need, reason);
    const auto stores = textAt(cells, layout.stores, reason);
    if (!reason.isEmpty()) {
        return false;
    }
    const QString state = need ? need->trimmed().toLower() : QString();
    record.set(TransferColumns::QtyToBuy, SqlValue::integer(state == QLatin1String("have") ? 0 : 1));
    record.set(TransferColumns::Checked, SqlValue::integer(state.isEmpty()));
    if (state != QLatin1String("have")
        && !put(record, TransferColumns::QtyToBuy, textAt(cells, layout.quantity, reason), reason)) {
        return false;
    }
    return put(record, TransferColumns::UnitOfPurchase, textAt(cells, layout.units, reason), reason)
           && put(record, TransferColumns::Price, textAt(cells, layout.price, reason), reason)
           && put(record, TransferColumns::Dept, textAt(cells, layout.category, reason), reason)
           && put(record, TransferColumns::Store,
                  stores ? std::optional(stores->section(QLatin1Char(';'), 0, 0)) : stores, reason)
           && put(record, TransferColumns::ItemNameDetail, textAt(cells, layout.note, reason), reason);
}

bool takeRow(const Layout& layout, const CsvTransfer::Cells& cells, TransferRecord& record, QString& reason)
{
    if (layout.format == TransferFile::Format::Csv) {
        return takeOurs(layout, cells, record, reason);
    }
    if (layout.format == TransferFile::Format::Mapped) {
        QStringList texts;
        for (const auto& cell : cells) {
            const std::optional<QString> text = cell ? decode(*cell, reason) : std::optional<QString>(QString());
            if (!text) {
                return false;
            }
            texts << *text;
        }
        return layout.mapping->take(texts, record, reason, layout.decimal);
    }
    const std::optional<QString> name = textAt(cells, layout.subject, reason);
    if (!name) {
        return false;
    }
    const std::optional<SqlValue> value = TransferColumns::fromText(TransferColumns::ItemName, name->trimmed(), reason);
    if (!value) {
        return false;
    }
    record.set(TransferColumns::ItemName, *value);
    return layout.format == TransferFile::Format::OiShopping ? takeOi(layout, cells, record, reason)
                                                             : takeHandy(layout, cells, record, reason);
}
// The decimal mark a file of its own columns goes by: that of most of its
// numbers that show one, otherwise the user's.
DecimalText::Mark fileDecimal(QByteArrayView utf8, const ColumnMapping& mapping)
{
    int commas = 0;
    int points = 0;
    bool headed = false;
    CsvTransfer::split(utf8, [&](const CsvTransfer::Cells& cells, int) {
        if (blankRecord(cells) || !headed) {
            headed = headed || !blankRecord(cells);
            return true;
        }
        for (size_t i = 0; i < cells.size() && i < mapping.columns.size(); ++i) {
            const int column = mapping.columns[i];
            if (column == ColumnMapping::Ignored || TransferColumns::isText(column) || !cells[i]) {
                continue;
            }
            const DecimalText::Mark mark = DecimalText::markOf(QString::fromUtf8(*cells[i]).trimmed());
            commas += mark == DecimalText::Mark::Comma;
            points += mark == DecimalText::Mark::Point;
        }
        return true;
    });
    if (commas != points) {
        return commas > points ? DecimalText::Mark::Comma : DecimalText::Mark::Point;
    }
    return DecimalText::userMark();
}
} // namespace

QByteArray CsvTransfer::header()
{
    QByteArray line;
    for (int column = 0; column < TransferColumns::Count; ++column) {
        if (column > 0) {
            line += ',';
        }
        line += TransferColumns::name(column).toLatin1();
    }
    return line + "\r\n";
}

QByteArray CsvTransfer::cell(const SqlValue& value, bool)
{
    if (value.isNull()) {
        return {};
    }
    QString text = TransferColumns::toText(value);
    const bool number = value.type() == SqlValue::Type::Integer || value.type() == SqlValue::Type::Real;
    if (!number && needsGuard(text)) {
        text.prepend(QLatin1Char('\''));
    }
    QByteArray bytes = text.toUtf8();
    if (number || !needsQuotes(bytes)) {
        return bytes;
    }
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

void CsvTransfer::appendRow(const Row& row, QByteArray& out)
{
    for (int column = 0; column < TransferColumns::Count; ++column) {
        if (column > 0) {
            out += ',';
        }
        out += cell(row[static_cast<size_t>(column)], TransferColumns::isText(column));
    }
    out += "\r\n";
}

int CsvTransfer::split(QByteArrayView utf8, const std::function<bool(const Cells&, int)>& sink)
{
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT_FINI | CSV_EMPTY_IS_NULL) != 0) {
        return -1;
    }
    csv_set_space_func(&parser, noBlanks);
    // libcsv grows a cell's buffer by this much at a time: small steps make
    // a very long line cost a copy per step.
    csv_set_blk_size(&parser, 256 * 1024);
    SplitState state;
    state.sink = &sink;
    const char* data = utf8.data();
    const qsizetype size = utf8.size();
    qsizetype at = 0;
    int line = 0;
    // Fed one line at a time, so that a record knows the line it starts on.
    while (at < size && !state.stopped) {
        qsizetype end = at;
        while (end < size && !isLineEnd(data[end])) {
            ++end;
        }
        if (end < size) {
            end += data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1;
        }
        ++line;
        if (state.pendingStart && !isLineEnd(data[at])) {
            state.recordLine = line;
            state.pendingStart = false;
        }
        const auto length = static_cast<size_t>(end - at);
        if (csv_parse(&parser, data + at, length, onCell, onRecord, &state) != length) {
            csv_free(&parser);
            return state.recordLine > 0 ? state.recordLine : line;
        }
        at = end;
    }
    // libcsv reports a quote left open only in its strict mode, which also
    // stops at a stray quote inside a cell; its state tells it as well. 2 is
    // its state inside a cell.
    const bool open = !state.stopped && parser.quoted != 0 && parser.pstate == 2;
    const bool closed = state.stopped || (!open && csv_fini(&parser, onCell, onRecord, &state) == 0);
    csv_free(&parser);
    return closed ? 0 : state.recordLine;
}

void CsvTransfer::read(QByteArrayView utf8, TransferFile& file, const std::function<bool()>& stop,
                       const ColumnMapping* mapping)
{
    Layout layout;
    layout.mapping = mapping;
    layout.decimal = mapping ? fileDecimal(utf8, *mapping) : DecimalText::userMark();
    bool headed = false;
    bool sampling = false;
    int seen = 0;
    // Records are large: growing the list step by step would copy them.
    file.records.reserve(static_cast<size_t>(utf8.count('\n')) + 1);
    const int openLine = split(utf8, [&](const Cells& cells, int line) {
        if (stop && ++seen % 2048 == 0 && stop()) {
            file.cancelled = true;
            return false;
        }
        if (blankRecord(cells)) {
            return true;
        }
        if (!headed) {
            headed = true;
            sampling = !readHeader(cells, line, layout, file);
            return true;
        }
        if (sampling) {
            file.sample.push_back(textCells(cells));
            return file.sample.size() < TransferFile::SampleRows;
        }
        if (layout.format == TransferFile::Format::Csv && cells.size() != layout.columns.size()) {
            file.refuse(line, CsvTransfer::tr("It has %1 values where the header has %2.")
                                  .arg(cells.size())
                                  .arg(layout.columns.size()));
            return true;
        }
        TransferRecord record;
        record.line = line;
        QString reason;
        if (takeRow(layout, cells, record, reason)) {
            file.records.push_back(std::move(record));
        } else {
            file.refuse(line, reason);
        }
        return true;
    });
    file.format = layout.format;
    if (openLine != 0 && file.readable()) {
        file.fail(openLine, CsvTransfer::tr("A quoted value that starts on this line is never closed."));
    } else if (!headed && file.readable()) {
        file.fail(0, CsvTransfer::tr("The file holds no lines."));
    }
}
