#pragma once

#include "transfer/TransferFile.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class IListWindow;

// Export..., Import... and Paste List of the main window's Tools menu: the
// whole catalog to a file, a file or the clipboard's lines into the catalog
// through the import preview (CImportDlg).
class TransferCommands
{
    Q_DECLARE_TR_FUNCTIONS(TransferCommands)

public:
    explicit TransferCommands(IListWindow& window);

    void Export();
    void Import();
    void PasteList();

    // Asks for a file: to write (save) or to read. Empty for none. Tests
    // install their own answer; an empty chooser restores the file dialog.
    using Chooser = std::function<QString(bool save)>;
    static void setChooser(Chooser chooser);

private:
    // The preview of what was read, written when the user says so; then the
    // window shows the catalog as it now is.
    // historyName: the source as the undo history names it, when it is not
    // sourceName (the history is kept in English).
    void preview(TransferFile file, const QString& sourceName, bool places, const QString& historyName = {});

    IListWindow& m_window;
};
