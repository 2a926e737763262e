#include "platform/widgets/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace
{
Clipboard::Handler& handler()
{
    static Clipboard::Handler instance;
    return instance;
}

Clipboard::Reader& reader()
{
    static Clipboard::Reader instance;
    return instance;
}
} // namespace

Clipboard::Result Clipboard::setText(const QString& text)
{
    if (handler()) {
        return handler()(text);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return Result::CannotOpen;
    }
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
    // Qt reports no failure of its own: reading the text back is the one way
    // to learn that the platform did not take it.
    if (clipboard->text(QClipboard::Clipboard) != text) {
        return Result::CannotSet;
    }
    return Result::Ok;
}

void Clipboard::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

QString Clipboard::text()
{
    if (reader()) {
        return reader()();
    }
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}

void Clipboard::setReader(Reader newReader)
{
    reader() = std::move(newReader);
}
