#include "list/ActionLabel.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace
{
struct Pattern
{
    // The English name with %1 (and %2) where its parts go, exactly as the
    // commands make it.
    const char* text;
    // What %1 may be: a number, or any text (as little as fits).
    bool numberFirst;
};

// Longer patterns before the shorter ones they begin with.
constexpr Pattern kPatterns[] = {
    {QT_TRANSLATE_NOOP("ActionLabel", "Clear List"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Clear Marked Items"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Clear Coupons"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Arrange Departments"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Arrange Departments for %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Learned walk of %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Walk of %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "New Item: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Edit Item: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Delete Item: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Barcode for %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Cheapest Stores"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Add one: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Subtract one: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Quantity %1: %2"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Mark: %1"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Unmark: %1"), false},
    // A name with " to " in it is split at its first one: the words are the
    // user's either way, only the joining word may land inside a name.
    {QT_TRANSLATE_NOOP("ActionLabel", "Rename department %1 to %2"), false},
    {QT_TRANSLATE_NOOP("ActionLabel", "Rename store %1 to %2"), false},
    // The starter catalog of the first start, named in words of its own.
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 item from the common groceries"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 items from the common groceries"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 item from the clipboard"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 items from the clipboard"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 item from %2"), true},
    {QT_TRANSLATE_NOOP("ActionLabel", "Import %1 items from %2"), true},
};

// The pattern as an expression that takes a whole name apart.
QRegularExpression expressionOf(const Pattern& pattern)
{
    const QString text = QString::fromLatin1(pattern.text);
    QString expression;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('%')); at >= 0; at = text.indexOf(QLatin1Char('%'), from)) {
        expression += QRegularExpression::escape(text.mid(from, at - from));
        const bool first = text.mid(at, 2) == QLatin1String("%1");
        expression += first ? (pattern.numberFirst ? QStringLiteral("(-?\\d+)") : QStringLiteral("(.*?)"))
                            : QStringLiteral("(.*)");
        from = at + 2;
    }
    expression += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}
} // namespace

QString ActionLabel::shown(const QString& stored)
{
    static const std::vector<QRegularExpression> expressions = [] {
        std::vector<QRegularExpression> made;
        for (const Pattern& pattern : kPatterns) {
            made.push_back(expressionOf(pattern));
        }
        return made;
    }();
    for (std::size_t i = 0; i < expressions.size(); ++i) {
        const QRegularExpressionMatch match = expressions[i].match(stored);
        if (!match.hasMatch()) {
            continue;
        }
        const QString english = QString::fromLatin1(kPatterns[i].text);
        const QString translated = QCoreApplication::translate("ActionLabel", kPatterns[i].text);
        if (translated == english) {
            return stored;
        }
        // One arg() for both parts: a "%1" in a name stays text.
        switch (match.lastCapturedIndex()) {
        case 0:
            return translated;
        case 1:
            return translated.arg(match.captured(1));
        default:
            return translated.arg(match.captured(1), match.captured(2));
        }
    }
    return stored;
}
