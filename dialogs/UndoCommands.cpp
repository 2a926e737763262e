#include "dialogs/UndoCommands.h"

#include "commands/IListWindow.h"
#include "dialogs/CHistoryDlg.h"
#include "list/ActionLabel.h"
#include "platform/WaitCursor.h"
#include "platform/widgets/MessageService.h"
#include "store/catalog/PriceLatest.h"

#include <QAction>
#include <QCoreApplication>

namespace
{
// A label as menu text, in the user's language: an ampersand in it is no
// mnemonic.
QString menuText(const QString& verb, const std::optional<Journal::Action>& action)
{
    if (!action) {
        return verb;
    }
    QString label = ActionLabel::shown(action->label);
    return QCoreApplication::translate("UndoCommands", "%1 %2", "menu entry: Undo or Redo, then what it undoes")
        .arg(verb, label.replace(QLatin1Char('&'), QStringLiteral("&&")));
}
} // namespace

UndoCommands::UndoCommands(IListWindow& window, QAction& undo, QAction& redo)
    : m_window(window)
    , m_journal(window.connection())
    , m_undo(undo)
    , m_redo(redo)
{
    m_journal.followWith(&PriceLatest::follow);
}

void UndoCommands::refresh()
{
    const QString reason = m_unavailable.isEmpty() ? m_journal.unavailableReason() : m_unavailable;
    const std::optional<Journal::Action> undo = reason.isEmpty() ? m_journal.nextUndo() : std::nullopt;
    const std::optional<Journal::Action> redo = reason.isEmpty() ? m_journal.nextRedo() : std::nullopt;
    m_shownUndo = undo ? undo->id : 0;
    m_shownRedo = redo ? redo->id : 0;
    m_undo.setText(menuText(QCoreApplication::translate("CommandRouter", "&Undo"), undo));
    m_redo.setText(menuText(QCoreApplication::translate("CommandRouter", "&Redo"), redo));
    m_undo.setEnabled(undo.has_value());
    m_redo.setEnabled(redo.has_value());
    m_undo.setToolTip(reason);
    m_redo.setToolTip(reason);
}

void UndoCommands::finish(const Journal::Outcome& outcome)
{
    if (outcome.done) {
        m_window.CatalogChanged();
    } else {
        MessageService::show(outcome.message, MessageService::Buttons::Ok, m_window.widget());
    }
    const QString damaged = m_journal.takeDamageReport();
    if (!damaged.isEmpty()) {
        MessageService::show(damaged, MessageService::Buttons::Ok, m_window.widget());
    }
    refresh();
}

void UndoCommands::Undo()
{
    step(m_shownUndo, [this](qint64 id) { return m_journal.undo(id); });
}

void UndoCommands::Redo()
{
    step(m_shownRedo, [this](qint64 id) { return m_journal.redo(id); });
}

void UndoCommands::step(qint64 shown, const std::function<Journal::Outcome(qint64)>& apply)
{
    if (shown == 0) {
        refresh();
        return;
    }
    Journal::Outcome outcome;
    {
        WaitCursorScope wait;
        outcome = apply(shown);
    }
    finish(outcome);
}

void UndoCommands::History()
{
    const QString reason = m_unavailable.isEmpty() ? m_journal.unavailableReason() : m_unavailable;
    if (!reason.isEmpty()) {
        MessageService::show(reason, MessageService::Buttons::Ok, m_window.widget());
        return;
    }
    const QList<Journal::Action> actions = m_journal.history();
    qint64 chosen = 0;
    {
        CHistoryDlg dialog(actions, m_window.widget());
        if (dialog.exec() != QDialog::Accepted) {
            refresh();
            return;
        }
        chosen = dialog.chosenId();
    }
    qsizetype later = 0;
    QString label;
    for (const Journal::Action& action : actions) {
        if (action.id == chosen) {
            label = ActionLabel::shown(action.label);
            break;
        }
        ++later;
    }
    const QString question =
        later == 0 ? QCoreApplication::translate("UndoCommands", "Undo \u201c%1\u201d?").arg(label)
                   : QCoreApplication::translate("UndoCommands", "Undo \u201c%1\u201d and the %2 after it?")
                         .arg(label, later == 1 ? QCoreApplication::translate("UndoCommands", "action")
                                                : QCoreApplication::translate("UndoCommands", "%1 actions").arg(later));
    if (!MessageService::confirm(question, m_window.widget())) {
        refresh();
        return;
    }
    Journal::Outcome outcome;
    {
        WaitCursorScope wait;
        outcome = m_journal.undoBackTo(chosen);
    }
    finish(outcome);
}
