#pragma once

#include "platform/widgets/HelpLauncher.h"

#include <QDialog>

class QLabel;
class QTextBrowser;

// The help page in the program's own text browser, with a note above it when
// the page is not in the user's language. It stays open beside the window,
// which can be used meanwhile; showing help again brings the open one to the
// front at the contents instead of opening a second.
class CHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    // Shows the page in owner's help window, made on first use and then kept
    // (the owner owns it).
    static CHelpDlg* showPage(const HelpLauncher::Page& page, QWidget* owner);

    void setPage(const HelpLauncher::Page& page);

    QTextBrowser& browser() const { return *m_browser; }
    QLabel& note() const { return *m_note; }

private:
    QLabel* m_note = nullptr;
    QTextBrowser* m_browser = nullptr;
};
