#include "GrocelleTest.h"
#include "ThrowawayServer.h"

#include "list/ItemChanges.h"
#include "phone/PhoneApi.h"
#include "phone/PhoneListFeed.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>

#include <libpq-fe.h>

#include <future>
#include <memory>

// The phone's requests on a household server in trouble: another program's
// locks, a row deleted under one, the server gone. A server of its own each.
class PhoneApiTroubleTest : public GrocelleTest
{
protected:
    using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;

    void SetUp() override
    {
        GrocelleTest::SetUp();
        QString why;
        if (!m_server.create(why)) {
            GTEST_SKIP() << why.toStdString();
        }
        ASSERT_EQ(Catalog::prepareFile(m_server.uri()), Catalog::FileState::Created);
        m_other = otherProgram();
        ASSERT_EQ(PQstatus(m_other.get()), CONNECTION_OK);
        // A name of 30 characters, one of them an emoji (31 UTF-16 units).
        ASSERT_TRUE(other("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, checked) VALUES (12, 'Milk', 1, 0), "
                          "(14, 'Tea', 1, 0), (16, 'Birthday cake with candles ok' || chr(127874), 0, 0)"));
    }

    // Another program's connection, as psql's would be.
    Connection otherProgram() const { return Connection(PQconnectdb(m_server.uri().toUtf8().constData()), &PQfinish); }
    bool other(const char* sql) const
    {
        PGresult* result = PQexec(m_other.get(), sql);
        const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
        PQclear(result);
        return ok;
    }
    QString otherValue(const char* sql) const
    {
        const Connection reader = otherProgram();
        PGresult* result = PQexec(reader.get(), sql);
        const QString value = PQntuples(result) > 0 ? QString::fromUtf8(PQgetvalue(result, 0, 0)) : QString();
        PQclear(result);
        return value;
    }
    // Waits until a connection waits for a lock; false after half a minute.
    bool someoneWaitsForALock() const
    {
        for (int tries = 0; tries < 300; ++tries) {
            if (otherValue("SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock'") == "1") {
                return true;
            }
            QThread::msleep(100);
        }
        return false;
    }
    QString uri(int seconds) const { return m_server.uri() + QStringLiteral("&connect_timeout=%1").arg(seconds); }

    static QString errorOf(const PhoneApi::Reply& reply)
    {
        return QJsonDocument::fromJson(reply.body).object().value(QLatin1String("error")).toString();
    }

    // What the refusal is, whatever its words.
    static QString codeOf(const PhoneApi::Reply& reply)
    {
        return QJsonDocument::fromJson(reply.body).object().value(QLatin1String("code")).toString();
    }

    ThrowawayServer m_server;
    Connection m_other{nullptr, &PQfinish};
};

TEST_F(PhoneApiTroubleTest, ALockOnOneItemDoesNotHoldUpAChangeToAnother)
{
    ASSERT_TRUE(other("BEGIN"));
    ASSERT_TRUE(other("SELECT * FROM ShoppingLists WHERE ID = 12 FOR UPDATE"));

    // The window marks item 12 and waits for the other program's lock...
    std::future<QString> held = std::async(std::launch::async, [this] {
        CAdoConnection window(true);
        if (window.Open(uri(20)) != 0) {
            return window.lastError();
        }
        try {
            ItemChanges::setMark(window, 12, 1);
        } catch (const CAdoException& error) {
            return error.describe();
        }
        return QString();
    });
    ASSERT_TRUE(someoneWaitsForALock());
    // ...holding nothing of the journal meanwhile: the row's lock comes first.
    EXPECT_EQ(otherValue("SELECT count(*) FROM pg_locks l JOIN pg_stat_activity a ON a.pid = l.pid WHERE "
                         "a.wait_event_type = 'Lock' AND l.granted AND l.relation = 'journalactions'::regclass"),
              "0");

    // A phone marks item 14 meanwhile, and is done while the window still waits.
    CAdoConnection phone(true);
    ASSERT_EQ(phone.Open(m_server.uri()), 0);
    const PhoneApi::Reply marked = PhoneApi(phone).change(R"({"id":14,"field":"Checked","from":0,"to":1})");
    EXPECT_EQ(marked.status, 200) << marked.body.toStdString();
    EXPECT_EQ(otherValue("SELECT checked FROM ShoppingLists WHERE ID = 14"), "1");
    EXPECT_EQ(held.wait_for(std::chrono::seconds(0)), std::future_status::timeout);

    ASSERT_TRUE(other("COMMIT"));
    EXPECT_EQ(held.get(), QString());
    EXPECT_EQ(otherValue("SELECT checked FROM ShoppingLists WHERE ID = 12"), "1");
    EXPECT_EQ(otherValue("SELECT count(*) FROM JournalActions"), "2");
}

TEST_F(PhoneApiTroubleTest, AnItemDeletedUnderALockIsGoneAndAHeldOneIsBusy)
{
    // Deleted by another program while the phone's change waits for it.
    ASSERT_TRUE(other("BEGIN"));
    ASSERT_TRUE(other("DELETE FROM ShoppingLists WHERE ID = 12"));
    std::future<PhoneApi::Reply> waiting = std::async(std::launch::async, [this] {
        CAdoConnection phone(true);
        if (phone.Open(uri(20)) != 0) {
            return PhoneApi::Reply{0, phone.lastError().toUtf8(), false};
        }
        return PhoneApi(phone).change(R"({"id":12,"field":"Checked","from":0,"to":1})");
    });
    ASSERT_TRUE(someoneWaitsForALock());
    ASSERT_TRUE(other("COMMIT"));
    const PhoneApi::Reply gone = waiting.get();
    EXPECT_EQ(gone.status, 404) << gone.body.toStdString();
    EXPECT_EQ(codeOf(gone), QStringLiteral("no-item"));

    // Held longer than the time limit: busy, with the reason.
    ASSERT_TRUE(other("BEGIN"));
    ASSERT_TRUE(other("SELECT * FROM ShoppingLists WHERE ID = 14 FOR UPDATE"));
    CAdoConnection phone(true);
    ASSERT_EQ(phone.Open(uri(2)), 0);
    PhoneApi api(phone);
    for (const PhoneApi::Reply& busy :
         {api.change(R"({"id":14,"field":"QtyToBuy","from":1,"to":3})"), api.add(R"({"name":"Tea","quantity":3})")}) {
        EXPECT_EQ(busy.status, 409) << busy.body.toStdString();
        EXPECT_EQ(codeOf(busy), QStringLiteral("busy"));
        EXPECT_FALSE(errorOf(busy).isEmpty());
    }
    ASSERT_TRUE(other("COMMIT"));
    EXPECT_EQ(api.add(R"({"name":"Tea","quantity":3})").status, 200);
    EXPECT_EQ(otherValue("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 14"), "3");
}

TEST_F(PhoneApiTroubleTest, EveryRequestNamesTheServerWhileItIsAway)
{
    CAdoConnection phone(true);
    ASSERT_EQ(phone.Open(uri(2)), 0);
    PhoneApi api(phone);
    ASSERT_EQ(api.list(QStringLiteral("*"), QString()).status, 200);
    // A name of 30 characters with an emoji is 30 long, as the server counts.
    const PhoneApi::Reply cake = api.add(QStringLiteral(R"({"name":"Birthday cake with candles ok%1","quantity":2})")
                                             .arg(QString::fromUcs4(U"\U0001F382"))
                                             .toUtf8());
    EXPECT_EQ(cake.status, 200) << cake.body.toStdString();
    EXPECT_EQ(api.add(QStringLiteral(R"({"name":"Birthday cake with candles ok!%1","quantity":2})")
                          .arg(QString::fromUcs4(U"\U0001F382"))
                          .toUtf8())
                  .status,
              400);

    m_other.reset();
    ASSERT_TRUE(m_server.stopImmediately());
    const QString named = Catalog::describeLocation(m_server.uri());
    for (const PhoneApi::Reply& away :
         {api.list(QStringLiteral("*"), QString()), api.names(QStringLiteral("Mi")),
          api.change(R"({"id":14,"field":"Checked","from":0,"to":1})"), api.add(R"({"name":"Tea","quantity":3})")}) {
        EXPECT_EQ(away.status, 503) << away.body.toStdString();
        EXPECT_TRUE(errorOf(away).contains(named)) << away.body.toStdString();
    }
    // The list the page polls comes from a reader of its own: the same.
    {
        PhoneListFeed feed(phone);
        PhoneApi::Reply listed;
        QEventLoop loop;
        feed.list(QStringLiteral("*"), QString(), [&](const PhoneApi::Reply& reply) {
            listed = reply;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_EQ(listed.status, 503) << listed.body.toStdString();
        EXPECT_TRUE(errorOf(listed).contains(named)) << listed.body.toStdString();
    }
    ASSERT_TRUE(m_server.start());
    EXPECT_EQ(api.list(QStringLiteral("*"), QString()).status, 200);
}
