#pragma once

#include "tools/PhoneApi.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CAdoConnection;
class CatalogChangeCounter;

// The phone page's list, kept cheap for the window: the page asks for it
// every second, mostly to hear that nothing changed.
//
// An answer built is kept per store tab with the catalog's generation at
// the moment its build was asked for (see CatalogChangeCounter). While the
// generation stands, a request is answered from what is kept, without
// reading the catalog. Otherwise the list is built on a thread of its own,
// on a connection of its own to the same catalog, and the requests that
// arrive meanwhile wait for that build, or the next one. The window's
// thread only compares counters and copies bytes.
class PhoneListFeed : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(const PhoneApi::Reply&)>;

    explicit PhoneListFeed(CAdoConnection& connection, QObject* parent = nullptr);
    // Waits for a build under way to end.
    ~PhoneListFeed() override;

    // Answers as PhoneApi::list(store, since) would, now or after a build,
    // on the window's thread; always exactly once, unless the feed is
    // destroyed first.
    void list(const QString& store, const QString& since, Answer answer);

    // This program has written the catalog.
    void noteWrite();

    // How many lists have been built (for tests and benchmarks).
    int builds() const { return m_builds; }
    // Runs on the build thread before each build (for tests).
    void setBeforeBuild(std::function<void()> hook) { m_beforeBuild = std::move(hook); }

private:
    struct Waiting
    {
        QString since;
        Answer answer;
    };
    struct Tab
    {
        std::optional<quint64> generation; // of what is kept; nullopt: keep nothing
        QByteArray body;
        QByteArray version;
        bool building = false;
        std::optional<quint64> buildGeneration;
        std::vector<Waiting> waiting; // for the build under way
        std::vector<Waiting> next;    // arrived after it began
    };

    void startBuild(const QString& store, Tab& tab, std::optional<quint64> generation);
    void built(const QString& store, const PhoneApi::Reply& reply);
    static PhoneApi::Reply shaped(const Tab& tab, const QString& since);

    CAdoConnection& m_connection;
    std::unique_ptr<CatalogChangeCounter> m_counter;
    QHash<QString, Tab> m_tabs;
    QThread m_thread;
    QObject* m_worker = nullptr;                        // lives on m_thread
    std::unique_ptr<CAdoConnection> m_workerConnection; // used on m_thread only
    int m_builds = 0;
    std::function<void()> m_beforeBuild;
};
