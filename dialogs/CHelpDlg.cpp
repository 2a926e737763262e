#include "dialogs/CHelpDlg.h"

#include "platform/widgets/DialogUnits.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Grocelle Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_note->setFrameShape(QFrame::StyledPanel);
    m_note->setMargin(DialogUnits::px(3));
    m_note->hide();
    layout->addWidget(m_note);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("page"));
    // Links out of the page go to the desktop's browser; the page's own
    // links stay here.
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    // Room for the page's tables, within the screen.
    QSize size(DialogUnits::toPixelsX(225), DialogUnits::toPixelsY(252));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
}

CHelpDlg* CHelpDlg::showPage(const HelpLauncher::Page& page, QWidget* owner)
{
    auto* dialog = owner ? owner->findChild<CHelpDlg*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!dialog) {
        dialog = new CHelpDlg(owner);
        if (!owner) {
            dialog->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    dialog->setPage(page);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void CHelpDlg::setPage(const HelpLauncher::Page& page)
{
    m_note->setText(page.note);
    m_note->setVisible(!page.note.isEmpty());
    // The page already shown only scrolls back to the contents.
    m_browser->setSource(page.source);
}
