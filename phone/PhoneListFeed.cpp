#include "phone/PhoneListFeed.h"

#include "phone/FailureStatus.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/CatalogChangeCounter.h"

#include <QHash>
#include <QPointer>

#include <list>
#include <optional>
#include <tuple>

namespace
{
// At most this many store tabs are kept; the one used longest ago goes.
constexpr int MaxTabs = 8;

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

struct PhoneListFeed::Reader
{
    struct Tab
    {
        quint64 generation = 0;
        QByteArray body;
        QByteArray version;
    };

    CAdoConnection connection;
    std::unique_ptr<CatalogChangeCounter> counter;
    QHash<QString, Tab> tabs;
    std::list<QString> used; // store tabs, the one used last first
    bool wroteMeanwhile = false;

    // The kept answer for store, when the catalog's generation is still its.
    const Tab* kept(const QString& store, std::optional<quint64> generation) const
    {
        const auto found = tabs.constFind(store);
        return generation && found != tabs.cend() && found->generation == *generation ? &*found : nullptr;
    }

    void keep(const QString& store, std::optional<quint64> generation, const QByteArray& body)
    {
        used.remove(store);
        if (!generation) {
            tabs.remove(store);
            return;
        }
        used.push_front(store);
        tabs.insert(store, Tab{*generation, body, versionOf(body)});
        while (used.size() > MaxTabs) {
            tabs.remove(used.back());
            used.pop_back();
        }
    }

    static PhoneApi::Reply shaped(const Tab& tab, const QString& since)
    {
        if (!since.isEmpty() && since.toLatin1() == tab.version) {
            return PhoneApi::Reply{200, "{\"unchanged\":true,\"version\":\"" + tab.version + "\"}", false};
        }
        return PhoneApi::Reply{200, tab.body, false};
    }

    // The answer to one request; hook runs before a build.
    PhoneApi::Reply answer(const QString& location, const QString& store, const QString& since,
                           const std::function<void()>& hook, std::atomic<int>& builds)
    {
        if (!connection.isOpen() || connection.location() != location) {
            tabs.clear();
            used.clear();
            counter.reset();
            if (connection.Open(location) != 0) {
                return PhoneApi::unreachable(location);
            }
            if (!connection.isPostgres()) {
                // The list is read in one pass, and the system keeps the
                // file's pages anyway: no second large page cache beside
                // the window's.
                std::ignore = connection.Execute(QStringLiteral("PRAGMA cache_size = -2048"));
            }
            counter = std::make_unique<CatalogChangeCounter>(connection);
        }
        if (wroteMeanwhile) {
            counter->noteWrite();
            wroteMeanwhile = false;
        }
        const std::optional<quint64> generation = counter->generation();
        if (const Tab* tab = kept(store, generation)) {
            return shaped(*tab, since);
        }
        ++builds;
        if (hook) {
            hook();
        }
        const PhoneApi::Reply built = PhoneApi(connection).list(store, QString());
        if (built.status != 200) {
            return built;
        }
        keep(store, generation, built.body);
        return shaped(Tab{0, built.body, versionOf(built.body)}, since);
    }
};

PhoneListFeed::PhoneListFeed(CAdoConnection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_reader(std::make_shared<Reader>())
{
    m_thread.setObjectName(QStringLiteral("phone list"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

PhoneListFeed::~PhoneListFeed()
{
    // The reader's objects go on the thread they were made on.
    std::shared_ptr<Reader> reader = std::move(m_reader);
    QMetaObject::invokeMethod(m_worker, [reader]() mutable { reader.reset(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void PhoneListFeed::noteWrite()
{
    std::shared_ptr<Reader> reader = m_reader;
    QMetaObject::invokeMethod(m_worker, [reader] { reader->wroteMeanwhile = true; });
}

void PhoneListFeed::list(const QString& store, const QString& since, Answer answer)
{
    if (!m_connection.isOpen()) {
        answer(failure(503, "The catalog is not open."));
        return;
    }
    const QString shown = store.isEmpty() ? QStringLiteral("*") : store;
    const QString location = m_connection.location();
    std::shared_ptr<Reader> reader = m_reader;
    QPointer<PhoneListFeed> feed(this);
    std::atomic<int>* builds = &m_builds;
    QMetaObject::invokeMethod(m_worker, [reader, feed, builds, location, shown, since, hook = m_beforeBuild,
                                         answer = std::move(answer)]() mutable {
        PhoneApi::Reply reply;
        try {
            reply = reader->answer(location, shown, since, hook, *builds);
        } catch (const CAdoException& error) {
            reader->connection.Close(); // opened again for the next request
            reply = FailureStatus::of(error) == FailureStatus::Unreachable
                        ? PhoneApi::unreachable(location)
                        : failure(500, "Unable to open shopping list");
        } catch (const std::exception&) {
            reply = failure(500, "Unable to open shopping list");
        }
        // The feed waits for this thread before it goes, so it is still
        // there to be posted to; a posted answer goes with it.
        QMetaObject::invokeMethod(feed.data(), [reply, answer = std::move(answer)] { answer(reply); });
    });
}
