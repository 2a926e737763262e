#include "list/ListWalk.h"

#include "list/ViewState.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkLearner.h"

#include <QSet>

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace
{
// The departments of the store's items as they are spelled there. The
// engine tells apart some spellings that the walk takes as one (letter case
// beyond ASCII, on a file): each must be named to find its place.
QStringList spellingsAt(CAdoConnection& connection, const QString& store)
{
    QStringList spellings;
    CAdoCommand select(connection, QStringLiteral("SELECT DISTINCT Dept FROM ShoppingLists WHERE Store = ?"));
    select.bind(1, store);
    while (select.next()) {
        const QString dept = select.text(0);
        if (!dept.isEmpty()) {
            spellings << dept;
        }
    }
    return spellings;
}

// The walk as its rows give it, when they alone decide it: every department
// of the store's items has a row and no two departments share a place. Then
// StoreWalks::walkOf, which also reads the everyday walk of the whole
// catalog to break ties and to place departments the walk lacks, would give
// the same order; nullopt when it must be asked.
// spellings receives the store's departments (spellingsAt) unless the store
// has no walk of its own (an empty walk).
std::optional<QStringList> walkOfRows(CAdoConnection& connection, const QString& store, QStringList& spellings)
{
    struct Row
    {
        qint64 place;
        QString key;
        QString name;
    };
    std::vector<Row> rows;
    CAdoCommand select(connection, QStringLiteral("SELECT Dept, Place FROM StoreWalks WHERE Store = ?"));
    select.bind(1, store);
    while (select.next()) {
        const SqlValue dept = select.value(0);
        const SqlValue place = select.value(1);
        if (dept.type() == SqlValue::Type::Text && !dept.toText().isEmpty()
            && place.type() == SqlValue::Type::Integer) {
            rows.push_back({place.toInteger(), WalkLearner::key(dept.toText()), dept.toText()});
        }
    }
    if (rows.empty()) {
        return QStringList();
    }
    spellings = spellingsAt(connection, store);
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return std::tie(a.place, a.key, a.name) < std::tie(b.place, b.key, b.name);
    });
    QStringList walk;
    QSet<QString> keys;
    qint64 lastPlace = 0;
    for (const Row& row : rows) {
        if (keys.contains(row.key)) {
            continue; // a department listed twice keeps its first place
        }
        if (!walk.isEmpty() && row.place == lastPlace) {
            return std::nullopt; // two departments at one place
        }
        keys.insert(row.key);
        lastPlace = row.place;
        walk << row.name;
    }
    for (const QString& dept : spellings) {
        if (!keys.contains(WalkLearner::key(dept))) {
            return std::nullopt;
        }
    }
    return walk;
}
// walk with the other spellings of its departments after it.
QStringList withSpellings(QStringList walk, const QStringList& spellings)
{
    QSet<QString> keys;
    for (const QString& dept : walk) {
        keys.insert(WalkLearner::key(dept));
    }
    const QStringList named = walk;
    for (const QString& dept : spellings) {
        if (keys.contains(WalkLearner::key(dept)) && !named.contains(dept)) {
            walk << dept;
        }
    }
    return walk;
}
} // namespace

QStringList ListWalk::of(CAdoConnection& connection, const ViewState& view)
{
    const QString& order = view.needView ? view.needOrder : view.storeOrder;
    if (view.allStoresShown() || !order.contains(QLatin1String("DeptOrder"), Qt::CaseInsensitive)) {
        return {};
    }
    return ofStore(connection, view.currentStore);
}

QStringList ListWalk::ofStore(CAdoConnection& connection, const QString& store)
{
    const QString name = store.trimmed();
    if (name.isEmpty() || name == ViewState::allStores() || !CAdoCommand::available(connection)
        || !StoreWalks::tableUsable(connection)) {
        return {};
    }
    try {
        // Most stores have no walk of their own, and most walks name every
        // department of their store: neither needs the everyday walk.
        QStringList spellings;
        std::optional<QStringList> walk = walkOfRows(connection, name, spellings);
        if (!walk) {
            const StoreWalks::Walk read = StoreWalks(connection).walkOf(name);
            walk = read.own ? read.departments : QStringList();
        }
        return walk->isEmpty() ? QStringList() : withSpellings(*walk, spellings);
    } catch (const CAdoException&) {
        // The list is still worth showing, in the everyday order.
        return {};
    }
}
