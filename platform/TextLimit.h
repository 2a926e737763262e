#pragma once

#include <QString>

// Limits on text, counted in characters (code points) as the catalog's
// server and file count them, and cut only between characters as the user
// sees them: a cut never splits a surrogate pair, an accent from its letter
// or an emoji sequence (which count as several). Labels are cut by the
// characters the user sees. Boxes that hold one line also take no control
// characters.
class TextLimit
{
public:
    // The number of characters (code points) in text.
    static qsizetype length(const QString& text);
    // The first count characters the user sees (an emoji sequence is one),
    // for labels.
    static QString left(const QString& text, qsizetype count);
    // The longest beginning of text of at most maxChars characters (code
    // points) that ends where a character the user sees ends.
    static QString fitting(const QString& text, qsizetype maxChars);

    // Brings text down to maxChars characters by taking out the ones just
    // before position (where the caret stands after typing or pasting), and
    // from the end when there are too few of those; position follows.
    static void cutAt(QString& text, int& position, qsizetype maxChars);

    // Takes the control characters (NUL, tabs, line breaks, ...) out of text:
    // a run of tabs or line breaks between words becomes one space, anything
    // else goes. With keepLineFeeds a line feed stays (text of several
    // lines); position, when given, follows.
    static QString withoutControls(const QString& text, bool keepLineFeeds = false, int* position = nullptr);
};
