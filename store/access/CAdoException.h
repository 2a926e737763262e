#pragma once

#include <QString>

#include <exception>

// The one error of the catalog access layer. Reading, converting or setting a
// column value, writing a row and creating a layer object raise it; opening
// and executing report failure by their result instead.
class CAdoException : public std::exception
{
public:
    enum : int
    {
        NotANumber = -11,   // GetLong: the value is missing or not a number
        CannotCreate = -12, // a connection or recordset object cannot be made
        CannotOpen = -13,   // CAdoConnection::Open (returned, never raised)
        ValueRefused = -15, // SetLong, SetText, SetDouble
        CannotRead = -16,   // GetText, GetLong
        CannotWrite = -18   // CAdoRecordset::Update
    };

    // What went wrong, as the engine or the program that raised it knows it:
    // callers choose the user's message and the phone's reply by it, never by
    // the words of the detail, which vary with the engine and the language.
    enum class Kind
    {
        Locked,       // another program holds what is to be changed; a later try may pass
        Conflict,     // another program changed the same rows at the same moment
        Gone,         // the item or row is no longer in the catalog
        ServerAway,   // the catalog's server cannot be reached or cut the connection
        TooSlow,      // the server did not answer, or finish, within the time limit
        ReadOnly,     // the catalog cannot be written (a read-only file or server)
        NoPermission, // the user may not do this
        Invalid,      // the catalog refused a value or a statement
        Corrupt,      // the catalog's file is damaged or not a catalog
        Other
    };

    CAdoException(int code, int line, QString file = QStringLiteral("adoclass31"));

    int m_nLine;         // source line at which the failure was raised
    QString m_strFile;   // source unit of the layer
    int m_nCode;         // one of the codes above
    QString m_strDetail; // the store's own words on the failure, may be empty
    Kind m_kind = Kind::Other;

    static CAdoException withDetail(int code, int line, const QString& detail, Kind kind = Kind::Other);

    Kind kind() const { return m_kind; }
    // The server is gone or did not answer in time.
    bool serverAway() const { return m_kind == Kind::ServerAway || m_kind == Kind::TooSlow; }

    // Always "CAdoException": the class carries no message text of its own.
    const char* what() const noexcept override;

    // A sentence for the user: what failed, and the code, e.g. "The catalog
    // could not be written (error -18)." followed by the store's words when
    // there are any.
    QString describe() const;
};

// Raises a CAdoException of the given code at the caller's line.
#define ADO_RAISE(code) throw CAdoException((code), __LINE__)
// The same, with the store's own description of the failure.
#define ADO_RAISE_DETAIL(code, detail) throw CAdoException::withDetail((code), __LINE__, (detail))
// The same, with the kind of failure.
#define ADO_RAISE_KIND(code, detail, kind) throw CAdoException::withDetail((code), __LINE__, (detail), (kind))
// The same with the last failure noted on a CAdoConnection: its words and kind.
#define ADO_RAISE_LAST(code, connection)                                                                               \
    throw CAdoException::withDetail((code), __LINE__, (connection).lastError(), (connection).lastFailureKind())
