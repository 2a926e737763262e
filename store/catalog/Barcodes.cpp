#include "store/catalog/Barcodes.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/SideTable.h"
#include "store/journal/JournalAction.h"
#include "store/journal/RowChange.h"

#include <vector>

namespace
{
const QString kTable = QStringLiteral("Barcodes");
const QStringList kColumns{QStringLiteral("ID"), QStringLiteral("Code"), QStringLiteral("ItemID")};

const SideTable& table()
{
    static const SideTable codes(kTable, kColumns.join(QStringLiteral(", ")),
                                 QStringLiteral("CREATE TABLE Barcodes (ID BIGINT NOT NULL PRIMARY KEY, "
                                                "Code %1 NOT NULL UNIQUE, ItemID INTEGER NOT NULL)"),
                                 QStringLiteral("CREATE INDEX IF NOT EXISTS BarcodesItemIdx ON Barcodes (ItemID)"));
    return codes;
}

struct CodeRow
{
    SqlValue id;
    SqlValue code;
    SqlValue item;
};

// The row kept under key, when there is one.
bool findRow(CAdoConnection& connection, const QString& key, CodeRow& row)
{
    CAdoCommand select(connection, QStringLiteral("SELECT ID, Code, ItemID FROM Barcodes WHERE Code = ?"));
    select.bind(1, key);
    if (!select.next()) {
        return false;
    }
    row = {select.value(0), select.value(1), select.value(2)};
    select.reset();
    return true;
}

void requireTable(CAdoConnection& connection)
{
    if (!Barcodes::tableUsable(connection)) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite, Barcodes::noTableMessage());
    }
}

void removeRow(CAdoConnection& connection, JournalAction& action, const CodeRow& row)
{
    CAdoCommand erase(connection, QStringLiteral("DELETE FROM Barcodes WHERE ID = ?"));
    erase.bind(1, row.id);
    erase.run();
    action.record({RowChange::Kind::Delete, row.id, kColumns, {row.id, row.code, row.item}, {}, kTable});
}

void insertRow(CAdoConnection& connection, JournalAction& action, const QString& key, qint64 itemId)
{
    // New rows take numbers above every row there was, so that undo and redo
    // never meet a number used twice.
    CAdoCommand highest(connection, QStringLiteral("SELECT coalesce(max(ID), 0) FROM Barcodes"));
    const qint64 id = (highest.next() ? highest.integer(0) : 0) + 1;
    highest.reset();
    const std::vector<SqlValue> values{SqlValue::integer(id), SqlValue::text(key), SqlValue::integer(itemId)};
    CAdoCommand insert(connection, QStringLiteral("INSERT INTO Barcodes (ID, Code, ItemID) VALUES (?, ?, ?)"));
    for (int p = 0; p < 3; ++p) {
        insert.bind(p + 1, values[static_cast<size_t>(p)]);
    }
    insert.run();
    action.record({RowChange::Kind::Insert, values[0], kColumns, {}, values, kTable});
}

Barcode validOrRaise(const Barcode& code)
{
    if (!code.valid()) {
        ADO_RAISE_KIND(CAdoException::ValueRefused, code.refusal(), CAdoException::Kind::Invalid);
    }
    return code;
}
} // namespace

bool Barcodes::tableUsable(CAdoConnection& connection)
{
    return CAdoCommand::available(connection) && table().usable(connection);
}

bool Barcodes::ensureTable(CAdoConnection& connection)
{
    return table().ensure(connection);
}

QString Barcodes::noTableMessage()
{
    return tr("This catalog keeps no barcodes: it was made by a user who may not add tables to it.");
}

qint64 Barcodes::itemOf(CAdoConnection& connection, const Barcode& code)
{
    if (!code.valid() || !tableUsable(connection)) {
        return 0;
    }
    for (const QString& key : code.keys()) {
        CodeRow row;
        if (findRow(connection, key, row) && row.item.type() == SqlValue::Type::Integer) {
            return row.item.toInteger();
        }
    }
    return 0;
}

QStringList Barcodes::codesOf(CAdoConnection& connection, qint64 itemId)
{
    QStringList codes;
    if (!tableUsable(connection)) {
        return codes;
    }
    CAdoCommand select(connection, QStringLiteral("SELECT Code FROM Barcodes WHERE ItemID = ? ORDER BY Code"));
    select.bind(1, itemId);
    while (select.next()) {
        codes << select.value(0).toText();
    }
    return codes;
}

bool Barcodes::attach(CAdoConnection& connection, JournalAction& action, const Barcode& code, qint64 itemId)
{
    const Barcode checked = validOrRaise(code);
    requireTable(connection);
    // The code may be kept under another of its keys (an 8-digit code read
    // once as EAN-8, once as UPC-E): that row is the one that moves.
    for (const QString& key : code.keys()) {
        CodeRow row;
        if (!findRow(connection, key, row)) {
            continue;
        }
        if (row.item.type() == SqlValue::Type::Integer && row.item.toInteger() == itemId) {
            return false;
        }
        CAdoCommand move(connection, QStringLiteral("UPDATE Barcodes SET ItemID = ? WHERE ID = ?"));
        move.bind(1, itemId);
        move.bind(2, row.id);
        move.run();
        action.record({RowChange::Kind::Update,
                       row.id,
                       {QStringLiteral("ItemID")},
                       {row.item},
                       {SqlValue::integer(itemId)},
                       kTable});
        return true;
    }
    insertRow(connection, action, checked.key(), itemId);
    return true;
}

void Barcodes::setCodes(CAdoConnection& connection, JournalAction& action, qint64 itemId, const QStringList& keys)
{
    if (keys.isEmpty() && !tableUsable(connection)) {
        return;
    }
    std::vector<Barcode> wanted;
    QStringList wantedKeys;
    for (const QString& key : keys) {
        wanted.push_back(validOrRaise(Barcode::parse(key)));
        wantedKeys << wanted.back().keys();
    }
    requireTable(connection);
    CAdoCommand select(connection, QStringLiteral("SELECT ID, Code, ItemID FROM Barcodes WHERE ItemID = ?"));
    select.bind(1, itemId);
    std::vector<CodeRow> gone;
    while (select.next()) {
        if (!wantedKeys.contains(select.value(1).toText())) {
            gone.push_back({select.value(0), select.value(1), select.value(2)});
        }
    }
    for (const CodeRow& row : gone) {
        removeRow(connection, action, row);
    }
    for (const Barcode& code : wanted) {
        attach(connection, action, code, itemId);
    }
}

void Barcodes::dropItem(CAdoConnection& connection, JournalAction& action, qint64 itemId)
{
    if (!tableUsable(connection)) {
        return;
    }
    CAdoCommand select(connection, QStringLiteral("SELECT ID, Code, ItemID FROM Barcodes WHERE ItemID = ?"));
    select.bind(1, itemId);
    std::vector<CodeRow> rows;
    while (select.next()) {
        rows.push_back({select.value(0), select.value(1), select.value(2)});
    }
    for (const CodeRow& row : rows) {
        removeRow(connection, action, row);
    }
}
