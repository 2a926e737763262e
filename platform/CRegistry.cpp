#include "platform/CRegistry.h"

#include "platform/DeviceFolder.h"
#include "platform/UserNotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace
{
const QString kDwordPrefix = QStringLiteral("dword:");

enum class Opening
{
    ToRead,
    ToWrite
};

// Opening the key: the settings file must be readable, and its folder must
// exist or, to write, be creatable. Null when the key cannot be opened; a
// read makes no file and no folder (a missing folder holds no values).
std::unique_ptr<QSettings> openKey(Opening opening = Opening::ToWrite)
{
    const QString file = DeviceFolder::settingsFile();
    const QFileInfo info(file);
    const bool folderThere =
        opening == Opening::ToRead ? info.absoluteDir().exists() : QDir().mkpath(info.absolutePath());
    if (!folderThere) {
        return nullptr;
    }
    if (info.exists() && (!info.isFile() || !info.isReadable())) {
        return nullptr;
    }
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings->status() == QSettings::AccessError) {
        return nullptr;
    }
    return settings;
}

bool writeValue(QSettings& settings, const QString& name, const QString& stored)
{
    if (!QFileInfo(settings.fileName()).absoluteDir().exists()) {
        return false;
    }
    settings.setValue(name, stored);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool& toldFlag()
{
    static bool told = false;
    return told;
}

void reportKeyFailure()
{
    if (!toldFlag()) {
        UserNotice::show(QCoreApplication::translate("CRegistry", "Could not open/create key"));
    }
}

void reportSaveFailure()
{
    if (!toldFlag()) {
        UserNotice::show(QCoreApplication::translate("CRegistry", "Could not save key"));
    }
}
} // namespace

qint32 CRegistry::GetDword(const QString& name) const
{
    const auto settings = openKey(Opening::ToRead);
    if (!settings) {
        return -1;
    }
    const QString stored = settings->value(name).toString();
    if (!stored.startsWith(kDwordPrefix)) {
        return -1;
    }
    bool ok = false;
    const quint32 value = stored.mid(kDwordPrefix.size()).toUInt(&ok, 16);
    return ok ? static_cast<qint32>(value) : -1;
}

QString CRegistry::GetString(const QString& name) const
{
    const auto settings = openKey(Opening::ToRead);
    if (!settings) {
        return {};
    }
    const QVariant stored = settings->value(name);
    // QSettings hands back a list for an unquoted text holding commas.
    const QString text = stored.userType() == QMetaType::QStringList ? stored.toStringList().join(QStringLiteral(", "))
                                                                     : stored.toString();
    if (text.startsWith(kDwordPrefix) || text.size() > MaxStringChars) {
        return {};
    }
    return text;
}

bool CRegistry::SetString(const QString& name, const QString& value) const
{
    const auto settings = openKey();
    if (!settings) {
        reportKeyFailure();
        return false;
    }
    if (!writeValue(*settings, name, value)) {
        reportSaveFailure();
        return false;
    }
    return true;
}

bool CRegistry::SetDword(const QString& name, qint32 value) const
{
    const auto settings = openKey();
    if (!settings) {
        reportKeyFailure();
        return false;
    }
    writeValue(*settings, name,
               kDwordPrefix + QStringLiteral("%1").arg(static_cast<quint32>(value), 8, 16, QLatin1Char('0')));
    return true;
}

bool CRegistry::SaveDword(const QString& name, qint32 value) const
{
    const auto settings = openKey();
    if (!settings) {
        reportKeyFailure();
        return false;
    }
    if (!writeValue(*settings, name,
                    kDwordPrefix + QStringLiteral("%1").arg(static_cast<quint32>(value), 8, 16, QLatin1Char('0')))) {
        reportSaveFailure();
        return false;
    }
    return true;
}

bool CRegistry::keyAvailable() const
{
    return openKey() != nullptr;
}

bool CRegistry::keyWritable() const
{
    const auto settings = openKey();
    if (!settings) {
        return false;
    }
    // The file is replaced through a new file beside it.
    const QFileInfo file(settings->fileName());
    return QFileInfo(file.absolutePath()).isWritable() && (!file.exists() || file.isWritable());
}

void CRegistry::setFailuresTold(bool told)
{
    toldFlag() = told;
}

bool CRegistry::failuresTold()
{
    return toldFlag();
}

QByteArray CRegistry::GetBytes(const QString& name) const
{
    const auto settings = openKey(Opening::ToRead);
    if (!settings) {
        return {};
    }
    const QVariant stored = settings->value(name);
    return stored.userType() == QMetaType::QByteArray ? stored.toByteArray() : QByteArray();
}

bool CRegistry::SetBytes(const QString& name, const QByteArray& value) const
{
    const auto settings = openKey();
    if (!settings || !QFileInfo(settings->fileName()).absoluteDir().exists()) {
        return false;
    }
    settings->setValue(name, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}
