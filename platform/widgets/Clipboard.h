#pragma once

#include <QString>

#include <functional>

// The system clipboard, for plain text. Tests install a handler that records
// the text (and may answer with a failure) instead of touching the real
// clipboard.
class Clipboard
{
public:
    // The steps of handing text over, in order; each may fail on its own.
    enum class Result
    {
        Ok,
        CannotOpen,  // no clipboard to write to
        CannotEmpty, // the old contents could not be dropped
        CannotSet    // the new text did not arrive
    };

    using Handler = std::function<Result(const QString& text)>;

    // Replaces the clipboard's contents with text (the empty text too).
    static Result setText(const QString& text);

    // An empty handler restores the real clipboard.
    static void setHandler(Handler handler);

    // The clipboard's plain text (empty when it holds none). Tests install a
    // reader that answers instead of the real clipboard; an empty one
    // restores it.
    using Reader = std::function<QString()>;
    static QString text();
    static void setReader(Reader reader);
};
