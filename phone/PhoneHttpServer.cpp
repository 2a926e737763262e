#include "phone/PhoneHttpServer.h"

#include "phone/PhoneTcpServer.h"

#include <QHttpServerResponder>
#include <QTcpSocket>

#include <utility>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QHttpHeaders>
#endif

PhoneHttpServer::Answer::Answer(std::unique_ptr<QHttpServerResponder> responder, QTcpSocket* socket)
    : m_responder(std::move(responder))
    , m_socket(socket)
{
}

PhoneHttpServer::Answer::Answer(Answer&& other) noexcept = default;
PhoneHttpServer::Answer& PhoneHttpServer::Answer::operator=(Answer&& other) noexcept = default;
PhoneHttpServer::Answer::~Answer() = default;

void PhoneHttpServer::Answer::send(const QHttpServerResponse& response)
{
    std::unique_ptr<QHttpServerResponder> responder = std::move(m_responder);
    if (!responder || !m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    responder->sendResponse(response);
#else
    response.write(std::move(*responder));
#endif
}

void PhoneHttpServer::Answer::sendAndClose(QHttpServerResponse response)
{
    addHeader(response, QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
    const QPointer<QTcpSocket> socket = m_socket;
    send(response);
    if (socket) {
        socket->disconnectFromHost();
    }
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
    Answer reply(std::make_unique<QHttpServerResponder>(std::move(responder)), socket);
    serveRequest(request, reply);
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
    Answer reply(std::make_unique<QHttpServerResponder>(makeResponder(request, socket)), socket);
    serveRequest(request, reply);
    return true;
}

void PhoneHttpServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponse response(QHttpServerResponder::StatusCode::NotFound);
    addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    response.write(makeResponder(request, socket));
}
#endif
