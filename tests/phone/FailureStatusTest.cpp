#include "phone/FailureStatus.h"

#include <gtest/gtest.h>

// The phone's HTTP status of every kind of failure: 409 invites the page to
// try again, 404 drops the item, 403 tells that nothing can be changed, 503
// waits for the server, 500 is anything else.
TEST(FailureStatusTest, EveryKindHasItsStatus)
{
    using Kind = CAdoException::Kind;
    const struct
    {
        Kind kind;
        int status;
    } cases[] = {
        {Kind::Locked, 409},   {Kind::Gone, 404},     {Kind::ServerAway, 503},   {Kind::TooSlow, 503},
        {Kind::Conflict, 500}, {Kind::ReadOnly, 403}, {Kind::NoPermission, 500}, {Kind::Invalid, 500},
        {Kind::Corrupt, 500},  {Kind::Other, 500},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FailureStatus::of(c.kind), c.status) << static_cast<int>(c.kind);
    }
    // By the kind, whatever the words.
    const CAdoException locked =
        CAdoException::withDetail(CAdoException::CannotWrite, 0, QStringLiteral("no such table"), Kind::Locked);
    EXPECT_EQ(FailureStatus::of(locked), 409);
    EXPECT_EQ(FailureStatus::of(CAdoException::withDetail(CAdoException::CannotWrite, 0,
                                                          QStringLiteral("database is locked"), Kind::Other)),
              500);
}
