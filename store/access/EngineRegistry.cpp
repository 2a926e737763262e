#include "store/access/EngineRegistry.h"

#include "store/access/IConnectionBackend.h"

#include <mutex>
#include <vector>

namespace
{
struct Entry
{
    EngineRegistry::Claims claims;
    EngineRegistry::Maker maker;
};

// Connections may be opened on more than one thread (each its own).
std::mutex& registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<Entry>& entries()
{
    static std::vector<Entry> list;
    return list;
}
} // namespace

void EngineRegistry::add(Claims claims, Maker maker)
{
    const std::lock_guard lock(registryMutex());
    entries().push_back({claims, maker});
}

std::unique_ptr<IConnectionBackend> EngineRegistry::make(const QString& location, ado_detail::SharedConnection& owner)
{
    Maker maker = nullptr;
    {
        const std::lock_guard lock(registryMutex());
        for (auto it = entries().rbegin(); it != entries().rend(); ++it) {
            if (it->claims(location)) {
                maker = it->maker;
                break;
            }
        }
    }
    return maker ? maker(owner) : nullptr;
}
