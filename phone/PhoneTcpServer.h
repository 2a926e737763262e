#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QSslConfiguration>
#include <QTcpServer>

#include <memory>
#include <optional>
#include <vector>

class PhoneListener;
class QTcpSocket;
class QTimer;

// The listening socket of the phone list. It bounds what one request may
// hold before the HTTP layer buffers it: a connection whose request in
// progress grows past MaxRequestBytes is answered 413 and closed, and the
// socket never buffers more than that, however much a client sends.
//
// It also bounds what idle clients may hold. At most maxConnections() are
// open at once; one more closes the connection that has been quiet longest,
// so a flood of idle connections cannot keep a real client out. A connection
// quiet for idleMs is closed, and so is one whose request (or, with TLS, its
// handshake) has not arrived whole within requestMs of its first byte. A
// connection that is owed an answer is neither: however long the answer
// takes (a wait for another program's lock), it is sent, and only then do
// the limits count again.
//
// With a TLS configuration every connection is TLS: a connection reaches the
// HTTP layer only once its handshake has succeeded; plain HTTP or garbage
// ends in a failed handshake and is closed.
class PhoneTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit PhoneTcpServer(QObject* parent = nullptr);
    ~PhoneTcpServer() override;

    void setTls(const QSslConfiguration& configuration);

    // Why an address could not be listened on.
    struct Refusal
    {
        QHostAddress address;
        QAbstractSocket::SocketError error;
        QString text;
    };
    // Listens on port at each of addresses, or at every address when none
    // is given; port 0 is a free port, the same at each. The refusal of the
    // first address that cannot be had, and then none is listened on.
    std::optional<Refusal> listenOn(const QList<QHostAddress>& addresses, quint16 port);
    // Accepts no more connections, at any of the addresses.
    void stopListening();

    void setLimits(int maxConnections, int idleMs, int requestMs);
    int maxConnections() const { return m_maxConnections; }
    int openConnections() const { return static_cast<int>(m_sockets.size()); }
    // True while any connection is owed an answer or still has bytes of one
    // to send.
    bool hasPendingWrites() const;
    // Closes every connection once what it has to send is sent.
    void closeConnections();
    // The open connection from the client's address and port; null: none.
    QTcpSocket* connectionFrom(const QHostAddress& address, quint16 port) const;
    // The HTTP layer has the whole of a request on socket: it has arrived in
    // time, and the connection is owed its answer until answerSent.
    void requestTaken(QTcpSocket* socket);
    void answerSent(QTcpSocket* socket);

    // Room for the largest body the API accepts and its headers.
    static constexpr qint64 MaxBodyBytes = 64 * 1024;
    static constexpr qint64 MaxRequestBytes = MaxBodyBytes + 16 * 1024;
    static constexpr int IdleMs = 30000;
    static constexpr int ListenBacklog = 1024;
    static constexpr int RequestMs = 10000;
    // Well below the process's descriptor limit, leaving room for the
    // catalog and the rest of the program.
    static int defaultMaxConnections();

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    struct Activity
    {
        qint64 last = 0;         // ms on m_clock of the last byte either way
        qint64 requestStart = 0; // ms of the first byte of a request not yet taken whole; 0: none
        quint64 serial = 0;      // order of acceptance
        int owed = 0;            // requests taken and not yet answered
        bool ended = false;      // the connection is gone; the socket goes once nothing is owed
    };
    // Out of descriptors all the same: server stops accepting for a moment.
    void guardAccepting(QTcpServer* server);
    std::optional<Refusal> listenEach(const QList<QHostAddress>& addresses, quint16 port);
    void track(QTcpSocket* socket);
    // Deletes the socket of an ended connection, or once its last answer is
    // let go: until then the HTTP layer holds it (from Qt 6.8 its stream
    // reads the socket's state when the answer's responder goes).
    void dropWhenAnswered(QTcpSocket* socket);
    void guardRequestSize(QTcpSocket* socket);
    void sweep();
    void evictQuietest();

    QSslConfiguration m_configuration;
    bool m_tls = false;
    int m_maxConnections;
    int m_idleMs = IdleMs;
    int m_requestMs = RequestMs;
    QElapsedTimer m_clock;
    QHash<QTcpSocket*, Activity> m_sockets;
    QTimer* m_sweep = nullptr;
    qint64 m_lastSweep = 0; // ms on m_clock
    quint64 m_accepted = 0;
    // The addresses listened on after the first, whose connections come here.
    std::vector<std::unique_ptr<PhoneListener>> m_more;
};
