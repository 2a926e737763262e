#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class CAdoConnection;
class PhoneServer;

// The phone list as the user sees it: on or off, on which port, behind which
// secret. The choice, the port and the secret are kept in the settings, so
// the list comes back on at the next start when it was left on. It is off
// until the user turns it on.
class PhoneList : public QObject
{
    Q_OBJECT

public:
    explicit PhoneList(CAdoConnection& connection, QObject* parent = nullptr);
    ~PhoneList() override;

    bool isRunning() const;
    // Starts the server on port() and keeps the choice. False, with the
    // reason in words, when the port cannot be had; the list stays off.
    bool turnOn(QString* reason);
    void turnOff();
    // At start-up: turns the list on when it was left on.
    bool restore(QString* reason);

    // The port kept in the settings (DefaultPort when none is); 0 asks for
    // any free port.
    quint16 port() const;
    void setPort(quint16 port);
    // The port actually listened on, 0 while off.
    quint16 listeningPort() const;

    // The secret of the link, made on first use.
    QByteArray secret() const;
    // A new secret: every link handed out so far stops working at once.
    void newLink();
    // The page's address with the secret in its fragment, which browsers
    // never send to a server or a proxy.
    QString link() const;

    // 256 bits from the system's random source, base64url without padding.
    static QByteArray makeSecret();
    // The address phones on this network reach the computer by.
    static QString hostAddress();

    static constexpr quint16 DefaultPort = 8642;

Q_SIGNALS:
    // The page wrote the catalog.
    void catalogChanged();

private:
    CAdoConnection& m_connection;
    PhoneServer* m_server = nullptr;
};
