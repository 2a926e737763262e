#pragma once

#include <QByteArray>
#include <QString>

// Reads and writes the values of the program's settings key. The key is the
// settings file (Grocelle.conf); it is opened and closed around every single
// operation, so no state is kept here. DWORD and string values keep their
// type: a DWORD read as a string, or a string read as a DWORD, is unreadable.
class CRegistry
{
public:
    virtual ~CRegistry() = default;

    // The value, or -1 when the key cannot be opened or the value is missing,
    // of another type or not a number. Callers treat a negative result as
    // missing.
    qint32 GetDword(const QString& name) const;

    // The text, or the empty text when the key cannot be opened or the value
    // is missing or of another type. A stored text of more than 49 characters
    // is unreadable.
    QString GetString(const QString& name) const;

    // "Could not open/create key" when the key cannot be opened, "Could not
    // save key" when the write fails; false in both cases.
    bool SetString(const QString& name, const QString& value) const;

    // "Could not open/create key" (returns false) when the key cannot be
    // opened; a failed write is silent and still returns true.
    bool SetDword(const QString& name, qint32 value) const;

    // As SetDword, but a failed write shows "Could not save key" and returns
    // false. Used where the program reports every failed write.
    bool SaveDword(const QString& name, qint32 value) const;

    // Bytes of any length, for values no handheld setting held (a window's
    // place). Empty when missing or unreadable; a failed write shows nothing
    // and returns false.
    QByteArray GetBytes(const QString& name) const;
    bool SetBytes(const QString& name, const QByteArray& value) const;

    // True when the key can be opened (and so created).
    bool keyAvailable() const;
    // True when values written to the key are kept: it opens, and its file
    // and folder can be written.
    bool keyWritable() const;

    // Once the user has been told that the settings cannot be saved, the
    // failures above show no more boxes (they still return false); told is
    // process-wide, and false again when set so.
    static void setFailuresTold(bool told);
    static bool failuresTold();

    static constexpr int MaxStringChars = 49;
};
