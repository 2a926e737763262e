#include "transfer/PurchaseUnits.h"

#include <QHash>

namespace
{
// Other names of a unit, in the languages the program speaks.
const QHash<QString, QString>& aliases()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("lbs"), QStringLiteral("lb")},          {QStringLiteral("pound"), QStringLiteral("lb")},
        {QStringLiteral("pounds"), QStringLiteral("lb")},       {QStringLiteral("ounce"), QStringLiteral("oz")},
        {QStringLiteral("ounces"), QStringLiteral("oz")},       {QStringLiteral("gram"), QStringLiteral("g")},
        {QStringLiteral("grams"), QStringLiteral("g")},         {QStringLiteral("gr"), QStringLiteral("g")},
        {QStringLiteral("gramm"), QStringLiteral("g")},         {QStringLiteral("gramme"), QStringLiteral("g")},
        {QStringLiteral("grammes"), QStringLiteral("g")},       {QStringLiteral("gramo"), QStringLiteral("g")},
        {QStringLiteral("gramos"), QStringLiteral("g")},        {QStringLiteral("kilo"), QStringLiteral("kg")},
        {QStringLiteral("kilos"), QStringLiteral("kg")},        {QStringLiteral("kilogram"), QStringLiteral("kg")},
        {QStringLiteral("kilograms"), QStringLiteral("kg")},    {QStringLiteral("liter"), QStringLiteral("l")},
        {QStringLiteral("liters"), QStringLiteral("l")},        {QStringLiteral("litre"), QStringLiteral("l")},
        {QStringLiteral("litres"), QStringLiteral("l")},        {QStringLiteral("ltr"), QStringLiteral("l")},
        {QStringLiteral("litro"), QStringLiteral("l")},         {QStringLiteral("litros"), QStringLiteral("l")},
        {QStringLiteral("milliliter"), QStringLiteral("ml")},   {QStringLiteral("milliliters"), QStringLiteral("ml")},
        {QStringLiteral("millilitre"), QStringLiteral("ml")},   {QStringLiteral("millilitres"), QStringLiteral("ml")},
        {QStringLiteral("doz"), QStringLiteral("dozen")},       {QStringLiteral("dutzend"), QStringLiteral("dozen")},
        {QStringLiteral("dtz"), QStringLiteral("dozen")},       {QStringLiteral("douzaine"), QStringLiteral("dozen")},
        {QStringLiteral("docena"), QStringLiteral("dozen")},    {QStringLiteral("ea"), QStringLiteral("each")},
        {QStringLiteral("pc"), QStringLiteral("each")},         {QStringLiteral("pcs"), QStringLiteral("each")},
        {QStringLiteral("piece"), QStringLiteral("each")},      {QStringLiteral("pieces"), QStringLiteral("each")},
        {QStringLiteral("stk"), QStringLiteral("each")},        {QStringLiteral("st\u00fcck"), QStringLiteral("each")},
        {QStringLiteral("pi\u00e8ce"), QStringLiteral("each")}, {QStringLiteral("pieza"), QStringLiteral("each")},
        {QStringLiteral("loaves"), QStringLiteral("loaf")},     {QStringLiteral("boxes"), QStringLiteral("box")},
        {QStringLiteral("bunches"), QStringLiteral("bunch")},   {QStringLiteral("packs"), QStringLiteral("pack")},
    };
    return table;
}

struct Measure
{
    const char* unit;
    int kind;      // units of one kind convert into each other
    double amount; // in the kind's smallest unit
};

// Metric and US weights stay apart: 1 lb is no plain number of grams.
const Measure kMeasures[] = {
    {"mg", 0, 1},   {"g", 0, 1000}, {"kg", 0, 1000000}, {"ml", 1, 1},  {"cl", 1, 10},
    {"dl", 1, 100}, {"l", 1, 1000}, {"oz", 2, 1},       {"lb", 2, 16},
};

const Measure* measureOf(const QString& unit)
{
    const QString name = PurchaseUnits::canonical(unit);
    for (const Measure& measure : kMeasures) {
        if (name == QLatin1String(measure.unit)) {
            return &measure;
        }
    }
    return nullptr;
}
} // namespace

QString PurchaseUnits::canonical(const QString& unit)
{
    QString name = unit.trimmed().toLower();
    if (name.endsWith(QLatin1Char('.'))) {
        name.chop(1);
    }
    if (const auto alias = aliases().constFind(name); alias != aliases().constEnd()) {
        return *alias;
    }
    // "bags", "cans", "jars": one more of the same unit.
    if (name.size() > 3 && name.endsWith(QLatin1Char('s')) && !name.endsWith(QLatin1String("ss"))) {
        name.chop(1);
    }
    return name;
}

bool PurchaseUnits::same(const QString& a, const QString& b)
{
    return canonical(a) == canonical(b);
}

std::optional<double> PurchaseUnits::factor(const QString& from, const QString& to)
{
    const Measure* source = measureOf(from);
    const Measure* target = measureOf(to);
    if (!source || !target || source->kind != target->kind) {
        return std::nullopt;
    }
    return source->amount / target->amount;
}

bool PurchaseUnits::isDozen(const QString& unit)
{
    return canonical(unit) == QLatin1String("dozen");
}
