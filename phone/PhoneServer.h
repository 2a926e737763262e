#pragma once

#include "phone/PhoneApi.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QTimer>

#include <memory>

class CAdoConnection;
class PhoneDevices;
class PhoneListFeed;
class PhoneTcpServer;
class QSslConfiguration;
class QHttpServerResponse;

// One run of the phone list's web server, on the program's own event loop and
// the window's catalog connection. It serves the page, the files that make
// it an installable app, and its JSON interface, and nothing else: no path
// reaches the file system. The list is answered by a PhoneListFeed, which
// reads the catalog off the window's thread and only when it has changed.
//
// The page itself holds no data and is served to anyone; every other request
// must carry a key in the KeyHeader header, or it gets 401 and nothing else:
// the secret given, or the key of one of the devices. A key never travels in
// the address, where proxies and logs would keep it: a request with one in
// its query is refused. Headers a proxy adds (X-Forwarded-For and the like)
// play no part in who may do what. Stopping the server is destroying it.
class PhoneServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    PhoneServer(CAdoConnection& connection, const QByteArray& secret, QObject* parent = nullptr);
    ~PhoneServer() override;

    // Listens on port (0: a free one) on every address. False with the
    // reason in words when the port cannot be had.
    bool start(quint16 port, QString* reason);
    quint16 port() const;
    // Serves HTTPS only; called before start.
    void setTls(const QSslConfiguration& configuration);
    // The device keys accepted besides the secret; null: none. Not owned.
    void setDevices(PhoneDevices* devices);
    // Writes are answered 403 and change nothing.
    void setReadOnly(bool readOnly);
    // The listening socket, for its limits; null before start.
    PhoneTcpServer* listener() const { return m_listener; }

    // The first step of a clean stop: no new connections, and every request
    // from now on is answered 503 and its connection closed, so that every
    // answer a client got tells what happened to the catalog.
    void beginStop();
    // True while answers are still being sent.
    bool hasPendingWrites() const;

    // Takes effect with the next request: the old secret is refused from then on.
    void setSecret(const QByteArray& secret);

    // Equal secrets, in a time that does not depend on where they differ.
    static bool sameSecret(const QByteArray& given, const QByteArray& expected);

    static constexpr const char* KeyHeader = "X-Grocelle-Key";

    PhoneListFeed& listFeed() const { return *m_feed; }

Q_SIGNALS:
    // The page wrote the catalog; emitted once for a burst of writes.
    void catalogChanged();
    // A request failed on the server's side; reason in words, for the log.
    void failed(const QString& reason);
    // A request succeeded after one or more had failed.
    void recovered();

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QHttpServerResponse respond(const QHttpServerRequest& request);
    // A well-formed, authorised list request is handed to the feed and
    // answered when it answers: true. False for any other request.
    bool answerList(const QHttpServerRequest& request, QTcpSocket* socket);
    QHttpServerResponse page() const;
    bool authorised(const QHttpServerRequest& request) const;
    static QHttpServerResponse jsonResponse(const PhoneApi::Reply& reply);

    PhoneApi m_api;
    PhoneListFeed* m_feed = nullptr;
    QByteArray m_secret;
    PhoneDevices* m_devices = nullptr;
    bool m_readOnly = false;
    bool m_stopping = false;
    bool m_failing = false;
    QByteArray m_page;
    QByteArray m_pagePolicy;
    PhoneTcpServer* m_listener = nullptr;
    QTimer m_changed;
    std::unique_ptr<QSslConfiguration> m_tls;
};
