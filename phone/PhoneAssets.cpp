#include "phone/PhoneAssets.h"

#include <QFile>

#include <array>

namespace
{
struct Entry
{
    const char* path;
    const char* resource;
    const char* type;
    const char* cacheControl;
};

// The service worker is asked for again at every update check, so that a
// new program's page reaches phones; icons rarely change.
constexpr std::array<Entry, 6> Entries{{
    {"/sw.js", ":/phone/sw.js", "text/javascript; charset=utf-8", "no-cache"},
    {"/manifest.webmanifest", ":/phone/manifest.webmanifest", "application/manifest+json; charset=utf-8", "no-cache"},
    {"/icon-192.png", ":/phone/icon-192.png", "image/png", "max-age=86400"},
    {"/icon-512.png", ":/phone/icon-512.png", "image/png", "max-age=86400"},
    // The barcode decoder, when the program was built with it (see the
    // README); it changes only with the program.
    {"/decoder.js", ":/phone/decoder.js", "text/javascript; charset=utf-8", "max-age=86400"},
    {"/decoder-LICENSE.txt", ":/phone/decoder-LICENSE.txt", "text/plain; charset=utf-8", "max-age=86400"},
}};
} // namespace

std::optional<PhoneAssets::Asset> PhoneAssets::find(const QString& path)
{
#ifdef GROCELLE_PHONE_DECODER
    // Compiled into this static library, whose resource initialiser the
    // linker drops unless something calls it.
    static const bool registered = [] {
        Q_INIT_RESOURCE(phone_decoder);
        return true;
    }();
    Q_UNUSED(registered);
#endif
    for (const Entry& entry : Entries) {
        if (path != QLatin1String(entry.path)) {
            continue;
        }
        QFile file(QString::fromLatin1(entry.resource));
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return Asset{entry.type, entry.cacheControl, file.readAll()};
    }
    return std::nullopt;
}
