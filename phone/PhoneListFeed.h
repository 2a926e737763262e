#pragma once

#include "phone/PhoneApi.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class CAdoConnection;

// The phone page's list, kept cheap for the window: the page asks for it
// every second, mostly to hear that nothing changed.
//
// Every list request is handed to a thread of its own, with a connection of
// its own to the same catalog, and answered on the window's thread when that
// thread has the answer; the window's thread never touches the catalog for
// it, so a page never waits on the catalog's locks there. That thread keeps
// the answer it built per store tab with the catalog's generation (see
// CatalogChangeCounter, on its own connection, which sees the window's
// commits as another connection's). While the generation stands, a request
// is answered from what is kept, without reading the list; otherwise the
// list is built again. Requests are taken in turn, so the ones that arrive
// during a build are answered from it when nothing changed meanwhile.
class PhoneListFeed : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(const PhoneApi::Reply&)>;

    explicit PhoneListFeed(CAdoConnection& connection, QObject* parent = nullptr);
    // Waits for a build under way to end.
    ~PhoneListFeed() override;

    // Answers as PhoneApi::list(store, since) would, on the window's thread,
    // exactly once, unless the feed is destroyed first.
    void list(const QString& store, const QString& since, Answer answer);

    // This program has written the catalog: requests made from now on see
    // the write even before the engine tells of it.
    void noteWrite();

    // How many lists have been built (for tests and benchmarks).
    int builds() const { return m_builds; }
    // Runs on the build thread before each build (for tests).
    void setBeforeBuild(std::function<void()> hook) { m_beforeBuild = std::move(hook); }

private:
    struct Reader; // what lives on the build thread

    CAdoConnection& m_connection;
    QThread m_thread;
    QObject* m_worker = nullptr;      // lives on m_thread
    std::shared_ptr<Reader> m_reader; // used on m_thread only
    std::atomic<int> m_builds{0};
    std::function<void()> m_beforeBuild;
};
