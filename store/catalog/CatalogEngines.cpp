#include "store/catalog/CatalogEngines.h"

#include "store/access/EngineRegistry.h"
#include "store/postgres/PgConnection.h"
#include "store/postgres/PgSession.h"
#include "store/sqlite/SqliteConnection.h"

#include <mutex>

namespace
{
bool anyLocation(const QString&)
{
    return true;
}

std::unique_ptr<IConnectionBackend> makeSqlite(ado_detail::SharedConnection& owner)
{
    return std::make_unique<SqliteConnection>(owner);
}

std::unique_ptr<IConnectionBackend> makePostgres(ado_detail::SharedConnection& owner)
{
    return std::make_unique<PgConnection>(owner);
}
} // namespace

void CatalogEngines::install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // A file is what every location is that no server engine claims.
        EngineRegistry::add(anyLocation, makeSqlite);
        EngineRegistry::add(PgSession::isUri, makePostgres);
    });
}
