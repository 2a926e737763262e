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

    CAdoException(int code, int line, QString file = QStringLiteral("adoclass31"));

    int m_nLine;         // source line at which the failure was raised
    QString m_strFile;   // source unit of the layer
    int m_nCode;         // one of the codes above
    QString m_strDetail; // the store's own words on the failure, may be empty

    static CAdoException withDetail(int code, int line, const QString& detail);

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
