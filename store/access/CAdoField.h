#pragma once

#include <QString>
#include <QStringDecoder>

class CAdoRecordset;

// The one column accessor of a recordset. CAdoRecordset::GetField points it
// at a column of the current row; it stays valid until the next GetField on
// the same recordset and until the recordset closes.
class CAdoField
{
public:
    virtual ~CAdoField();
    CAdoField(const CAdoField&) = delete;
    CAdoField& operator=(const CAdoField&) = delete;

    // The column's name as the store reports it; empty when the accessor
    // points at no column.
    QString GetName();

    // The value as text: text unchanged, integers in decimal, a true bit as
    // "-1" and a false one as "0", a double as decimal text with a point
    // ("2.5", "3"), a missing value as the empty text. Returns the accessor's
    // one buffer, which the next GetText overwrites. Raises -16 at the end of
    // the rows or without a column.
    const QString& GetText();

    // The value when the store holds a whole number, as GetText shows it (a
    // true bit -1), without making its text: for reading many rows. False,
    // with out untouched, for a missing value, a fraction or text. Raises as
    // GetText does.
    bool GetWholeNumber(qint64& out);

    // The value as a 32-bit integer (a double rounds to the nearest, halves to
    // even; a true bit is -1). Raises -16 when it cannot be read and -11 when
    // it is missing, not a number or out of range.
    qint32 GetLong();

    // Give the column of the current row a new value, written by Update.
    // Raises -15 when the value is refused: the set is read-only or
    // forward-only, the column is computed, the number is out of a smallint's
    // or 32-bit column's range (never cut), text for a numeric column is not
    // a number, a whole-number column is given a fraction, or text is longer
    // than a varchar(n) column's width.
    void SetLong(qint32 value);
    void SetText(const QString& text);
    void SetDouble(double value);

private:
    friend class CAdoRecordset;
    explicit CAdoField(CAdoRecordset& owner);

    // Fills m_text from UTF-8, reusing the buffer when nobody shares it.
    void assignUtf8(const char* data, qsizetype size);
    void assignLatin1(const char* data, qsizetype size);

    CAdoRecordset& m_owner;
    int m_column = -1;
    QString m_text;
    QStringDecoder m_decoder;
};
