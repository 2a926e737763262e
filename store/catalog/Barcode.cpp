#include "store/catalog/Barcode.h"

namespace
{
bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return !text.isEmpty();
}

// What a shelf label may hold besides letters and digits. Quotes, semicolons
// and the like have no business in a code and are refused outright.
bool labelCharacter(QChar c)
{
    return c.isLetterOrNumber() || QStringView(u" -./_+#").contains(c);
}

QString ean13Of(const QString& upcA)
{
    return QLatin1Char('0') + upcA;
}
} // namespace

bool Barcode::checkDigitFits(QStringView digits)
{
    if (digits.size() < 2 || !allDigits(digits)) {
        return false;
    }
    // From the right, the check digit left out: weights 3, 1, 3, ...
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 2; i >= 0; --i) {
        sum += weight * (digits[i].unicode() - u'0');
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10 == digits.back().unicode() - u'0';
}

QString Barcode::upcEToUpcA(QStringView code)
{
    if (code.size() != 8 || !allDigits(code) || (code[0] != QLatin1Char('0') && code[0] != QLatin1Char('1'))) {
        return {};
    }
    const QString d = code.mid(1, 6).toString();
    const QString system = code.first(1).toString();
    const QString check = code.last(1).toString();
    QString body;
    switch (d[5].unicode()) {
    case u'0':
    case u'1':
    case u'2':
        body = d.left(2) + d[5] + QStringLiteral("0000") + d.mid(2, 3);
        break;
    case u'3':
        body = d.left(3) + QStringLiteral("00000") + d.mid(3, 2);
        break;
    case u'4':
        body = d.left(4) + QStringLiteral("00000") + d[4];
        break;
    default:
        body = d.left(5) + QStringLiteral("0000") + d[5];
        break;
    }
    return system + body + check;
}

Barcode Barcode::parse(const QString& text)
{
    Barcode code;
    // Line ends and tabs around a code are a scanner's; inside it, only the
    // label's characters pass.
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        code.m_fault = Fault::Empty;
        return code;
    }
    if (trimmed.size() > MaxLength) {
        code.m_fault = Fault::TooLong;
        return code;
    }
    for (const QChar c : trimmed) {
        if (!labelCharacter(c)) {
            code.m_fault = Fault::BadCharacter;
            return code;
        }
    }
    const QString plain = trimmed.simplified();
    // Digits in groups, as printed under the bars, are one code.
    QString digits = plain;
    digits.remove(QLatin1Char(' '));
    if (!allDigits(digits) || (digits.size() != 8 && digits.size() != 12 && digits.size() != 13)) {
        code.m_fault = Fault::None;
        code.m_kind = Kind::Label;
        code.m_keys = {plain};
        return code;
    }
    if (digits.size() == 13 || digits.size() == 12) {
        if (!checkDigitFits(digits)) {
            code.m_fault = Fault::CheckDigit;
            return code;
        }
        code.m_fault = Fault::None;
        code.m_kind = digits.size() == 13 ? Kind::Ean13 : Kind::UpcA;
        code.m_keys = {digits.size() == 13 ? digits : ean13Of(digits)};
        return code;
    }
    const QString upcA = upcEToUpcA(digits);
    const bool upcE = !upcA.isEmpty() && checkDigitFits(upcA);
    if (checkDigitFits(digits)) {
        code.m_kind = Kind::Ean8;
        code.m_keys << digits;
    } else if (upcE) {
        code.m_kind = Kind::UpcE;
    } else {
        code.m_fault = Fault::CheckDigit;
        return code;
    }
    if (upcE) {
        code.m_keys << ean13Of(upcA);
    }
    code.m_fault = Fault::None;
    return code;
}

QString Barcode::refusal() const
{
    switch (m_fault) {
    case Fault::None:
        return {};
    case Fault::Empty:
        return tr("The barcode is empty.");
    case Fault::TooLong:
        return tr("A barcode has at most %1 characters.").arg(MaxLength);
    case Fault::BadCharacter:
        return tr("A barcode holds only letters, digits, spaces and - . / _ + #.");
    case Fault::CheckDigit:
        return tr("The check digit does not fit: the barcode was read or typed wrong.");
    }
    return {};
}
