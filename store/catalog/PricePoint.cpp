#include "store/catalog/PricePoint.h"

#include <cmath>

QString PricePoint::sourceName(Source source)
{
    switch (source) {
    case Source::Shelf:
        return QStringLiteral("shelf");
    case Source::Import:
        return QStringLiteral("import");
    case Source::Edited:
        break;
    }
    return QStringLiteral("edited");
}

PricePoint::Source PricePoint::sourceFrom(const QString& name)
{
    if (name.compare(QLatin1String("shelf"), Qt::CaseInsensitive) == 0) {
        return Source::Shelf;
    }
    if (name.compare(QLatin1String("import"), Qt::CaseInsensitive) == 0) {
        return Source::Import;
    }
    return Source::Edited;
}

bool PricePoint::priceAcceptable(double price)
{
    return std::isfinite(price) && price >= 0.0;
}
