#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CAdoConnection;

// The catalog file and its one table, ShoppingLists: creating the file when
// it is missing, the indexes, the structure check run at start-up, the
// DBVersion setting, and the quoting of text values put into SQL.
class Catalog
{
public:
    // "\Windows\shoplistdata.cdb": the catalog's path on the handheld, which
    // CAdoConnection::Open and prepareFile map to the device folder.
    static QString devicePath();

    enum class Engine
    {
        Sqlite,
        Postgres
    };
    // The catalog this run works on: the one the user chose (a file path or a
    // postgresql:// URI), otherwise the file in the device folder. The
    // handheld path (devicePath()) stands for it wherever a catalog is
    // opened or prepared.
    static QString location();
    // Chooses the catalog of the run; empty text goes back to the file in the
    // device folder.
    static void setLocation(const QString& chosen);
    // path, or location() when path is the handheld path of the catalog.
    static QString resolve(const QString& path);
    // What names the chosen catalog to the user (the server and database,
    // never a password, or the file); empty when none was chosen.
    static QString displayName();
    // location as messages name it: "PostgreSQL server host:port/db" (never
    // a password) or the file's full path.
    static QString describeLocation(const QString& location);

    // The statement that creates a catalog with the full column set; text
    // columns compare and sort without regard to case. serverCollation: that
    // of the names on a server ("C" where it lacks "C.utf8").
    static QString createTableStatement(Engine engine = Engine::Sqlite,
                                        const QString& serverCollation = QStringLiteral("C.utf8"));

    // value with every single quote doubled, ready to stand between single
    // quotes in a statement (no quotes are added). Every statement that
    // carries a text value is composed with it: "Kids' Snacks" stays one
    // value instead of breaking the statement.
    static QString quoteText(const QString& value);
    // value as a text literal of a statement: between single quotes, each
    // single quote in it doubled.
    static QString quoteLiteral(const QString& value);

    enum class FileState
    {
        Ready,        // a catalog that can be read and written
        Created,      // there was no file: an empty catalog was made
        NotACatalog,  // not an SQLite database, no ShoppingLists table with the catalog's columns, or
                      // unreadable: left untouched
        ReadOnly,     // a catalog, but the file or its folder cannot be written
        CannotCreate, // there was no file and none could be made
    };

    // Looks at the file at filePath (a handheld path or a plain one) before it
    // is opened. A missing file is created, complete or not at all. Any other
    // file is only read, never changed. For a PostgreSQL URI: a missing table
    // is created (Created), one made by another tool gains the row key the
    // layer writes by; a server that cannot be reached, or a table that
    // cannot be made, is CannotCreate; a ShoppingLists table without the
    // catalog's base columns is NotACatalog and is left alone.
    static FileState prepareFile(const QString& filePath);

    // What to tell the user about the state, naming the file; empty for Ready
    // and Created.
    static QString fileStateMessage(FileState state, const QString& filePath);

    // The three start-up indexes, each made unless it is there; a failure is
    // ignored. The structure check makes them with the rest.
    static void runStartupIndexes(CAdoConnection& connection);

    // What the structure check added to an older catalog.
    enum class Addition
    {
        Price,
        Coupon,
        DeptOrder
    };
    // Brings an older catalog up to date, once: a catalog that records the
    // current structure (CatalogSchema) is not looked over at all. Any other
    // gains Price and Coupon when the table has no column of exactly that
    // name (letter case counts), and DeptOrder (any letter case) with -1 on
    // every row, writing DBVersion 5 after each addition and once at the
    // end; then the indexes and the tables beside ShoppingLists, all in one
    // transaction that records the structure when every part landed. A
    // failed part is ignored and tried again at the next start. A user who
    // may not change the structure is told what is missing, and nothing is
    // tried. A ShoppingLists table that lacks the catalog's own columns, or
    // that cannot be read, is left alone. Returns what it added, in order:
    // the window tells the user.
    static std::vector<Addition> checkStructure(CAdoConnection& connection);
    // What the user is told of an addition.
    static QString additionMessage(Addition addition);

    // The four indexes the store tabs and the quick entry read by, each made
    // unless it is there; failures are ignored. The structure check makes
    // them with the rest.
    static void runStoreTabIndexes(CAdoConnection& connection);

    // Stores DBVersion in the settings; a failure is reported to the user by
    // the settings store.
    static void writeDbVersion(int version);

    static constexpr int DbVersion = 5;

    // What opening the run's catalog came to.
    struct Opening
    {
        FileState state = FileState::Ready;
        // The connection is open on the catalog.
        bool opened = false;
        // Open, but changes cannot be saved (FileState::ReadOnly).
        bool readOnly = false;
        // Not opened: why, in the user's terms. Opened read-only: what that
        // means for changes. Otherwise empty.
        QString problem;
        // What the structure check added, in order; empty when it did not run.
        std::vector<Addition> additions;
        // The catalog as messages and logs name it: displayName(), or the
        // location when none was chosen.
        QString name;

        // The file was left untouched and no connection was tried: it is no
        // catalog, or none could be made.
        bool refused() const;
        // What the user is told of the additions, in order.
        QStringList additionMessages() const;
    };
    // Whether the structure check runs on a catalog opened read-only (where
    // it only tells what is missing).
    enum class ReadOnlyCheck
    {
        Run,
        Skip
    };
    // Opens the run's catalog (location()) on connection, which is given a
    // store object of its own first: prepares the file (prepareFile), opens
    // it unless refused() and runs the structure check on it. What to tell
    // the user is left to the caller.
    static Opening open(CAdoConnection& connection, ReadOnlyCheck readOnlyCheck = ReadOnlyCheck::Run);
};
