#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class CAdoConnection;
class PhoneDevices;
class PhoneServer;

// The phone list as the user sees it: on or off, on which port, and the
// devices whose links open it. The choice, the port and the devices are kept
// in the settings, so the list comes back on at the next start when it was
// left on. It is off until the user turns it on.
class PhoneList : public QObject
{
    Q_OBJECT

public:
    explicit PhoneList(CAdoConnection& connection, QObject* parent = nullptr);
    ~PhoneList() override;

    bool isRunning() const;
    // Starts the server on port() and keeps the choice. False, with the
    // reason in words, when the port cannot be had; the list stays off.
    // With no device yet, one named "Phone" is made, and its link shown.
    bool turnOn(QString* reason);
    void turnOff();
    // At start-up: turns the list on when it was left on.
    bool restore(QString* reason);

    // The window's port: storedPort().
    quint16 port() const;
    void setPort(quint16 port);
    // The port actually listened on, 0 while off.
    quint16 listeningPort() const;

    PhoneDevices& devices() const { return *m_devices; }
    // The key of the last link made in this run; empty when none was. Only
    // its hash is kept, so a link made earlier cannot be shown again.
    QByteArray secret() const;
    // Every device is removed, and every link handed out so far stops
    // working at once; a new link for a device named "Phone" is made.
    void newLink();
    // A device of that name and its link; false, with the reason in words,
    // when the name is taken or not acceptable.
    bool addDevice(const QString& name, QString* reason);
    // The name of the device the last link was made for.
    QString linkDevice() const { return m_linkDevice; }
    // The page's address with the key of the last link made in its
    // fragment, which browsers never send to a server or a proxy; without a
    // fragment when no link was made in this run. While the list is off
    // here, the address of the head-less server that last listened on these
    // settings (PhoneAddress), when one did.
    QString link() const;
    // The list is off here, and a head-less server keeps its address.
    bool servedElsewhere() const;

    // 256 bits from the system's random source, base64url without padding.
    static QByteArray makeSecret();
    // The address phones on this network reach the computer by.
    static QString hostAddress();
    // The page's address for host and port, with key in the fragment when
    // one is given.
    static QString linkFor(const QString& scheme, const QString& host, quint16 port, const QByteArray& key);

    // The port kept in the settings: 1 to 65535, or AnyFreePort when the
    // user chose it; DefaultPort when none is kept or the kept value is no
    // port (negative, beyond 65535, not a number).
    static quint16 storedPort();
    // storedPort() for a server whose links name its port before it listens
    // and must work after every restart (the head-less server): any free port
    // reads as DefaultPort there.
    static quint16 storedFixedPort();

    static constexpr quint16 DefaultPort = 8642;
    static constexpr quint16 AnyFreePort = 0;

Q_SIGNALS:
    // The page wrote the catalog.
    void catalogChanged();

private:
    CAdoConnection& m_connection;
    std::unique_ptr<PhoneDevices> m_devices;
    PhoneServer* m_server = nullptr;
    QByteArray m_key;
    QString m_linkDevice;
};
