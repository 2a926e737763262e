#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "phone/PhoneHttpServer.h"
#include "phone/PhoneServer.h"
#include "phone/PhoneTcpServer.h"
#include "store/access/CAdoConnection.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <libpq-fe.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

namespace
{
const QByteArray Secret = QByteArrayLiteral("0rder-0rder-0rder-0rder-0rder-0rder-0rder-0r");

struct HttpAnswer
{
    int status = 0; // 0: the connection closed, or nothing came in time
    QByteArray body;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

// A blocking HTTP/1.1 client on 127.0.0.1, made and used on one thread: it
// writes bytes as they stand and reads answers one by one, by their length.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        m_socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.waitForBytesWritten(5000);
    }
    HttpAnswer next(int ms)
    {
        const QDeadlineTimer deadline(ms);
        for (;;) {
            const qsizetype end = m_buffer.indexOf("\r\n\r\n");
            const qsizetype at = m_buffer.left(end).toLower().indexOf("content-length:");
            const qsizetype total =
                end + 4 + (at < 0 ? 0 : m_buffer.mid(at + 15).split('\r').first().trimmed().toLongLong());
            if (end >= 0 && m_buffer.size() >= total) {
                HttpAnswer answer{m_buffer.mid(9, 3).toInt(), m_buffer.mid(end + 4, total - end - 4)};
                m_buffer.remove(0, total);
                return answer;
            }
            if (!m_socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
                return {};
            }
            m_buffer += m_socket.readAll();
        }
    }

private:
    QTcpSocket m_socket;
    QByteArray m_buffer;
};

QByteArray getRequest(const QByteArray& path, const QByteArray& key = Secret)
{
    QByteArray request = "GET " + path + " HTTP/1.1\r\nHost: x\r\n";
    if (!key.isEmpty()) {
        request += PhoneServer::KeyHeader + QByteArrayLiteral(": ") + key + "\r\n";
    }
    return request + "\r\n";
}

QByteArray postRequest(const QByteArray& path, const QByteArray& body)
{
    return "POST " + path + " HTTP/1.1\r\nHost: x\r\n" + PhoneServer::KeyHeader + ": " + Secret
           + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n"
           + body;
}

// Runs work on a thread of its own while this thread serves, and gives its result.
template <typename Work>
auto whileServing(Work work, int ms = 30000)
{
    std::future<decltype(work())> done = std::async(std::launch::async, std::move(work));
    std::ignore =
        QTest::qWaitFor([&done] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, ms);
    return done.get();
}

// A server whose answers come at once, later, or never.
class PacedServer : public PhoneHttpServer
{
public:
    PacedServer() { serve(m_listener); }
    quint16 port() const { return m_listener->serverPort(); }

protected:
    void serveRequest(const QHttpServerRequest& request, Answer& answer) override
    {
        const QString path = request.url().path();
        if (path == QLatin1String("/later")) {
            auto kept = std::make_shared<Answer>(std::move(answer));
            QTimer::singleShot(100, this, [kept] { kept->send(QHttpServerResponse(QByteArrayLiteral("later"))); });
        } else if (path == QLatin1String("/now")) {
            answer.send(QHttpServerResponse(QByteArrayLiteral("now")));
        }
        // Anything else: the answer is let go unsent.
    }

private:
    PhoneTcpServer* m_listener = [this] {
        auto* listener = new PhoneTcpServer(this);
        listener->listen(QHostAddress::LocalHost, 0);
        return listener;
    }();
};
} // namespace

class PhoneServerOrderTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        server.reset();
        connection.Close();
        GrocelleTest::TearDown();
    }
    void start()
    {
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        server = std::make_unique<PhoneServer>(connection, Secret);
        ASSERT_TRUE(server->start(0, nullptr));
    }

    CAdoConnection connection;
    std::unique_ptr<PhoneServer> server;
};

// Answers made early wait for those before them; one let go says so (503)
// and holds up nothing after it.
TEST_F(PhoneServerOrderTest, AnswersLeaveInTheOrderOfTheirRequests)
{
    PacedServer paced;
    const std::vector<HttpAnswer> replies = whileServing([port = paced.port()] {
        RawClient client(port);
        client.send(getRequest("/later") + getRequest("/dropped") + getRequest("/now") + getRequest("/later"));
        std::vector<HttpAnswer> each;
        for (int i = 0; i < 4; ++i) {
            each.push_back(client.next(5000));
        }
        return each;
    });
    ASSERT_EQ(replies.size(), 4U);
    const std::pair<int, QByteArray> expected[] = {{200, "later"}, {503, ""}, {200, "now"}, {200, "later"}};
    for (std::size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(replies[i].status, expected[i].first) << i;
        if (!expected[i].second.isEmpty()) {
            EXPECT_EQ(replies[i].body, expected[i].second) << i;
        }
    }
}

// A client that leaves before its answer is made costs the server nothing:
// the answer is let go with its connection, and the next client is served.
TEST_F(PhoneServerOrderTest, AnAnswerMadeAfterItsClientLeftIsLetGo)
{
    PacedServer paced;
    const HttpAnswer reply = whileServing([port = paced.port()] {
        {
            RawClient leaving(port);
            leaving.send(getRequest("/later") + getRequest("/later"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        RawClient next(port);
        next.send(getRequest("/now"));
        return next.next(5000);
    });
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "now");
}

// The list is answered off this thread, everything else at once: pipelined
// on one connection, each still gets its own answer, in order.
TEST_F(PhoneServerOrderTest, PipelinedListNamesRefusalAndChangeComeBackInOrder)
{
    CatalogSeed::write(
        {{.name = QStringLiteral("Milk"), .qty = 2, .id = 1}, {.name = QStringLiteral("Mint"), .id = 2}});
    start();
    const std::vector<HttpAnswer> replies = whileServing([port = server->port()] {
        RawClient client(port);
        client.send(getRequest("/api/list?store=*") + getRequest("/api/names?prefix=Mi")
                    + getRequest("/api/list?store=*", QByteArray())
                    + postRequest("/api/change", R"({"id":1,"field":"Checked","from":0,"to":1})")
                    + getRequest("/api/list?store=*"));
        std::vector<HttpAnswer> each;
        for (int i = 0; i < 5; ++i) {
            each.push_back(client.next(10000));
        }
        return each;
    });
    ASSERT_EQ(replies.size(), 5U);
    EXPECT_EQ(replies[0].status, 200);
    EXPECT_TRUE(replies[0].json().contains(QLatin1String("items"))) << replies[0].body.toStdString();
    EXPECT_EQ(replies[1].status, 200);
    EXPECT_TRUE(replies[1].json().contains(QLatin1String("names"))) << replies[1].body.toStdString();
    EXPECT_EQ(replies[2].status, 401);
    EXPECT_EQ(replies[3].status, 200);
    EXPECT_TRUE(replies[3].json().value(QLatin1String("applied")).toBool()) << replies[3].body.toStdString();
    EXPECT_EQ(replies[4].status, 200);
    EXPECT_TRUE(replies[4].body.contains("\"checked\":1")) << replies[4].body.toStdString();
}

// A phone's write waits for a row that another program holds, while another
// phone, connected and quiet beforehand, writes too: both are answered, the
// waiting one when the lock goes (200), or when its wait ends (409, why).
TEST_F(PhoneServerOrderTest, AWriteWaitingOnALockIsAnsweredWhateverOthersDo)
{
    QString why;
    if (!CatalogSeed::useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    CatalogSeed::write(
        {{.name = QStringLiteral("Milk"), .qty = 1, .id = 12}, {.name = QStringLiteral("Tea"), .id = 14}});
    // The server gives up a lock wait after 2 s; the listener's own limits
    // are shorter than the wait.
    ASSERT_EQ(connection.Open(CatalogSeed::path() + QStringLiteral("&connect_timeout=3")), 0);
    server = std::make_unique<PhoneServer>(connection, Secret);
    ASSERT_TRUE(server->start(0, nullptr));
    server->listener()->setLimits(50, 800, 800);

    using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;
    auto exec = [](PGconn* conn, const char* sql) { PQclear(PQexec(conn, sql)); };
    for (const bool released : {true, false}) {
        SCOPED_TRACE(released ? "released" : "held past the wait");
        Connection holder(PQconnectdb(CatalogSeed::path().toUtf8().constData()), &PQfinish);
        ASSERT_EQ(PQstatus(holder.get()), CONNECTION_OK);
        exec(holder.get(), "BEGIN");
        exec(holder.get(), "SELECT * FROM ShoppingLists WHERE ID = 12 FOR UPDATE");

        const auto [first, second] = whileServing([&, port = server->port()] {
            RawClient waiting(port);
            RawClient other(port);
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the other stays quiet from here
            const int to = released ? 1 : 0;
            waiting.send(postRequest(
                "/api/change",
                QStringLiteral(R"({"id":12,"field":"Checked","from":%1,"to":%2})").arg(1 - to).arg(to).toUtf8()));
            std::this_thread::sleep_for(std::chrono::milliseconds(900));
            other.send(postRequest("/api/change", R"({"id":14,"field":"QtyToBuy","from":0,"to":1})"));
            if (released) {
                exec(holder.get(), "COMMIT");
            }
            HttpAnswer got = waiting.next(10000);
            return std::make_pair(got, other.next(10000));
        });
        if (!released) {
            exec(holder.get(), "ROLLBACK");
        }
        EXPECT_EQ(first.status, released ? 200 : 409) << first.body.toStdString();
        EXPECT_EQ(first.json().value(QLatin1String("code")).toString(), released ? QString() : QStringLiteral("busy"));
        // Marked by the first round, and left so by the refused second.
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Checked"), QStringLiteral("Milk")), QStringLiteral("1"));
        EXPECT_EQ(second.status, 200) << second.body.toStdString();
        exec(holder.get(), "UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ID = 14");
    }
}
