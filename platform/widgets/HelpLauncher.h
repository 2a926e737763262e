#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens the program's help page in the desktop's browser at its table of
// contents. The page is the device folder's "GrocelleHelp.htm" when the user
// has put one there, otherwise the built-in page, copied to a file in the
// user's cache folder because a browser cannot read the program's resources.
// Tests install a handler that records the address instead of starting a
// browser.
class HelpLauncher
{
public:
    using Handler = std::function<void(const QUrl& page)>;

    // Hands the page to the browser on every call: a browser already showing
    // it is not looked for. A browser that cannot be started is not reported,
    // and nothing happens when no page can be found or written.
    static void open();

    // The address open() hands on: a local file with the fragment
    // "Main_Contents". Empty when there is no page to show.
    static QUrl pageUrl();

    // An empty handler restores the real browser.
    static void setHandler(Handler handler);

    static constexpr char DevicePath[] = "\\Windows\\GrocelleHelp.htm";
    static constexpr char ResourceName[] = "help/GrocelleHelp.htm";
    static constexpr char Anchor[] = "Main_Contents";

private:
    // The file holding the built-in page, written when missing or out of
    // date; empty when it cannot be written.
    static QString builtInCopy();
};
