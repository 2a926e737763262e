#include "PhoneServerTest.h"

// What the server does with connections and bodies that are too big, too many or too slow.

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

TEST_F(PhoneServerTest, IdleAndHalfSentConnectionsAreClosedAndTheQuietestMakesRoom)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    PhoneTcpServer& listener = *server->listener();
    auto open = [this](const QByteArray& first) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server->port());
        socket->waitForConnected(5000);
        if (!first.isEmpty()) {
            socket->write(first);
            socket->waitForBytesWritten(1000);
        }
        return socket;
    };
    auto closedWithin = [](const std::vector<std::unique_ptr<QTcpSocket>>& sockets, int ms) {
        QElapsedTimer clock;
        clock.start();
        auto allClosed = [&sockets] {
            return std::all_of(sockets.begin(), sockets.end(),
                               [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
        };
        while (!allClosed() && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            for (const auto& s : sockets) {
                s->waitForReadyRead(5);
                s->readAll();
            }
        }
        return allClosed();
    };

    listener.setLimits(50, 300, 300);
    std::vector<std::unique_ptr<QTcpSocket>> quiet;
    quiet.push_back(open({}));
    quiet.push_back(open("GET /api/list HTTP/1.1\r\nHost: x\r\n")); // and never the rest
    EXPECT_TRUE(closedWithin(quiet, 3000));
    EXPECT_EQ(get(QStringLiteral("/api/list")).status, 200);

    // Full: one more connection closes the one quiet longest, not the new one.
    listener.setLimits(4, 60000, 60000);
    std::vector<std::unique_ptr<QTcpSocket>> flood;
    for (int i = 0; i < 4; ++i) {
        flood.push_back(open({}));
        QTest::qWait(20);
    }
    QTest::qWait(50);
    EXPECT_LE(listener.openConnections(), 4);
    std::vector<std::unique_ptr<QTcpSocket>> oldest;
    oldest.push_back(std::move(flood.front()));
    const Answer answer = get(QStringLiteral("/api/list"));
    EXPECT_EQ(answer.status, 200);
    EXPECT_TRUE(closedWithin(oldest, 2000));
    EXPECT_LE(listener.openConnections(), 4);
#include "phone/PhoneListFeed.h"
}

// Qt 6.8 hands the server a request without its connection: the connection
// is found by the client's address and port, each of which opens one.
TEST_F(PhoneServerTest, EachConnectionIsFoundByItsClientsAddressAndPort)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    PhoneTcpServer& listener = *server->listener();
    QTcpSocket first;
    QTcpSocket second;
    for (QTcpSocket* socket : {&first, &second}) {
        socket->connectToHost(QHostAddress::LocalHost, server->port());
        ASSERT_TRUE(socket->waitForConnected(5000));
    }
    ASSERT_TRUE(QTest::qWaitFor([&listener] { return listener.openConnections() == 2; }, 5000));
    QTcpSocket* const firstFound = listener.connectionFrom(first.localAddress(), first.localPort());
    QTcpSocket* const secondFound = listener.connectionFrom(second.localAddress(), second.localPort());
    ASSERT_NE(firstFound, nullptr);
    ASSERT_NE(secondFound, nullptr);
    EXPECT_NE(firstFound, secondFound);
    EXPECT_EQ(firstFound->peerPort(), first.localPort());
    EXPECT_EQ(listener.connectionFrom(first.localAddress(), 0), nullptr);
}
