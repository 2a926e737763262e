#include "items/ItemChoices.h"

#include "platform/NameFold.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoRecordset.h"

#include <QSet>

#include <utility>

bool ItemChoices::read(CAdoConnection& connection)
{
    names.reserve(ReservedNameEntries);
    CAdoRecordset rs;
    if (!rs.Open(
            QStringLiteral("SELECT ItemName, ID, Store, Dept, UnitOfPurchase from ShoppingLists Order by ItemName"),
            connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic,
            CAdoRecordset::adCmdUnknown)) {
        return false;
    }
    QSet<QString> seenStores;
    QSet<QString> seenDepts;
    QSet<QString> seenUnits;
    units.push_back({QStringLiteral(" "), QVariant()});
    seenUnits.insert(QStringLiteral(" "));
    while (!rs.IsEOF()) {
        QString name = rs.GetField(0).GetText();
        const int id = TextNumbers::toInt(rs.GetField(1).GetText());
        names.push_back({std::move(name), id});
        QString store = rs.GetField(2).GetText();
        if (!seenStores.contains(NameFold::key(store))) {
            seenStores.insert(NameFold::key(store));
            stores.push_back({std::move(store), QVariant()});
        }
        QString dept = rs.GetField(3).GetText();
        if (!seenDepts.contains(NameFold::key(dept))) {
            seenDepts.insert(NameFold::key(dept));
            depts.push_back({std::move(dept), QVariant()});
        }
        QString unit = rs.GetField(4).GetText();
        if (!unit.isEmpty() && !seenUnits.contains(NameFold::key(unit))) {
            seenUnits.insert(NameFold::key(unit));
            units.push_back({std::move(unit), QVariant()});
        }
        rs.MoveNext();
    }
    rs.Close();
    return true;
}
