#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

enum class Engine
{
    Sqlite,
    Postgres
};

// The catalog of one test on one engine: the file in the test's device
// folder, or a schema of its own on the PostgreSQL server that
// GROCELLE_TEST_POSTGRES names (dropped again at the end). Statements given
// here run through the engine's own client, not through the program's layer.
class EngineCatalog
{
public:
    EngineCatalog();
    ~EngineCatalog();
    EngineCatalog(const EngineCatalog&) = delete;
    EngineCatalog& operator=(const EngineCatalog&) = delete;

    // False, with the reason, when the engine cannot be used here (no server
    // named for PostgreSQL).
    bool begin(Engine engine, QString& why);
    void end();

    Engine engine() const { return m_engine; }
    // What CAdoConnection::Open and Catalog::prepareFile are given.
    QString location() const;

    // Runs sql (several statements may be given); false, with the engine's
    // words in error, on failure.
    bool exec(const QString& sql, QString* error = nullptr) const;
    // The first column of the first row as text: "<none>" for no row,
    // "<null>" for a missing value.
    QString value(const QString& sql) const;

    // The server's URI from GROCELLE_TEST_POSTGRES, empty when not given.
    static QString serverUri();
    // uri with the search path set to schema (then public, for citext).
    static QString withSchema(const QString& uri, const QString& schema);

private:
    struct Server;
    Engine m_engine = Engine::Sqlite;
    QString m_schema;
    std::unique_ptr<Server> m_server;
};

std::string engineName(Engine engine);
inline void PrintTo(Engine engine, std::ostream* out)
{
    *out << engineName(engine);
}

inline std::string engineParamName(const ::testing::TestParamInfo<Engine>& info)
{
    return engineName(info.param);
}

// A parameterised suite run once on each engine.
#define INSTANTIATE_FOR_BOTH_ENGINES(suite)                                                                            \
    INSTANTIATE_TEST_SUITE_P(Engines, suite, ::testing::Values(Engine::Sqlite, Engine::Postgres), engineParamName)
