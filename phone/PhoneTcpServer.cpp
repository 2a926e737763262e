#include "phone/PhoneTcpServer.h"

#include "phone/PhoneListener.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <memory>

namespace
{
// Descriptors kept back for the catalog, its journal and the program.
constexpr int ReservedDescriptors = 64;
constexpr int MostConnections = 1000;
} // namespace

PhoneTcpServer::PhoneTcpServer(QObject* parent)
    : QTcpServer(parent)
    , m_maxConnections(defaultMaxConnections())
    , m_sweep(new QTimer(this))
{
    m_clock.start();
    // A burst of connections waits in the kernel instead of having its
    // connection requests dropped and sent again a second later.
    setListenBacklogSize(ListenBacklog);
    m_sweep->setInterval(1000);
    connect(m_sweep, &QTimer::timeout, this, &PhoneTcpServer::sweep);
    m_sweep->start();
    guardAccepting(this);
}

PhoneTcpServer::~PhoneTcpServer() = default;

void PhoneTcpServer::guardAccepting(QTcpServer* server)
{
    // Other parts of the program hold descriptors too: stop asking for a
    // moment instead of spinning on a listening socket that stays readable.
    connect(server, &QTcpServer::acceptError, this, [this, server](QAbstractSocket::SocketError) {
        server->pauseAccepting();
        evictQuietest();
        QTimer::singleShot(100, server, [server] { server->resumeAccepting(); });
    });
}

std::optional<PhoneTcpServer::Refusal> PhoneTcpServer::listenOn(const QList<QHostAddress>& addresses, quint16 port)
{
    const QList<QHostAddress> all = addresses.isEmpty() ? QList<QHostAddress>{QHostAddress::Any} : addresses;
    // A free port at the first address may be taken at another: then another
    // free port is tried.
    for (int attempt = 0;; ++attempt) {
        std::optional<Refusal> refusal = listenEach(all, port);
        const bool tryAgain = refusal && port == 0 && refusal->error == QAbstractSocket::AddressInUseError
                              && refusal->address != all.first() && attempt < 8;
        if (!tryAgain) {
            return refusal;
        }
    }
}

std::optional<PhoneTcpServer::Refusal> PhoneTcpServer::listenEach(const QList<QHostAddress>& addresses, quint16 port)
{
    if (!listen(addresses.first(), port)) {
        return Refusal{addresses.first(), serverError(), errorString()};
    }
    for (qsizetype i = 1; i < addresses.size(); ++i) {
        auto more = std::make_unique<PhoneListener>([this](qintptr descriptor) { incomingConnection(descriptor); });
        more->setListenBacklogSize(ListenBacklog);
        if (!more->listen(addresses[i], serverPort())) {
            Refusal refusal{addresses[i], more->serverError(), more->errorString()};
            stopListening();
            return refusal;
        }
        guardAccepting(more.get());
        m_more.push_back(std::move(more));
    }
    return std::nullopt;
}

void PhoneTcpServer::stopListening()
{
    close();
    m_more.clear();
}

int PhoneTcpServer::defaultMaxConnections()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return MostConnections;
    }
    const auto room = static_cast<long long>(limit.rlim_cur) - ReservedDescriptors;
    return static_cast<int>(std::clamp<long long>(room, 8, MostConnections));
}

void PhoneTcpServer::setTls(const QSslConfiguration& configuration)
{
    m_configuration = configuration;
    m_tls = true;
}

void PhoneTcpServer::setLimits(int maxConnections, int idleMs, int requestMs)
{
    m_maxConnections = std::max(1, maxConnections);
    m_idleMs = idleMs;
    m_requestMs = requestMs;
    m_sweep->setInterval(std::clamp(std::min(idleMs, requestMs) / 4, 10, 1000));
}

bool PhoneTcpServer::hasPendingWrites() const
{
    for (auto it = m_sockets.cbegin(); it != m_sockets.cend(); ++it) {
        if (it->owed > 0 || it.key()->bytesToWrite() > 0) {
            return true;
        }
    }
    return false;
}

void PhoneTcpServer::closeConnections()
{
    const QList<QTcpSocket*> open = m_sockets.keys();
    for (QTcpSocket* socket : open) {
        socket->disconnectFromHost();
    }
}

QTcpSocket* PhoneTcpServer::connectionFrom(const QHostAddress& address, quint16 port) const
{
    for (auto it = m_sockets.cbegin(); it != m_sockets.cend(); ++it) {
        if (!it->ended && it.key()->peerPort() == port && it.key()->peerAddress().isEqual(address)) {
            return it.key();
        }
    }
    return nullptr;
}

void PhoneTcpServer::requestTaken(QTcpSocket* socket)
{
    auto it = m_sockets.find(socket);
    if (it != m_sockets.end()) {
        it->requestStart = 0;
        ++it->owed;
    }
}

void PhoneTcpServer::answerSent(QTcpSocket* socket)
{
    auto it = m_sockets.find(socket);
    if (it != m_sockets.end()) {
        it->last = m_clock.elapsed();
        it->owed = std::max(0, it->owed - 1);
        if (it->owed == 0 && it->ended) {
            m_sockets.erase(it);
            socket->deleteLater();
        }
    }
}

void PhoneTcpServer::dropWhenAnswered(QTcpSocket* socket)
{
    const auto it = m_sockets.find(socket);
    if (it != m_sockets.end() && it->owed > 0) {
        it->ended = true;
        return;
    }
    m_sockets.remove(socket);
    socket->deleteLater();
}

void PhoneTcpServer::incomingConnection(qintptr socketDescriptor)
{
    QTcpSocket* socket = m_tls ? new QSslSocket(this) : new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        socket->deleteLater();
        return;
    }
    // Answers go out at once, not held back to be joined with later writes.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A full buffer stops reading from the network; the check below then
    // sees the request at its limit.
    socket->setReadBufferSize(MaxRequestBytes);
    connect(socket, &QAbstractSocket::disconnected, this, [this, socket] { dropWhenAnswered(socket); });
    track(socket);
    if (m_sockets.size() > m_maxConnections) {
        evictQuietest();
    }
    if (!m_tls) {
        guardRequestSize(socket);
        addPendingConnection(socket);
        return;
    }
    auto* secure = static_cast<QSslSocket*>(socket);
    secure->setSslConfiguration(m_configuration);
    connect(secure, &QSslSocket::encrypted, this, [this, secure] {
        guardRequestSize(secure);
        addPendingConnection(secure);
    });
    // Garbage, plain HTTP, or a client that refuses the certificate.
    connect(secure, &QAbstractSocket::errorOccurred, secure, [secure](QAbstractSocket::SocketError) {
        if (!secure->isEncrypted()) {
            secure->abort();
            secure->deleteLater();
        }
    });
    secure->startServerEncryption();
}

void PhoneTcpServer::track(QTcpSocket* socket)
{
    const qint64 now = m_clock.elapsed();
    m_sockets.insert(socket, Activity{now, now, ++m_accepted});
    connect(socket, &QObject::destroyed, this, [this, socket] { m_sockets.remove(socket); });
    connect(socket, &QIODevice::readyRead, this, [this, socket] {
        auto it = m_sockets.find(socket);
        if (it != m_sockets.end()) {
            it->last = m_clock.elapsed();
            if (it->requestStart == 0) {
                it->requestStart = it->last;
            }
        }
    });
    connect(socket, &QIODevice::bytesWritten, this, [this, socket] {
        auto it = m_sockets.find(socket);
        if (it != m_sockets.end()) {
            it->last = m_clock.elapsed();
        }
    });
}

void PhoneTcpServer::guardRequestSize(QTcpSocket* socket)
{
    // Connected before the HTTP layer's own handler, so it runs first. That
    // handler reads a partial request inside a read transaction and leaves
    // it open until the request is complete: while one is open, the bytes
    // now available are new bytes of the same request.
    auto pending = std::make_shared<qint64>(0);
    connect(socket, &QTcpSocket::readyRead, socket, [socket, pending] {
        const qint64 fresh = socket->bytesAvailable();
        *pending = socket->isTransactionStarted() ? *pending + fresh : fresh;
        if (*pending >= MaxRequestBytes && socket->state() == QAbstractSocket::ConnectedState) {
            socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
        }
    });
}

void PhoneTcpServer::sweep()
{
    const qint64 now = m_clock.elapsed();
    const qint64 since = now - m_lastSweep;
    m_lastSweep = now;
    // Late: the thread was busy (an answer that waited for a lock), and what
    // clients sent meanwhile has not been read yet. They are read first.
    if (since > 2 * m_sweep->interval()) {
        return;
    }
    QList<QTcpSocket*> expired;
    for (auto it = m_sockets.cbegin(); it != m_sockets.cend(); ++it) {
        if (it->owed > 0) {
            continue;
        }
        const bool idle = now - it->last >= m_idleMs;
        const bool slow = it->requestStart != 0 && now - it->requestStart >= m_requestMs;
        if (idle || slow) {
            expired << it.key();
        }
    }
    for (QTcpSocket* socket : expired) {
        socket->abort();
        socket->deleteLater();
        m_sockets.remove(socket);
    }
}

void PhoneTcpServer::evictQuietest()
{
    QTcpSocket* quietest = nullptr;
    qint64 oldest = 0;
    // Of connections quiet equally long, the one accepted first goes: never
    // the one just accepted. One that is owed an answer goes only when
    // every one is.
    quint64 serial = 0;
    bool owed = true;
    for (auto it = m_sockets.cbegin(); it != m_sockets.cend(); ++it) {
        if (it->ended) {
            continue;
        }
        const bool itOwed = it->owed > 0;
        const bool before = it->last < oldest || (it->last == oldest && it->serial < serial);
        if (!quietest || (owed && !itOwed) || (owed == itOwed && before)) {
            quietest = it.key();
            oldest = it->last;
            serial = it->serial;
            owed = itOwed;
        }
    }
    if (quietest) {
        quietest->abort();
        dropWhenAnswered(quietest);
    }
}
