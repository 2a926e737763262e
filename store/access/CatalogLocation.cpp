#include "store/access/CatalogLocation.h"

#include "platform/DeviceFolder.h"

namespace
{
QString& chosenLocation()
{
    static QString location;
    return location;
}
} // namespace

QString CatalogLocation::devicePath()
{
    return QStringLiteral("\\Windows\\shoplistdata.cdb");
}

QString CatalogLocation::location()
{
    const QString& chosen = chosenLocation();
    return chosen.isEmpty() ? DeviceFolder::map(devicePath()) : chosen;
}

void CatalogLocation::setLocation(const QString& chosen)
{
    chosenLocation() = chosen;
}

QString CatalogLocation::chosen()
{
    return chosenLocation();
}

QString CatalogLocation::resolve(const QString& path)
{
    return path.compare(devicePath(), Qt::CaseInsensitive) == 0 ? location() : path;
}
