#include "store/journal/Journal.h"

#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/CAdoTransaction.h"
#include "store/journal/RowChange.h"
#include "store/journal/RowWriter.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimeZone>

#include <set>
#include <tuple>

namespace
{
const QString kActionColumns = QStringLiteral("ActionID, Label, MadeAt, Undone, ItemCount");

QString quoted(const QString& label)
{
    return QCoreApplication::translate("Journal", "\u201c%1\u201d").arg(label);
}

// Why an action cannot be undone or redone: count items changed since. The
// whole sentence is translated, as languages differ in how a count agrees.
QString changedSinceText(const QString& label, int count, bool undoing)
{
    const char* text = nullptr;
    if (undoing) {
        text = count == 1 ? QT_TRANSLATE_NOOP("Journal", "%1 cannot be undone: 1 item has changed since, and undoing "
                                                         "it would overwrite those changes.  Nothing was changed.")
                          : QT_TRANSLATE_NOOP("Journal", "%1 cannot be undone: %2 items have changed since, and "
                                                         "undoing it would overwrite those changes.  Nothing was "
                                                         "changed.");
    } else {
        text = count == 1 ? QT_TRANSLATE_NOOP("Journal", "%1 cannot be redone: 1 item has changed since it was "
                                                         "undone.  Nothing was changed.")
                          : QT_TRANSLATE_NOOP("Journal", "%1 cannot be redone: %2 items have changed since it was "
                                                         "undone.  Nothing was changed.");
    }
    const QString sentence = QCoreApplication::translate("Journal", text);
    return count == 1 ? sentence.arg(label) : sentence.arg(label, QString::number(count));
}

// Identifies an item in a count of items changed since.
QString itemKey(const SqlValue& id)
{
    QString key;
    RowChange::appendValue(id, key);
    return key;
}
} // namespace

Journal::Journal(CAdoConnection& connection)
    : m_connection(connection)
{
}

QString Journal::actionColumns()
{
    return kActionColumns;
}

bool Journal::tablesExist(CAdoConnection& connection)
{
    return CAdoCommand::compiles(connection, QStringLiteral("SELECT * FROM JournalActions WHERE 1 = 0"))
           || CAdoCommand::compiles(connection, QStringLiteral("SELECT * FROM JournalChanges WHERE 1 = 0"));
}

bool Journal::tablesUsable(CAdoConnection& connection)
{
    return CAdoCommand::compiles(connection, QStringLiteral("SELECT ") + kActionColumns
                                                 + QStringLiteral(", ByteSize FROM JournalActions WHERE 1 = 0"))
           && CAdoCommand::compiles(connection,
                                    QStringLiteral("SELECT ActionID, Part, Changes FROM JournalChanges WHERE 1 = 0"));
}

bool Journal::ensureTables(CAdoConnection& connection)
{
    // A failure to make them may be another program making them at the same
    // moment: what counts is whether they are usable afterwards.
    if (!tablesExist(connection)
        && connection.Execute(
            QStringLiteral("CREATE TABLE JournalActions (ActionID BIGINT NOT NULL PRIMARY KEY, Label TEXT NOT NULL, "
                           "MadeAt BIGINT NOT NULL, Undone INTEGER NOT NULL, ItemCount INTEGER NOT NULL, ByteSize "
                           "BIGINT NOT NULL)"))) {
        std::ignore = connection.Execute(QStringLiteral("CREATE TABLE JournalChanges (ActionID BIGINT NOT NULL, Part "
                                                        "INTEGER NOT NULL, Changes TEXT NOT NULL, PRIMARY KEY "
                                                        "(ActionID, Part))"));
    }
    if (!tablesUsable(connection)) {
        return false;
    }
    ensureIdIndex(connection);
    return true;
}

void Journal::ensureIdIndex(CAdoConnection& connection)
{
    // On PostgreSQL even an index that exists is first waited for against
    // every other program's writes; asked inside two programs' actions at
    // once, each would wait for the other. It is looked for instead.
    if (connection.isPostgres()) {
        CAdoCommand found(connection, QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_index x JOIN pg_class c ON "
                                                     "c.oid = x.indexrelid WHERE x.indrelid = "
                                                     "to_regclass('shoppinglists') AND c.relname = 'ididx')"));
        if (found.next() && found.text(0) == QLatin1String("t")) {
            return;
        }
    }
    // The same index the store tabs ask for; undo finds its rows by it, and
    // finds them without it too, only more slowly: a failure changes nothing
    // the user would be told of.
    std::ignore = connection.Execute(QStringLiteral("CREATE INDEX IF NOT EXISTS IDIdx ON ShoppingLists (ID)"));
}

void Journal::lockForWriting(CAdoConnection& connection, bool rowsToo)
{
    // SQLite's transactions hold the whole file already. On PostgreSQL two
    // programs' actions take their turns at the journal (the numbers of their
    // entries, the redo branch), and an undo keeps other writers away from
    // the rows it checks and writes back.
    if (!connection.isPostgres()) {
        return;
    }
    CAdoCommand(connection, QStringLiteral("LOCK TABLE JournalActions IN SHARE ROW EXCLUSIVE MODE")).run();
    if (rowsToo) {
        CAdoCommand(connection, QStringLiteral("LOCK TABLE ShoppingLists IN SHARE ROW EXCLUSIVE MODE")).run();
    }
}

QString Journal::unavailableReason() const
{
    if (!m_connection.isOpen()) {
        return QCoreApplication::translate("Journal", "No catalog is open.");
    }
    if (CAdoCommand::isReadOnly(m_connection)) {
        return QCoreApplication::translate("Journal", "The catalog is read-only, so changes cannot be undone.");
    }
    if (tablesExist(m_connection) && !tablesUsable(m_connection)) {
        return QCoreApplication::translate(
            "Journal", "The undo history in this catalog was made by another program and cannot be used.");
    }
    return {};
}

void Journal::noteDamaged(const QString& key)
{
    if (m_damaged.insert(key).second) {
        ++m_unreported;
    }
}

QString Journal::takeDamageReport()
{
    const int count = m_unreported;
    m_unreported = 0;
    if (count == 0) {
        return {};
    }
    return count == 1
               ? QCoreApplication::translate("Journal", "One entry of the undo history is damaged and was skipped.")
               : QCoreApplication::translate("Journal", "%1 entries of the undo history are damaged and were skipped.")
                     .arg(count);
}

std::vector<Journal::Action> Journal::readActions()
{
    std::vector<Action> actions;
    if (!tablesUsable(m_connection)) {
        return actions;
    }
    CAdoCommand select(m_connection, QStringLiteral("SELECT ") + kActionColumns
                                         + QStringLiteral(" FROM JournalActions ORDER BY ActionID DESC"));
    while (select.next()) {
        const SqlValue id = select.value(0);
        const SqlValue label = select.value(1);
        const SqlValue madeAt = select.value(2);
        const SqlValue undone = select.value(3);
        const SqlValue items = select.value(4);
        const bool sound = id.type() == SqlValue::Type::Integer && label.type() == SqlValue::Type::Text
                           && madeAt.type() == SqlValue::Type::Integer && undone.type() == SqlValue::Type::Integer
                           && (undone.toInteger() == 0 || undone.toInteger() == 1)
                           && items.type() == SqlValue::Type::Integer && items.toInteger() >= 0;
        if (!sound) {
            noteDamaged(itemKey(id));
            continue;
        }
        if (m_damaged.count(itemKey(id)) != 0) {
            continue;
        }
        Action action;
        action.id = id.toInteger();
        action.label = label.toText();
        action.madeAt = QDateTime::fromMSecsSinceEpoch(madeAt.toInteger(), QTimeZone::utc());
        action.undone = undone.toInteger() == 1;
        action.itemCount = static_cast<int>(std::min<qint64>(items.toInteger(), INT_MAX));
        actions.push_back(action);
    }
    return actions;
}

std::optional<Journal::Action> Journal::nextUndo()
{
    for (const Action& action : readActions()) {
        if (!action.undone) {
            return action;
        }
    }
    return std::nullopt;
}

std::optional<Journal::Action> Journal::nextRedo()
{
    // Undone actions stand above every done one; the oldest of them is next.
    std::optional<Action> next;
    for (const Action& action : readActions()) {
        if (!action.undone) {
            break;
        }
        next = action;
    }
    return next;
}

QList<Journal::Action> Journal::history()
{
    QList<Action> done;
    for (const Action& action : readActions()) {
        if (!action.undone) {
            done << action;
        }
    }
    return done;
}

Journal::Outcome Journal::undo(qint64 expectedId)
{
    const std::optional<Action> next = nextUndo();
    if (!next) {
        return {false, 0, QCoreApplication::translate("Journal", "There is nothing to undo.")};
    }
    if (expectedId != 0 && expectedId != next->id) {
        for (const Action& action : history()) {
            if (action.id == expectedId) {
                return {false, 0,
                        QCoreApplication::translate("Journal",
                                                    "%1 cannot be undone yet: %2 was done after it.  Undo %2 first.")
                            .arg(quoted(action.label), quoted(next->label))};
            }
        }
        return {false, 0,
                QCoreApplication::translate("Journal",
                                            "That action has been undone already, or is no longer in the history.")};
    }
    return apply({*next}, true);
}

Journal::Outcome Journal::redo(qint64 expectedId)
{
    const std::optional<Action> next = nextRedo();
    if (!next) {
        return {false, 0, QCoreApplication::translate("Journal", "There is nothing to redo.")};
    }
    if (expectedId != 0 && expectedId != next->id) {
        return {false, 0,
                QCoreApplication::translate("Journal", "The history has changed meanwhile: %1 is the next to redo.")
                    .arg(quoted(next->label))};
    }
    return apply({*next}, false);
}

Journal::Outcome Journal::undoBackTo(qint64 id)
{
    std::vector<Action> targets;
    for (const Action& action : history()) {
        targets.push_back(action);
        if (action.id == id) {
            return apply(targets, true);
        }
    }
    return {
        false, 0,
        QCoreApplication::translate("Journal", "That action has been undone already, or is no longer in the history.")};
}

bool Journal::loadChanges(qint64 id, std::vector<RowChange>& out)
{
    CAdoCommand parts(m_connection,
                      QStringLiteral("SELECT Part, Changes FROM JournalChanges WHERE ActionID = ? ORDER BY Part"));
    parts.bind(1, id);
    qint64 expected = 0;
    bool sound = true;
    while (sound && parts.next()) {
        const SqlValue part = parts.value(0);
        const SqlValue text = parts.value(1);
        sound = part.type() == SqlValue::Type::Integer && part.toInteger() == expected++
                && text.type() == SqlValue::Type::Text && RowChange::parse(text.toText(), out);
    }
    parts.reset();
    return sound && !out.empty();
}

Journal::Outcome Journal::apply(const std::vector<Action>& targets, bool undoing)
{
    const QString failedLead = (undoing ? QCoreApplication::translate("Journal", "Nothing was undone.")
                                        : QCoreApplication::translate("Journal", "Nothing was redone."))
                               + QStringLiteral("  ");
    const QString reason = unavailableReason();
    if (!reason.isEmpty()) {
        return {false, 0, failedLead + reason};
    }
    try {
        CAdoTransaction transaction(m_connection);
        if (!transaction.active()) {
            ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
        }
        lockForWriting(m_connection, true);
        ensureIdIndex(m_connection);
        RowWriter writer(m_connection);
        CAdoCommand mark(m_connection, QStringLiteral("UPDATE JournalActions SET Undone = ? WHERE ActionID = ?"));
        int written = 0;
        for (const Action& action : targets) {
            std::vector<RowChange> changes;
            if (!loadChanges(action.id, changes)) {
                noteDamaged(itemKey(SqlValue::integer(action.id)));
                return {false, 0,
                        failedLead
                            + QCoreApplication::translate("Journal",
                                                          "The history entry of %1 is damaged; it has been skipped.")
                                  .arg(quoted(action.label))};
            }
            std::set<QString> changedSince;
            for (const SqlValue& id : writer.applyAll(changes, undoing)) {
                changedSince.insert(itemKey(id));
            }
            if (!changedSince.empty()) {
                const int count = static_cast<int>(changedSince.size());
                return {false, 0, changedSinceText(quoted(action.label), count, undoing)};
            }
            if (m_follower != nullptr) {
                m_follower(m_connection, changes);
            }
            mark.bind(1, qint64(undoing ? 1 : 0));
            mark.bind(2, action.id);
            mark.run();
            written += action.itemCount;
        }
        if (!transaction.commit()) {
            ADO_RAISE_LAST(CAdoException::CannotWrite, m_connection);
        }
        return {true, written, {}};
    } catch (const CAdoException& error) {
        return {false, 0, failedLead + error.describe()};
    }
}
