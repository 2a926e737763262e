#include "phone/PhoneAddress.h"

#include "phone/PhoneList.h"
#include "platform/CRegistry.h"
#include "platform/SettingsText.h"

#include <algorithm>

namespace
{
const QString SchemeValue = QStringLiteral("PhoneServedScheme");
const QString HostValue = QStringLiteral("PhoneServedHost");
const QString PortValue = QStringLiteral("PhoneServedPort");
const QString UrlValue = QStringLiteral("PhoneServedUrl");

bool anyAddress(const QHostAddress& address)
{
    return address == QHostAddress(QHostAddress::Any) || address == QHostAddress(QHostAddress::AnyIPv4)
           || address == QHostAddress(QHostAddress::AnyIPv6);
}

// The host part of a link to the server listening at addresses; empty when
// that is this computer's address on the network. A phone cannot reach a
// loopback address, so one on the network is named first when there is one.
QString linkHost(const QList<QHostAddress>& addresses)
{
    if (addresses.isEmpty() || std::any_of(addresses.begin(), addresses.end(), anyAddress)) {
        return {};
    }
    const auto reachable =
        std::find_if(addresses.begin(), addresses.end(), [](const QHostAddress& each) { return !each.isLoopback(); });
    const QHostAddress& chosen = reachable != addresses.end() ? *reachable : addresses.first();
    return chosen.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(chosen.toString())
                                                              : chosen.toString();
}
} // namespace

PhoneAddress::PhoneAddress(const QString& scheme, const QList<QHostAddress>& addresses, quint16 port,
                           const QString& publicUrl)
    : m_scheme(scheme)
    , m_host(linkHost(addresses))
    , m_port(port)
    , m_publicUrl(publicUrl)
{
}

QString PhoneAddress::link(const QByteArray& key) const
{
    if (m_publicUrl.isEmpty()) {
        return PhoneList::linkFor(m_scheme, m_host.isEmpty() ? PhoneList::hostAddress() : m_host, m_port, key);
    }
    QString base = m_publicUrl;
    if (!base.endsWith(QLatin1Char('/'))) {
        base += QLatin1Char('/');
    }
    return key.isEmpty() ? base : base + QStringLiteral("#k=") + QString::fromLatin1(key);
}

bool PhoneAddress::store() const
{
    const CRegistry settings;
    return settings.SetString(SchemeValue, m_scheme) && settings.SetString(HostValue, m_host)
           && settings.SetString(UrlValue, m_publicUrl) && settings.SaveDword(PortValue, m_port);
}

std::optional<PhoneAddress> PhoneAddress::stored()
{
    const qint32 port = CRegistry().GetDword(PortValue);
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    PhoneAddress address;
    address.m_scheme =
        SettingsText::read(SchemeValue) == QLatin1String("https") ? QStringLiteral("https") : QStringLiteral("http");
    address.m_host = SettingsText::read(HostValue);
    address.m_port = static_cast<quint16>(port);
    address.m_publicUrl = SettingsText::read(UrlValue);
    return address;
}
