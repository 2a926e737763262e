#include "phone/PhoneCheapest.h"

#include "list/CheapestSplit.h"

#include <QJsonArray>

QJsonObject PhoneCheapest::answer(const CheapestSplit& split)
{
    QJsonArray parts;
    for (const CheapestSplit::Part& part : split.parts()) {
        parts.append(QJsonObject{{QStringLiteral("store"), part.store},
                                 {QStringLiteral("total"), part.total},
                                 {QStringLiteral("lines"), part.lines}});
    }
    QJsonArray moves;
    for (const CheapestSplit::Line& line : split.lines()) {
        if (!line.moves()) {
            continue;
        }
        moves.append(QJsonObject{{QStringLiteral("id"), line.id},
                                 {QStringLiteral("name"), line.name},
                                 {QStringLiteral("quantity"), line.quantity},
                                 {QStringLiteral("unit"), line.unit},
                                 {QStringLiteral("from"), line.store},
                                 {QStringLiteral("to"), line.best},
                                 {QStringLiteral("price"), line.price},
                                 {QStringLiteral("best"), line.bestPrice}});
    }
    return QJsonObject{{QStringLiteral("today"), split.todayTotal()},
                       {QStringLiteral("savings"), split.savings()},
                       {QStringLiteral("parts"), parts},
                       {QStringLiteral("moves"), moves}};
}
