#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Finds the program's help page for the interface's language and hands it to
// a viewer, at its table of contents. The page is the device folder's
// "GrocelleHelp.htm" when the user has put one there, otherwise the built-in
// page in the interface's language, or the English one with a note saying
// so when that language has none. Tests install a handler that records the
// page instead of showing it.
class HelpLauncher
{
public:
    struct Page
    {
        // A file or a "qrc:" address, with the fragment "Main_Contents".
        QUrl source;
        // The language the page is written in ("en", "de", ...); empty for
        // the user's own page, whose language is not known.
        QString language;
        // In the user's language, when the page is not in it; empty otherwise.
        QString note;
    };
    using Viewer = std::function<void(const Page& page)>;

    // Hands page() to the test handler when one is installed, otherwise to
    // viewer; on every call, without looking for a viewer already open.
    static void open(const Viewer& viewer);

    // The page for the interface's language (Translations::current()).
    static Page page();
    static Page pageFor(const QString& language);
    // The built-in page of a language (":/help/GrocelleHelp_de.htm"; English
    // is ":/help/GrocelleHelp.htm"), whether or not it exists.
    static QString resourceFor(const QString& language);

    // An empty handler restores the viewer given to open().
    static void setHandler(Viewer handler);

    static constexpr char DevicePath[] = "\\Windows\\GrocelleHelp.htm";
    static constexpr char Anchor[] = "Main_Contents";
};
