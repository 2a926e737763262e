#pragma once

#include <QByteArray>
#include <QString>

// One value of a catalog cell with its storage type, as the store holds it:
// nothing, a whole number, a real number, text or bytes. The journal keeps
// values this way so that putting one back restores the cell exactly.
class SqlValue
{
public:
    enum class Type : unsigned char
    {
        Null,
        Integer,
        Real,
        Text,
        Blob
    };

    SqlValue() = default;
    static SqlValue integer(qint64 value);
    static SqlValue real(double value);
    static SqlValue text(const QString& value);
    static SqlValue blob(const QByteArray& value);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    qint64 toInteger() const { return m_integer; }
    double toReal() const { return m_real; }
    // Text of a Text value, bytes of a Blob value.
    const QString& toText() const { return m_text; }
    const QByteArray& toBlob() const { return m_blob; }

    // The same type and the same value; two reals that are not a number are
    // the same value.
    bool operator==(const SqlValue& other) const;
    // What a cell given `this` holds now if it holds `other`: numbers compare
    // by value whatever their storage (a real column keeps 5 as 5.0); text is
    // compared exactly, letter case included.
    bool sameCell(const SqlValue& other) const;

private:
    Type m_type = Type::Null;
    qint64 m_integer = 0;
    double m_real = 0;
    QString m_text;
    QByteArray m_blob;
};
