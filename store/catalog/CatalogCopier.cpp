#include "store/catalog/CatalogCopier.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/StoreWalks.h"
#include "store/journal/Journal.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace
{
const char* const kColumns[] = {"ID",    "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail", "Dept",
                                "Store", "GiftFor",  "Checked",  "DeptOrder",      "Price",          "Coupon"};
constexpr int kColumnCount = 12;
// Rows per INSERT: few round trips to a server, statements of modest size.
constexpr int kBatch = 500;

// The width of each text column on a server, which refuses a longer value
// (0: not text). A file takes any length, as it always did.
constexpr int kWidths[] = {0, 30, 0, 30, 50, 30, 30, 15, 0, 0, 0, 0};
// Whole-number columns, and the range of each; Price is the one real.
struct Range
{
    qint64 low;
    qint64 high;
};
constexpr Range kIntegers[] = {
    {INT32_MIN, INT32_MAX}, {0, 0}, {-32768, 32767},       {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {-32768, 32767},
    {INT32_MIN, INT32_MAX}, {0, 0}, {INT32_MIN, INT32_MAX}};
constexpr int kPrice = 10;

// Every column, then whether each is missing. The mark is read as the
// number stored (1 stays 1), not as the flag the layer makes of a bit column.
QString readStatement()
{
    QStringList columns;
    QStringList missing;
    for (const char* column : kColumns) {
        columns << (qstrcmp(column, "Checked") == 0 ? QStringLiteral("CAST(Checked AS integer)")
                                                    : QString::fromLatin1(column));
        missing << QStringLiteral("%1 IS NULL").arg(QLatin1String(column));
    }
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + QStringLiteral(", ")
           + missing.join(QStringLiteral(", ")) + QStringLiteral(" FROM ShoppingLists ORDER BY ID");
}

// The values of the current row: text, or a null QString for a missing one.
std::vector<QString> rowValues(CAdoRecordset& set)
{
    std::vector<QString> values;
    values.reserve(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        const bool missing = set.GetField(kColumnCount + c).GetText() != QLatin1String("0");
        values.push_back(missing ? QString() : QString(set.GetField(c).GetText()));
    }
    return values;
}

QString describe(const QString& location)
{
    return PgSession::isUri(location) ? PgSession::describe(location) : location;
}

// One entry of the undo history, with its parts, as read from the source.
struct JournalEntry
{
    std::vector<SqlValue> action; // the action's columns and ByteSize
    std::vector<std::pair<SqlValue, SqlValue>> parts;
};

// Everything a copy writes, read from the source before anything of the
// target is touched.
struct SourceCatalog
{
    std::vector<std::vector<QString>> rows;
    QString checksum;
    bool journalUsable = false;
    std::vector<JournalEntry> journal;
};

bool openSource(const QString& from, CAdoConnection& connection, QString& error)
{
    if (!PgSession::isUri(from) && !QFileInfo::exists(from)) {
        error = QCoreApplication::translate("CatalogCopier", "There is no catalog at %1.").arg(from);
        return false;
    }
    if (connection.Open(from) != 0) {
        error = QCoreApplication::translate("CatalogCopier", "%1 cannot be opened: %2")
                    .arg(describe(from), connection.lastError());
        return false;
    }
    return true;
}

bool openTarget(const QString& to, CAdoConnection& connection, QString& error)
{
    const Catalog::FileState state = Catalog::prepareFile(to);
    if (state != Catalog::FileState::Ready && state != Catalog::FileState::Created) {
        error = Catalog::fileStateMessage(state, to);
        return false;
    }
    if (connection.Open(to) != 0) {
        error = QCoreApplication::translate("CatalogCopier", "%1 cannot be opened: %2")
                    .arg(describe(to), connection.lastError());
        return false;
    }
    return true;
}

// The source's undo history. Entries that the journal would skip as damaged
// are left behind.
std::vector<JournalEntry> readJournal(CAdoConnection& source)
{
    std::vector<JournalEntry> entries;
    const QString columns = Journal::actionColumns() + QStringLiteral(", ByteSize");
    CAdoCommand actions(source, QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM JournalActions"));
    CAdoCommand parts(source, QStringLiteral("SELECT Part, Changes FROM JournalChanges WHERE ActionID = ?"));
    while (actions.next()) {
        bool sound = actions.value(1).type() == SqlValue::Type::Text;
        for (const int column : {0, 2, 3, 4, 5}) {
            sound = sound && actions.value(column).type() == SqlValue::Type::Integer;
        }
        if (!sound) {
            continue;
        }
        JournalEntry& entry = entries.emplace_back();
        for (int column = 0; column < 6; ++column) {
            entry.action.push_back(actions.value(column));
        }
    }
    for (JournalEntry& entry : entries) {
        parts.bind(1, entry.action[0]);
        while (parts.next()) {
            if (parts.value(0).type() == SqlValue::Type::Integer && parts.value(1).type() == SqlValue::Type::Text) {
                entry.parts.emplace_back(parts.value(0), parts.value(1));
            }
        }
    }
    return entries;
}

// The undo history read from the source into the target, in place of the
// target's own (which spoke of rows the copy replaced). A target whose
// journal tables are another program's keeps them as they are. Returns the
// number of actions copied.
long writeJournal(const SourceCatalog& source, CAdoConnection& target)
{
    if (Journal::tablesExist(target) && !Journal::tablesUsable(target)) {
        return 0;
    }
    if (!Journal::ensureTables(target)) {
        ADO_RAISE_LAST(CAdoException::CannotWrite, target);
    }
    CAdoCommand(target, QStringLiteral("DELETE FROM JournalChanges")).run();
    CAdoCommand(target, QStringLiteral("DELETE FROM JournalActions")).run();
    if (!source.journalUsable) {
        return 0;
    }
    const QString columns = Journal::actionColumns() + QStringLiteral(", ByteSize");
    CAdoCommand addAction(target, QStringLiteral("INSERT INTO JournalActions (") + columns
                                      + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?)"));
    CAdoCommand addPart(target,
                        QStringLiteral("INSERT INTO JournalChanges (ActionID, Part, Changes) VALUES (?, ?, ?)"));
    for (const JournalEntry& entry : source.journal) {
        for (int column = 0; column < 6; ++column) {
            addAction.bind(column + 1, entry.action[static_cast<size_t>(column)]);
        }
        addAction.run();
        for (const auto& [part, changes] : entry.parts) {
            addPart.bind(1, entry.action[0]);
            addPart.bind(2, part);
            addPart.bind(3, changes);
            addPart.run();
        }
    }
    return static_cast<long>(source.journal.size());
}

// The statement that inserts count rows, and the rows' values in order (a
// value is bound as text, which takes the column's type on both engines).
QString insertStatement(size_t count)
{
    QStringList columns;
    QStringList marks;
    for (const char* column : kColumns) {
        columns << QLatin1String(column);
        marks << QStringLiteral("?");
    }
    const QString row = QStringLiteral("(") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    QStringList rows;
    for (size_t r = 0; r < count; ++r) {
        rows << row;
    }
    return QStringLiteral("INSERT INTO ShoppingLists (") + columns.join(QStringLiteral(", "))
           + QStringLiteral(") VALUES ") + rows.join(QStringLiteral(", "));
}

bool insertRows(CAdoConnection& target, const std::vector<std::vector<QString>>& rows, size_t from, size_t count)
{
    std::vector<SqlValue> values;
    values.reserve(count * kColumnCount);
    for (size_t r = from; r < from + count; ++r) {
        for (const QString& value : rows[r]) {
            values.push_back(value.isNull() ? SqlValue() : SqlValue::text(value));
        }
    }
    return target.Execute(insertStatement(count), values);
}

// Why a server would refuse the value of column c of a row, empty when it
// takes it: a text longer than its column (counted in characters), a NUL,
// or a number that is none or too large.
QString refusal(int c, const QString& value)
{
    const char* column = kColumns[c];
    if (kWidths[c] > 0) {
        const qsizetype characters = value.toUcs4().size();
        if (characters > kWidths[c]) {
            return QCoreApplication::translate("CatalogCopier", "%1 has %2 characters, more than its %3")
                .arg(QString::fromLatin1(column), QString::number(characters), QString::number(kWidths[c]));
        }
        if (value.contains(QChar(u'\0'))) {
            return QCoreApplication::translate("CatalogCopier", "%1 holds a NUL character")
                .arg(QString::fromLatin1(column));
        }
        return {};
    }
    bool ok = false;
    if (c == kPrice) {
        value.trimmed().toDouble(&ok);
    } else {
        const qint64 number = value.trimmed().toLongLong(&ok);
        ok = ok && number >= kIntegers[c].low && number <= kIntegers[c].high;
    }
    return ok ? QString()
              : QCoreApplication::translate("CatalogCopier", "%1 holds \"%2\", which is not a number it takes")
                    .arg(QString::fromLatin1(column), value);
}

// Every row read from the source is one the target takes; the reason
// against the first that is not, else empty.
QString checkRows(const SourceCatalog& source, const QString& to)
{
    if (!PgSession::isUri(to)) {
        return {};
    }
    for (const std::vector<QString>& row : source.rows) {
        for (int c = 0; c < kColumnCount; ++c) {
            const QString& value = row[static_cast<size_t>(c)];
            const QString why = value.isNull() ? QString() : refusal(c, value);
            if (!why.isEmpty()) {
                return QCoreApplication::translate("CatalogCopier",
                                                   "Item %1 cannot be stored on the %2: %3. Nothing was copied.")
                    .arg(row[0], describe(to), why);
            }
        }
    }
    return {};
}
} // namespace

namespace
{
QString checksumOf(const std::vector<std::vector<QString>>& rows)
{
    std::vector<QByteArray> hashes;
    hashes.reserve(rows.size());
    for (const std::vector<QString>& values : rows) {
        QByteArray row;
        for (const QString& value : values) {
            row += value.isNull() ? QByteArray("\x01", 1) : '\x02' + value.toUtf8();
            row += '\x1f';
        }
        hashes.push_back(QCryptographicHash::hash(row, QCryptographicHash::Sha256));
    }
    std::sort(hashes.begin(), hashes.end());
    QCryptographicHash all(QCryptographicHash::Sha256);
    for (const QByteArray& hash : hashes) {
        all.addData(hash);
    }
    return QString::fromLatin1(all.result().toHex());
}

// Every row of the catalog, or nullopt with error set when it cannot be read.
std::optional<std::vector<std::vector<QString>>> readRows(CAdoConnection& connection, QString& error)
{
    CAdoRecordset set;
    if (!set.Open(readStatement(), connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        error = connection.lastError();
        return std::nullopt;
    }
    std::vector<std::vector<QString>> rows;
    for (; !set.IsEOF(); set.MoveNext()) {
        rows.push_back(rowValues(set));
    }
    return rows;
}

QString alreadyHolds(const QString& to, long present)
{
    return QCoreApplication::translate("CatalogCopier",
                                       "%1 already holds %2 items; nothing was copied. Give --replace to replace them.")
        .arg(describe(to), QString::number(present));
}

// The whole source: its rows and its undo history. False, with error set,
// when it holds no readable catalog.
bool readSource(const QString& from, SourceCatalog& read, QString& error)
{
    CAdoConnection source(true);
    if (!openSource(from, source, error)) {
        return false;
    }
    std::optional<std::vector<std::vector<QString>>> rows = readRows(source, error);
    if (!rows) {
        error =
            QCoreApplication::translate("CatalogCopier", "%1 holds no readable catalog: %2").arg(describe(from), error);
        return false;
    }
    read.rows = std::move(*rows);
    read.checksum = checksumOf(read.rows);
    read.journalUsable = Journal::tablesUsable(source);
    if (read.journalUsable) {
        read.journal = readJournal(source);
    }
    return true;
}

// The target as it is, before anything is made in it: false, with error
// set, when it cannot be reached or holds rows that may not be replaced. A
// target without a catalog yet is for openTarget to make or refuse.
bool checkTarget(const QString& to, bool replace, QString& error)
{
    CAdoConnection target(true);
    if (target.Open(to) != 0) {
        if (PgSession::isUri(to)) {
            error = QCoreApplication::translate("CatalogCopier", "%1 cannot be opened: %2")
                        .arg(describe(to), target.lastError());
            return false;
        }
        return true;
    }
    CAdoRecordset set;
    if (!set.Open(QStringLiteral("SELECT count(*) FROM ShoppingLists"), target, CAdoRecordset::adOpenForwardOnly,
                  CAdoRecordset::adLockReadOnly)
        || set.IsEOF()) {
        return true;
    }
    const long present = set.GetField(0).GetLong();
    if (present > 0 && !replace) {
        error = alreadyHolds(to, present);
        return false;
    }
    return true;
}

// Writes what was read into the open target, in one transaction; result
// tells what came of it.
void writeTarget(const SourceCatalog& read, const QString& from, CAdoConnection& target, const QString& to,
                 bool replace, CatalogCopier::Result& result)
{
    CAdoTransaction transaction(target);
    if (!transaction.active()) {
        result.error = target.lastError();
        return;
    }
    // Counted again inside the transaction: another program may have
    // written since the check.
    CAdoRecordset set;
    if (!set.Open(QStringLiteral("SELECT count(*) FROM ShoppingLists"), target) || set.IsEOF()) {
        result.error = target.lastError();
        return;
    }
    const long present = set.GetField(0).GetLong();
    set.Close();
    if (present > 0 && !replace) {
        result.error = alreadyHolds(to, present);
        return;
    }
    if (present > 0 && !target.Execute(QStringLiteral("DELETE FROM ShoppingLists"))) {
        result.error = target.lastError();
        return;
    }
    for (size_t first = 0; first < read.rows.size(); first += kBatch) {
        if (!insertRows(target, read.rows, first, std::min<size_t>(kBatch, read.rows.size() - first))) {
            result.error = target.lastError();
            return;
        }
    }
    result.journalActions = writeJournal(read, target);
    // The stores' walks and the marks they are learned from are small: read
    // from the source again, inside the target's transaction.
    CAdoConnection source(true);
    if (!openSource(from, source, result.error)) {
        return;
    }
    result.walkRows = StoreWalks::copyInto(source, target);

    std::optional<std::vector<std::vector<QString>>> written = readRows(target, result.error);
    result.rows = written ? static_cast<long>(written->size()) : 0;
    result.targetChecksum = written ? checksumOf(*written) : QString();
    if (result.targetChecksum != result.sourceChecksum || result.rows != static_cast<long>(read.rows.size())) {
        result.error = QCoreApplication::translate(
                           "CatalogCopier", "The copy does not match its source (%1 of %2 rows); nothing was copied.")
                           .arg(result.rows)
                           .arg(read.rows.size());
        return;
    }
    if (!transaction.commit()) {
        result.error = target.lastError();
        return;
    }
    result.copied = true;
}
} // namespace

QString CatalogCopier::checksum(CAdoConnection& connection, long& rows, QString& error)
{
    const std::optional<std::vector<std::vector<QString>>> read = readRows(connection, error);
    rows = read ? static_cast<long>(read->size()) : 0;
    return read ? checksumOf(*read) : QString();
}

CatalogCopier::Result CatalogCopier::copy(const QString& from, const QString& to, bool replace)
{
    // The whole source is read and checked, and the target looked at,
    // before anything of the target is made or changed: a refused copy
    // leaves it as it was.
    Result result;
    SourceCatalog read;
    try {
        if (!readSource(from, read, result.error)) {
            return result;
        }
    } catch (const CAdoException& error) {
        result.error =
            QCoreApplication::translate("CatalogCopier", "%1 cannot be read: %2").arg(describe(from), error.describe());
        return result;
    }
    result.sourceChecksum = read.checksum;
    result.error = checkRows(read, to);
    if (!result.error.isEmpty() || !checkTarget(to, replace, result.error)) {
        return result;
    }
    CAdoConnection target(true);
    if (!openTarget(to, target, result.error)) {
        return result;
    }
    try {
        writeTarget(read, from, target, to, replace, result);
    } catch (const CAdoException& error) {
        result.error = error.describe();
    }
    return result;
}
