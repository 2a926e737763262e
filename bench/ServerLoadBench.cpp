// What a household's phones cost the server while nothing changes: ten pages
// on a 100,000-item catalog, each asking for its list as often as the page
// does, with the version it holds, over a connection it keeps. The figure is
// the server's share of one core (its event loop and the list's thread), set
// against an aim of 2%.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "phone/PhoneServer.h"
#include "store/access/CAdoConnection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace
{
const QByteArray Key = QByteArrayLiteral("load-load-load-load-load-load-load-load-load");
// How often the page asks (its timer in res/phone/index.html).
constexpr int PollMs = 750;
constexpr int MeasuredMs = 10000;
constexpr double AimShare = 0.02;

double seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// One page: a kept connection, plain blocking HTTP, the version found
// without parsing the answer, so that its own work stays small.
class Page
{
public:
    explicit Page(quint16 port)
        : m_fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_open = ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~Page() { ::close(m_fd); }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // One poll; false when it failed.
    bool poll()
    {
        const QByteArray request = "GET /api/list?store=*&since=" + m_version + " HTTP/1.1\r\nHost: bench\r\n"
                                   + PhoneServer::KeyHeader + ": " + Key + "\r\n\r\n";
        if (!m_open
            || ::send(m_fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) != request.size()) {
            return false;
        }
        QByteArray answer;
        qsizetype headEnd = -1;
        qsizetype total = -1;
        while (total < 0 || answer.size() < total) {
            char chunk[65536];
            pollfd fd{m_fd, POLLIN, 0};
            const ssize_t got = ::poll(&fd, 1, 30000) > 0 ? ::recv(m_fd, chunk, sizeof chunk, 0) : -1;
            if (got <= 0) {
                return false;
            }
            answer.append(chunk, got);
            if (headEnd < 0 && (headEnd = answer.indexOf("\r\n\r\n")) >= 0) {
                const qsizetype at = answer.toLower().indexOf("content-length:");
                total = headEnd + 4 + (at < 0 ? 0 : answer.mid(at + 15, 12).split('\r').first().trimmed().toLongLong());
            }
        }
        const QByteArray key = QByteArrayLiteral("\"version\":\"");
        const qsizetype at = answer.lastIndexOf(key);
        if (!answer.startsWith("HTTP/1.1 200") || at < 0) {
            return false;
        }
        m_version = answer.mid(at + key.size(), answer.indexOf('"', at + key.size()) - at - key.size());
        return true;
    }

private:
    int m_fd;
    bool m_open = false;
    QByteArray m_version;
};

// Serves as the head-less server does, its event loop asleep between
// requests, for ms.
void serveFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the pages share with the benchmark's thread.
struct Pages
{
    std::atomic<bool> measuring{false};
    std::atomic<bool> stop{false};
    std::atomic<int> ready{0};
    std::atomic<int> finished{0};
    std::atomic<int> polls{0}; // while measuring
    std::atomic<int> failures{0};
    std::atomic<double> cpu{0.0}; // their own, while measuring
};

// Page number index of count: the whole list first, then a poll every
// PollMs, the pages spread over that time as phones are.
void runPage(quint16 port, int index, int count, Pages& pages)
{
    Page page(port);
    pages.failures += page.poll() ? 0 : 1;
    ++pages.ready;
    std::this_thread::sleep_for(std::chrono::milliseconds(PollMs * index / count));
    double cpuAtStart = -1;
    while (!pages.stop) {
        if (pages.measuring && cpuAtStart < 0) {
            cpuAtStart = threadCpuSeconds();
        }
        pages.failures += page.poll() ? 0 : 1;
        pages.polls += cpuAtStart >= 0 ? 1 : 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
    }
    pages.cpu.fetch_add(cpuAtStart < 0 ? 0.0 : threadCpuSeconds() - cpuAtStart);
    ++pages.finished;
}

// Arguments: items, pages. Iteration time: the server's CPU seconds per
// second of polling, that is its share of one core.
void BM_ServerWhilePagesPoll(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    const int pageCount = static_cast<int>(state.range(1));
    CAdoConnection connection;
    benchMust(connection.Open(benchCatalog(items)) == 0, "open the catalog");
    PhoneServer server(connection, Key);
    benchMust(server.start(0, nullptr), "start the server");
    for (auto _ : state) {
        Pages pages;
        std::vector<std::thread> threads;
        for (int p = 0; p < pageCount; ++p) {
            threads.emplace_back(runPage, server.port(), p, pageCount, std::ref(pages));
        }
        while (pages.ready < pageCount) {
            serveFor(10);
        }
        serveFor(PollMs * 2);
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        pages.measuring = true;
        serveFor(MeasuredMs);
        pages.stop = true;
        const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
        const double cpuAfter = processCpuSeconds();
        // A page may still wait for its last answer.
        while (pages.finished < pageCount) {
            serveFor(10);
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        const double share = std::max(0.0, cpuAfter - cpuBefore - pages.cpu) / elapsed;
        state.SetIterationTime(share);
        state.counters["share_%"] = share * 100.0;
        state.counters["polls_per_s"] = pages.polls / elapsed;
        state.counters["failures"] = pages.failures.load();
        std::printf("%d pages polling %d items every %d ms: the server takes %.2f%% of one core (aim < %.0f%%: "
                    "%.2fx, %s); %.1f polls a second, %d failed\n",
                    pageCount, items, PollMs, share * 100.0, AimShare * 100.0, share / AimShare,
                    share < AimShare ? "met" : "MISSED", pages.polls / elapsed, pages.failures.load());
    }
}

// The aim: 2% of one core, as seconds per second.
void BM_ServerShareAim(benchmark::State& state)
{
    for (auto _ : state) {
        state.SetIterationTime(AimShare);
    }
}
} // namespace

BENCHMARK(BM_ServerWhilePagesPoll)->Args({100000, 10})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerShareAim)->Args({100000, 10})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

static const bool serverShareCompared =
    compareWithBaseline("BM_ServerWhilePagesPoll", "BM_ServerShareAim", 1.0,
                        "Server's share of one core while ten pages poll, against 2% of a core", true);
