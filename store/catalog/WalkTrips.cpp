#include "store/catalog/WalkTrips.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/SideTable.h"

#include <tuple>

namespace
{
const QString kColumns = QStringLiteral("Store, StartedAt, EndedAt, Items, Depts");

const SideTable& table()
{
    static const SideTable trips(
        QStringLiteral("WalkTrips"), kColumns,
        QStringLiteral("CREATE TABLE WalkTrips (Store %1 NOT NULL, StartedAt BIGINT NOT NULL, EndedAt BIGINT NOT NULL, "
                       "Items INTEGER NOT NULL, Depts TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX WalkTripsStoreIdx ON WalkTrips (Store, StartedAt)"));
    return trips;
}
} // namespace

bool WalkTrips::tableUsable(CAdoConnection& connection)
{
    return table().usable(connection);
}

bool WalkTrips::ensureTable(CAdoConnection& connection)
{
    return table().ensure(connection);
}

QString WalkTrips::encode(const QStringList& departments)
{
    // Each name as its length, a colon and the name: any text fits.
    QString text;
    for (const QString& name : departments) {
        text += QString::number(name.size()) + QLatin1Char(':') + name;
    }
    return text;
}

bool WalkTrips::decode(const QString& text, QStringList& departments)
{
    departments.clear();
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), at);
        bool ok = false;
        const qsizetype length = colon < 0 ? -1 : text.mid(at, colon - at).toLongLong(&ok);
        if (!ok || length <= 0 || colon - at > 9 || length > text.size() - colon - 1) {
            return false;
        }
        departments << text.mid(colon + 1, length);
        at = colon + 1 + length;
    }
    return !departments.isEmpty();
}

std::vector<WalkLearner::Trip> WalkTrips::kept(CAdoConnection& connection, const QString& store)
{
    std::vector<WalkLearner::Trip> trips;
    if (!CAdoCommand::available(connection) || !tableUsable(connection)) {
        return trips;
    }
    try {
        CAdoCommand select(connection, QStringLiteral("SELECT ") + kColumns
                                           + QStringLiteral(" FROM WalkTrips WHERE Store = ? ORDER BY StartedAt"));
        select.bind(1, store);
        while (select.next()) {
            WalkLearner::Trip trip;
            const SqlValue depts = select.value(4);
            bool sound = select.value(1).type() == SqlValue::Type::Integer
                         && select.value(2).type() == SqlValue::Type::Integer && depts.type() == SqlValue::Type::Text
                         && decode(depts.toText(), trip.departments);
            if (sound) {
                trip.store = select.value(0).toText();
                trip.start = select.value(1).toInteger();
                trip.end = select.value(2).toInteger();
                trip.items = static_cast<int>(select.value(3).toInteger());
                trips.push_back(std::move(trip));
            }
        }
    } catch (const CAdoException&) {
        trips.clear();
    }
    return trips;
}

void WalkTrips::keep(CAdoConnection& connection, const QString& store, const std::vector<WalkLearner::Trip>& trips)
{
    if (trips.empty() || !CAdoCommand::available(connection) || !tableUsable(connection)) {
        return;
    }
    try {
        CAdoTransaction transaction(connection);
        if (!transaction.active()) {
            return;
        }
        CAdoCommand insert(connection, QStringLiteral("INSERT INTO WalkTrips (") + kColumns
                                           + QStringLiteral(") VALUES (?, ?, ?, ?, ?)"));
        for (const WalkLearner::Trip& trip : trips) {
            insert.bind(1, store);
            insert.bind(2, trip.start);
            insert.bind(3, trip.end);
            insert.bind(4, qint64(trip.items));
            insert.bind(5, encode(trip.departments));
            insert.run();
        }
        CAdoCommand oldest(connection, QStringLiteral("SELECT StartedAt FROM WalkTrips WHERE Store = ? ORDER BY "
                                                      "StartedAt DESC LIMIT 1 OFFSET ?"));
        oldest.bind(1, store);
        oldest.bind(2, qint64(KeptPerStore));
        if (oldest.next()) {
            const SqlValue cut = oldest.value(0);
            oldest.reset();
            CAdoCommand remove(connection, QStringLiteral("DELETE FROM WalkTrips WHERE Store = ? AND StartedAt <= ?"));
            remove.bind(1, store);
            remove.bind(2, cut);
            remove.run();
        }
        transaction.commit();
    } catch (const CAdoException&) {
        // Rolled back; the marks are still there to find them again.
    }
}
