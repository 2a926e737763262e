#pragma once

#include "phone/PhoneApi.h"
#include "phone/PhoneHttpServer.h"

#include <QByteArray>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QList>
#include <QTimer>

#include <memory>
#include <optional>

class CAdoConnection;
class PhoneDevices;
class PhoneListFeed;
class PhoneTcpServer;
class QSslConfiguration;

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
class PhoneServer : public PhoneHttpServer
{
    Q_OBJECT

public:
    PhoneServer(CAdoConnection& connection, const QByteArray& secret, QObject* parent = nullptr);
    ~PhoneServer() override;

    // Listens on port (0: a free one) at the addresses chosen, or at every
    // address. False with the reason in words when the port or an address
    // cannot be had.
    bool start(quint16 port, QString* reason);
    // The addresses start listens at; none: every address. Called before start.
    void setListenAddresses(const QList<QHostAddress>& addresses);
    quint16 port() const;
    // Serves HTTPS only; called before start.
    void setTls(const QSslConfiguration& configuration);
    // The device keys accepted besides the secret; null: none. Not owned.
    void setDevices(PhoneDevices* devices);
    // Writes are answered 403 and change nothing, and the list tells the
    // page that the catalog is read-only.
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
    void serveRequest(const QHttpServerRequest& request, Answer& answer) override;
    QHttpServerResponse unanswered() const override;

private:
    // Who may reach a route: anyone, the holder of a key, or the holder of a
    // key while the catalog may be written.
    enum class Access
    {
        Open,
        Key,
        Write,
    };
    // A handler's answer; nullopt when it has taken the answer to send later.
    using Handler = std::optional<QHttpServerResponse> (PhoneServer::*)(const QHttpServerRequest&, Answer&);
    struct Route
    {
        const char* path;
        QHttpServerRequest::Method method;
        Access access;
        Handler handler;
    };
    // Every path the server answers besides the app's files (PhoneAssets,
    // open to anyone and read with GET only).
    static const Route Routes[];

    // The key, size, method and write checks, then the route's handler.
    std::optional<QHttpServerResponse> respond(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> servePage(const QHttpServerRequest& request, Answer& answer);
    // The list is handed to the feed and answered when it answers.
    std::optional<QHttpServerResponse> answerList(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> answerNames(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> applyChange(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> answerCheapest(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> applyAdd(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> applyPrice(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> applyScan(const QHttpServerRequest& request, Answer& answer);
    std::optional<QHttpServerResponse> keepBarcode(const QHttpServerRequest& request, Answer& answer);
    // The answer of the interface, after noting a failure, a recovery or a write.
    QHttpServerResponse finish(const PhoneApi::Reply& reply);
    QHttpServerResponse page() const;
    bool authorised(const QHttpServerRequest& request) const;
    // The name of the device whose key the request carries; empty for none.
    QString deviceName(const QHttpServerRequest& request) const;
    static QHttpServerResponse jsonResponse(const PhoneApi::Reply& reply);
    // A query value the list and the names cannot take.
    static QHttpServerResponse badQuery();

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
    QList<QHostAddress> m_addresses;
    QTimer m_changed;
    std::unique_ptr<QSslConfiguration> m_tls;
};
