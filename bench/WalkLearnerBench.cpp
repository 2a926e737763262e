// Working out a store's walk once a trip ends: the trip's 100 marks found as
// a trip, then the estimate over every trip kept for the store (1,000), the
// departments never seen placed. Against the same with the new trip alone,
// so the ratio is what the kept history costs; the aim is under 10 ms.

#include "bench/BenchReport.h"

#include "bench/CatalogGenerator.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkLearner.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <random>

namespace
{
constexpr int kDepartments = 24;
constexpr qint64 kMinute = 60 * 1000;

QStringList everyday()
{
    QStringList names;
    for (int d = 0; d < kDepartments; ++d) {
        names << QStringLiteral("Department %1").arg(d);
    }
    return names;
}

// A trip of count marks through 18 of the departments, in walking order with
// some items fetched out of turn.
std::vector<WalkLearner::Mark> tripMarks(std::mt19937& random, qint64 start, int count = 100)
{
    const QStringList names = everyday();
    std::vector<WalkLearner::Mark> marks;
    for (int i = 0; i < count; ++i) {
        int dept = i * 18 / count;
        if (random() % 10 == 0) {
            dept = static_cast<int>(random() % 18);
        }
        marks.push_back({start + i * kMinute / 4, i, names[dept], QStringLiteral("B-Mart"), true});
    }
    return marks;
}

std::vector<WalkLearner::Trip> keptTrips(int count)
{
    std::mt19937 random(1);
    std::vector<WalkLearner::Trip> trips;
    for (int t = 0; t < count; ++t) {
        std::vector<WalkLearner::Trip> found = WalkLearner::findTrips(tripMarks(random, t * 86'400'000LL));
        trips.insert(trips.end(), found.begin(), found.end());
    }
    return trips;
}

void learnAfterTrip(benchmark::State& state, int kept)
{
    std::vector<WalkLearner::Trip> trips = keptTrips(kept);
    std::mt19937 random(2);
    const std::vector<WalkLearner::Mark> marks =
        tripMarks(random, (kept + 1) * 86'400'000LL, static_cast<int>(state.range(0)));
    const QStringList global = everyday();
    for (auto _ : state) {
        std::vector<WalkLearner::Trip> all = trips;
        for (WalkLearner::Trip& trip : WalkLearner::findTrips(marks)) {
            all.push_back(std::move(trip));
        }
        const WalkLearner::Estimate estimate = WalkLearner::estimate(all);
        benchmark::DoNotOptimize(WalkLearner::placeUnseen(estimate.order, global, global));
    }
}

void BM_WalkAfterTripKeptTrips(benchmark::State& state)
{
    learnAfterTrip(state, 1000);
}

void BM_WalkAfterFirstTrip(benchmark::State& state)
{
    learnAfterTrip(state, 0);
}

// The same from the catalog, as the program asks for it: the trips kept for
// the store read back, the marks of the trip just made read from the log and
// found as a trip, the estimate, and the store's departments placed.
constexpr qint64 kDayMs = 86'400'000LL;

void fillLog(CAdoConnection& connection, const QString& store, int firstDay, int trips, int marksPerTrip)
{
    std::mt19937 random(3 + static_cast<unsigned>(firstDay));
    CAdoTransaction transaction(connection);
    CAdoCommand insert(connection, QStringLiteral("INSERT INTO MarkLog (MarkedAt, ItemID, Dept, Store, Marked) "
                                                  "VALUES (?, ?, ?, ?, 1)"));
    for (int t = firstDay; t < firstDay + trips; ++t) {
        for (const WalkLearner::Mark& mark : tripMarks(random, t * kDayMs, marksPerTrip)) {
            insert.bind(1, mark.at);
            insert.bind(2, mark.itemId);
            insert.bind(3, mark.dept);
            insert.bind(4, store);
            insert.run();
        }
    }
    benchMust(transaction.commit(), "filling the mark log");
}

void learnFromCatalog(benchmark::State& state, const QString& store, int kept)
{
    CAdoConnection connection;
    benchMust(connection.Open(benchCatalog(2000, QStringLiteral("walks"))) == 0, "opening the catalog");
    Catalog::checkStructure(connection);
    const int marks = static_cast<int>(state.range(0));
    StoreWalks walks(connection);
    CAdoCommand count(connection, QStringLiteral("SELECT count(*) FROM MarkLog WHERE Store = ?"));
    count.bind(1, store);
    benchMust(count.next(), "counting the marks");
    const bool filled = count.integer(0) > 0;
    count.reset();
    if (!filled) {
        // The past trips, found and kept; then the trip just made.
        fillLog(connection, store, 0, kept, marks);
        walks.learnedWalk(store, (kept + 1) * kDayMs);
        fillLog(connection, store, kept + 1, 1, marks);
    }
    // A minute after the trip's last mark: it is worked out, not yet kept.
    const qint64 now = (kept + 1) * kDayMs + marks * kMinute / 4 + kMinute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(walks.learnedWalk(store, now));
    }
}

void BM_LearnedWalkFromCatalog(benchmark::State& state)
{
    learnFromCatalog(state, QStringLiteral("Long Known"), 1000);
}

void BM_LearnedWalkFromCatalogFirstTrip(benchmark::State& state)
{
    learnFromCatalog(state, QStringLiteral("Newly Found"), 0);
}
} // namespace

// The argument is the size of the trip just made, in marks.
BENCHMARK(BM_WalkAfterTripKeptTrips)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkAfterFirstTrip)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LearnedWalkFromCatalog)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LearnedWalkFromCatalogFirstTrip)->Arg(100)->Unit(benchmark::kMillisecond);

static const bool walkCompared =
    compareWithBaseline("BM_WalkAfterTripKeptTrips", "BM_WalkAfterFirstTrip", 20.0,
                        "A store's walk after a 100-mark trip, 1,000 trips kept vs the first trip; aim under 10 ms");
static const bool catalogWalkCompared =
    compareWithBaseline("BM_LearnedWalkFromCatalog", "BM_LearnedWalkFromCatalogFirstTrip", 20.0,
                        "The same from the catalog: 1,000 kept trips and the new one's marks vs its marks alone");
