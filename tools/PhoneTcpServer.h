#pragma once

#include <QTcpServer>

// The listening socket of the phone list. It bounds what one request may
// hold before the HTTP layer buffers it: a connection whose request in
// progress grows past MaxRequestBytes is answered 413 and closed, and the
// socket never buffers more than that, however much a client sends.
class PhoneTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    using QTcpServer::QTcpServer;

    // Room for the largest body the API accepts and its headers.
    static constexpr qint64 MaxBodyBytes = 64 * 1024;
    static constexpr qint64 MaxRequestBytes = MaxBodyBytes + 16 * 1024;

protected:
    void incomingConnection(qintptr socketDescriptor) override;
};
