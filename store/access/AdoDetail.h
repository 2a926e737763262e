#pragma once

// Internals shared by the catalog access layer's classes and the engines
// behind them; not for callers.

#include "store/access/CAdoException.h"

#include <QByteArray>
#include <QString>

#include <memory>

class IConnectionBackend;

namespace ado_detail
{
// How a column's values are read and what it takes when set.
enum class Kind : unsigned char
{
    Computed, // no table column behind it: cannot be set
    Untyped,  // a table column without a declared type: any value
    Text,
    Bit,
    SmallInt,
    Int32,
    Int64,
    Real
};
// The kind of a column from its declared type ("varchar(30)", "bit", ...);
// maxChars is the varchar width, -1 for none.
Kind kindOfDeclared(QByteArray declared, int& maxChars);

// One column of a set of rows.
struct Column
{
    QString name;
    QByteArray origin;     // the table column behind it, quoted; empty when computed
    QByteArray serverType; // PostgreSQL: the type of that column, for batched writes
    Kind kind = Kind::Computed;
    int maxChars = -1; // varchar(n) width, -1 for none
};

// One value as the layer keeps it.
struct Value
{
    enum Type : unsigned char
    {
        Null,
        Integer,
        Real,
        Text
    };
    QString text;
    union {
        qint64 integer = 0;
        double real;
    };
    Type type = Null;
};

// A value of the current row as an engine holds it, without a copy: text is
// either the layer's own (text) or the engine's UTF-8 bytes (utf8, size),
// valid until the cursor moves.
struct ValueView
{
    Value::Type type = Value::Null;
    qint64 integer = 0;
    double real = 0;
    const QString* text = nullptr;
    const char* utf8 = nullptr;
    qsizetype size = 0;

    static ValueView of(const Value& value);
};

// The catalog object that CAdoConnection wrappers share: the engine's
// connection while one is open. Every open or close changes the generation,
// so that a recordset or command can tell that the connection it was opened
// on has gone away.
struct SharedConnection
{
    SharedConnection();
    ~SharedConnection();
    SharedConnection(const SharedConnection&) = delete;
    SharedConnection& operator=(const SharedConnection&) = delete;

    std::unique_ptr<IConnectionBackend> backend; // null while closed
    quint64 generation = 0;
    QString location; // what Open was given
    QString lastError;
    CAdoException::Kind lastKind = CAdoException::Kind::Other; // of lastError
    int savepointDepth = 0;
    // Begun by BeginTrans and not yet ended by CommitTrans or RollbackTrans:
    // a lost server connection is then not made again behind the
    // transaction's back (its work is gone; the rollback must be seen first).
    bool transactionBegun = false;

    // The open engine, connected again first when its server went away and
    // came back, unless a transaction was begun on the lost connection; null
    // while closed.
    IConnectionBackend* engine();
    bool isOpen() const { return backend != nullptr; }
    // True inside a transaction begun and not yet ended.
    bool inTransaction() const;

    void close() noexcept;
    void noteError(const QString& text, CAdoException::Kind kind = CAdoException::Kind::Other)
    {
        lastError = sentence(text);
        lastKind = kind;
    }
    // text with its first letter in upper case.
    static QString sentence(QString text);
};
} // namespace ado_detail
