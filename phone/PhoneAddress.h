#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <optional>

// Where a phone server answers, as phones reach it: its scheme, the address
// it listens on and its port, or the address of a proxy in front of it.
// The head-less server keeps it in the settings once it listens, so that a
// link made by another run of the program (--add-device, the window's Add
// Phone) names the server that will answer it, not the defaults.
class PhoneAddress
{
public:
    // A server speaking scheme (http or https) on port at addresses (none:
    // every address), reached through publicUrl when that is not empty.
    PhoneAddress(const QString& scheme, const QList<QHostAddress>& addresses, quint16 port, const QString& publicUrl);

    // The page's address with key in the fragment when one is given: the
    // public URL when there is one; otherwise an address the server listens
    // on, this computer's address on the network when it listens on every
    // one, or on a loopback address besides one on the network.
    QString link(const QByteArray& key) const;

    QString scheme() const { return m_scheme; }
    quint16 port() const { return m_port; }

    // False when the settings cannot be written.
    bool store() const;
    // What the last server to listen kept; nullopt when none kept one.
    static std::optional<PhoneAddress> stored();

private:
    PhoneAddress() = default;

    QString m_scheme;
    QString m_host; // as written in a link; empty: found when the link is made
    quint16 m_port = 0;
    QString m_publicUrl;
};
