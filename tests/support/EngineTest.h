#pragma once

#include "CatalogSeed.h"
#include "EngineCatalog.h"
#include "GrocelleTest.h"

#include "platform/DeviceFolder.h"
#include "store/catalog/Catalog.h"

#include <QFile>

// A test run once on each engine (INSTANTIATE_FOR_BOTH_ENGINES): the
// catalog the program opens, and CatalogSeed's, is the device folder's file
// or a fresh schema on the test server. The PostgreSQL run is skipped when no
// server is named (GROCELLE_TEST_POSTGRES).
class EngineTest : public GrocelleTest, public ::testing::WithParamInterface<Engine>
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        QString why;
        if (!CatalogSeed::useEngine(GetParam(), why)) {
            GTEST_SKIP() << why.toStdString();
        }
    }

    void TearDown() override
    {
        // Whatever the program opened on the server run, it was not the file.
        if (!IsSkipped() && !onSqlite()) {
            EXPECT_FALSE(QFile::exists(DeviceFolder::map(Catalog::devicePath())))
                << "the catalog file was opened on the PostgreSQL run";
        }
        GrocelleTest::TearDown();
    }

    static bool onSqlite() { return CatalogSeed::engine() == Engine::Sqlite; }
};

// Skips the rest of a test that checks what only an SQLite file can hold.
#define SQLITE_ONLY(why)                                                                                               \
    if (!onSqlite()) {                                                                                                 \
        GTEST_SKIP() << "SQLite only: " << (why);                                                                      \
    }
