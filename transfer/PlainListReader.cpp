#include "transfer/PlainListReader.h"

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

// A quantity as written: a whole number, or a decimal one taken up to the
// next whole (1.5 kg is bought as 2). nullopt when it is no number.
std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(std::ceil(value)) : std::nullopt;
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
    } else if ((match = trailingTimes.match(rest)).hasMatch() || (match = trailingParen.match(rest)).hasMatch()) {
        rest = match.captured(1);
        parsed.quantity = match.captured(2);
    }
    parsed.name = rest.trimmed();
    return parsed;
}
} // namespace

bool PlainListReader::readLine(QString line, TransferRecord& record, QString& reason, QString* heading)
{
    line = line.trimmed();
    if (line.startsWith(QLatin1Char('#'))) {
        if (heading) {
            *heading = line.mid(line.indexOf(QRegularExpression(QStringLiteral("[^#]")))).trimmed();
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
    const Parsed parsed = parse(line.trimmed());
    int quantity = 1;
    if (!parsed.quantity.isEmpty()) {
        const std::optional<double> value = number(parsed.quantity);
        if (!value || *value < 0 || *value > TransferColumns::MaxQuantity) {
            reason = PlainListReader::tr("The quantity %1 is out of range (0 to %2).")
                         .arg(parsed.quantity)
                         .arg(TransferColumns::MaxQuantity);
            return false;
        }
        quantity = static_cast<int>(*value);
    }
    const std::optional<SqlValue> name =
        TransferColumns::check(TransferColumns::ItemName, SqlValue::text(parsed.name), reason);
    if (!name) {
        return false;
    }
    record.set(TransferColumns::ItemName, *name);
    record.set(TransferColumns::QtyToBuy, SqlValue::integer(quantity));
    if (!parsed.unit.isEmpty()) {
        record.set(TransferColumns::UnitOfPurchase,
                   SqlValue::text(parsed.unit.left(TransferColumns::width(TransferColumns::UnitOfPurchase))));
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
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r')) {
            ++end;
        }
        ++line;
        TransferRecord record;
        record.line = line;
        QString reason;
        if (readLine(text.mid(at, end - at).toString(), record, reason, &heading)) {
            file.records.push_back(std::move(record));
        } else if (!reason.isEmpty()) {
            file.refuse(line, reason);
        }
        at = end < text.size() && text.at(end) == QLatin1Char('\r') && end + 1 < text.size()
                     && text.at(end + 1) == QLatin1Char('\n')
                 ? end + 2
                 : end + 1;
    }
}
