#include "phone/PhoneServer.h"

#include "phone/PhoneAssets.h"
#include "phone/PhoneDevices.h"
#include "phone/PhoneListFeed.h"
#include "phone/PhoneTcpServer.h"
#include "store/access/CAdoException.h"
#include "store/catalog/CatalogFailure.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace
{
using Status = QHttpServerResponder::StatusCode;

const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");

// The value of key in the query, percent-decoded; nullopt when it is not
// valid UTF-8, holds a NUL character (which would cut a statement short) or
// is longer than width; empty when missing.
std::optional<QString> queryValue(const QUrl& url, const QByteArray& key, int width)
{
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray& pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        if (pair.left(equals < 0 ? pair.size() : equals) != key) {
            continue;
        }
        QByteArray raw = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        raw.replace('+', ' ');
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString value = decoder.decode(QByteArray::fromPercentEncoding(raw));
        if (decoder.hasError() || value.toUcs4().size() > width || value.contains(QChar(u'\0'))) {
            return std::nullopt;
        }
        return value;
    }
    return QString();
}

// The content-security policy of the page: its one inline style sheet and
// script, by their digests, scripts of this server (the barcode decoder),
// and requests to this server only.
QByteArray pagePolicy(const QByteArray& page)
{
    auto digest = [&page](const char* tag) {
        const QRegularExpression block(QStringLiteral("<%1>(.*?)</%1>").arg(QLatin1String(tag)),
                                       QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = block.match(QString::fromUtf8(page));
        return QByteArrayLiteral("'sha256-")
               + QCryptographicHash::hash(match.captured(1).toUtf8(), QCryptographicHash::Sha256).toBase64()
               + QByteArrayLiteral("'");
    };
    return QByteArrayLiteral("default-src 'none'; connect-src 'self'; img-src 'self' data:; style-src ")
           + digest("style") + QByteArrayLiteral("; script-src ") + digest("script") + QByteArrayLiteral(" 'self'")
           + QByteArrayLiteral("; worker-src 'self'; manifest-src 'self'")
           + QByteArrayLiteral("; base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
}

// A key in the address: "k" or "key" among the query's names.
bool keyInQuery(const QUrl& url)
{
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    for (const QByteArray& pair : query.split('&')) {
        const QByteArray name =
            QByteArray::fromPercentEncoding(pair.left(pair.indexOf('=') < 0 ? pair.size() : pair.indexOf('=')))
                .toLower();
        if (name == "k" || name == "key") {
            return true;
        }
    }
    return false;
}

QHttpServerResponse plain(Status status)
{
    QHttpServerResponse response(status);
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    return response;
}

// A list answer that tells the page the catalog is read-only, whether the
// list changed or not.
PhoneApi::Reply markedReadOnly(PhoneApi::Reply reply)
{
    if (reply.status == 200 && reply.body.startsWith('{') && reply.body.size() > 2) {
        reply.body.insert(1, QByteArrayLiteral("\"readOnly\":true,"));
    }
    return reply;
}

QHttpServerResponse assetResponse(const PhoneAssets::Asset& asset)
{
    QHttpServerResponse response(asset.type, asset.body);
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Cache-Control"), asset.cacheControl);
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    return response;
}
} // namespace

PhoneServer::PhoneServer(CAdoConnection& connection, const QByteArray& secret, QObject* parent)
    : PhoneHttpServer(parent)
    , m_api(connection)
    , m_feed(new PhoneListFeed(connection, this))
    , m_secret(secret)
{
    QFile file(QStringLiteral(":/phone/index.html"));
    if (file.open(QIODevice::ReadOnly)) {
        m_page = file.readAll();
    }
    m_pagePolicy = pagePolicy(m_page);
    m_changed.setSingleShot(true);
    m_changed.setInterval(50);
    connect(&m_changed, &QTimer::timeout, this, &PhoneServer::catalogChanged);
}

PhoneServer::~PhoneServer() = default;

void PhoneServer::setTls(const QSslConfiguration& configuration)
{
    m_tls = std::make_unique<QSslConfiguration>(configuration);
}

void PhoneServer::setDevices(PhoneDevices* devices)
{
    m_devices = devices;
}

void PhoneServer::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

void PhoneServer::beginStop()
{
    m_stopping = true;
    if (m_listener) {
        m_listener->stopListening();
    }
}

bool PhoneServer::hasPendingWrites() const
{
    return m_listener && m_listener->hasPendingWrites();
}

bool PhoneServer::start(quint16 port, QString* reason)
{
    // Owned here until it listens; then its parent, this server, owns it.
    auto listener = std::make_unique<PhoneTcpServer>(this);
    if (m_tls) {
        listener->setTls(*m_tls);
    }
    if (const std::optional<PhoneTcpServer::Refusal> refusal = listener->listenOn(m_addresses, port)) {
        if (reason) {
            *reason = refusal->error == QAbstractSocket::AddressInUseError
                          ? tr("Port %1 is in use by another program. Choose another port.").arg(port)
                      : refusal->error == QAbstractSocket::SocketAddressNotAvailableError
                          ? tr("%1 is not an address of this computer.").arg(refusal->address.toString())
                          : tr("Port %1 cannot be used: %2").arg(port).arg(refusal->text);
        }
        return false;
    }
    m_listener = listener.release();
    serve(m_listener);
    return true;
}

void PhoneServer::setListenAddresses(const QList<QHostAddress>& addresses)
{
    m_addresses = addresses;
}

quint16 PhoneServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

void PhoneServer::setSecret(const QByteArray& secret)
{
    m_secret = secret;
}

bool PhoneServer::sameSecret(const QByteArray& given, const QByteArray& expected)
{
    if (expected.isEmpty()) {
        return false;
    }
    // Every byte of the expected secret is looked at, whatever the given one.
    unsigned difference = given.size() == expected.size() ? 0U : 1U;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const char mine = i < given.size() ? given[i] : '\0';
        difference |= static_cast<unsigned char>(mine ^ expected[i]);
    }
    return difference == 0;
}

bool PhoneServer::authorised(const QHttpServerRequest& request) const
{
    const QList<QByteArray> keys = headerValues(request, KeyHeader);
    // Two keys in one request: neither is taken.
    if (keys.size() != 1) {
        return false;
    }
    const QByteArray& key = keys.first();
    if (sameSecret(key, m_secret)) {
        return true;
    }
    return m_devices && !m_devices->accept(key).isEmpty();
}

QHttpServerResponse PhoneServer::page() const
{
    QHttpServerResponse response(QByteArrayLiteral("text/html; charset=utf-8"), m_page);
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Content-Security-Policy"), m_pagePolicy);
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    return response;
}

QHttpServerResponse PhoneServer::jsonResponse(const PhoneApi::Reply& reply)
{
    QHttpServerResponse response(JsonType, reply.body, static_cast<Status>(reply.status));
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    PhoneHttpServer::addHeader(response, QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    return response;
}

QHttpServerResponse PhoneServer::unanswered() const
{
    return jsonResponse(
        {503,
         QByteArrayLiteral(
             "{\"error\":\"The server could not finish this request; try again.\",\"code\":\"unanswered\"}"),
         false});
}

QHttpServerResponse PhoneServer::badQuery()
{
    return jsonResponse({400,
                         QByteArrayLiteral("{\"error\":\"A query value is too long, not UTF-8, or holds a NUL "
                                           "character.\",\"code\":\"bad-request\"}"),
                         false});
}

const PhoneServer::Route PhoneServer::Routes[] = {
    {"/", QHttpServerRequest::Method::Get, Access::Open, &PhoneServer::servePage},
    {"/index.html", QHttpServerRequest::Method::Get, Access::Open, &PhoneServer::servePage},
    {"/api/list", QHttpServerRequest::Method::Get, Access::Key, &PhoneServer::answerList},
    {"/api/names", QHttpServerRequest::Method::Get, Access::Key, &PhoneServer::answerNames},
    {"/api/cheapest", QHttpServerRequest::Method::Get, Access::Key, &PhoneServer::answerCheapest},
    {"/api/change", QHttpServerRequest::Method::Post, Access::Write, &PhoneServer::applyChange},
    {"/api/add", QHttpServerRequest::Method::Post, Access::Write, &PhoneServer::applyAdd},
    {"/api/price", QHttpServerRequest::Method::Post, Access::Write, &PhoneServer::applyPrice},
    {"/api/scan", QHttpServerRequest::Method::Post, Access::Write, &PhoneServer::applyScan},
    {"/api/barcode", QHttpServerRequest::Method::Post, Access::Write, &PhoneServer::keepBarcode},
};

std::optional<QHttpServerResponse> PhoneServer::respond(const QHttpServerRequest& request, Answer& answer)
{
    if (keyInQuery(request.url())) {
        return jsonResponse({400,
                             QByteArrayLiteral("{\"error\":\"A key goes in the X-Grocelle-Key header, never in the "
                                               "address.\",\"code\":\"bad-request\"}"),
                             false});
    }
    const QString path = request.url().path(QUrl::FullyEncoded);
    const Route* const route = std::find_if(std::begin(Routes), std::end(Routes),
                                            [&path](const Route& each) { return path == QLatin1String(each.path); });
    const bool known = route != std::end(Routes);
    const std::optional<PhoneAssets::Asset> asset = known ? std::nullopt : PhoneAssets::find(path);
    // An unknown path needs a key too: without one, nothing tells what is here.
    if (!asset && !(known && route->access == Access::Open)) {
        if (!authorised(request)) {
            return plain(Status::Unauthorized);
        }
        if (request.body().size() > PhoneTcpServer::MaxBodyBytes) {
            return jsonResponse(
                {413, QByteArrayLiteral("{\"error\":\"The request is too large.\",\"code\":\"bad-request\"}"), false});
        }
    }
    if (!known && !asset) {
        return plain(Status::NotFound);
    }
    if (request.method() != (known ? route->method : QHttpServerRequest::Method::Get)) {
        return plain(Status::MethodNotAllowed);
    }
    if (asset) {
        return assetResponse(*asset);
    }
    if (route->access == Access::Write && m_readOnly) {
        return jsonResponse(PhoneApi::readOnly());
    }
    return (this->*route->handler)(request, answer);
}

std::optional<QHttpServerResponse> PhoneServer::servePage(const QHttpServerRequest&, Answer&)
{
    return page();
}

std::optional<QHttpServerResponse> PhoneServer::answerList(const QHttpServerRequest& request, Answer& answer)
{
    const std::optional<QString> store = queryValue(request.url(), "store", PhoneApi::StoreWidth);
    const std::optional<QString> since = queryValue(request.url(), "since", 64);
    if (!store || !since) {
        return badQuery();
    }
    // The answer may come after this request's connection has gone.
    auto later = std::make_shared<Answer>(std::move(answer));
    m_feed->list(*store, *since, [later, readOnly = m_readOnly](const PhoneApi::Reply& reply) {
        later->send(jsonResponse(readOnly ? markedReadOnly(reply) : reply));
    });
    return std::nullopt;
}

std::optional<QHttpServerResponse> PhoneServer::answerNames(const QHttpServerRequest& request, Answer&)
{
    const std::optional<QString> prefix = queryValue(request.url(), "prefix", PhoneApi::NameWidth);
    const std::optional<QString> since = queryValue(request.url(), "since", 64);
    if (!prefix || !since) {
        return badQuery();
    }
    return finish(m_api.names(*prefix));
}

std::optional<QHttpServerResponse> PhoneServer::answerCheapest(const QHttpServerRequest&, Answer&)
{
    return finish(m_api.cheapest());
}

std::optional<QHttpServerResponse> PhoneServer::applyChange(const QHttpServerRequest& request, Answer&)
{
    return finish(m_api.change(request.body(), deviceName(request)));
}

std::optional<QHttpServerResponse> PhoneServer::applyAdd(const QHttpServerRequest& request, Answer&)
{
    return finish(m_api.add(request.body(), deviceName(request)));
}

std::optional<QHttpServerResponse> PhoneServer::applyPrice(const QHttpServerRequest& request, Answer&)
{
    return finish(m_api.price(request.body(), deviceName(request)));
}

std::optional<QHttpServerResponse> PhoneServer::applyScan(const QHttpServerRequest& request, Answer&)
{
    return finish(m_api.scan(request.body(), deviceName(request)));
}

std::optional<QHttpServerResponse> PhoneServer::keepBarcode(const QHttpServerRequest& request, Answer&)
{
    return finish(m_api.keepBarcode(request.body(), deviceName(request)));
}

QString PhoneServer::deviceName(const QHttpServerRequest& request) const
{
    const QList<QByteArray> keys = headerValues(request, KeyHeader);
    return keys.size() == 1 && m_devices ? m_devices->accept(keys.first()) : QString();
}

QHttpServerResponse PhoneServer::finish(const PhoneApi::Reply& reply)
{
    if (reply.status >= 500) {
        m_failing = true;
        Q_EMIT failed(QString::fromUtf8(reply.body));
    } else if (m_failing) {
        m_failing = false;
        Q_EMIT recovered();
    }
    if (reply.changed) {
        m_feed->noteWrite();
        if (!m_changed.isActive()) {
            m_changed.start();
        }
    }
    return jsonResponse(reply);
}

void PhoneServer::serveRequest(const QHttpServerRequest& request, Answer& answer)
{
    if (m_stopping) {
        // Answered, but not acted on: the client knows the request was not done.
        answer.sendAndClose(jsonResponse(
            {503, QByteArrayLiteral("{\"error\":\"The server is stopping.\",\"code\":\"stopping\"}"), false}));
        return;
    }
    // Nothing leaves this handler: the event loop is the window's.
    try {
        if (std::optional<QHttpServerResponse> response = respond(request, answer)) {
            answer.send(std::move(*response));
        }
    } catch (const CAdoException& e) {
        // The reply says what failed in the user's words, by its kind (a
        // server out of reach is 503 and names it); the engine's own words
        // go to the log only, never to a phone.
        m_failing = true;
        Q_EMIT failed(e.describe());
        answer.send(jsonResponse(m_api.failure(e.kind(), CatalogFailure::text(e))));
    } catch (const std::exception& e) {
        m_failing = true;
        Q_EMIT failed(QString::fromLocal8Bit(e.what()));
        answer.send(plain(Status::InternalServerError));
    }
}
