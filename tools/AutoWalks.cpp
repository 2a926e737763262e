#include "tools/AutoWalks.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"

QStringList AutoWalks::onlyUsed(const QStringList& list, const QStringList& used)
{
    QStringList kept;
    for (const QString& name : list) {
        if (used.contains(name, Qt::CaseInsensitive)) {
            kept << name;
        }
    }
    return kept;
}

std::vector<AutoWalks::Applied> AutoWalks::applyFinishedTrips(CAdoConnection& connection, qint64 now)
{
    std::vector<Applied> applied;
    StoreWalks walks(connection);
    for (const QString& store : MarkLog::storesMarked(connection)) {
        const QStringList used = walks.departmentsOf(store);
        if (used.isEmpty()) {
            continue;
        }
        const StoreWalks::Learned learned = walks.learnedWalk(store, now);
        if (learned.finished == 0 || learned.trips == 0) {
            continue;
        }
        const QStringList taught = onlyUsed(learned.departments, used);
        if (taught.isEmpty() || taught == onlyUsed(walks.walkOf(store).departments, used)) {
            continue;
        }
        if (walks.setWalk(store, taught, label(store))) {
            applied.push_back({store, learned.trips});
        }
    }
    return applied;
}

QString AutoWalks::note(const std::vector<Applied>& applied)
{
    if (applied.empty()) {
        return {};
    }
    if (applied.size() == 1) {
        const Applied& one = applied.front();
        return QStringLiteral("%1 now walks as learned from %2 %3; Ctrl+Z undoes it.")
            .arg(one.store)
            .arg(one.trips)
            .arg(one.trips == 1 ? QStringLiteral("trip") : QStringLiteral("trips"));
    }
    QStringList stores;
    for (const Applied& one : applied) {
        stores << one.store;
    }
    return QStringLiteral("%1 now walk as learned from their trips; Ctrl+Z undoes each.")
        .arg(stores.join(QStringLiteral(", ")));
}
