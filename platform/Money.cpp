#include "platform/Money.h"

#include "platform/TextNumbers.h"

#include <QLocale>
#include <QRegularExpression>

namespace
{
QString& currencySetting()
{
    static QString setting;
    return setting;
}

bool englishLocale(const QLocale& locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

QString ownSymbol(const QLocale& locale)
{
    return englishLocale(locale) ? QStringLiteral("$") : locale.currencySymbol(QLocale::CurrencySymbol);
}

QString symbolFor(const QLocale& locale)
{
    return currencySetting().isEmpty() ? ownSymbol(locale) : currencySetting();
}

// The locale's decimal mark when it is another than the point; empty otherwise.
QString otherDecimalMark(const QLocale& locale)
{
    const QString mark = englishLocale(locale) ? QStringLiteral(".") : locale.decimalPoint();
    return mark == QLatin1String(".") ? QString() : mark;
}
} // namespace

void Money::setCurrencySymbol(const QString& symbol)
{
    currencySetting() = symbol.trimmed();
}

QString Money::currencySymbolSetting()
{
    return currencySetting();
}

bool Money::isEnglish()
{
    return englishLocale(QLocale());
}

QString Money::symbol()
{
    return symbolFor(QLocale());
}

QString Money::localeSymbol()
{
    return ownSymbol(QLocale());
}

QString Money::isoCode()
{
    static const QRegularExpression code(QStringLiteral("^[A-Z]{3}$"));
    if (code.match(currencySetting()).hasMatch()) {
        return currencySetting();
    }
    const QLocale locale;
    const QString iso = englishLocale(locale) ? QString() : locale.currencySymbol(QLocale::CurrencyIsoCode);
    return iso.isEmpty() ? QStringLiteral("USD") : iso;
}

QString Money::total(double value)
{
    const QLocale locale;
    const QString sign = symbolFor(locale);
    if (englishLocale(locale)) {
        return sign + TextNumbers::money(value);
    }
    if (TextNumbers::isPlainMoney(value)) {
        return locale.toCurrencyString(value, sign, 2);
    }
    // The locale's pattern around the short form: the full figure of such an
    // amount would be hundreds of digits long. The symbol goes in last, so
    // that no symbol is ever read as part of the pattern.
    const QChar symbolMark(0xE000);
    QString shown = locale.toCurrencyString(1.0, QString(symbolMark), 2);
    shown.replace(locale.toString(1.0, 'f', 2), TextNumbers::money(value));
    return shown.replace(symbolMark, sign);
}

QString Money::cell(double value)
{
    return isEnglish() ? TextNumbers::money(value) : total(value);
}

QString Money::editText(double price)
{
    QString text = QString::asprintf("%.15g", price);
    const QString mark = otherDecimalMark(QLocale());
    if (!mark.isEmpty()) {
        text.replace(QLatin1Char('.'), mark);
    }
    return text;
}

bool Money::parsePrice(const QString& text, double& price)
{
    QString plain = text.trimmed();
    const QString mark = otherDecimalMark(QLocale());
    if (!mark.isEmpty()) {
        plain.replace(mark, QStringLiteral("."));
    }
    // Only digits and one point get through: no sign, exponent, grouping or
    // blank, which QLocale::toDouble would otherwise take.
    static const QRegularExpression form(QStringLiteral("^([0-9]+([.][0-9]*)?|[.][0-9]+)$"));
    if (!form.match(plain).hasMatch()) {
        return false;
    }
    bool ok = false;
    price = QLocale::c().toDouble(plain, &ok);
    return ok;
}

QString Money::priceInputPattern()
{
    const QString mark = otherDecimalMark(QLocale());
    const QString marks =
        mark.isEmpty() ? QStringLiteral("[.]") : QStringLiteral("(?:[.]|%1)").arg(QRegularExpression::escape(mark));
    return QStringLiteral("[0-9]{0,7}(%1[0-9]{0,2})?").arg(marks);
}
