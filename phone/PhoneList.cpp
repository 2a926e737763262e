#include "phone/PhoneList.h"

#include "phone/PhoneAddress.h"
#include "phone/PhoneDevices.h"
#include "phone/PhoneServer.h"
#include "platform/CRegistry.h"
#include "store/access/CAdoCommand.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include <optional>

namespace
{
const QString OnValue = QStringLiteral("PhoneList");
const QString PortValue = QStringLiteral("PhonePort");
} // namespace

PhoneList::PhoneList(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_devices(std::make_unique<PhoneDevices>())
{
}

PhoneList::~PhoneList()
{
    m_devices->flushSeen();
}

bool PhoneList::isRunning() const
{
    return m_server != nullptr;
}

bool PhoneList::turnOn(QString* reason)
{
    if (m_server) {
        return true;
    }
    auto* server = new PhoneServer(m_connection, QByteArray(), this);
    server->setDevices(m_devices.get());
    // The window's catalog as it was opened: a read-only one is served for
    // reading, and the page says that changes cannot be saved.
    server->setReadOnly(CAdoCommand::isReadOnly(m_connection));
    if (!server->start(port(), reason)) {
        delete server;
        return false;
    }
    if (m_devices->isEmpty()) {
        addDevice(PhoneDevices::legacyName(), nullptr);
    }
    m_server = server;
    connect(m_server, &PhoneServer::catalogChanged, this, &PhoneList::catalogChanged);
    CRegistry().SetDword(OnValue, 1);
    return true;
}

void PhoneList::turnOff()
{
    delete m_server;
    m_server = nullptr;
    CRegistry().SetDword(OnValue, 0);
}

bool PhoneList::restore(QString* reason)
{
    if (CRegistry().GetDword(OnValue) != 1) {
        return true;
    }
    return turnOn(reason);
}

quint16 PhoneList::port() const
{
    return storedPort();
}

quint16 PhoneList::storedPort()
{
    const qint32 stored = CRegistry().GetDword(PortValue);
    return stored >= 0 && stored <= 65535 ? static_cast<quint16>(stored) : DefaultPort;
}

quint16 PhoneList::storedFixedPort()
{
    const quint16 stored = storedPort();
    return stored == AnyFreePort ? DefaultPort : stored;
}

void PhoneList::setPort(quint16 port)
{
    CRegistry().SetDword(PortValue, port);
}

quint16 PhoneList::listeningPort() const
{
    return m_server ? m_server->port() : 0;
}

QByteArray PhoneList::secret() const
{
    return m_key;
}

void PhoneList::newLink()
{
    m_devices->removeAll();
    m_key.clear();
    m_linkDevice.clear();
    addDevice(PhoneDevices::legacyName(), nullptr);
}

bool PhoneList::addDevice(const QString& name, QString* reason)
{
    const QByteArray key = m_devices->add(name, reason);
    if (key.isEmpty()) {
        return false;
    }
    m_key = key;
    m_linkDevice = name.trimmed();
    return true;
}

QString PhoneList::link() const
{
    if (m_server) {
        return linkFor(QStringLiteral("http"), hostAddress(), m_server->port(), m_key);
    }
    if (const std::optional<PhoneAddress> served = PhoneAddress::stored()) {
        return served->link(m_key);
    }
    return linkFor(QStringLiteral("http"), hostAddress(), port(), m_key);
}

bool PhoneList::servedElsewhere() const
{
    return !m_server && PhoneAddress::stored().has_value();
}

QString PhoneList::linkFor(const QString& scheme, const QString& host, quint16 port, const QByteArray& key)
{
    const bool usual =
        (scheme == QLatin1String("http") && port == 80) || (scheme == QLatin1String("https") && port == 443);
    QString address = scheme + QStringLiteral("://") + host;
    if (!usual) {
        address += QStringLiteral(":%1").arg(port);
    }
    address += QLatin1Char('/');
    if (!key.isEmpty()) {
        address += QStringLiteral("#k=") + QString::fromLatin1(key);
    }
    return address;
}

QByteArray PhoneList::makeSecret()
{
    return PhoneDevices::makeKey();
}

QString PhoneList::hostAddress()
{
    // A private IPv4 address of an interface that is up, else any IPv4 one.
    QString fallback;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() != QAbstractSocket::IPv4Protocol) {
                continue;
            }
            const bool privateUse = address.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8)
                                    || address.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12)
                                    || address.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16);
            if (privateUse) {
                return address.toString();
            }
            if (fallback.isEmpty()) {
                fallback = address.toString();
            }
        }
    }
    return fallback.isEmpty() ? QStringLiteral("127.0.0.1") : fallback;
}
