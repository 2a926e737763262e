#include "phone/PhoneDevices.h"

#include "platform/DeviceFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <memory>

namespace
{
const QString NamesGroup = QStringLiteral("PhoneDevices");
const QString SeenGroup = QStringLiteral("PhoneDevicesSeen");
const QString LegacyValue = QStringLiteral("PhoneSecret");
constexpr qint64 SeenWriteSeconds = 60;

std::unique_ptr<QSettings> openSettings()
{
    const QString file = DeviceFolder::settingsFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

bool wellFormedKey(const QByteArray& key)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    return form.match(QString::fromLatin1(key)).hasMatch();
}

// Equal texts, in a time that does not depend on where they differ.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    unsigned difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}
} // namespace

PhoneDevices::PhoneDevices()
{
    refresh();
}

QByteArray PhoneDevices::makeKey()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray PhoneDevices::hashOf(const QByteArray& key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

void PhoneDevices::refresh()
{
    const QFileInfo info(DeviceFolder::settingsFile());
    const QDateTime stamp = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (m_loaded && stamp == m_stamp && size == m_size) {
        return;
    }
    load();
    m_loaded = true;
    const QFileInfo after(DeviceFolder::settingsFile());
    m_stamp = after.exists() ? after.lastModified() : QDateTime();
    m_size = after.exists() ? after.size() : -1;
}

void PhoneDevices::load()
{
    auto settings = openSettings();
    // The plain secret of earlier versions becomes a device, then goes.
    const QByteArray legacy = settings->value(LegacyValue).toString().toLatin1();
    if (settings->contains(LegacyValue)) {
        if (wellFormedKey(legacy)) {
            QString name = legacyName();
            settings->beginGroup(NamesGroup);
            QStringList taken;
            for (const QString& hash : settings->childKeys()) {
                taken << settings->value(hash).toString().toCaseFolded();
            }
            for (int n = 2; taken.contains(name.toCaseFolded()); ++n) {
                name = legacyName() + QStringLiteral(" %1").arg(n);
            }
            settings->setValue(QString::fromLatin1(hashOf(legacy)), name);
            settings->endGroup();
        }
        settings->remove(LegacyValue);
        settings->sync();
    }

    m_names.clear();
    settings->beginGroup(NamesGroup);
    for (const QString& hash : settings->childKeys()) {
        m_names.insert(hash.toLatin1(), settings->value(hash).toString());
    }
    settings->endGroup();
    settings->beginGroup(SeenGroup);
    for (const QString& hash : settings->childKeys()) {
        const QDateTime stored = QDateTime::fromString(settings->value(hash).toString(), Qt::ISODate);
        const QByteArray key = hash.toLatin1();
        if (stored.isValid() && (!m_seen.contains(key) || m_seen.value(key) < stored)) {
            m_seen.insert(key, stored);
            m_seenWritten.insert(key, stored);
        }
    }
    settings->endGroup();
}

QByteArray PhoneDevices::add(const QString& name, QString* reason)
{
    refresh();
    const QString given = name.trimmed();
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    QString problem;
    if (given.isEmpty() || given.size() > NameWidth || given.contains(control)) {
        problem = tr("A device name has 1 to %1 characters.").arg(NameWidth);
    } else {
        for (const QString& taken : std::as_const(m_names)) {
            if (taken.compare(given, Qt::CaseInsensitive) == 0) {
                problem = tr("There is a device named \"%1\" already.").arg(taken);
            }
        }
    }
    if (!problem.isEmpty()) {
        if (reason) {
            *reason = problem;
        }
        return {};
    }
    const QByteArray key = makeKey();
    const QByteArray hash = hashOf(key);
    auto settings = openSettings();
    settings->setValue(NamesGroup + QLatin1Char('/') + QString::fromLatin1(hash), given);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        if (reason) {
            *reason = tr("The settings file %1 cannot be written.").arg(settings->fileName());
        }
        return {};
    }
    m_names.insert(hash, given);
    return key;
}

bool PhoneDevices::remove(const QString& name)
{
    refresh();
    QList<QByteArray> gone;
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
        if (it.value().compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            gone << it.key();
        }
    }
    if (gone.isEmpty()) {
        return false;
    }
    auto settings = openSettings();
    for (const QByteArray& hash : gone) {
        m_names.remove(hash);
        m_seen.remove(hash);
        m_seenWritten.remove(hash);
        settings->remove(NamesGroup + QLatin1Char('/') + QString::fromLatin1(hash));
        settings->remove(SeenGroup + QLatin1Char('/') + QString::fromLatin1(hash));
    }
    settings->sync();
    return true;
}

void PhoneDevices::removeAll()
{
    refresh();
    auto settings = openSettings();
    settings->remove(NamesGroup);
    settings->remove(SeenGroup);
    settings->sync();
    m_names.clear();
    m_seen.clear();
    m_seenWritten.clear();
}

QList<PhoneDevices::Device> PhoneDevices::devices()
{
    refresh();
    QList<Device> all;
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
        all.append(Device{it.value(), it.key(), m_seen.value(it.key())});
    }
    std::sort(all.begin(), all.end(),
              [](const Device& a, const Device& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    return all;
}

bool PhoneDevices::isEmpty()
{
    refresh();
    return m_names.isEmpty();
}

QString PhoneDevices::accept(const QByteArray& key)
{
    if (!wellFormedKey(key)) {
        return {};
    }
    refresh();
    const QByteArray hash = hashOf(key);
    QString found;
    // Every stored hash is compared in full, whichever matches.
    for (auto it = m_names.cbegin(); it != m_names.cend(); ++it) {
        if (sameBytes(it.key(), hash)) {
            found = it.value();
        }
    }
    if (found.isEmpty()) {
        return {};
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_seen.insert(hash, now);
    const QDateTime written = m_seenWritten.value(hash);
    if (!written.isValid() || written.secsTo(now) >= SeenWriteSeconds) {
        writeSeen(hash, now);
    }
    return found;
}

void PhoneDevices::writeSeen(const QByteArray& hash, const QDateTime& when)
{
    auto settings = openSettings();
    // A device removed by another program meanwhile is not brought back.
    if (!settings->contains(NamesGroup + QLatin1Char('/') + QString::fromLatin1(hash))) {
        return;
    }
    settings->setValue(SeenGroup + QLatin1Char('/') + QString::fromLatin1(hash), when.toString(Qt::ISODate));
    settings->sync();
    m_seenWritten.insert(hash, when);
}

void PhoneDevices::flushSeen()
{
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it) {
        if (m_names.contains(it.key()) && m_seenWritten.value(it.key()) != it.value()) {
            writeSeen(it.key(), it.value());
        }
    }
}
