#pragma once

#include "bench/CatalogGenerator.h"

#include <QCoreApplication>

#include <memory>

// What a kept fixture stands on: one on the device folder's catalog (a
// window) closes whenever another benchmark replaces that catalog; one on a
// catalog of its own (a server) only at the end of the run.
enum class KeptOn
{
    DeviceCatalog,
    OwnCatalog
};

// The one costly fixture of its type (a window, a server), kept between
// benchmarks while fits(kept) holds and made again by make() when it does not.
// It goes before the application object does.
template <class Fixture>
class KeptFixture
{
public:
    template <class Fits, class Make>
    static Fixture& get(KeptOn where, Fits fits, Make make)
    {
        static const bool registered = [where] {
            qAddPostRoutine([] { release(); });
            if (where == KeptOn::DeviceCatalog) {
                keepOnDeviceCatalog([] { release(); });
            }
            return true;
        }();
        Q_UNUSED(registered);
        std::unique_ptr<Fixture>& kept = slot();
        if (!kept || !fits(*kept)) {
            kept.reset();
            kept = make();
        }
        return *kept;
    }

    static void release() { slot().reset(); }

private:
    static std::unique_ptr<Fixture>& slot()
    {
        static std::unique_ptr<Fixture> kept;
        return kept;
    }
};
