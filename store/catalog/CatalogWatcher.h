#pragma once

#include <QObject>
#include <QString>

#include <memory>

class CAdoConnection;
class PgSession;
class QSocketNotifier;
class QTimer;
struct sqlite3;

// The one ear on the catalog's changes. On PostgreSQL a trigger of the
// catalog announces every change (LISTEN/NOTIFY); the watcher listens on a
// connection of its own and tells of every change (changed()) and of those
// made by other programs (changedElsewhere()). A catalog file is not watched:
// its owner reads fileVersion() instead. When the server goes away the
// watcher tries again every two seconds, and tells of a change once it is
// back, as anything may have changed meanwhile.
class CatalogWatcher : public QObject
{
    Q_OBJECT
public:
    explicit CatalogWatcher(const QString& location, QObject* parent = nullptr);
    ~CatalogWatcher() override;

    // True while it listens.
    bool listening() const;
    const QString& location() const;

    // The trigger that announces changes, made when missing; run as part of
    // preparing a PostgreSQL catalog. False when it could not be made.
    static bool installTrigger(CAdoConnection& connection);

    // True for a catalog file, whose changes by others the watcher cannot
    // hear: its owner asks fileVersion() instead, as often as it likes.
    static bool isFile(const QString& location);
    // A number that moves whenever another connection to the catalog file
    // (another program, or another connection of this one) commits a change;
    // -1 when it cannot be told (a server catalog, or one not open). Cheap:
    // it reads no row.
    static qint64 fileVersion(CAdoConnection& connection);
    static qint64 fileVersion(sqlite3* db);

Q_SIGNALS:
    // The catalog may have changed, by anyone, this program included; also
    // told when the notices are lost and when they are heard again.
    void changed();
    void changedElsewhere();

private:
    bool listen();
    void readNotifications();
    void lost();

    QString m_location;
    std::unique_ptr<PgSession> m_session;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_retry = nullptr;
    QByteArray m_table; // the catalog table's object id, as the trigger names it
};
