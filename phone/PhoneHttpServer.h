#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QList>
#include <QPointer>
#include <QtGlobal>

#include <memory>

class PhoneTcpServer;
class QHttpServerResponder;
class QTcpSocket;

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#error "Qt HTTP Server 6.5 to 6.7 is not supported: build with Qt 6.4, or 6.8 or later."
#endif

// Qt's HTTP server as the phone server uses it, and the one place that knows
// which one it is built with. Up to Qt 6.4 a handler gets the connection's
// socket and makes its responder; from 6.8 on it gets a responder and never
// sees the socket, and headers are a QHttpHeaders. Both come down to one
// interface here, so that the answers, their headers and the connection's
// fate are the same on either.
class PhoneHttpServer : public QAbstractHttpServer
{
public:
    // The answer to one request, sent at once or later, at most once. It is
    // dropped when its connection has gone before it is sent.
    class Answer
    {
    public:
        Answer(std::unique_ptr<QHttpServerResponder> responder, QTcpSocket* socket);
        Answer(Answer&& other) noexcept;
        Answer& operator=(Answer&& other) noexcept;
        ~Answer();

        void send(const QHttpServerResponse& response);
        // Sends it with "Connection: close", then closes the connection once
        // it is written.
        void sendAndClose(QHttpServerResponse response);

    private:
        std::unique_ptr<QHttpServerResponder> m_responder;
        QPointer<QTcpSocket> m_socket;
    };

    explicit PhoneHttpServer(QObject* parent = nullptr);
    ~PhoneHttpServer() override;

    static void addHeader(QHttpServerResponse& response, const QByteArray& name, const QByteArray& value);
    // Every value the request gives the header name, whatever its case.
    static QList<QByteArray> headerValues(const QHttpServerRequest& request, const QByteArray& name);

protected:
    // Serves what listener accepts; it is the connections' parent.
    void serve(PhoneTcpServer* listener);
    // Every request, found or not: answer it now, or keep the answer.
    virtual void serveRequest(const QHttpServerRequest& request, Answer& answer) = 0;

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    bool handleRequest(const QHttpServerRequest& request, QHttpServerResponder& responder) override;
    void missingHandler(const QHttpServerRequest& request, QHttpServerResponder& responder) override;
#else
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;
#endif

    PhoneTcpServer* m_listener = nullptr;
};
