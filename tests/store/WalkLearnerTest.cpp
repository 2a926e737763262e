#include "store/catalog/WalkLearner.h"
#include "store/catalog/WalkTrips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{
using Mark = WalkLearner::Mark;
constexpr qint64 kMinute = 60 * 1000;
constexpr qint64 kDay = 24 * 60 * kMinute;

const QStringList kWalk{QStringLiteral("Produce"), QStringLiteral("Bakery"), QStringLiteral("Deli"),
                        QStringLiteral("Dairy"), QStringLiteral("Frozen")};

// A trip through departments in that order, two items in each, a minute
// apart; item numbers stand for the department and the item.
std::vector<Mark> trip(const QString& store, qint64 start, const QStringList& departments)
{
    std::vector<Mark> marks;
    qint64 at = start;
    for (qsizetype d = 0; d < departments.size(); ++d) {
        for (int item = 0; item < 2; ++item) {
            marks.push_back({at, 100 * (kWalk.indexOf(departments[d]) + 1) + item, departments[d], store, true});
            at += kMinute;
        }
    }
    return marks;
}

void append(std::vector<Mark>& to, const std::vector<Mark>& marks)
{
    to.insert(to.end(), marks.begin(), marks.end());
}

QStringList learned(const std::vector<Mark>& marks)
{
    return WalkLearner::estimate(WalkLearner::findTrips(marks)).order;
}

const QStringList kRearranged{QStringLiteral("Frozen"), QStringLiteral("Dairy"), QStringLiteral("Produce"),
                              QStringLiteral("Deli"), QStringLiteral("Bakery")};
} // namespace

TEST(WalkLearnerTest, TripsAreRunsAtOneStoreThatTellAWalk)
{
    std::vector<Mark> marks = trip(QStringLiteral("B-Mart"), 0, kWalk);
    // A pause of 20 minutes or more ends a trip: this is a second one.
    append(marks, trip(QStringLiteral("B-Mart"), 9 * kMinute + 20 * kMinute, kWalk));
    // Two departments only, or four items only, tell no walk.
    append(marks, trip(QStringLiteral("B-Mart"), kDay, kWalk.mid(0, 2)));
    std::vector<Mark> few = trip(QStringLiteral("B-Mart"), 2 * kDay, kWalk.mid(0, 3));
    few.erase(few.begin(), few.begin() + 2);
    append(marks, few);
    // A mark taken back does not count: five items, then one unmarked.
    std::vector<Mark> undone = trip(QStringLiteral("B-Mart"), 3 * kDay, kWalk.mid(0, 3));
    undone.pop_back();
    undone.push_back(
        {undone.back().at + kMinute, undone.back().itemId, undone.back().dept, undone.back().store, false});
    append(marks, undone);
    // Another store's marks in between do not break a trip, and letter case
    // does not make another store.
    std::vector<Mark> mixed = trip(QStringLiteral("b-mart"), 4 * kDay, kWalk);
    append(mixed, trip(QStringLiteral("C-Mart"), 4 * kDay + 30 * 1000, kWalk));
    std::reverse(mixed.begin(), mixed.end());
    append(marks, mixed);

    const std::vector<WalkLearner::Trip> trips = WalkLearner::findTrips(marks);
    ASSERT_EQ(trips.size(), 4u);
    EXPECT_EQ(trips[0].end - trips[0].start, 9 * kMinute);
    EXPECT_EQ(trips[0].items, 10);
    EXPECT_EQ(trips[1].start, 29 * kMinute);
    EXPECT_EQ(trips[2].store.toLower(), QStringLiteral("b-mart"));
    EXPECT_EQ(trips[3].store, QStringLiteral("C-Mart"));
    for (const auto& found : trips) {
        EXPECT_EQ(found.departments, kWalk);
    }
}

TEST(WalkLearnerTest, ThreeTripsThatAgreeGiveTheirOrderAndOneOddTripDoesNotOverturnIt)
{
    std::vector<Mark> marks;
    for (int day = 0; day < 3; ++day) {
        append(marks, trip(QStringLiteral("B-Mart"), day * kDay, kWalk));
    }
    const WalkLearner::Estimate three = WalkLearner::estimate(WalkLearner::findTrips(marks));
    EXPECT_EQ(three.order, kWalk);
    EXPECT_EQ(three.trips, 3);

    // The newest trip went the other way round entirely.
    QStringList backwards = kWalk;
    std::reverse(backwards.begin(), backwards.end());
    append(marks, trip(QStringLiteral("B-Mart"), 3 * kDay, backwards));
    const WalkLearner::Estimate four = WalkLearner::estimate(WalkLearner::findTrips(marks));
    EXPECT_EQ(four.order, kWalk);
    EXPECT_GT(four.confidence, three.confidence);

    // An item fetched late does not move its department: the median counts.
    std::vector<Mark> late = trip(QStringLiteral("B-Mart"), 4 * kDay, kWalk);
    late.push_back({late.back().at + kMinute, 150, QStringLiteral("Produce"), QStringLiteral("B-Mart"), true});
    const std::vector<WalkLearner::Trip> lateTrip = WalkLearner::findTrips(late);
    ASSERT_EQ(lateTrip.size(), 1u);
    EXPECT_EQ(lateTrip[0].departments, kWalk);
}

TEST(WalkLearnerTest, ARearrangedStoreIsTakenUpWithinTwoTrips)
{
    std::vector<Mark> marks;
    for (int day = 0; day < 20; ++day) {
        append(marks, trip(QStringLiteral("B-Mart"), day * kDay, kWalk));
    }
    append(marks, trip(QStringLiteral("B-Mart"), 30 * kDay, kRearranged));
    EXPECT_EQ(learned(marks), kWalk) << "one trip is not yet a rearrangement";
    append(marks, trip(QStringLiteral("B-Mart"), 31 * kDay, kRearranged));
    EXPECT_EQ(learned(marks), kRearranged);
}

TEST(WalkLearnerTest, MarksAtHomeTeachNothing)
{
    std::vector<Mark> marks;
    for (const QString& home : {QString(), QStringLiteral("*"), QStringLiteral("  ")}) {
        append(marks, trip(home, marks.size() * kDay, kWalk));
    }
    EXPECT_TRUE(WalkLearner::findTrips(marks).empty());
    const WalkLearner::Estimate none = WalkLearner::estimate({});
    EXPECT_TRUE(none.order.isEmpty());
    EXPECT_EQ(none.trips, 0);
    EXPECT_EQ(none.confidence, 0.0);
}

TEST(WalkLearnerTest, TheSameMarksInAnyOrderGiveTheSameWalk)
{
    // Trips that disagree in a cycle: only the rules of the tie decide.
    std::vector<Mark> marks;
    const QStringList a{QStringLiteral("Produce"), QStringLiteral("Bakery"), QStringLiteral("Deli")};
    const QStringList b{QStringLiteral("Bakery"), QStringLiteral("Deli"), QStringLiteral("Produce")};
    const QStringList c{QStringLiteral("Deli"), QStringLiteral("Produce"), QStringLiteral("Bakery")};
    append(marks, trip(QStringLiteral("B-Mart"), 0, a));
    append(marks, trip(QStringLiteral("B-Mart"), kDay, b));
    append(marks, trip(QStringLiteral("B-Mart"), 2 * kDay, c));
    const QStringList first = learned(marks);
    EXPECT_EQ(first.size(), 3);
    std::mt19937 shuffler(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(marks.begin(), marks.end(), shuffler);
        EXPECT_EQ(learned(marks), first);
    }
}

TEST(WalkLearnerTest, UnseenDepartmentsFollowTheirNeighbourInTheEverydayWalk)
{
    const QStringList global{QStringLiteral("Pets"),  QStringLiteral("Produce"), QStringLiteral("Bakery"),
                             QStringLiteral("Wine"),  QStringLiteral("Deli"),    QStringLiteral("Dairy"),
                             QStringLiteral("Frozen")};
    const QStringList ranked{QStringLiteral("Dairy"), QStringLiteral("produce"), QStringLiteral("Deli")};
    const QStringList wanted{QStringLiteral("Frozen"), QStringLiteral("Wine"),   QStringLiteral("Pets"),
                             QStringLiteral("DELI"),   QStringLiteral("Bakery"), QStringLiteral("Soup"),
                             QStringLiteral("Candy"),  QStringLiteral("")};
    // Pets has no learned department before it: the front. Bakery and Wine
    // follow Produce; Frozen follows Dairy; Soup and Candy are in no walk.
    EXPECT_EQ(WalkLearner::placeUnseen(ranked, wanted, global),
              (QStringList{QStringLiteral("Pets"), QStringLiteral("Dairy"), QStringLiteral("Frozen"),
                           QStringLiteral("produce"), QStringLiteral("Bakery"), QStringLiteral("Wine"),
                           QStringLiteral("Deli"), QStringLiteral("Candy"), QStringLiteral("Soup")}));
}

TEST(WalkLearnerTest, HostileNamesAreDepartmentsLikeAnyOther)
{
    QString emoji;
    for (int i = 0; i < 30; ++i) {
        emoji += QString::fromUcs4(U"\U0001F955");
    }
    const QString store = emoji;
    std::vector<Mark> marks;
    const QStringList depts{emoji, QStringLiteral("Deli"), emoji.left(58) + QString::fromUcs4(U"\U0001F9C0"),
                            QStringLiteral("'; DROP TABLE StoreWalks; --")};
    for (int day = 0; day < 3; ++day) {
        qint64 at = day * kDay;
        for (qsizetype d = 0; d < depts.size(); ++d) {
            for (int item = 0; item < 2; ++item) {
                marks.push_back({at += kMinute, d * 10 + item, depts[d], store, true});
            }
        }
    }
    EXPECT_EQ(learned(marks), depts);
}

TEST(WalkLearnerTest, AKeptTripReadsBackAsItWasAndDamageIsNoTrip)
{
    const QStringList departments{QString::fromUcs4(U"\U0001F955\U0001F955"), QStringLiteral("3:x"),
                                  QStringLiteral("a:b"), QStringLiteral(" ")};
    QStringList back;
    ASSERT_TRUE(WalkTrips::decode(WalkTrips::encode(departments), back));
    EXPECT_EQ(back, departments);
    for (const char* damaged : {"", "6:Dairy", "x:Dairy", "0:", "-1:a", "3:abc4", "99999999999:a"}) {
        EXPECT_FALSE(WalkTrips::decode(QString::fromLatin1(damaged), back)) << damaged;
    }
}
