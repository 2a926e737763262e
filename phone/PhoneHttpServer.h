#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHash>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QList>
#include <QPointer>
#include <QtGlobal>

#include <deque>
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
    struct Pending;

public:
    // The answer to one request, sent at once or later, at most once. The
    // answers of one connection go out in the order of its requests (HTTP/1.1
    // pipelining): one made early waits for those before it. It is dropped
    // when its connection has gone, or has been closed by an earlier answer,
    // before it is sent. One never sent is sent as unanswered() when it goes.
    class Answer
    {
    public:
        Answer(PhoneHttpServer& server, std::shared_ptr<Pending> pending);
        Answer(Answer&& other) noexcept;
        Answer& operator=(Answer&& other) noexcept;
        ~Answer();

        void send(QHttpServerResponse response);
        // Sends it with "Connection: close", then closes the connection once
        // it is written; requests after it on the connection go unanswered.
        void sendAndClose(QHttpServerResponse response);

    private:
        QPointer<PhoneHttpServer> m_server;
        std::shared_ptr<Pending> m_pending;
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
    // What a request gets whose answer was let go unsent.
    virtual QHttpServerResponse unanswered() const;

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    bool handleRequest(const QHttpServerRequest& request, QHttpServerResponder& responder) override;
    void missingHandler(const QHttpServerRequest& request, QHttpServerResponder& responder) override;
#else
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;
#endif
    // Queues the request's answer behind those its connection still owes,
    // then serves it.
    void take(const QHttpServerRequest& request, std::unique_ptr<QHttpServerResponder> responder, QTcpSocket* socket);
    // Sends the answers at the head of the connection's line that are ready.
    void release(const std::shared_ptr<Pending>& pending);
    static void write(Pending& pending);

    PhoneTcpServer* m_listener = nullptr;
    // Per connection, the answers it is owed, in the order of its requests.
    QHash<QTcpSocket*, std::deque<std::shared_ptr<Pending>>> m_lines;
};
