#include "transfer/PlainListReader.h"

#include "platform/TextLimit.h"

#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace
{
bool isUnit(const QString& word)
{
    static const QSet<QString> units = {
        QStringLiteral("lb"),     QStringLiteral("lbs"),     QStringLiteral("pound"),  QStringLiteral("pounds"),
        QStringLiteral("oz"),     QStringLiteral("ounce"),   QStringLiteral("ounces"), QStringLiteral("kg"),
        QStringLiteral("g"),      QStringLiteral("gram"),    QStringLiteral("grams"),  QStringLiteral("l"),
        QStringLiteral("liter"),  QStringLiteral("liters"),  QStringLiteral("litre"),  QStringLiteral("litres"),
        QStringLiteral("ml"),     QStringLiteral("pkg"),     QStringLiteral("pack"),   QStringLiteral("packs"),
        QStringLiteral("can"),    QStringLiteral("cans"),    QStringLiteral("tin"),    QStringLiteral("tins"),
        QStringLiteral("jar"),    QStringLiteral("jars"),    QStringLiteral("bottle"), QStringLiteral("bottles"),
        QStringLiteral("box"),    QStringLiteral("boxes"),   QStringLiteral("bag"),    QStringLiteral("bags"),
        QStringLiteral("bunch"),  QStringLiteral("bunches"), QStringLiteral("loaf"),   QStringLiteral("loaves"),
        QStringLiteral("dozen"),  QStringLiteral("doz"),     QStringLiteral("head"),   QStringLiteral("heads"),
        QStringLiteral("carton"), QStringLiteral("cartons"), QStringLiteral("cup"),    QStringLiteral("cups"),
        QStringLiteral("tbsp"),   QStringLiteral("tsp"),     QStringLiteral("piece"),  QStringLiteral("pieces"),
        QStringLiteral("pcs"),    QStringLiteral("ea"),      QStringLiteral("each"),   QStringLiteral("roll"),
        QStringLiteral("rolls"),  QStringLiteral("gal"),     QStringLiteral("gallon"), QStringLiteral("gallons"),
        QStringLiteral("qt"),     QStringLiteral("pt"),      QStringLiteral("slice"),  QStringLiteral("slices"),
        QStringLiteral("lbs."),   QStringLiteral("oz."),     QStringLiteral("pkt"),    QStringLiteral("tub"),
        QStringLiteral("tubs"),   QStringLiteral("stick"),   QStringLiteral("sticks"), QStringLiteral("case"),
    };
    return units.contains(word.toLower());
}

// A quantity as written, a decimal comma read as a point; nullopt when it is
// no number.
std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// Markdown's emphasis, code marks and links, as notes apps write them: the
// words stay, the marks go ("**Bagels**", "[Oat milk](https://...)").
QString withoutMarkdown(QString text)
{
    static const QRegularExpression link(QStringLiteral("\\[([^\\]]*)\\]\\([^)]*\\)"));
    static const QRegularExpression strong(QStringLiteral("(\\*\\*|__|~~)(.+?)\\1"));
    static const QRegularExpression emphasis(QStringLiteral("(?<![\\w*])([*_])(?!\\s)(.+?)(?<!\\s)\\1(?![\\w*])"));
    static const QRegularExpression code(QStringLiteral("`([^`]+)`"));
    text.replace(link, QStringLiteral("\\1"));
    text.replace(strong, QStringLiteral("\\2"));
    text.replace(emphasis, QStringLiteral("\\2"));
    text.replace(code, QStringLiteral("\\1"));
    return text;
}

// How far a line is indented, a tab counting four.
int indentOf(QStringView line)
{
    int indent = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char(' ')) {
            ++indent;
        } else if (c == QLatin1Char('\t')) {
            indent += 4;
        } else {
            break;
        }
    }
    return indent;
}

bool startsWithBullet(const QString& trimmed)
{
    static const QRegularExpression bullet(QStringLiteral("^(?:[-*+\\x{2022}\\x{25E6}]|\\d{1,3}[.)])\\s"));
    return bullet.match(trimmed).hasMatch();
}

// Takes a bullet or check box off the front of line; true when the box was
// ticked.
bool takeBullet(QString& line)
{
    static const QRegularExpression bullet(QStringLiteral("^(?:[-*+\\x{2022}\\x{25E6}]\\s+|\\d{1,3}[.)]\\s+)?(?:\\[([ "
                                                          "xX])\\]\\s*|([\\x{2610}\\x{2611}\\x{2612}])\\s*)?"));
    const QRegularExpressionMatch match = bullet.match(line);
    const bool ticked = match.captured(1).compare(QLatin1String("x"), Qt::CaseInsensitive) == 0
                        || (!match.captured(2).isEmpty() && match.captured(2) != QStringLiteral("\u2610"));
    line.remove(0, match.capturedLength());
    return ticked;
}

struct Parsed
{
    QString name;
    QString quantity; // as written; empty for none
    QString unit;
    QString dept;
};

Parsed parse(const QString& line)
{
    static const QRegularExpression leading(QStringLiteral("^(-?\\d+(?:[.,]\\d+)?)\\s*[xX\\x{00D7}]?\\s+(.+)$"));
    static const QRegularExpression trailingTimes(QStringLiteral("^(.+?)\\s+[xX\\x{00D7}]\\s*(\\d+(?:[.,]\\d+)?)$"));
    static const QRegularExpression trailingParen(QStringLiteral("^(.+?)\\s*\\((\\d+(?:[.,]\\d+)?)\\)$"));
    // "toilet paper 2": a bare count of one or two digits after a word; a
    // longer number is more likely part of the name ("Xbox 360").
    static const QRegularExpression trailingCount(QStringLiteral("^(.*\\p{L}.*?)\\s+(\\d{1,2})$"));
    static const QRegularExpression department(QStringLiteral("^(.+?)\\s+\\(([^()]*\\D[^()]*)\\)$"));
    Parsed parsed;
    QString rest = line;
    QRegularExpressionMatch match = leading.match(rest);
    if (match.hasMatch()) {
        parsed.quantity = match.captured(1);
        rest = match.captured(2);
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        if (space > 0 && isUnit(rest.left(space))) {
            parsed.unit = rest.left(space);
            rest = rest.mid(space + 1).trimmed();
        }
        match = department.match(rest);
        if (match.hasMatch()) {
            parsed.dept = match.captured(2).trimmed();
            rest = match.captured(1);
        }
    } else if ((match = trailingTimes.match(rest)).hasMatch() || (match = trailingParen.match(rest)).hasMatch()
               || (match = trailingCount.match(rest)).hasMatch()) {
        rest = match.captured(1);
        parsed.quantity = match.captured(2);
    }
    parsed.name = rest.trimmed();
    return parsed;
}

// The name of a line, or the doubt that it is one: a sentence ("Don't
// forget the coupons!") or a line longer than any name is kept unticked
// with its reason. false (reason set) for a name the catalog cannot hold.
bool takeName(const QString& name, TransferRecord& record, QString& reason)
{
    const int width = TransferColumns::width(TransferColumns::ItemName);
    if (TextLimit::length(name) > width && !name.contains(QChar(0))) {
        record.set(TransferColumns::ItemName, SqlValue::text(name));
        record.doubt = PlainListReader::tr("It is longer than a name can be (%1 characters).").arg(width);
        record.doubtFinal = true;
        return true;
    }
    const std::optional<SqlValue> value =
        TransferColumns::check(TransferColumns::ItemName, SqlValue::text(name), reason);
    if (!value) {
        return false;
    }
    record.set(TransferColumns::ItemName, *value);
    if (name.endsWith(QLatin1Char('!')) || name.endsWith(QLatin1Char('?'))) {
        record.doubt = PlainListReader::tr("It reads as a sentence, not an item.");
    }
    return true;
}
} // namespace

bool PlainListReader::readLine(QString line, TransferRecord& record, QString& reason, QString* heading)
{
    line = line.trimmed();
    if (line.startsWith(QLatin1Char('#'))) {
        if (heading) {
            *heading = withoutMarkdown(line.mid(line.indexOf(QRegularExpression(QStringLiteral("[^#]"))))).trimmed();
        }
        return false;
    }
    const bool ticked = takeBullet(line);
    if (line.trimmed().isEmpty()) {
        return false;
    }
    if (line.contains(QChar(0))) {
        reason = PlainListReader::tr("The line holds a NUL character.");
        return false;
    }
    const Parsed parsed = parse(withoutMarkdown(line).trimmed());
    double amount = -1;
    if (!parsed.quantity.isEmpty()) {
        const std::optional<double> value = number(parsed.quantity);
        if (!value || *value < 0 || *value > TransferColumns::MaxQuantity) {
            reason = PlainListReader::tr("The quantity %1 is out of range (0 to %2).")
                         .arg(parsed.quantity)
                         .arg(TransferColumns::MaxQuantity);
            return false;
        }
        amount = *value;
    }
    if (!takeName(parsed.name, record, reason)) {
        return false;
    }
    // A decimal quantity is bought whole: 1.5 kg as 2.
    record.set(TransferColumns::QtyToBuy, SqlValue::integer(amount < 0 ? 1 : static_cast<qint64>(std::ceil(amount))));
    if (amount >= 0) {
        record.amountWritten = amount;
        record.unitWritten = parsed.unit.left(TransferColumns::width(TransferColumns::UnitOfPurchase));
    }
    const QString dept = !parsed.dept.isEmpty() ? parsed.dept : heading ? *heading : QString();
    if (!dept.isEmpty()) {
        const std::optional<SqlValue> value =
            TransferColumns::check(TransferColumns::Dept, SqlValue::text(dept), reason);
        if (!value) {
            return false;
        }
        record.set(TransferColumns::Dept, *value);
    }
    if (ticked) {
        record.set(TransferColumns::Checked, SqlValue::integer(1));
    }
    return true;
}

void PlainListReader::read(QStringView text, TransferFile& file)
{
    file.format = TransferFile::Format::PlainText;
    QString heading;
    int line = 0;
    int itemIndent = -1; // of the last item's line; -1 when none is above
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r')) {
            ++end;
        }
        ++line;
        const QString raw = text.mid(at, end - at).toString();
        const int indent = indentOf(raw);
        QString reason;
        if (itemIndent >= 0 && indent > itemIndent && startsWithBullet(raw.trimmed())) {
            if (!addNote(raw, file.records.back(), reason)) {
                file.refuse(line, reason);
            }
        } else {
            TransferRecord record;
            record.line = line;
            if (readLine(raw, record, reason, &heading)) {
                file.records.push_back(std::move(record));
                itemIndent = indent;
            } else if (!reason.isEmpty()) {
                file.refuse(line, reason);
            } else if (!raw.trimmed().isEmpty()) {
                itemIndent = -1; // a heading: what follows belongs to no item
            }
        }
        at = end < text.size() && text.at(end) == QLatin1Char('\r') && end + 1 < text.size()
                     && text.at(end + 1) == QLatin1Char('\n')
                 ? end + 2
                 : end + 1;
    }
}

bool PlainListReader::addNote(QString line, TransferRecord& record, QString& reason)
{
    line = line.trimmed();
    takeBullet(line);
    const QString note = withoutMarkdown(line).trimmed();
    if (note.isEmpty()) {
        return true;
    }
    const QString before =
        record.has(TransferColumns::ItemNameDetail) ? record.at(TransferColumns::ItemNameDetail).toText() : QString();
    const QString joined = before.isEmpty() ? note : before + QStringLiteral("; ") + note;
    const std::optional<SqlValue> value =
        TransferColumns::check(TransferColumns::ItemNameDetail, SqlValue::text(joined), reason);
    if (!value) {
        return false;
    }
    record.set(TransferColumns::ItemNameDetail, *value);
    return true;
}
