#include "platform/TextLimit.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace
{
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Controls that separate words, as opposed to those that stand for nothing.
bool isSpacing(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case 0x0b:
    case 0x0c:
    case u'\r':
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

qsizetype TextLimit::length(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character; anything else one per unit.
        if (!(text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())) {
            ++count;
        }
    }
    return count;
}

QString TextLimit::left(const QString& text, qsizetype count)
{
    if (count <= 0) {
        return {};
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype i = 0; i < count; ++i) {
        if (finder.toNextBoundary() < 0) {
            return text;
        }
    }
    return text.left(finder.position());
}

QString TextLimit::fitting(const QString& text, qsizetype maxChars)
{
    if (maxChars <= 0) {
        return {};
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    for (;;) {
        const qsizetype from = finder.position();
        const qsizetype to = finder.toNextBoundary();
        if (to < 0) {
            return text;
        }
        kept += length(text.mid(from, to - from));
        if (kept > maxChars) {
            return text.left(from);
        }
    }
}

void TextLimit::cutAt(QString& text, int& position, qsizetype maxChars)
{
    qsizetype excess = length(text) - maxChars;
    if (excess <= 0) {
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(std::clamp<qsizetype>(position, 0, text.size()));
    if (!finder.isAtBoundary()) {
        finder.toPreviousBoundary();
    }
    const qsizetype end = std::max<qsizetype>(finder.position(), 0);
    qsizetype start = end;
    while (excess > 0 && start > 0) {
        const qsizetype previous = finder.toPreviousBoundary();
        excess -= length(text.mid(previous, start - previous));
        start = previous;
    }
    text.remove(start, end - start);
    position = static_cast<int>(start);
    // Taking characters out can join what was left on either side.
    if (length(text) > maxChars) {
        text = fitting(text, maxChars);
        position = std::min(position, static_cast<int>(text.size()));
    }
}

QString TextLimit::withoutControls(const QString& text, bool keepLineFeeds, int* position)
{
    if (std::none_of(text.begin(), text.end(), isControl)) {
        return text;
    }
    QString kept;
    kept.reserve(text.size());
    const qsizetype caret = position ? *position : -1;
    bool spacePending = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == caret) {
            *position = static_cast<int>(kept.size());
        }
        const QChar c = text.at(i);
        if (keepLineFeeds && c == u'\n') {
            kept += c;
            spacePending = false;
        } else if (isControl(c)) {
            spacePending = spacePending || (isSpacing(c) && !kept.isEmpty() && !kept.endsWith(u'\n'));
        } else {
            if (spacePending && !kept.endsWith(u' ')) {
                kept += u' ';
            }
            spacePending = false;
            kept += c;
        }
    }
    if (caret >= text.size()) {
        *position = static_cast<int>(kept.size());
    }
    return kept;
}
