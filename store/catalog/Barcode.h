#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

// A code read off a package or a shelf label, as typed, scanned or found in
// a file, checked before anything looks it up: EAN-13, EAN-8, UPC-A and
// UPC-E by their check digit, and short labels of letters and digits (a
// store's own). A code is only ever data: what is refused here never reaches
// a statement, and what passes is bound.
//
// One product code has one key, whichever form it came in: UPC-A is EAN-13
// with a leading 0, and UPC-E is the UPC-A it stands for. Eight digits that
// are both a valid EAN-8 and a valid UPC-E have both keys; the EAN-8 one is
// the code's own, and a look-up tries both.
class Barcode
{
    Q_DECLARE_TR_FUNCTIONS(Barcode)

public:
    enum class Kind
    {
        Ean13,
        Ean8,
        UpcA,
        UpcE,
        Label
    };
    enum class Fault
    {
        None,
        Empty,
        TooLong,
        BadCharacter,
        CheckDigit
    };
    // The most characters a code may have, spaces between digit groups
    // included.
    static constexpr int MaxLength = 40;

    static Barcode parse(const QString& text);

    bool valid() const { return m_fault == Fault::None; }
    Fault fault() const { return m_fault; }
    Kind kind() const { return m_kind; }
    // The key the code is kept under; empty for a refused code.
    QString key() const { return m_keys.value(0); }
    // Every key the code may be kept under, its own first.
    const QStringList& keys() const { return m_keys; }
    // Why the code is refused, for the user; empty for a valid code.
    QString refusal() const;

    // Whether the last of digits is the check digit of the others (GS1).
    static bool checkDigitFits(QStringView digits);
    // The UPC-A (12 digits) an 8-digit UPC-E stands for; empty when it
    // stands for none (a number system other than 0 or 1).
    static QString upcEToUpcA(QStringView code);

private:
    Fault m_fault = Fault::Empty;
    Kind m_kind = Kind::Label;
    QStringList m_keys;
};
