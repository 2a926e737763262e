#include "transfer/DecimalText.h"

#include <QLocale>
#include <QStringList>

namespace
{
// Digits grouped by thousands: "1", "12", "1,234", "12,345,678"; sep is
// the group mark.
bool groupedDigits(const QString& digits, QChar sep)
{
    const QStringList groups = digits.split(sep);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString& group = groups.at(i);
        const bool sized = groups.size() == 1 ? !group.isEmpty()
                           : i == 0           ? group.size() >= 1 && group.size() <= 3
                                              : group.size() == 3;
        if (!sized) {
            return false;
        }
        for (const QChar c : group) {
            if (!c.isDigit()) {
                return false;
            }
        }
    }
    return true;
}

QString withoutSpaces(const QString& text)
{
    QString out = text.trimmed();
    out.remove(QChar(0x00A0));
    out.remove(QChar(0x202F));
    out.remove(QLatin1Char(' '));
    return out;
}

// text read with decimal as its decimal mark and the other as the group
// mark; text unchanged when the groups are not thousands.
QString readWith(const QString& text, QChar decimal)
{
    const QChar group = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    QString body = text;
    QString sign;
    if (body.startsWith(QLatin1Char('-')) || body.startsWith(QLatin1Char('+'))) {
        sign = body.left(1);
        body.remove(0, 1);
    }
    const qsizetype at = body.lastIndexOf(decimal);
    const QString whole = at < 0 ? body : body.left(at);
    const QString fraction = at < 0 ? QString() : body.mid(at + 1);
    if (fraction.contains(group) || fraction.contains(decimal) || !groupedDigits(whole, group)) {
        return text;
    }
    QString plain = sign + QString(whole).remove(group);
    if (at >= 0) {
        plain += QLatin1Char('.') + fraction;
    }
    return plain;
}
} // namespace

DecimalText::Mark DecimalText::markOf(QStringView text)
{
    const qsizetype commas = text.count(QLatin1Char(','));
    const qsizetype points = text.count(QLatin1Char('.'));
    if (commas > 0 && points > 0) {
        return text.lastIndexOf(QLatin1Char(',')) > text.lastIndexOf(QLatin1Char('.')) ? Mark::Comma : Mark::Point;
    }
    if (commas > 1) {
        return Mark::Point;
    }
    if (points > 1) {
        return Mark::Comma;
    }
    if (commas == 1) {
        return text.size() - text.lastIndexOf(QLatin1Char(',')) - 1 == 3 ? Mark::None : Mark::Comma;
    }
    if (points == 1) {
        return text.size() - text.lastIndexOf(QLatin1Char('.')) - 1 == 3 ? Mark::None : Mark::Point;
    }
    return Mark::None;
}

QString DecimalText::plain(const QString& text, Mark decimal)
{
    if (!text.contains(QLatin1Char(',')) && text.count(QLatin1Char('.')) < 2) {
        return text; // the common case: nothing to read differently
    }
    const QString bare = withoutSpaces(text);
    Mark mark = markOf(bare);
    if (mark == Mark::None) {
        // One comma and three digits: a thousands comma unless told otherwise.
        mark = bare.contains(QLatin1Char(',')) && decimal == Mark::Comma ? Mark::Comma : Mark::Point;
    }
    return readWith(bare, mark == Mark::Comma ? QLatin1Char(',') : QLatin1Char('.'));
}

DecimalText::Mark DecimalText::userMark()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? Mark::Comma : Mark::Point;
}
