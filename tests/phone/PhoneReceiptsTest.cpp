#include "CatalogSeed.h"
#include "EngineTest.h"

#include "phone/PhoneApi.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/Journal.h"

#include <QJsonDocument>
#include <QJsonObject>

// The phones' writes as a household makes them: presses that add up, and
// each change id landing once, whatever the order, the number of times it
// comes and the program that takes it.
class PhoneReceiptsTest : public EngineTest
{
protected:
    void open(const std::vector<SeedItem>& items)
    {
        CatalogSeed::write(items);
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    }
    void TearDown() override
    {
        connection.Close();
        EngineTest::TearDown();
    }
    static QJsonObject json(const PhoneApi::Reply& reply) { return QJsonDocument::fromJson(reply.body).object(); }
    static QByteArray step(int id, int by, const char* change)
    {
        return QStringLiteral(R"({"id":%1,"field":"QtyToBuy","step":%2,"change":"%3"})")
            .arg(id)
            .arg(by)
            .arg(QLatin1String(change))
            .toUtf8();
    }
    static QByteArray mark(int id, const char* change)
    {
        return QStringLiteral(R"({"id":%1,"field":"Checked","from":0,"to":1,"change":"%2"})")
            .arg(id)
            .arg(QLatin1String(change))
            .toUtf8();
    }

    CAdoConnection connection;
};

TEST_P(PhoneReceiptsTest, EachChangeLandsOnceInAnyOrderFromAnyProgramAndAfterARestart)
{
    open({{.name = QStringLiteral("Paper Towels"), .qty = 2, .id = 7}});
    const QString anna = QStringLiteral("Anna's phone");
    const QString ben = QStringLiteral("Ben's phone");
    // Two programs serving the same catalog, each with a memory of its own.
    PhoneApi window(connection);
    PhoneApi server(connection);
    const struct
    {
        PhoneApi& api;
        QByteArray body;
        const QString& device;
    } sent[] = {
        {window, step(7, 1, "anna-0002"), anna}, // sent before the one queued first
        {window, step(7, 1, "anna-0001"), anna}, {server, step(7, 1, "ben-00001"), ben},
        {window, step(7, 1, "anna-0002"), anna}, // again: its answer was lost
        {server, step(7, 1, "anna-0001"), anna}, // again, to the other program
        {window, step(7, -1, "ben-00002"), ben}, {window, step(7, 1, "ben-00001"), ben},
    };
    QHash<QByteArray, QByteArray> firstAnswers;
    for (const auto& one : sent) {
        const PhoneApi::Reply reply = one.api.change(one.body, one.device);
        ASSERT_EQ(reply.status, 200) << reply.body.toStdString();
        // Sent again, a change is answered as it was the first time.
        if (!firstAnswers.contains(one.body)) {
            firstAnswers.insert(one.body, reply.body);
        }
        EXPECT_EQ(reply.body, firstAnswers.value(one.body)) << one.body.toStdString();
    }
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("QtyToBuy"), QStringLiteral("Paper Towels")), QStringLiteral("4"));

    // Restarted: the memory is gone, the receipts are not.
    PhoneApi restarted(connection);
    for (const auto& one : sent) {
        EXPECT_EQ(restarted.change(one.body, one.device).body, firstAnswers.value(one.body)) << one.body.toStdString();
    }
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("QtyToBuy"), QStringLiteral("Paper Towels")), QStringLiteral("4"));

    // Undo takes back each press, the newest first.
    Journal journal(connection);
    EXPECT_EQ(journal.history().size(), 4);
    EXPECT_EQ(journal.history().first().label, QStringLiteral("Subtract one: Paper Towels"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(journal.undo().done);
    }
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("QtyToBuy"), QStringLiteral("Paper Towels")), QStringLiteral("2"));
}

TEST_P(PhoneReceiptsTest, AStepAddsToWhatTheCatalogHoldsWithinItsRange)
{
    open({{.name = QStringLiteral("Milk"), .qty = 0, .id = 1}});
    PhoneApi api(connection);
    const struct
    {
        int stored;
        int step;
        int after;
    } cases[] = {{0, -1, 0}, {0, 1, 1}, {5, -1, 4}, {32767, 1, 32767}, {32760, 100, 32767}, {3, -100, 0}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = %1").arg(c.stored)));
        const QByteArray change = QStringLiteral("step-case-%1").arg(n++).toLatin1();
        const QJsonObject answer = json(api.change(step(1, c.step, change.constData())));
        EXPECT_TRUE(answer.value(QLatin1String("applied")).toBool());
        EXPECT_EQ(answer.value(QLatin1String("value")).toInt(), c.after);
        EXPECT_FALSE(answer.contains(QLatin1String("by"))) << "a step is never anyone else's";
        EXPECT_EQ(CatalogSeed::stored(QStringLiteral("QtyToBuy"), QStringLiteral("Milk")), QString::number(c.after));
    }
    for (const QByteArray& refused :
         {QByteArray(R"({"id":1,"field":"QtyToBuy","step":0})"), QByteArray(R"({"id":1,"field":"Checked","step":1})"),
          QByteArray(R"({"id":1,"field":"QtyToBuy","step":1,"from":0})"),
          QByteArray(R"({"id":1,"field":"QtyToBuy","step":1.5})"),
          QByteArray(R"({"id":1,"field":"QtyToBuy","step":40000})")}) {
        EXPECT_EQ(api.change(refused).status, 400) << refused.toStdString();
    }
}

TEST_P(PhoneReceiptsTest, AChangeThatFoundItsValueSetNamesWhoSetIt)
{
    open(
        {{.name = QStringLiteral("Tomatoes"), .qty = 2, .id = 5}, {.name = QStringLiteral("Eggs"), .qty = 1, .id = 6}});
    PhoneApi api(connection);
    const QJsonObject first = json(api.change(mark(5, "anna-mark"), QStringLiteral("Anna's phone")));
    EXPECT_TRUE(first.value(QLatin1String("applied")).toBool());
    EXPECT_FALSE(first.contains(QLatin1String("by")));

    // Both put the tomatoes in the basket: it lands once, and Ben is told by whom.
    const QJsonObject second = json(api.change(mark(5, "ben-mark-1"), QStringLiteral("Ben's phone")));
    EXPECT_TRUE(second.value(QLatin1String("applied")).toBool());
    EXPECT_EQ(second.value(QLatin1String("name")).toString(), QStringLiteral("Tomatoes"));
    EXPECT_EQ(second.value(QLatin1String("by")).toString(), QStringLiteral("phone"));
    EXPECT_EQ(second.value(QLatin1String("phone")).toString(), QStringLiteral("Anna's phone"));
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("ID = 5 AND Checked <> 0")), 1);
    EXPECT_EQ(Journal(connection).history().size(), 1);

    // Set on the computer: an older page's quantity stands back, and says so;
    // a mark the computer made is the computer's.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5, Checked = 1 WHERE ID = 6")));
    const QJsonObject stale = json(api.change(R"({"id":6,"field":"QtyToBuy","from":1,"to":2,"change":"old-page-1"})",
                                              QStringLiteral("Ben's phone")));
    EXPECT_FALSE(stale.value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stale.value(QLatin1String("value")).toInt(), 5);
    EXPECT_EQ(stale.value(QLatin1String("by")).toString(), QStringLiteral("computer"));
    EXPECT_EQ(json(api.change(mark(6, "ben-mark-2"), QStringLiteral("Ben's phone"))).value(QLatin1String("by")),
              QStringLiteral("computer"));
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneReceiptsTest);
