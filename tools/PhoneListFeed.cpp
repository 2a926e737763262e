#include "tools/PhoneListFeed.h"

#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "tools/CatalogChangeCounter.h"

#include <QPointer>

namespace
{
// At most this many store tabs are kept; more drop what is kept.
constexpr qsizetype MaxTabs = 64;

PhoneApi::Reply failure(int status, const char* reason)
{
    return PhoneApi::Reply{status, QByteArray("{\"error\":\"") + reason + "\"}", false};
}

// The version a full answer ends with: ,"version":"<hex>"}
QByteArray versionOf(const QByteArray& body)
{
    static const QByteArray key = QByteArrayLiteral(",\"version\":\"");
    const qsizetype at = body.lastIndexOf(key);
    if (at < 0 || !body.endsWith("\"}")) {
        return {};
    }
    const qsizetype start = at + key.size();
    return body.mid(start, body.size() - 2 - start);
}
} // namespace

PhoneListFeed::PhoneListFeed(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_counter(std::make_unique<CatalogChangeCounter>(connection))
    , m_workerConnection(std::make_unique<CAdoConnection>())
{
    m_thread.setObjectName(QStringLiteral("phone list"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

PhoneListFeed::~PhoneListFeed()
{
    m_thread.quit();
    m_thread.wait();
    // The thread has ended: its connection is this thread's to close.
    m_workerConnection.reset();
}

void PhoneListFeed::noteWrite()
{
    m_counter->noteWrite();
}

PhoneApi::Reply PhoneListFeed::shaped(const Tab& tab, const QString& since)
{
    if (!since.isEmpty() && since.toLatin1() == tab.version) {
        return PhoneApi::Reply{200, "{\"unchanged\":true,\"version\":\"" + tab.version + "\"}", false};
    }
    return PhoneApi::Reply{200, tab.body, false};
}

void PhoneListFeed::list(const QString& store, const QString& since, Answer answer)
{
    if (!m_connection.isOpen()) {
        answer(failure(503, "The catalog is not open."));
        return;
    }
    const QString shown = store.isEmpty() ? QStringLiteral("*") : store;
    const std::optional<quint64> generation = m_counter->generation();
    if (!m_tabs.contains(shown) && m_tabs.size() >= MaxTabs) {
        for (auto it = m_tabs.begin(); it != m_tabs.end();) {
            it = it->building ? std::next(it) : m_tabs.erase(it);
        }
    }
    Tab& tab = m_tabs[shown];
    if (generation && tab.generation == generation) {
        answer(shaped(tab, since));
        return;
    }
    if (!tab.building) {
        tab.waiting.push_back({since, std::move(answer)});
        startBuild(shown, tab, generation);
    } else if (generation && tab.buildGeneration == generation) {
        tab.waiting.push_back({since, std::move(answer)});
    } else {
        tab.next.push_back({since, std::move(answer)});
    }
}

void PhoneListFeed::startBuild(const QString& store, Tab& tab, std::optional<quint64> generation)
{
    tab.building = true;
    tab.buildGeneration = generation;
    ++m_builds;
    const QString location = m_connection.location();
    CAdoConnection* connection = m_workerConnection.get();
    QPointer<PhoneListFeed> feed(this);
    QMetaObject::invokeMethod(m_worker, [feed, connection, location, store, hook = m_beforeBuild] {
        if (hook) {
            hook();
        }
        PhoneApi::Reply reply;
        try {
            if ((!connection->isOpen() || connection->location() != location) && connection->Open(location) != 0) {
                reply = failure(503, "The catalog could not be opened.");
            } else {
                reply = PhoneApi(*connection).list(store, QString());
            }
        } catch (const CAdoException&) {
            connection->Close(); // opened again for the next build
            reply = failure(500, "Unable to open shopping list");
        } catch (const std::exception&) {
            reply = failure(500, "Unable to open shopping list");
        }
        // The feed waits for this thread before it goes, so it is still
        // there to be posted to.
        QMetaObject::invokeMethod(feed.data(), [feed, store, reply] {
            if (feed) {
                feed->built(store, reply);
            }
        });
    });
}

void PhoneListFeed::built(const QString& store, const PhoneApi::Reply& reply)
{
    auto found = m_tabs.find(store);
    if (found == m_tabs.end()) {
        return;
    }
    Tab& tab = *found;
    tab.building = false;
    std::vector<Waiting> waiting = std::move(tab.waiting);
    tab.waiting.clear();
    if (reply.status == 200) {
        tab.generation = tab.buildGeneration;
        tab.body = reply.body;
        tab.version = versionOf(reply.body);
    } else {
        tab.generation.reset();
    }
    if (!tab.next.empty()) {
        // Asked for after the build began: they may need a later catalog.
        std::vector<Waiting> later = std::move(tab.next);
        tab.next.clear();
        const std::optional<quint64> generation = m_counter->generation();
        if (generation && tab.generation == generation) {
            for (Waiting& one : later) {
                one.answer(shaped(tab, one.since));
            }
        } else {
            tab.waiting = std::move(later);
            startBuild(store, tab, generation);
        }
    }
    for (Waiting& one : waiting) {
        one.answer(reply.status == 200 ? shaped(tab, one.since) : reply);
    }
}
