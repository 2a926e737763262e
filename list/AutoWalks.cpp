#include "list/AutoWalks.h"

#include "platform/NameFold.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"

#include <QCoreApplication>

QStringList AutoWalks::onlyUsed(const QStringList& list, const QStringList& used)
{
    QStringList kept;
    for (const QString& name : list) {
        if (NameFold::contains(used, name)) {
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
        // One arg() for the store and the count: a "%2" in a store's name
        // stays text.
        const QString text =
            one.trips == 1
                ? QCoreApplication::translate("AutoWalks", "%1 now walks as learned from %2 trip; Ctrl+Z undoes it.")
                : QCoreApplication::translate("AutoWalks", "%1 now walks as learned from %2 trips; Ctrl+Z undoes it.");
        return text.arg(one.store, QString::number(one.trips));
    }
    QStringList stores;
    for (const Applied& one : applied) {
        stores << one.store;
    }
    return QCoreApplication::translate("AutoWalks", "%1 now walk as learned from their trips; Ctrl+Z undoes each.")
        .arg(stores.join(QStringLiteral(", ")));
}
