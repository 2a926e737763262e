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

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace
{
const char* const kColumns[] = {"ID",    "ItemName", "QtyToBuy", "UnitOfPurchase", "ItemNameDetail", "Dept",
                                "Store", "GiftFor",  "Checked",  "DeptOrder",      "Price",          "Coupon"};
constexpr int kColumnCount = 12;
// Rows per INSERT: few round trips to a server, statements of modest size.
constexpr int kBatch = 500;

// Every column, then whether each is missing.
QString readStatement()
{
    QStringList columns;
    QStringList missing;
    for (const char* column : kColumns) {
        columns << QLatin1String(column);
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

bool openSource(const QString& from, CAdoConnection& connection, QString& error)
{
    if (!PgSession::isUri(from) && !QFileInfo::exists(from)) {
        error = QStringLiteral("There is no catalog at %1.").arg(from);
        return false;
    }
    if (connection.Open(from) != 0) {
        error = QStringLiteral("%1 cannot be opened: %2").arg(describe(from), connection.lastError());
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
        error = QStringLiteral("%1 cannot be opened: %2").arg(describe(to), connection.lastError());
        return false;
    }
    return true;
}

// The source's undo history into the target, in place of the target's own
// (which spoke of rows the copy replaced). Entries that the journal would
// skip as damaged are left behind. A target whose journal tables are another
// program's keeps them as they are. Returns the number of actions copied.
long copyJournal(CAdoConnection& source, CAdoConnection& target)
{
    if (Journal::tablesExist(target) && !Journal::tablesUsable(target)) {
        return 0;
    }
    if (!Journal::ensureTables(target)) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, target.lastError());
    }
    CAdoCommand(target, QStringLiteral("DELETE FROM JournalChanges")).run();
    CAdoCommand(target, QStringLiteral("DELETE FROM JournalActions")).run();
    if (!Journal::tablesUsable(source)) {
        return 0;
    }
    const QString columns = Journal::actionColumns() + QStringLiteral(", ByteSize");
    CAdoCommand actions(source, QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM JournalActions"));
    CAdoCommand addAction(target, QStringLiteral("INSERT INTO JournalActions (") + columns
                                      + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?)"));
    CAdoCommand parts(source, QStringLiteral("SELECT Part, Changes FROM JournalChanges WHERE ActionID = ?"));
    CAdoCommand addPart(target,
                        QStringLiteral("INSERT INTO JournalChanges (ActionID, Part, Changes) VALUES (?, ?, ?)"));
    long copied = 0;
    while (actions.next()) {
        bool sound = actions.value(1).type() == SqlValue::Type::Text;
        for (const int column : {0, 2, 3, 4, 5}) {
            sound = sound && actions.value(column).type() == SqlValue::Type::Integer;
        }
        if (!sound) {
            continue;
        }
        for (int column = 0; column < 6; ++column) {
            addAction.bind(column + 1, actions.value(column));
        }
        addAction.run();
        parts.bind(1, actions.value(0));
        while (parts.next()) {
            if (parts.value(0).type() != SqlValue::Type::Integer || parts.value(1).type() != SqlValue::Type::Text) {
                continue;
            }
            addPart.bind(1, actions.value(0));
            addPart.bind(2, parts.value(0));
            addPart.bind(3, parts.value(1));
            addPart.run();
        }
        ++copied;
    }
    return copied;
}

QString insertStatement(const std::vector<std::vector<QString>>& rows)
{
    QStringList columns;
    for (const char* column : kColumns) {
        columns << QLatin1String(column);
    }
    QString sql = QStringLiteral("INSERT INTO ShoppingLists (") + columns.join(QStringLiteral(", "))
                  + QStringLiteral(") VALUES ");
    for (size_t r = 0; r < rows.size(); ++r) {
        sql += r == 0 ? QStringLiteral("(") : QStringLiteral(", (");
        for (int c = 0; c < kColumnCount; ++c) {
            const QString& value = rows[r][static_cast<size_t>(c)];
            if (c > 0) {
                sql += QStringLiteral(", ");
            }
            // A quoted value takes the column's type on both engines.
            sql += value.isNull() ? QStringLiteral("NULL") : Catalog::quoteLiteral(value);
        }
        sql += QLatin1Char(')');
    }
    return sql;
}
} // namespace

QString CatalogCopier::checksum(CAdoConnection& connection, long& rows, QString& error)
{
    rows = 0;
    CAdoRecordset set;
    if (!set.Open(readStatement(), connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
        error = connection.lastError();
        return {};
    }
    std::vector<QByteArray> hashes;
    for (; !set.IsEOF(); set.MoveNext()) {
        QByteArray row;
        for (const QString& value : rowValues(set)) {
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
    rows = static_cast<long>(hashes.size());
    return QString::fromLatin1(all.result().toHex());
}

CatalogCopier::Result CatalogCopier::copy(const QString& from, const QString& to, bool replace)
{
    Result result;
    CAdoConnection source(true);
    CAdoConnection target(true);
    if (!openSource(from, source, result.error) || !openTarget(to, target, result.error)) {
        return result;
    }
    try {
        long sourceRows = 0;
        result.sourceChecksum = checksum(source, sourceRows, result.error);
        if (result.sourceChecksum.isEmpty()) {
            result.error = QStringLiteral("%1 holds no readable catalog: %2").arg(describe(from), result.error);
            return result;
        }

        CAdoTransaction transaction(target);
        if (!transaction.active()) {
            result.error = target.lastError();
            return result;
        }
        CAdoRecordset set;
        if (!set.Open(QStringLiteral("SELECT count(*) FROM ShoppingLists"), target) || set.IsEOF()) {
            result.error = target.lastError();
            return result;
        }
        const long present = set.GetField(0).GetLong();
        set.Close();
        if (present > 0 && !replace) {
            result.error = QStringLiteral("%1 already holds %2 items; nothing was copied. Give --replace to "
                                          "replace them.")
                               .arg(describe(to))
                               .arg(present);
            return result;
        }
        if (present > 0 && !target.Execute(QStringLiteral("DELETE FROM ShoppingLists"))) {
            result.error = target.lastError();
            return result;
        }

        if (!set.Open(readStatement(), source, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly)) {
            result.error = source.lastError();
            return result;
        }
        std::vector<std::vector<QString>> batch;
        for (; !set.IsEOF(); set.MoveNext()) {
            batch.push_back(rowValues(set));
            if (static_cast<int>(batch.size()) == kBatch) {
                if (!target.Execute(insertStatement(batch))) {
                    result.error = target.lastError();
                    return result;
                }
                batch.clear();
            }
        }
        if (!batch.empty() && !target.Execute(insertStatement(batch))) {
            result.error = target.lastError();
            return result;
        }
        set.Close();
        result.journalActions = copyJournal(source, target);
        result.walkRows = StoreWalks::copyInto(source, target);

        result.targetChecksum = checksum(target, result.rows, result.error);
        if (result.targetChecksum != result.sourceChecksum || result.rows != sourceRows) {
            result.error = QStringLiteral("The copy does not match its source (%1 of %2 rows); nothing was copied.")
                               .arg(result.rows)
                               .arg(sourceRows);
            return result;
        }
        if (!transaction.commit()) {
            result.error = target.lastError();
            return result;
        }
        result.copied = true;
    } catch (const CAdoException& error) {
        result.error = error.describe();
    }
    return result;
}
