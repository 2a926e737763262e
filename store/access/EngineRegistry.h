#pragma once

#include <QString>

#include <memory>

class IConnectionBackend;
namespace ado_detail
{
struct SharedConnection;
}

// The engines that CAdoConnection::Open can open a catalog with. The access
// layer knows none of them: the catalog installs them once, before the
// first connection opens (CatalogEngines::install), and Open asks here.
class EngineRegistry
{
public:
    // True when the engine opens that location.
    using Claims = bool (*)(const QString& location);
    using Maker = std::unique_ptr<IConnectionBackend> (*)(ado_detail::SharedConnection& owner);

    // Engines added later are asked first; an engine that claims every
    // location (the file engine) is added first.
    static void add(Claims claims, Maker maker);
    // A closed backend of the engine that claims location, owned by owner;
    // null when no engine does (none installed).
    static std::unique_ptr<IConnectionBackend> make(const QString& location, ado_detail::SharedConnection& owner);
};
