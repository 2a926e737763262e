#pragma once

#include "support/EngineCatalog.h"
#include "support/GrocelleTest.h"

#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <functional>

// A device folder with catalog files made by hand, the way another tool or
// an older version of the program would leave them.
class StoreTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        m_catalog.end();
        GrocelleTest::TearDown();
    }

    QString catalogFile() const { return homeFile(QStringLiteral("shoplistdata.cdb")); }

    // The catalog's engine (SQLite unless the test chose another) and what
    // opens it.
    Engine engine() const { return m_catalog.engine(); }
    QString location() const { return m_catalog.location(); }
    bool onSqlite() const { return engine() == Engine::Sqlite; }
    // False, with the reason, when engine cannot be used here.
    bool useEngine(Engine engine, QString& why) { return m_catalog.begin(engine, why); }

    // sql run on the catalog by its engine's own client (several statements
    // may be given).
    void raw(const QString& sql)
    {
        QString error;
        ASSERT_TRUE(m_catalog.exec(sql, &error)) << error.toStdString();
    }
    // The first column of the first row of sql, as text; "<none>" for no row.
    QString rawValue(const QString& sql) const { return m_catalog.value(sql); }

    // Runs sql on the file with SQLite itself, creating the file if needed.
    static void raw(const QString& file, const QString& sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
        char* error = nullptr;
        const int result = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
        const QString message = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(result, SQLITE_OK) << message.toStdString();
    }

    // The first column of the first row of sql, as text; "<none>" for no row.
    static QString rawValue(const QString& file, const QString& sql)
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        QString value = QStringLiteral("<none>");
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(stmt, 0);
            value = text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QStringLiteral("<null>");
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return value;
    }

    // A new catalog with the full column set and a few items:
    //   1 Milk       qty 2  Dairy    Fresh Market  checked 1 (stored -1)  price 2.5  coupon 1
    //   2 Bread      qty 0  Bakery   Fresh Market  checked 0              price 3    coupon 0
    //   3 Kids' Snacks qty 1 Snacks  Corner Shop   checked 0              price null coupon -1
    void makeCatalog()
    {
        ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
        raw(QStringLiteral(
            "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, ItemNameDetail, Dept, Store, "
            "checked, DeptOrder, Price, Coupon) VALUES "
            "(1, 'Milk', 2, 'litre', 'semi-skimmed', 'Dairy', 'Fresh Market', -1, 1, 2.5, 1),"
            "(2, 'Bread', 0, 'loaf', NULL, 'Bakery', 'Fresh Market', 0, 0, 3, 0),"
            "(3, 'Kids'' Snacks', 1, 'pkg', '', 'Snacks', 'Corner Shop', 0, -1, NULL, -1)"));
    }

    static QByteArray bytes(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    // The code of the CAdoException that action raises, 0 when it raises none.
    static int codeOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const CAdoException& error) {
            return error.m_nCode;
        }
        return 0;
    }

private:
    EngineCatalog m_catalog;
};

// A store test run once on each engine; the PostgreSQL run is skipped when
// no server is named (GROCELLE_TEST_POSTGRES).
class EngineStoreTest : public StoreTest, public ::testing::WithParamInterface<Engine>
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        QString why;
        if (!useEngine(GetParam(), why)) {
            GTEST_SKIP() << why.toStdString();
        }
    }
};

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
