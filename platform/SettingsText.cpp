#include "platform/SettingsText.h"

#include "platform/DeviceFolder.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

QString SettingsText::read(const QString& name)
{
    const QString file = DeviceFolder::settingsFile();
    // Reading never creates the file or its folder.
    if (!QFileInfo::exists(file)) {
        return {};
    }
    const QSettings settings(file, QSettings::IniFormat);
    return fromStored(settings.value(name)).trimmed();
}

QString SettingsText::fromStored(const QVariant& stored)
{
    return stored.userType() == QMetaType::QStringList ? stored.toStringList().join(QLatin1Char(','))
                                                       : stored.toString();
}
