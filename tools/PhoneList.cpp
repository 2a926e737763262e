#include "tools/PhoneList.h"

#include "platform/CRegistry.h"
#include "tools/PhoneServer.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace
{
const QString OnValue = QStringLiteral("PhoneList");
const QString PortValue = QStringLiteral("PhonePort");
const QString SecretValue = QStringLiteral("PhoneSecret");

bool wellFormed(const QByteArray& secret)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    return form.match(QString::fromLatin1(secret)).hasMatch();
}
} // namespace

PhoneList::PhoneList(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
{
}

PhoneList::~PhoneList() = default;

bool PhoneList::isRunning() const
{
    return m_server != nullptr;
}

bool PhoneList::turnOn(QString* reason)
{
    if (m_server) {
        return true;
    }
    auto* server = new PhoneServer(m_connection, secret(), this);
    if (!server->start(port(), reason)) {
        delete server;
        return false;
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
    const qint32 stored = CRegistry().GetDword(PortValue);
    return stored >= 0 && stored <= 65535 ? static_cast<quint16>(stored) : DefaultPort;
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
    const QByteArray stored = CRegistry().GetString(SecretValue).toLatin1();
    if (wellFormed(stored)) {
        return stored;
    }
    const QByteArray made = makeSecret();
    CRegistry().SetString(SecretValue, QString::fromLatin1(made));
    return made;
}

void PhoneList::newLink()
{
    const QByteArray made = makeSecret();
    CRegistry().SetString(SecretValue, QString::fromLatin1(made));
    if (m_server) {
        m_server->setSecret(made);
    }
}

QString PhoneList::link() const
{
    const quint16 shown = m_server ? m_server->port() : port();
    return QStringLiteral("http://%1:%2/#k=%3").arg(hostAddress()).arg(shown).arg(QString::fromLatin1(secret()));
}

QByteArray PhoneList::makeSecret()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
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
