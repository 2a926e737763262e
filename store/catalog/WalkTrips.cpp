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

bool WalkTrips::keep(CAdoConnection& connection, const QString& store, const std::vector<WalkLearner::Trip>& trips)
{
    if (trips.empty() || !CAdoCommand::available(connection) || !tableUsable(connection)) {
        return false;
    }
    try {
        CAdoTransaction transaction(connection);
        if (!transaction.active()) {
            return false;
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
        return transaction.commit();
    } catch (const CAdoException&) {
        // Rolled back; the marks are still there to find them again.
    }
    return false;
}

namespace
{
// Each trip's departments with from renamed to, the rows that change keyed by
// all they hold (the table has no key of its own).
void renameDepartment(CAdoConnection& connection, const QString& from, const QString& to)
{
    struct Renamed
    {
        std::vector<SqlValue> key; // Store, StartedAt, EndedAt, Depts as read
        QString depts;
    };
    std::vector<Renamed> renamed;
    CAdoCommand select(connection, QStringLiteral("SELECT Store, StartedAt, EndedAt, Depts FROM WalkTrips"));
    const QString fromKey = WalkLearner::key(from);
    while (select.next()) {
        QStringList departments;
        if (select.value(3).type() != SqlValue::Type::Text || !WalkTrips::decode(select.value(3).toText(), departments)
            || !departments.contains(from, Qt::CaseInsensitive)) {
            continue;
        }
        QStringList walked;
        for (const QString& name : departments) {
            const QString now = WalkLearner::key(name) == fromKey ? to : name;
            if (!now.isEmpty() && !walked.contains(now, Qt::CaseInsensitive)) {
                walked << now;
            }
        }
        renamed.push_back(
            {{select.value(0), select.value(1), select.value(2), select.value(3)}, WalkTrips::encode(walked)});
    }
    select.reset();
    CAdoCommand update(connection, QStringLiteral("UPDATE WalkTrips SET Depts = ? WHERE Store = ? AND StartedAt = ? "
                                                  "AND EndedAt = ? AND Depts = ?"));
    for (const Renamed& row : renamed) {
        update.bind(1, row.depts);
        for (int i = 0; i < 4; ++i) {
            update.bind(i + 2, row.key[static_cast<size_t>(i)]);
        }
        update.run();
    }
}
} // namespace

void WalkTrips::carryRename(CAdoConnection& connection, const QString& column, const QString& from, const QString& to)
{
    if (from == to || from.isEmpty() || !CAdoCommand::available(connection) || !tableUsable(connection)) {
        return;
    }
    try {
        CAdoTransaction part(connection);
        if (!part.active()) {
            return;
        }
        if (column == QLatin1String("Store")) {
            CAdoCommand update(connection, QStringLiteral("UPDATE WalkTrips SET Store = ? WHERE Store = ?"));
            update.bind(1, to);
            update.bind(2, from);
            update.run();
        } else if (column == QLatin1String("Dept")) {
            renameDepartment(connection, from, to);
        }
        part.commit();
    } catch (const CAdoException&) {
        // The savepoint is rolled back; the rename matters more than the trips.
    }
}
