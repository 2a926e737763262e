#include "commands/ListWalk.h"

#include "commands/ViewState.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoException.h"
#include "store/catalog/StoreWalks.h"

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
        // Most stores have no walk of their own: one look at the small table
        // spares them reading the everyday walk of the whole catalog.
        CAdoCommand any(connection, QStringLiteral("SELECT 1 FROM StoreWalks WHERE Store = ? LIMIT 1"));
        any.bind(1, name);
        if (!any.next()) {
            return {};
        }
        any.reset();
        StoreWalks::Walk walk = StoreWalks(connection).walkOf(name);
        return walk.own ? walk.departments : QStringList();
    } catch (const CAdoException&) {
        // The list is still worth showing, in the everyday order.
        return {};
    }
}
