#include "GrocelleTest.h"

#include "store/access/CAdoException.h"
#include "store/catalog/CatalogFailure.h"
#include "store/postgres/PgFailure.h"
#include "store/sqlite/SqliteDetail.h"

#include <sqlite3.h>

using Kind = CAdoException::Kind;

// Each engine's own code of a failure gives its kind, primary and extended
// codes alike; what the mapping does not know is Other.
TEST(FailureKindTest, SqliteResultCodesGiveTheirKind)
{
    const struct
    {
        int code;
        Kind kind;
    } cases[] = {
        {SQLITE_BUSY, Kind::Locked},        {SQLITE_BUSY_SNAPSHOT, Kind::Locked},
        {SQLITE_LOCKED, Kind::Locked},      {SQLITE_LOCKED_SHAREDCACHE, Kind::Locked},
        {SQLITE_READONLY, Kind::ReadOnly},  {SQLITE_READONLY_DBMOVED, Kind::ReadOnly},
        {SQLITE_PERM, Kind::NoPermission},  {SQLITE_AUTH, Kind::NoPermission},
        {SQLITE_CORRUPT, Kind::Corrupt},    {SQLITE_NOTADB, Kind::Corrupt},
        {SQLITE_CONSTRAINT, Kind::Invalid}, {SQLITE_CONSTRAINT_UNIQUE, Kind::Invalid},
        {SQLITE_MISMATCH, Kind::Invalid},   {SQLITE_TOOBIG, Kind::Invalid},
        {SQLITE_RANGE, Kind::Invalid},      {SQLITE_ERROR, Kind::Other},
        {SQLITE_IOERR, Kind::Other},        {SQLITE_FULL, Kind::Other},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sqlite_detail::kindOfCode(c.code), c.kind) << sqlite3_errstr(c.code) << " (" << c.code << ")";
    }
}

TEST(FailureKindTest, SqlStatesGiveTheirKind)
{
    const struct
    {
        const char* state;
        Kind kind;
    } cases[] = {
        {"55P03", Kind::Locked},
        {"40001", Kind::Conflict},
        {"40P01", Kind::Conflict},
        {"57014", Kind::TooSlow},
        {"08006", Kind::ServerAway},
        {"08001", Kind::ServerAway},
        {"57P01", Kind::ServerAway},
        {"25006", Kind::ReadOnly},
        {"42501", Kind::NoPermission},
        {"28P01", Kind::NoPermission},
        {"23505", Kind::Invalid},
        {"23503", Kind::Invalid},
        {"22001", Kind::Invalid},
        {"22P02", Kind::Invalid},
        {"XX001", Kind::Corrupt},
        {"XX002", Kind::Corrupt},
        {"XX000", Kind::Other},
        {"42P01", Kind::Other},
        {"", Kind::Other},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PgFailure::kindOfState(QByteArray(c.state)), c.kind) << '"' << c.state << '"';
    }
}

class CatalogFailureKindTest : public GrocelleTest
{
};

// The user's message follows the kind of the failure, never its words.
TEST_F(CatalogFailureKindTest, TheMessageIsChosenByKindNotByWords)
{
    const QString written = CatalogFailure::text(CAdoException(CAdoException::CannotWrite, 0));
    ASSERT_NE(written, CatalogFailure::lockedElsewhere());
    const CAdoException locked =
        CAdoException::withDetail(CAdoException::CannotWrite, 0, QStringLiteral("disk I/O error"), Kind::Locked);
    EXPECT_EQ(CatalogFailure::text(locked), CatalogFailure::lockedElsewhere());
    for (const char* words : {"database is locked", "could not obtain lock on row in relation \"shoppinglists\"",
                              "Another program is changing this item; try again."}) {
        const CAdoException other =
            CAdoException::withDetail(CAdoException::CannotWrite, 0, QString::fromUtf8(words), Kind::Other);
        EXPECT_EQ(CatalogFailure::text(other), written) << words;
    }
}
