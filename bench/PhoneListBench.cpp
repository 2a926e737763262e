// The phone list over real HTTP on 127.0.0.1: the list request that the page
// makes, against the window's own Rebuild list of the same catalog, and the
// round trip of one mark.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"
#include "bench/KeptFixture.h"

#include "list/ItemChanges.h"
#include "phone/PhoneServer.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
const QByteArray Secret = QByteArrayLiteral("bench-secret-bench-secret-bench-secret-bench");

// A server on a generated catalog, kept between benchmarks of the same size.
class Served
{
public:
    static Served& on(int items)
    {
        return KeptFixture<Served>::get(
            KeptOn::OwnCatalog, [items](const Served& kept) { return kept.m_items == items; },
            [items] { return std::unique_ptr<Served>(new Served(items)); });
    }

    // Status and size of the answer.
    std::pair<int, qsizetype> call(const QString& path, const QByteArray& body = QByteArray())
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path)));
        request.setRawHeader(PhoneServer::KeyHeader, Secret);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        QNetworkReply* reply = body.isNull() ? m_network.get(request) : m_network.post(request, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const std::pair<int, qsizetype> answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                                               reply->readAll().size()};
        reply->deleteLater();
        return answer;
    }

    CAdoConnection& connection() { return m_connection; }

    // The ID of an item on the list.
    int listedItem()
    {
        CAdoRecordset rs;
        benchMust(
            rs.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE QtyToBuy > 0 AND Checked = 0"), m_connection),
            "open a set of rows");
        return rs.IsEOF() ? 0 : rs.GetField(0).GetLong();
    }

private:
    explicit Served(int items)
        : m_items(items)
    {
        benchMust(m_connection.Open(benchCatalog(items)) == 0, "open the catalog");
        m_server = std::make_unique<PhoneServer>(m_connection, Secret);
        m_server->start(0, nullptr);
    }

    int m_items;
    CAdoConnection m_connection;
    std::unique_ptr<PhoneServer> m_server;
    QNetworkAccessManager m_network;
};

// Arguments: items, view (0, the need view, to pair with BM_RebuildListFull).
void BM_PhoneListRequest(benchmark::State& state)
{
    Served& served = Served::on(static_cast<int>(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const auto [status, size] = served.call(QStringLiteral("/api/list"));
        if (status != 200) {
            state.SkipWithError("the list request failed");
            break;
        }
        bytes = size;
    }
    state.counters["KB"] = static_cast<double>(bytes) / 1024.0;
}

// The same answer built without HTTP: what the server adds is the rest.
void BM_PhoneListBuild(benchmark::State& state)
{
    Served& served = Served::on(static_cast<int>(state.range(0)));
    PhoneApi api(served.connection());
    for (auto _ : state) {
        benchmark::DoNotOptimize(api.list(QStringLiteral("*"), QString()));
    }
}

void BM_PhoneMarkRoundTrip(benchmark::State& state)
{
    Served& served = Served::on(static_cast<int>(state.range(0)));
    const int id = served.listedItem();
    int mark = 0;
    for (auto _ : state) {
        const QByteArray body =
            QStringLiteral(R"({"id":%1,"field":"Checked","from":%2,"to":%3})").arg(id).arg(mark).arg(1 - mark).toUtf8();
        if (served.call(QStringLiteral("/api/change"), body).first != 200) {
            state.SkipWithError("the mark failed");
            break;
        }
        mark = 1 - mark;
    }
}
// The same mark written straight through the catalog code, as the window's
// Mark command writes it: what the round trip adds is HTTP.
void BM_PhoneMarkDirect(benchmark::State& state)
{
    Served& served = Served::on(static_cast<int>(state.range(0)));
    const int id = served.listedItem();
    int mark = 0;
    for (auto _ : state) {
        mark = 1 - mark;
        ItemChanges::setMark(served.connection(), id, mark);
    }
    ItemChanges::setMark(served.connection(), id, 0);
}
} // namespace

BENCHMARK(BM_PhoneListRequest)->Args({10000, 0})->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PhoneListBuild)->Args({10000, 0})->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PhoneMarkRoundTrip)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PhoneMarkDirect)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);

static const bool phoneMarkCompared = compareWithBaseline("BM_PhoneMarkRoundTrip", "BM_PhoneMarkDirect", 1.5,
                                                          "Mark from the phone against the same write made directly");
static const bool phoneBuildCompared =
    compareWithBaseline("BM_PhoneListBuild", "BM_RebuildListFull", 1.5,
                        "Phone list answer built (no HTTP) against the window's whole list");
static const bool phoneListCompared = compareWithBaseline(
    "BM_PhoneListRequest", "BM_RebuildListFull", 1.5, "Phone list request against the window's whole list (need view)");
