#include "tools/PhoneTcpServer.h"

#include <QTcpSocket>

#include <memory>

void PhoneTcpServer::incomingConnection(qintptr socketDescriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        socket->deleteLater();
        return;
    }
    // Answers go out at once, not held back to be joined with later writes.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A full buffer stops reading from the network; the check below then
    // sees the request at its limit.
    socket->setReadBufferSize(MaxRequestBytes);
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
            connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
        }
    });
    addPendingConnection(socket);
}
