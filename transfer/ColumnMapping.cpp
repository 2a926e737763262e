#include "transfer/ColumnMapping.h"

#include <QHash>

#include <algorithm>

namespace
{
using Col = TransferColumns;

// Header words spreadsheets use for each column, in the languages the
// program speaks, lower case.
const QHash<QString, int>& headerWords()
{
    static const QHash<QString, int> words = [] {
        const struct
        {
            int column;
            const char* words;
        } table[] = {
            {Col::ItemName, "item|items|name|product|article|description|what|artikel|bezeichnung|produkt|ware|"
                            "produit|nom|d\u00e9signation|designation|libell\u00e9|art\u00edculo|articulo|producto|"
                            "nombre|descripci\u00f3n|descripcion"},
            {Col::QtyToBuy, "qty|quantity|amount|count|how many|menge|anzahl|stk|quantit\u00e9|quantite|qt\u00e9|"
                            "nombre d'articles|cantidad|cant|cant."},
            {Col::UnitOfPurchase, "unit|units|uom|einheit|unit\u00e9|unite|unidad|unidades"},
            {Col::ItemNameDetail, "notes|note|details|detail|comment|comments|notiz|notizen|bemerkung|hinweis|"
                                  "remarque|remarques|commentaire|nota|notas|comentario|comentarios"},
            {Col::Dept, "department|dept|category|aisle|section|abteilung|kategorie|gang|rayon|cat\u00e9gorie|"
                        "categorie|departamento|categor\u00eda|categoria|pasillo|secci\u00f3n|seccion"},
            {Col::Store, "store|shop|market|where|gesch\u00e4ft|laden|markt|magasin|boutique|tienda|"
                         "supermercado"},
            {Col::GiftFor, "gift for|for|f\u00fcr|geschenk f\u00fcr|pour|cadeau pour|para|regalo para"},
            {Col::Checked, "done|bought|got|checked|erledigt|gekauft|achet\u00e9|fait|comprado|hecho"},
            {Col::Price, "price|cost|preis|kosten|prix|co\u00fbt|precio|coste"},
            {Col::Coupon, "coupon|gutschein|bon|bon de r\u00e9duction|cup\u00f3n|cupon"},
        };
        QHash<QString, int> all;
        for (const auto& row : table) {
            for (const QString& word : QString::fromUtf8(row.words).split(QLatin1Char('|'))) {
                all.insert(word, row.column);
            }
        }
        return all;
    }();
    return words;
}

int guessOne(const QString& name)
{
    const int exact = Col::find(name);
    if (exact >= 0) {
        return exact;
    }
    return headerWords().value(name.trimmed().toLower(), ColumnMapping::Ignored);
}

qsizetype headerIndex(const QStringList& header, const QString& name)
{
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header.at(i).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}
} // namespace

ColumnMapping ColumnMapping::guess(const QStringList& header)
{
    ColumnMapping mapping;
    for (const QString& name : header) {
        int column = guessOne(name);
        // The first column of a meaning fills it; later ones are left to the user.
        if (std::find(mapping.columns.begin(), mapping.columns.end(), column) != mapping.columns.end()) {
            column = Ignored;
        }
        mapping.columns.push_back(column);
    }
    return mapping;
}

std::optional<ColumnMapping> ColumnMapping::parse(const QString& spec, const QStringList& header, QString& reason)
{
    ColumnMapping mapping;
    mapping.columns.assign(static_cast<size_t>(header.size()), Ignored);
    for (const QString& pair : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const int column = equals > 0 ? Col::find(pair.left(equals)) : -1;
        if (equals <= 0) {
            reason = tr("\"%1\" is no CatalogColumn=FileColumn pair, such as ItemName=Item.").arg(pair.trimmed());
            return std::nullopt;
        }
        if (column < 0) {
            reason = tr("\"%1\" is no catalog column: %2.").arg(pair.left(equals).trimmed(), Col::list());
            return std::nullopt;
        }
        const qsizetype at = headerIndex(header, pair.mid(equals + 1));
        if (at < 0) {
            reason = tr("The file has no column \"%1\": it has %2.")
                         .arg(pair.mid(equals + 1).trimmed(), header.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        mapping.columns[static_cast<size_t>(at)] = column;
    }
    reason = mapping.problem();
    return reason.isEmpty() ? std::optional<ColumnMapping>(mapping) : std::nullopt;
}

QString ColumnMapping::spec(const QStringList& header) const
{
    QStringList pairs;
    for (size_t i = 0; i < columns.size() && i < static_cast<size_t>(header.size()); ++i) {
        if (columns[i] != Ignored) {
            pairs << Col::name(columns[i]) + QLatin1Char('=') + header.at(static_cast<qsizetype>(i)).trimmed();
        }
    }
    return pairs.join(QLatin1Char(','));
}

QString ColumnMapping::problem() const
{
    std::vector<int> seen;
    for (const int column : columns) {
        if (column == Ignored) {
            continue;
        }
        if (std::find(seen.begin(), seen.end(), column) != seen.end()) {
            return tr("Two columns of the file fill %1.").arg(Col::name(column));
        }
        seen.push_back(column);
    }
    if (std::find(seen.begin(), seen.end(), static_cast<int>(Col::ItemName)) == seen.end()) {
        return tr("No column of the file is the item's name (ItemName).");
    }
    return {};
}

bool ColumnMapping::take(const QStringList& cells, TransferRecord& record, QString& reason,
                         DecimalText::Mark decimal) const
{
    for (size_t i = 0; i < columns.size() && i < static_cast<size_t>(cells.size()); ++i) {
        const int column = columns[i];
        const QString text = cells.at(static_cast<qsizetype>(i)).trimmed();
        if (column == Ignored || text.isEmpty()) {
            continue;
        }
        const std::optional<SqlValue> value =
            Col::fromText(column, Col::isText(column) ? text : DecimalText::plain(text, decimal), reason);
        if (!value) {
            return false;
        }
        record.set(column, *value);
    }
    return true;
}
