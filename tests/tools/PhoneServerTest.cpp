#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "commands/ViewState.h"
#include "mainwnd/ListStatement.h"
#include "store/CAdoConnection.h"
#include "store/Journal.h"
#include "tools/PhoneListFeed.h"
#include "tools/PhoneServer.h"
#include "tools/PhoneTcpServer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// The phone list's web server against real HTTP on 127.0.0.1, on a free port.
class PhoneServerTest : public GrocelleTest
{
protected:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    };

    void startOn(const std::vector<SeedItem>& items)
    {
        CatalogSeed::write(items);
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        server = std::make_unique<PhoneServer>(connection, secret);
        QString reason;
        ASSERT_TRUE(server->start(0, &reason)) << reason.toStdString();
        ASSERT_NE(server->port(), 0);
    }
    void TearDown() override
    {
        server.reset();
        connection.Close();
        GrocelleTest::TearDown();
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server->port()).arg(path));
    }
    QNetworkRequest requestFor(const QString& path, const QByteArray& key) const
    {
        QNetworkRequest request(url(path));
        if (!key.isNull()) {
            request.setRawHeader(PhoneServer::KeyHeader, key);
        }
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        return request;
    }
    static Answer wait(QNetworkReply* reply)
    {
        if (!reply->isFinished()) {
            QEventLoop loop;
            QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
        reply->deleteLater();
        return answer;
    }
    Answer get(const QString& path, const QByteArray& key) { return wait(network.get(requestFor(path, key))); }
    Answer get(const QString& path) { return get(path, secret); }
    Answer post(const QString& path, const QByteArray& body, const QByteArray& key)
    {
        return wait(network.post(requestFor(path, key), body));
    }
    Answer post(const QString& path, const QByteArray& body) { return post(path, body, secret); }

    // What a raw client gets for bytes written as they stand: the status line
    // and everything after it, until the server answers and goes quiet.
    QByteArray raw(const QByteArray& bytes)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server->port());
        if (!socket.waitForConnected(5000)) {
            return {};
        }
        socket.write(bytes);
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && socket.state() == QAbstractSocket::ConnectedState) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (socket.bytesToWrite() > 0) {
                socket.waitForBytesWritten(20);
            }
            socket.waitForReadyRead(20);
            answer += socket.readAll();
            if (answer.contains("\r\n\r\n") && socket.bytesAvailable() == 0 && !answer.startsWith("HTTP/1.1 100")) {
                break;
            }
        }
        return answer + socket.readAll();
    }
    QByteArray rawGet(const QString& path, const QByteArray& key)
    {
        return raw("GET " + path.toLatin1() + " HTTP/1.1\r\nHost: x\r\n" + PhoneServer::KeyHeader + ": " + key
                   + "\r\nConnection: close\r\n\r\n");
    }

    static QString stored(const QString& column, int id)
    {
        return CatalogSeed::scalar(QStringLiteral("SELECT %1 FROM ShoppingLists WHERE ID = %2").arg(column).arg(id));
    }
    static QString wholeCatalog()
    {
        return CatalogSeed::scalar(QStringLiteral(
            "SELECT group_concat(ID || ':' || ItemName || ':' || QtyToBuy || ':' || Checked, '|') FROM ShoppingLists"));
    }

    const QByteArray secret = QByteArrayLiteral("s3cr3t-s3cr3t-s3cr3t-s3cr3t-s3cr3t-s3cr3t-xy");
    CAdoConnection connection;
    std::unique_ptr<PhoneServer> server;
    QNetworkAccessManager network;
};

TEST_F(PhoneServerTest, ListIsTheNeedViewInWalkingOrderWithTotals)
{
    startOn({
        {.name = QStringLiteral("Milk"),
         .qty = 2,
         .dept = QStringLiteral("Dairy"),
         .price = 1.25,
         .deptOrder = 2,
         .notes = QStringLiteral("the blue one")},
        {.name = QStringLiteral("Apples"),
         .qty = 3,
         .dept = QStringLiteral("Produce"),
         .price = 0.5,
         .checked = 1,
         .deptOrder = 1},
        {.name = QStringLiteral("Butter"),
         .qty = 1,
         .dept = QStringLiteral("Dairy"),
         .store = QStringLiteral("Corner"),
         .price = 2.0,
         .coupon = 1,
         .deptOrder = 2},
        {.name = QStringLiteral("Salt"), .qty = 0, .dept = QStringLiteral("Baking"), .deptOrder = 0},
    });
    const Answer answer = get(QStringLiteral("/api/list"));
    ASSERT_EQ(answer.status, 200);
    const QJsonObject list = answer.json();
    QStringList names;
    for (const QJsonValue& item : list.value(QLatin1String("items")).toArray()) {
        names << item[QLatin1String("name")].toString();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Apples"), QStringLiteral("Butter"), QStringLiteral("Milk")}));
    const QJsonObject milk = list.value(QLatin1String("items")).toArray().at(2).toObject();
    EXPECT_EQ(milk.value(QLatin1String("qty")).toInt(), 2);
    EXPECT_DOUBLE_EQ(milk.value(QLatin1String("price")).toDouble(), 1.25);
    EXPECT_EQ(milk.value(QLatin1String("notes")).toString(), QStringLiteral("the blue one"));
    EXPECT_EQ(milk.value(QLatin1String("unit")).toString(), QStringLiteral("pkg"));
    EXPECT_TRUE(list.value(QLatin1String("items")).toArray().at(1)[QLatin1String("coupon")].toBool());
    EXPECT_EQ(list.value(QLatin1String("listTotal")).toString(), QStringLiteral("$6.00"));
    EXPECT_EQ(list.value(QLatin1String("markedTotal")).toString(), QStringLiteral("$1.50"));
    EXPECT_EQ(list.value(QLatin1String("stores")).toArray().size(), 2);

    // A store tab narrows the list to that store.
    const QJsonObject corner = get(QStringLiteral("/api/list?store=Corner")).json();
    ASSERT_EQ(corner.value(QLatin1String("items")).toArray().size(), 1);
    EXPECT_EQ(corner.value(QLatin1String("listTotal")).toString(), QStringLiteral("$2.00"));

    // The version tells the page that nothing changed, until something does.
    const QString version = list.value(QLatin1String("version")).toString();
    EXPECT_TRUE(get(QStringLiteral("/api/list?since=") + version).json().value(QLatin1String("unchanged")).toBool());
    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ItemName = 'Milk'"));
    EXPECT_FALSE(get(QStringLiteral("/api/list?since=") + version).json().contains(QLatin1String("unchanged")));
}

TEST_F(PhoneServerTest, ListStatementIsTheWindowsNeedViewStatement)
{
    ViewState need;
    need.needOrder = QStringLiteral("DeptOrder, ItemName");
    QString page = PhoneApi::listSql(QStringLiteral("*"));
    page.remove(QStringLiteral(", ItemNameDetail"));
    EXPECT_EQ(page, ListStatement::compose(need));
}

TEST_F(PhoneServerTest, EveryRequestButThePageNeedsTheSecret)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    const Answer page = get(QStringLiteral("/"), QByteArray());
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("<script>"));

    QByteArray nearlyRight = secret;
    nearlyRight[nearlyRight.size() - 1] = 'z';
    for (const QByteArray& key : {QByteArray(), QByteArray(""), nearlyRight, secret.left(10), secret + "x"}) {
        for (const QString& path :
             {QStringLiteral("/api/list"), QStringLiteral("/api/names?prefix=M"), QStringLiteral("/nothing/here")}) {
            const Answer refused = get(path, key);
            EXPECT_EQ(refused.status, 401) << path.toStdString() << " " << key.toStdString();
            EXPECT_TRUE(refused.body.isEmpty());
        }
        const Answer write = post(QStringLiteral("/api/change"), R"({"id":1,"field":"Checked","from":0,"to":1})", key);
        EXPECT_EQ(write.status, 401);
    }
    EXPECT_EQ(stored(QStringLiteral("Checked"), 1), QStringLiteral("0"));

    // A new secret shuts the old one out at once.
    server->setSecret(QByteArrayLiteral("another-secret-another-secret-another-secret"));
    EXPECT_EQ(get(QStringLiteral("/api/list")).status, 401);
    EXPECT_EQ(
        get(QStringLiteral("/api/list"), QByteArrayLiteral("another-secret-another-secret-another-secret")).status,
        200);

    EXPECT_TRUE(PhoneServer::sameSecret("abc", "abc"));
    EXPECT_FALSE(PhoneServer::sameSecret("", ""));
    EXPECT_FALSE(PhoneServer::sameSecret("abc", "abd"));
    EXPECT_FALSE(PhoneServer::sameSecret("ab", "abc"));
}

TEST_F(PhoneServerTest, ChangesSetValuesAndLandOnce)
{
    startOn({
        {.name = QStringLiteral("Milk"), .qty = 3, .price = 1.0, .id = 42},
        {.name = QStringLiteral("Eggs"), .qty = 1, .checked = -1, .id = 43},
    });
    QSignalSpy changed(server.get(), &PhoneServer::catalogChanged);
    const QByteArray mark = R"({"id":42,"field":"Checked","from":0,"to":1})";
    Answer first = post(QStringLiteral("/api/change"), mark);
    ASSERT_EQ(first.status, 200);
    EXPECT_TRUE(first.json().value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));
    // Sent again (a retry after a lost answer): already so, nothing more.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), mark).json().value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));

    // Quantities: 3 to 4 lands; a change made from an older 2 does not, and
    // the answer carries the stored value.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":3,"to":4})")
                    .json()
                    .value(QLatin1String("applied"))
                    .toBool());
    const QJsonObject stale =
        post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":2,"to":1})").json();
    EXPECT_FALSE(stale.value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stale.value(QLatin1String("value")).toInt(), 4);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 42), QStringLiteral("4"));

    // A mark of -1 from another tool counts as marked.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), R"({"id":43,"field":"Checked","from":1,"to":0})")
                    .json()
                    .value(QLatin1String("applied"))
                    .toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 43), QStringLiteral("0"));

    // The add sets the named item's quantity, as quick entry does; 0 means 1.
    EXPECT_EQ(post(QStringLiteral("/api/add"), R"({"name":"eggs","quantity":0})").status, 200);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 43), QStringLiteral("1"));

    // The window hears of the writes.
    EXPECT_TRUE(changed.count() > 0 || changed.wait(2000));
}

TEST_F(PhoneServerTest, ThePagesChangesAreJournalledAndUndo)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 3, .price = 1.0, .id = 42}});
    ASSERT_EQ(post(QStringLiteral("/api/change"), R"({"id":42,"field":"Checked","from":0,"to":1})").status, 200);
    ASSERT_EQ(post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":3,"to":4})").status, 200);

    Journal journal(connection);
    const QList<Journal::Action> actions = journal.history();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions.at(0).label, QStringLiteral("Add one: Milk"));
    EXPECT_EQ(actions.at(1).label, QStringLiteral("Mark: Milk"));
    EXPECT_TRUE(journal.undo().done);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 42), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("0"));
}

TEST_F(PhoneServerTest, BadRequestsAreRefusedWithAReasonAndChangeNothing)
{
    startOn({
        {.name = QStringLiteral("Milk"), .qty = 3, .id = 1},
        {.name = QStringLiteral("Kids' Snacks"), .qty = 0, .id = 2},
    });
    const QString before = wholeCatalog();
    const QList<QByteArray> changes = {
        "",
        "{",
        "[1,2]",
        "null",
        R"({"id":1,"field":"Checked","from":0})",
        R"({"id":1,"field":"Checked","from":0,"to":1,"extra":0})",
        R"({"id":"1","field":"Checked","from":0,"to":1})",
        R"({"id":1.5,"field":"Checked","from":0,"to":1})",
        R"({"id":1e300,"field":"Checked","from":0,"to":1})",
        R"({"id":999,"field":"Checked","from":0,"to":1})",
        R"({"id":1,"field":"Price","from":0,"to":1})",
        R"({"id":1,"field":"Checked","from":0,"to":2})",
        R"({"id":1,"field":"QtyToBuy","from":3,"to":32768})",
        R"({"id":1,"field":"QtyToBuy","from":3,"to":-1})",
        R"({"id":"1; DROP TABLE ShoppingLists","field":"QtyToBuy","from":3,"to":1})",
    };
    for (const QByteArray& body : changes) {
        const Answer answer = post(QStringLiteral("/api/change"), body);
        EXPECT_EQ(answer.status, 400) << body.toStdString();
        EXPECT_FALSE(answer.json().value(QLatin1String("error")).toString().isEmpty()) << body.toStdString();
    }
    const QList<QByteArray> adds = {
        R"({"name":"","quantity":1})",
        R"({"name":"Milk","quantity":40000})",
        R"({"name":"A name far longer than thirty characters","quantity":1})",
        R"({"name":"x' OR '1'='1","quantity":7})",
        R"({"name":"Milk'; DELETE FROM ShoppingLists; --","quantity":7})",
        R"({"name":"\ud800","quantity":1})",
        "{\"name\":\"Mi\xff\xfe\",\"quantity\":1}",
    };
    for (const QByteArray& body : adds) {
        EXPECT_EQ(post(QStringLiteral("/api/add"), body).status, 400) << body.toStdString();
    }
    EXPECT_EQ(get(QStringLiteral("/api/names?prefix=%FF%FE")).status, 400);
    EXPECT_EQ(get(QStringLiteral("/api/list?store=") + QString(31, QLatin1Char('x'))).status, 400);
    EXPECT_EQ(wholeCatalog(), before);

    // Quotes and SQL in texts are values, never statement text.
    EXPECT_EQ(post(QStringLiteral("/api/add"), R"({"name":"Kids' Snacks","quantity":2})").status, 200);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 2), QStringLiteral("2"));
    const QJsonArray found =
        get(QStringLiteral("/api/names?prefix=kids'")).json().value(QLatin1String("names")).toArray();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.at(0)[QLatin1String("name")].toString(), QStringLiteral("Kids' Snacks"));
    EXPECT_EQ(
        get(QStringLiteral("/api/list?store=x'%20OR%20'1'='1")).json().value(QLatin1String("items")).toArray().size(),
        0);
    EXPECT_EQ(get(QStringLiteral("/api/names?prefix=%25")).json().value(QLatin1String("names")).toArray().size(), 0);
}

TEST_F(PhoneServerTest, OnlyThePageAndTheInterfaceAreServed)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    for (const char* path :
         {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/%2e%2e/etc/passwd", "/..%2f..%2f..%2fetc%2fpasswd",
          "/%252e%252e/etc/passwd", "//etc/passwd", "/api/../../etc/passwd", "/phone/index.html",
          "/index.html/../../etc/passwd", "/api/list/../../../etc/passwd", "/.%2e/.%2e/etc/passwd", "/grocelle.qrc",
          "/shoplistdata.cdb"}) {
        const QByteArray withKey = rawGet(QString::fromLatin1(path), secret);
        EXPECT_TRUE(withKey.startsWith("HTTP/1.1 404") || withKey.startsWith("HTTP/1.1 400"))
            << path << withKey.left(40).toStdString();
        EXPECT_FALSE(withKey.contains("root:")) << path;
        EXPECT_TRUE(rawGet(QString::fromLatin1(path), "wrong").startsWith("HTTP/1.1 401")) << path;
    }
    EXPECT_TRUE(rawGet(QStringLiteral("/"), QByteArray()).startsWith("HTTP/1.1 200"));
    // Writes are POSTs, reads GETs.
    EXPECT_EQ(get(QStringLiteral("/api/change")).status, 405);
    EXPECT_EQ(wait(network.deleteResource(requestFor(QStringLiteral("/api/list"), secret))).status, 405);
}

TEST_F(PhoneServerTest, OversizedBodiesAreRefused)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}});
    // Past 64 KB but still buffered whole: refused by its size.
    QByteArray padded = R"({"id":1,"field":"Checked","from":0,"to":1,"pad":")";
    padded += QByteArray(70 * 1024, 'a') + "\"}";
    EXPECT_EQ(post(QStringLiteral("/api/change"), padded).status, 413);

    // Far past it: the server answers without taking it all in.
    const QByteArray head = "POST /api/change HTTP/1.1\r\nHost: x\r\n" + QByteArray(PhoneServer::KeyHeader) + ": "
                            + secret + "\r\nContent-Length: 50000000\r\n\r\n";
    EXPECT_TRUE(raw(head + QByteArray(PhoneTcpServer::MaxRequestBytes * 2, '{')).startsWith("HTTP/1.1 413"));
    EXPECT_EQ(stored(QStringLiteral("Checked"), 1), QStringLiteral("0"));
    // And goes on serving.
    EXPECT_EQ(get(QStringLiteral("/api/list")).status, 200);
}

TEST_F(PhoneServerTest, ABurstOfAThousandWritesAllLandAndTheLoopKeepsTurning)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 1000; ++i) {
        items.push_back({.name = QStringLiteral("Item %1").arg(i), .qty = 1, .id = i});
    }
    startOn(items);
    QSignalSpy changed(server.get(), &PhoneServer::catalogChanged);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(5);

    int done = 0;
    int ok = 0;
    for (int i = 1; i <= 1000; ++i) {
        QNetworkReply* reply =
            network.post(requestFor(QStringLiteral("/api/change"), secret),
                         QStringLiteral(R"({"id":%1,"field":"Checked","from":0,"to":1})").arg(i).toUtf8());
        QObject::connect(reply, &QNetworkReply::finished, [reply, &done, &ok] {
            ++done;
            ok += reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200 ? 1 : 0;
            reply->deleteLater();
        });
    }
    QElapsedTimer clock;
    clock.start();
    while (done < 1000 && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(done, 1000);
    EXPECT_EQ(ok, 1000);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT COUNT(*) FROM ShoppingLists WHERE Checked = 1")),
              QStringLiteral("1000"));
    EXPECT_GT(ticks, 0);
    changed.wait(500);
    EXPECT_GE(changed.count(), 1);
    EXPECT_LT(changed.count(), 1000);
}

TEST_F(PhoneServerTest, TheAppFilesAreServedToAnyoneAndTheirPolicyAllowsThem)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    const QByteArray manifest = rawGet(QStringLiteral("/manifest.webmanifest"), QByteArray());
    ASSERT_TRUE(manifest.startsWith("HTTP/1.1 200")) << manifest.left(40).toStdString();
    EXPECT_TRUE(manifest.contains("application/manifest+json"));
    const QJsonObject app = QJsonDocument::fromJson(manifest.mid(manifest.indexOf("\r\n\r\n") + 4)).object();
    EXPECT_EQ(app.value(QLatin1String("start_url")).toString(), QStringLiteral("/"));
    EXPECT_EQ(app.value(QLatin1String("display")).toString(), QStringLiteral("standalone"));
    // Every icon named is served, as a PNG of the size it claims.
    const QJsonArray icons = app.value(QLatin1String("icons")).toArray();
    ASSERT_GE(icons.size(), 2);
    for (const QJsonValue& icon : icons) {
        const Answer png = get(icon.toObject().value(QLatin1String("src")).toString(), QByteArray());
        ASSERT_EQ(png.status, 200);
        ASSERT_TRUE(png.body.startsWith("\x89PNG\r\n\x1a\n"));
        const auto side = [&png](int at) {
            return (static_cast<unsigned char>(png.body[at]) << 8) | static_cast<unsigned char>(png.body[at + 1]);
        };
        EXPECT_EQ(QStringLiteral("%1x%2").arg(side(18)).arg(side(22)),
                  icon.toObject().value(QLatin1String("sizes")).toString());
    }

    const QByteArray worker = rawGet(QStringLiteral("/sw.js"), QByteArray());
    ASSERT_TRUE(worker.startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(worker.contains("text/javascript"));
    EXPECT_TRUE(worker.contains("Cache-Control: no-cache"));
    // The worker never keeps answers of the interface.
    EXPECT_TRUE(worker.contains("\"/manifest.webmanifest\""));
    EXPECT_FALSE(worker.contains("\"/api/"));

    // The page may register the worker and read the manifest, and nothing more.
    const QByteArray page = rawGet(QStringLiteral("/"), QByteArray());
    EXPECT_TRUE(page.contains("worker-src 'self'"));
    EXPECT_TRUE(page.contains("manifest-src 'self'"));
    EXPECT_TRUE(page.contains("default-src 'none'"));
    EXPECT_TRUE(page.contains("rel=\"manifest\" href=\"/manifest.webmanifest\""));

    // Only GET, and only those exact paths.
    EXPECT_EQ(post(QStringLiteral("/sw.js"), "{}").status, 405);
    EXPECT_TRUE(rawGet(QStringLiteral("/sw.js/../index.html"), QByteArray()).startsWith("HTTP/1.1 401"));
    EXPECT_TRUE(rawGet(QStringLiteral("/icon-192.png%00"), QByteArray()).startsWith("HTTP/1.1 401"));
    EXPECT_TRUE(rawGet(QStringLiteral("/SW.JS"), QByteArray()).startsWith("HTTP/1.1 401"));
}

TEST_F(PhoneServerTest, AChangeSentAgainByItsIdLandsOnceEvenWhenTheValueWasSetBackMeanwhile)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 3, .id = 42}});
    const QByteArray mark = R"({"id":42,"field":"Checked","from":0,"to":1,"change":"a1b2c3d4e5f6a7b8"})";
    const Answer first = post(QStringLiteral("/api/change"), mark);
    ASSERT_EQ(first.status, 200);
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));
    // The answer was lost; the computer unmarks the item; the phone sends
    // the mark again. It does not land a second time, and the answer is
    // the first one's.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Checked = 0 WHERE ID = 42")));
    const Answer again = post(QStringLiteral("/api/change"), mark);
    EXPECT_EQ(again.status, 200);
    EXPECT_EQ(again.body, first.body);
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("0"));

    // A new id is a new change.
    EXPECT_TRUE(post(QStringLiteral("/api/change"),
                     R"({"id":42,"field":"Checked","from":0,"to":1,"change":"another-change-1"})")
                    .json()
                    .value(QLatin1String("applied"))
                    .toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));

    // An add by name with an id, sent twice after the quantity was changed
    // elsewhere: the second changes nothing.
    const QByteArray add = R"({"name":"Milk","quantity":5,"change":"add-once-0001"})";
    ASSERT_EQ(post(QStringLiteral("/api/add"), add).status, 200);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 2 WHERE ID = 42")));
    EXPECT_EQ(post(QStringLiteral("/api/add"), add).status, 200);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 42), QStringLiteral("2"));

    // Ids that are not ids are refused, and nothing is written.
    const QString before = wholeCatalog();
    for (
        const char* body :
        {R"({"id":42,"field":"Checked","from":1,"to":0,"change":"short"})",
         R"({"id":42,"field":"Checked","from":1,"to":0,"change":12345678})",
         R"({"id":42,"field":"Checked","from":1,"to":0,"change":"has space 12345"})",
         R"({"id":42,"field":"Checked","from":1,"to":0,"change":"quote\"1234567"})",
         R"({"id":42,"field":"Checked","from":1,"to":0,"change":"0123456789012345678901234567890123456789012345678901234567890123456789"})",
         R"({"id":42,"field":"Checked","from":1,"to":0,"change":"a1b2c3d4e5f6","extra":1})",
         R"({"name":"Milk","quantity":1,"change":null})"}) {
        const Answer refused = post(body[2] == 'n' ? QStringLiteral("/api/add") : QStringLiteral("/api/change"), body);
        EXPECT_EQ(refused.status, 400) << body;
        EXPECT_TRUE(refused.json().contains(QLatin1String("error"))) << body;
    }
    EXPECT_EQ(wholeCatalog(), before);
}

TEST_F(PhoneServerTest, OnlyTheLastChangeIdsAreRemembered)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1, .id = 42}});
    PhoneApi api(connection);
    // Each one already so: answered, remembered, nothing written.
    const auto unmark = [&api](int n) {
        return api.change(
            QStringLiteral(R"({"id":42,"field":"Checked","from":1,"to":0,"change":"id-%1-xxxx"})").arg(n).toUtf8());
    };
    for (int n = 0; n <= PhoneApi::RememberedChanges; ++n) {
        ASSERT_EQ(unmark(n).status, 200);
    }
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Checked = 1 WHERE ID = 42")));
    // The newest is remembered: nothing is written.
    EXPECT_FALSE(unmark(PhoneApi::RememberedChanges).changed);
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));
    // The oldest has been forgotten: sent again, it is judged by its values.
    EXPECT_TRUE(unmark(0).changed);
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("0"));
}

TEST_F(PhoneServerTest, AListAskedForByAClientThatLeftBeforeItWasBuiltIsDropped)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    QSemaphore release;
    server->listFeed().setBeforeBuild([&release] { release.tryAcquire(1, 10000); });
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server->port());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write("GET /api/list?store=* HTTP/1.1\r\nHost: x\r\n" + QByteArray(PhoneServer::KeyHeader) + ": "
                     + secret + "\r\n\r\n");
        ASSERT_TRUE(socket.waitForBytesWritten(5000));
        QElapsedTimer clock;
        clock.start();
        while (server->listFeed().builds() == 0 && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        ASSERT_EQ(server->listFeed().builds(), 1);
        socket.abort();
    }
    // The client's socket goes on the server's side, then the list comes.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    release.release(10);
    server->listFeed().setBeforeBuild({});
    const Answer answer = get(QStringLiteral("/api/list"));
    EXPECT_EQ(answer.status, 200);
    EXPECT_TRUE(answer.body.contains("Milk"));
}
