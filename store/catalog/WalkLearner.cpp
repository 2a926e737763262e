#include "store/catalog/WalkLearner.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

namespace
{
using Mark = WalkLearner::Mark;
using Trip = WalkLearner::Trip;

bool atHome(const Mark& mark)
{
    const QString store = mark.store.trimmed();
    return store.isEmpty() || store == QLatin1String("*");
}

// One department of a trip: the times its items went into the basket.
struct Visit
{
    QString name;
    std::vector<qint64> times;
    qint64 median = 0;
};

// The trip that marks [begin, end) make, when they tell a walk. Marks are in
// time order; an item counts from the mark that put it in the basket for
// good (an unmark takes it out again).
std::optional<Trip> tripOf(const std::vector<Mark>& marks, size_t begin, size_t end)
{
    struct Item
    {
        bool marked = false;
        qint64 at = 0;
        QString dept;
    };
    std::map<qint64, Item> items;
    for (size_t i = begin; i < end; ++i) {
        Item& item = items[marks[i].itemId];
        if (!marks[i].marked) {
            item.marked = false;
        } else if (!item.marked) {
            item = {true, marks[i].at, marks[i].dept};
        }
    }
    std::map<QString, Visit> visits; // by department key, so ties break the same way every time
    int counted = 0;
    for (const auto& [id, item] : items) {
        if (!item.marked || item.dept.trimmed().isEmpty()) {
            continue;
        }
        Visit& visit = visits[WalkLearner::key(item.dept)];
        if (visit.name.isEmpty()) {
            visit.name = item.dept;
        }
        visit.times.push_back(item.at);
        ++counted;
    }
    if (counted < WalkLearner::MinTripItems || static_cast<int>(visits.size()) < WalkLearner::MinTripDepts) {
        return std::nullopt;
    }
    std::vector<Visit*> order;
    for (auto& [key, visit] : visits) {
        std::sort(visit.times.begin(), visit.times.end());
        // The lower median: one item fetched late does not move its department.
        visit.median = visit.times[(visit.times.size() - 1) / 2];
        order.push_back(&visit);
    }
    std::stable_sort(order.begin(), order.end(), [](const Visit* a, const Visit* b) {
        return a->median != b->median ? a->median < b->median : a->times.front() < b->times.front();
    });
    Trip trip;
    trip.store = marks[begin].store;
    trip.start = marks[begin].at;
    trip.end = marks[end - 1].at;
    trip.items = counted;
    for (const Visit* visit : order) {
        trip.departments << visit->name;
    }
    return trip;
}

// The weighted evidence of a store's trips: how far along the walk each
// department stood on average, and for each pair how much weight of trips
// walked one before the other.
struct Evidence
{
    QStringList names; // by key order
    std::vector<double> meanPosition;
    std::vector<double> before; // before[a * n + b]: weight of trips that walked a before b

    double ahead(size_t a, size_t b) const { return before[a * names.size() + b]; }
};

// The departments of the trips, newest trip first, as numbers in the order
// of their keys; names receives the newest trip's spelling of each.
std::vector<std::vector<size_t>> numbered(const std::vector<Trip>& trips, QStringList& names)
{
    // Most names recur spelled alike: looked up as they are, each is folded
    // once.
    QHash<QString, size_t> bySpelling;
    QHash<QString, size_t> byKey;
    std::vector<QString> keys;
    std::vector<std::vector<size_t>> walks;
    walks.reserve(trips.size());
    for (auto trip = trips.rbegin(); trip != trips.rend(); ++trip) {
        std::vector<size_t>& walked = walks.emplace_back();
        for (const QString& dept : trip->departments) {
            auto found = bySpelling.constFind(dept);
            if (found == bySpelling.constEnd()) {
                const QString key = WalkLearner::key(dept);
                auto known = byKey.constFind(key);
                if (known == byKey.constEnd()) {
                    known = byKey.insert(key, keys.size());
                    keys.push_back(key);
                    names << dept;
                }
                found = bySpelling.insert(dept, *known);
            }
            walked.push_back(*found);
        }
    }
    std::vector<size_t> byName(keys.size());
    std::iota(byName.begin(), byName.end(), size_t{0});
    std::sort(byName.begin(), byName.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<size_t> renumber(keys.size());
    QStringList sorted;
    for (size_t i = 0; i < byName.size(); ++i) {
        renumber[byName[i]] = i;
        sorted << names.at(static_cast<qsizetype>(byName[i]));
    }
    names = sorted;
    for (std::vector<size_t>& walked : walks) {
        for (size_t& dept : walked) {
            dept = renumber[dept];
        }
    }
    return walks;
}

Evidence gather(const std::vector<Trip>& trips)
{
    Evidence evidence;
    const std::vector<std::vector<size_t>> walks = numbered(trips, evidence.names);
    const size_t n = static_cast<size_t>(evidence.names.size());
    std::vector<double> positionSum(n, 0.0);
    std::vector<double> weightSum(n, 0.0);
    evidence.before.assign(n * n, 0.0);
    double weight = 1.0;
    for (const std::vector<size_t>& walked : walks) {
        const double span = walked.size() > 1 ? static_cast<double>(walked.size() - 1) : 1.0;
        for (size_t i = 0; i < walked.size(); ++i) {
            positionSum[walked[i]] += weight * (static_cast<double>(i) / span);
            weightSum[walked[i]] += weight;
            for (size_t j = i + 1; j < walked.size(); ++j) {
                evidence.before[walked[i] * n + walked[j]] += weight;
            }
        }
        weight *= WalkLearner::Decay;
    }
    evidence.meanPosition.resize(n);
    for (size_t d = 0; d < n; ++d) {
        evidence.meanPosition[d] = weightSum[d] > 0 ? positionSum[d] / weightSum[d] : 0.5;
    }
    return evidence;
}

// b should come before a: more weight of trips walked it so, beyond what
// rounding could make of a tie.
bool overturned(const Evidence& evidence, size_t a, size_t b)
{
    const double forward = evidence.ahead(a, b);
    const double backward = evidence.ahead(b, a);
    return backward > forward + 1e-9 * (forward + backward);
}
} // namespace

std::vector<Trip> WalkLearner::findTrips(std::vector<Mark> marks)
{
    marks.erase(std::remove_if(marks.begin(), marks.end(), atHome), marks.end());
    std::vector<QString> keys;
    std::vector<size_t> order(marks.size());
    std::iota(order.begin(), order.end(), size_t{0});
    for (const Mark& mark : marks) {
        keys.push_back(key(mark.store.trimmed()));
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (keys[a] != keys[b]) {
            return keys[a] < keys[b];
        }
        return marks[a].at != marks[b].at ? marks[a].at < marks[b].at : marks[a].itemId < marks[b].itemId;
    });
    std::vector<Mark> sorted;
    sorted.reserve(marks.size());
    for (const size_t i : order) {
        sorted.push_back(marks[i]);
    }
    std::vector<Trip> trips;
    size_t begin = 0;
    for (size_t i = 1; i <= sorted.size(); ++i) {
        const bool ends =
            i == sorted.size() || keys[order[i]] != keys[order[i - 1]] || sorted[i].at - sorted[i - 1].at >= TripGap;
        if (ends) {
            if (std::optional<Trip> trip = tripOf(sorted, begin, i)) {
                trips.push_back(std::move(*trip));
            }
            begin = i;
        }
    }
    std::stable_sort(trips.begin(), trips.end(), [](const Trip& a, const Trip& b) { return a.start < b.start; });
    return trips;
}

WalkLearner::Estimate WalkLearner::estimate(const std::vector<Trip>& trips)
{
    Estimate result;
    result.trips = static_cast<int>(trips.size());
    result.confidence = 1.0 - std::pow(Decay, result.trips);
    const Evidence evidence = gather(trips);
    const size_t n = static_cast<size_t>(evidence.names.size());
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t{0});
    // First by where each department stood on average (ties: by name, as the
    // names are in key order), then neighbours swapped wherever more weight
    // of trips walked them the other way round. Where the trips agree on
    // every pair, that is exactly their order; a cycle of disagreement stops
    // after n passes.
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return evidence.meanPosition[a] < evidence.meanPosition[b]; });
    for (size_t pass = 0; pass < n; ++pass) {
        bool swapped = false;
        for (size_t j = 0; j + 1 < n; ++j) {
            if (overturned(evidence, order[j], order[j + 1])) {
                std::swap(order[j], order[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) {
            break;
        }
    }
    for (const size_t d : order) {
        result.order << evidence.names.at(static_cast<qsizetype>(d));
    }
    return result;
}

QStringList WalkLearner::placeUnseen(const QStringList& ranked, const QStringList& wanted, const QStringList& global)
{
    QHash<QString, int> globalIndex;
    // Backwards, so that the first of equal keys wins.
    for (int i = static_cast<int>(global.size()) - 1; i >= 0; --i) {
        globalIndex.insert(key(global[i]), i);
    }
    QStringList placed;
    QSet<QString> have;
    for (const QString& dept : ranked) {
        if (!dept.isEmpty() && !have.contains(key(dept))) {
            have.insert(key(dept));
            placed << dept;
        }
    }
    // The ranked departments by their place in global: the anchors.
    std::map<int, QString> anchors;
    for (const QString& dept : placed) {
        const auto found = globalIndex.constFind(key(dept));
        if (found != globalIndex.constEnd()) {
            anchors.emplace(*found, key(dept));
        }
    }
    std::map<int, QString> unseen;        // by global place
    std::map<QString, QString> strangers; // in no walk at all, by key
    for (const QString& dept : wanted) {
        if (dept.isEmpty() || have.contains(key(dept))) {
            continue;
        }
        have.insert(key(dept));
        const auto found = globalIndex.constFind(key(dept));
        if (found == globalIndex.constEnd()) {
            strangers.emplace(key(dept), dept);
        } else {
            unseen.emplace(*found, dept);
        }
    }
    std::map<QString, QStringList> after; // anchor key (empty: the front) to what follows it
    for (const auto& [place, dept] : unseen) {
        const auto next = anchors.lower_bound(place);
        after[next == anchors.begin() ? QString() : std::prev(next)->second] << dept;
    }
    QStringList result = after[QString()];
    for (const QString& dept : placed) {
        result << dept;
        const auto follows = after.find(key(dept));
        if (follows != after.end()) {
            result << follows->second;
        }
    }
    for (const auto& [k, dept] : strangers) {
        result << dept;
    }
    return result;
}
