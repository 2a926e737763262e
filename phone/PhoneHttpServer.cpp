#include "phone/PhoneHttpServer.h"

#include "phone/PhoneTcpServer.h"

#include <QHttpServerResponder>
#include <QTcpSocket>

#include <optional>
#include <utility>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QHttpHeaders>
#endif

// One request's answer, in its connection's line until it is sent.
struct PhoneHttpServer::Pending
{
    std::unique_ptr<QHttpServerResponder> responder;
    // Null from the start when the connection was not found: the answer then
    // goes out as soon as it is made, as the responder alone can send it.
    QPointer<QTcpSocket> socket;
    bool known = false;
    std::optional<QHttpServerResponse> response; // set: ready to go
    bool close = false;
};

PhoneHttpServer::Answer::Answer(PhoneHttpServer& server, std::shared_ptr<Pending> pending)
    : m_server(&server)
    , m_pending(std::move(pending))
{
}

PhoneHttpServer::Answer::Answer(Answer&& other) noexcept
    : m_server(other.m_server)
    , m_pending(std::move(other.m_pending))
{
}

PhoneHttpServer::Answer& PhoneHttpServer::Answer::operator=(Answer&& other) noexcept
{
    if (this != &other) {
        Answer unsent(std::move(*this));
        m_server = other.m_server;
        m_pending = std::move(other.m_pending);
    }
    return *this;
}

PhoneHttpServer::Answer::~Answer()
{
    if (!m_pending || !m_server) {
        return;
    }
    // A request is never left without an answer while its connection lasts:
    // the connection's later answers would wait for it for ever.
    try {
        send(m_server->unanswered());
    } catch (...) {
        m_pending.reset();
    }
}

void PhoneHttpServer::Answer::send(QHttpServerResponse response)
{
    const std::shared_ptr<Pending> pending = std::move(m_pending);
    if (!pending || !m_server) {
        return;
    }
    pending->response.emplace(std::move(response));
    m_server->release(pending);
}

void PhoneHttpServer::Answer::sendAndClose(QHttpServerResponse response)
{
    addHeader(response, QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
    if (m_pending) {
        m_pending->close = true;
    }
    send(std::move(response));
}

PhoneHttpServer::PhoneHttpServer(QObject* parent)
    : QAbstractHttpServer(parent)
{
}

PhoneHttpServer::~PhoneHttpServer() = default;

void PhoneHttpServer::serve(PhoneTcpServer* listener)
{
    m_listener = listener;
    bind(listener);
}

QHttpServerResponse PhoneHttpServer::unanswered() const
{
    QHttpServerResponse response(QHttpServerResponder::StatusCode::ServiceUnavailable);
    addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    return response;
}

void PhoneHttpServer::take(const QHttpServerRequest& request, std::unique_ptr<QHttpServerResponder> responder,
                           QTcpSocket* socket)
{
    auto pending = std::make_shared<Pending>();
    pending->responder = std::move(responder);
    pending->socket = socket;
    pending->known = socket != nullptr;
    if (socket) {
        auto line = m_lines.find(socket);
        if (line == m_lines.end()) {
            line = m_lines.insert(socket, std::deque<std::shared_ptr<Pending>>());
            connect(socket, &QObject::destroyed, this, [this, socket] { m_lines.remove(socket); });
        }
        line->push_back(pending);
        if (m_listener) {
            m_listener->requestTaken(socket);
        }
    }
    Answer answer(*this, std::move(pending));
    serveRequest(request, answer);
}

void PhoneHttpServer::release(const std::shared_ptr<Pending>& pending)
{
    if (!pending->known) {
        write(*pending);
        return;
    }
    QTcpSocket* const socket = pending->socket;
    if (!socket) {
        return;
    }
    // Looked up afresh each turn: sending may start the next request, on
    // this connection or another, which changes the lines.
    for (;;) {
        const auto line = m_lines.find(socket);
        if (line == m_lines.end() || line->empty() || !line->front()->response) {
            return;
        }
        const std::shared_ptr<Pending> next = std::move(line->front());
        line->pop_front();
        std::size_t dropped = 0;
        if (next->close) {
            dropped = line->size();
            line->clear();
        }
        write(*next);
        for (std::size_t i = 0; m_listener && i <= dropped; ++i) {
            m_listener->answerSent(socket);
        }
        if (next->close) {
            if (next->socket) {
                next->socket->disconnectFromHost();
            }
            return;
        }
    }
}

void PhoneHttpServer::write(Pending& pending)
{
    const std::unique_ptr<QHttpServerResponder> responder = std::move(pending.responder);
    const bool gone = pending.known && (!pending.socket || pending.socket->state() != QAbstractSocket::ConnectedState);
    if (!responder || !pending.response || gone) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    responder->sendResponse(*pending.response);
#else
    pending.response->write(std::move(*responder));
#endif
}

void PhoneHttpServer::addHeader(QHttpServerResponse& response, const QByteArray& name, const QByteArray& value)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QHttpHeaders headers = response.headers();
    headers.append(name, value);
    response.setHeaders(std::move(headers));
#else
    response.addHeader(name, value);
#endif
}

QList<QByteArray> PhoneHttpServer::headerValues(const QHttpServerRequest& request, const QByteArray& name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return request.headers().values(name);
#else
    QList<QByteArray> values;
    for (const auto& [each, value] : request.headers()) {
        if (each.compare(name, Qt::CaseInsensitive) == 0) {
            values.append(value);
        }
    }
    return values;
#endif
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
bool PhoneHttpServer::handleRequest(const QHttpServerRequest& request, QHttpServerResponder& responder)
{
    // The responder no longer names its connection: the listener finds it by
    // the client's address and port, which one connection has at a time.
    QTcpSocket* socket =
        m_listener ? m_listener->connectionFrom(request.remoteAddress(), request.remotePort()) : nullptr;
    take(request, std::make_unique<QHttpServerResponder>(std::move(responder)), socket);
    return true;
}

void PhoneHttpServer::missingHandler(const QHttpServerRequest&, QHttpServerResponder& responder)
{
    QHttpServerResponse response(QHttpServerResponder::StatusCode::NotFound);
    addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    responder.sendResponse(response);
}
#else
bool PhoneHttpServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    take(request, std::make_unique<QHttpServerResponder>(makeResponder(request, socket)), socket);
    return true;
}

void PhoneHttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponse response(QHttpServerResponder::StatusCode::NotFound);
    addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    response.write(makeResponder(request, socket));
}
#endif
