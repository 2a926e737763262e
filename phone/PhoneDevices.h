#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The phones that may use the phone list, each with a link of its own. A
// device's key is shown once, in its link, when it is made; the settings
// keep only its SHA-256 hash, its name and when it was last seen, so a copy
// of the settings opens nothing. Removing a device refuses its key from the
// next request on, in this program and, once it sees the settings change, in
// any other running copy of it.
//
// The single secret of earlier versions, kept in plain, becomes the device
// "Phone" (in the user's language) the first time the devices are read and is then deleted from the
// settings: phones that had the old link keep working.
class PhoneDevices
{
    Q_DECLARE_TR_FUNCTIONS(PhoneDevices)

public:
    struct Device
    {
        QString name;
        QByteArray hash;    // SHA-256 of the key, base64url
        QDateTime lastSeen; // invalid: never
    };

    PhoneDevices();

    // Makes a device and returns its key; empty, with the reason in words,
    // when the name is not acceptable or already taken (letter case aside).
    QByteArray add(const QString& name, QString* reason);
    // False when there is no device of that name.
    bool remove(const QString& name);
    void removeAll();
    // Sorted by name.
    QList<Device> devices();
    bool isEmpty();

    // The name of the device the key belongs to, or empty for a key of none.
    // Notes the time as the device's last seen, written to the settings at
    // most once a minute per device.
    QString accept(const QByteArray& key);
    // Writes every last-seen time not yet written.
    void flushSeen();

    // 256 bits from the system's random source, base64url without padding.
    static QByteArray makeKey();
    static QByteArray hashOf(const QByteArray& key);
    // The name an earlier version's single secret is kept under, and the
    // first phone's.
    static QString legacyName() { return tr("Phone"); }

    static constexpr int NameWidth = 40;

private:
    // Reads the settings again when another program (or this one) changed them.
    void refresh();
    void load();
    void writeSeen(const QByteArray& hash, const QDateTime& when);

    QHash<QByteArray, QString> m_names; // hash -> name
    QHash<QByteArray, QDateTime> m_seen;
    QHash<QByteArray, QDateTime> m_seenWritten;
    QDateTime m_stamp;
    qint64 m_size = -1;
    bool m_loaded = false;
};
