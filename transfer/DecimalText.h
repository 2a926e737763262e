#pragma once

#include <QString>
#include <QStringView>

// Numbers as spreadsheets of different countries write them: "1,5" and
// "1.234,5" with a decimal comma, "1,234.5" with a decimal point. Whatever
// a number's text shows for itself is read that way; only a text that
// cannot tell ("1,250": one comma, three digits after it) is read by the
// decimal mark the file or the user goes by.
class DecimalText
{
public:
    enum class Mark
    {
        None,
        Point,
        Comma
    };

    // The decimal mark text shows for itself; None when it has no mark or
    // cannot tell.
    static Mark markOf(QStringView text);
    // text in the plain form numbers are read in ("1234.5"); a comma that
    // cannot tell is read as `decimal` says (None or Point: a thousands
    // comma). A single point is always a decimal point. Text that is no
    // number so written comes back unchanged, to be refused as no number.
    static QString plain(const QString& text, Mark decimal);
    // The user's decimal mark (that of the locale).
    static Mark userMark();
};
