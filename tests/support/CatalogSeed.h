#pragma once

#include "EngineCatalog.h"

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <vector>

// One catalog row for a test. Missing values (QVariant()) are stored as NULL.
struct SeedItem
{
    QString name;
    int qty = 0;
    QString dept = QStringLiteral("Dairy");
    QString store = QStringLiteral("B-Mart");
    QVariant price = 0.0;
    int checked = 0;
    QVariant coupon = 0;
    int deptOrder = 0;
    QString unit = QStringLiteral("pkg");
    QString notes = {};
    int id = 0; // 0: one more than the highest so far
};

// Writes test catalogs into the device folder of the running test, or into
// a schema of their own on the test server once a test chose PostgreSQL.
class CatalogSeed
{
public:
    // The engine of the running test's catalog, SQLite until chosen; false,
    // with the reason, when it cannot be used here. On the server the
    // program's own catalog (what the handheld path stands for) is that
    // schema too. The choice ends with the test (GrocelleTest's TearDown).
    static bool useEngine(Engine engine, QString& why);
    static void endEngine();
    static Engine engine();

    // Creates the catalog (full column set) when missing, then inserts the
    // rows. Returns the catalog's location.
    static QString write(const std::vector<SeedItem>& items);
    // What CAdoConnection::Open is given: the file, or the server's URI.
    static QString path();

    // Statements run on the catalog by its engine's own client; returns
    // false on failure.
    static bool exec(const QString& sql);
    // The same, unannounced: on the server no trigger fires, so that an open
    // window hears nothing of the change until it reads the catalog again.
    static bool execUnannounced(const QString& sql);
    // The first column of the first row of a query, as text ("" for none).
    static QString scalar(const QString& sql);
    // A column of the item of that name, as text.
    static QString stored(const QString& column, const QString& name);
    // How many rows meet the condition.
    static int count(const QString& where);
    // expression of every row, as text, in ID order, joined by single spaces.
    static QString joined(const QString& expression);
    // A trigger named "refuse" that makes the catalog refuse every event
    // ("UPDATE", "DELETE", "INSERT") on a row meeting condition (a condition
    // on old or new, e.g. "old.ID = 500"; empty for every row) with the
    // message "refused". false when it cannot be made.
    static bool refuse(const QString& event, const QString& condition = {});
    // Drops that trigger again.
    static bool allow();
    // Every row of ShoppingLists, one line each in ID order, each value in
    // SQL literal form so that its storage type shows (2, 2.0, '2', NULL;
    // on PostgreSQL each column has one type: every value is quoted).
    static QString dump();
};
