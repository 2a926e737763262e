#include "bench/CatalogGenerator.h"

#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "store/sqlite/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <cstdio>
#include <cstdlib>

#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace
{
const char* const kDepartments[] = {
    "Produce",      "Dairy",           "Bakery",    "Meat",     "Seafood",      "Deli",         "Frozen",
    "Canned Goods", "Pasta & Rice",    "Breakfast", "Snacks",   "Beverages",    "Spices",       "Baking",
    "Household",    "Health & Beauty", "Baby",      "Pet Care", "Kids' Corner", "International"};
const char* const kStores[] = {"Fresh Market",    "Corner Shop",  "Hilltop Grocers", "ValueMart",
                               "Farmers' Market", "Bulk Barn",    "Green Grocer",    "Mega Foods",
                               "Daily Deli",      "Harbour Fish", "Town Pharmacy",   "Pet Pantry"};
const char* const kUnits[] = {"pkg",    "each", "lb",    "kg",  "bag",   "box",
                              "bottle", "can",  "dozen", "jar", "litre", "bunch"};
const char* const kQualifiers[] = {"Organic", "Fresh", "Frozen",  "Low-Fat", "Whole",  "Sliced", "Smoked", "Sweet",
                                   "Spicy",   "Large", "Small",   "Red",     "Green",  "Baby",   "Wild",   "Free-Range",
                                   "Salted",  "Plain", "Vanilla", "Lemon",   "Garlic", "Honey",  "Maple",  "Greek",
                                   "Italian", "Mini",  "Family",  "Classic", "Kids'",  "Light"};
const char* const kNouns[] = {
    "Apples",  "Bananas",  "Carrots",   "Milk",     "Yogurt",  "Cheese",   "Bread",  "Bagels",        "Chicken",
    "Beef",    "Salmon",   "Shrimp",    "Ham",      "Peas",    "Corn",     "Beans",  "Rice",          "Pasta",
    "Oats",    "Cereal",   "Crackers",  "Chips",    "Juice",   "Coffee",   "Tea",    "Pepper",        "Flour",
    "Sugar",   "Soap",     "Tissues",   "Shampoo",  "Diapers", "Cat Food", "Salsa",  "Noodles",       "Butter",
    "Eggs",    "Tomatoes", "Onions",    "Potatoes", "Lettuce", "Spinach",  "Grapes", "Berries",       "Muffins",
    "Cookies", "Sausages", "Tuna",      "Soup",     "Olives",  "Pickles",  "Jam",    "Peanut Butter", "Granola",
    "Water",   "Soda",     "Detergent", "Sponges",  "Foil",    "Napkins"};
const char* const kNotes[] = {"the blue box",        "no-name brand is fine", "only if on sale", "ask at the counter",
                              "2 for 1 on Tuesdays", "check the date",        "the big size"};

template <typename T, size_t N>
constexpr int countOf(const T (&)[N])
{
    return static_cast<int>(N);
}

// The i-th name of a list, numbered once the list runs out.
template <size_t N>
QString nameAt(const char* const (&names)[N], int index)
{
    const int size = static_cast<int>(N);
    QString name = QString::fromUtf8(names[index % size]);
    if (index >= size) {
        name += QStringLiteral(" %1").arg(index / size + 1);
    }
    return name;
}

[[noreturn]] void fail(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

void check(int result, sqlite3* db, const char* what)
{
    if (result != SQLITE_OK && result != SQLITE_DONE) {
        fail(QStringLiteral("%1: %2").arg(QString::fromUtf8(what), QString::fromUtf8(sqlite3_errmsg(db))));
    }
}
// A catalog file with the files SQLite keeps beside it.
void removeCatalogFiles(const QString& file)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        QFile::remove(file + QLatin1String(suffix));
    }
}

std::vector<std::function<void()>>& deviceCatalogWindows()
{
    static std::vector<std::function<void()>> closers;
    return closers;
}
} // namespace

void generateCatalog(const QString& filePath, int items, int stores, int depts)
{
    const QString file = DeviceFolder::map(filePath);
    removeCatalogFiles(file);
    if (Catalog::prepareFile(file) != Catalog::FileState::Created) {
        fail(QStringLiteral("cannot create %1").arg(file));
    }
    CAdoConnection connection(true);
    if (connection.Open(file) != 0) {
        fail(QStringLiteral("cannot open %1: %2").arg(file, connection.lastError()));
    }
    stores = std::max(stores, 1);
    depts = std::max(depts, 1);

    std::mt19937 random(20240607u + static_cast<unsigned>(items));
    auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };

    // A walking order for the departments; the last one is not placed yet.
    std::vector<int> deptOrder(static_cast<size_t>(depts));
    for (int d = 0; d < depts; ++d) {
        deptOrder[static_cast<size_t>(d)] = d;
    }
    std::shuffle(deptOrder.begin(), deptOrder.end(), random);
    deptOrder[static_cast<size_t>(depts - 1)] = -1;

    sqlite3* db = SqliteConnection::handleOf(connection);
    CAdoTransaction transaction(connection);
    if (!transaction.active()) {
        fail(QStringLiteral("cannot begin a transaction: %1").arg(connection.lastError()));
    }
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, ItemNameDetail, "
                             "Dept, Store, checked, DeptOrder, Price, Coupon) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                             -1, &insert, nullptr),
          db, "prepare");

    const int qualifiers = countOf(kQualifiers);
    const int nouns = countOf(kNouns);
    QHash<int, int> uses; // how often each qualifier-noun pair was named
    for (int i = 0; i < items; ++i) {
        const int pair = pick(qualifiers * nouns);
        const int use = uses[pair]++;
        QString name = QString::fromUtf8(kQualifiers[pair % qualifiers]) + QLatin1Char(' ')
                       + QString::fromUtf8(kNouns[pair / qualifiers]);
        if (use > 0) {
            name += QStringLiteral(" %1").arg(use + 1);
        }
        const int qty = chance(33) ? 1 + pick(4) : 0;
        const int dept = pick(depts);
        const int checked = qty > 0 && chance(20) ? (chance(10) ? -1 : 1) : 0;
        const QString unit = QString::fromUtf8(kUnits[pick(countOf(kUnits))]);
        const QString note = chance(30) ? QString::fromUtf8(kNotes[pick(countOf(kNotes))]) : QString();
        const QString deptName = nameAt(kDepartments, dept);
        const QString storeName = nameAt(kStores, pick(stores));

        sqlite3_bind_int(insert, 1, i + 1);
        const QByteArray nameText = name.left(30).toUtf8();
        const QByteArray unitText = unit.toUtf8();
        const QByteArray noteText = note.toUtf8();
        const QByteArray deptText = deptName.toUtf8();
        const QByteArray storeText = storeName.toUtf8();
        sqlite3_bind_text(insert, 2, nameText.constData(), static_cast<int>(nameText.size()), SQLITE_STATIC);
        sqlite3_bind_int(insert, 3, qty);
        sqlite3_bind_text(insert, 4, unitText.constData(), static_cast<int>(unitText.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, noteText.constData(), static_cast<int>(noteText.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 6, deptText.constData(), static_cast<int>(deptText.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 7, storeText.constData(), static_cast<int>(storeText.size()), SQLITE_STATIC);
        sqlite3_bind_int(insert, 8, checked);
        sqlite3_bind_int(insert, 9, deptOrder[static_cast<size_t>(dept)]);
        sqlite3_bind_double(insert, 10, (49 + pick(4950)) / 100.0);
        sqlite3_bind_int(insert, 11, chance(5) ? 1 : 0);
        const int step = sqlite3_step(insert);
        sqlite3_reset(insert);
        if (step != SQLITE_DONE) {
            sqlite3_finalize(insert);
            check(step, db, "insert");
        }
    }
    sqlite3_finalize(insert);
    if (!transaction.commit()) {
        fail(QStringLiteral("cannot commit: %1").arg(connection.lastError()));
    }
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
}

QString benchCatalog(int items, const QString& tag)
{
    static QHash<QString, QString> made;
    const QString key =
        QStringLiteral("bench-%1%2%3.cdb").arg(items).arg(tag.isEmpty() ? QString() : QStringLiteral("-"), tag);
    auto found = made.constFind(key);
    if (found != made.constEnd()) {
        return *found;
    }
    const QString file = QDir(DeviceFolder::path()).filePath(key);
    generateCatalog(file, items);
    made.insert(key, file);
    return file;
}

void benchMust(bool succeeded, const char* what)
{
    if (!succeeded) {
        std::fprintf(stderr, "benchmark set-up failed: %s\n", what);
        std::exit(1);
    }
}

void keepOnDeviceCatalog(std::function<void()> close)
{
    deviceCatalogWindows().push_back(std::move(close));
}

QString releaseDeviceCatalog()
{
    for (const auto& close : deviceCatalogWindows()) {
        close();
    }
    const QString file = DeviceFolder::map(Catalog::devicePath());
    removeCatalogFiles(file);
    return file;
}

bool copyCatalog(const QString& source, const QString& target)
{
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    bool copied =
        sqlite3_open_v2(source.toUtf8().constData(), &from, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_open_v2(target.toUtf8().constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
               == SQLITE_OK;
    if (copied) {
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        copied = backup != nullptr && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
        copied = sqlite3_backup_finish(backup) == SQLITE_OK && copied;
    }
    sqlite3_close(to);
    sqlite3_close(from);
    return copied;
}
