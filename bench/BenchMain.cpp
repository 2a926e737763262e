// The benchmark program: a QApplication on the offscreen platform, a
// throw-away device folder, silent message boxes and sounds, then Google
// Benchmark, followed by a summary of every registered comparison.

#include "bench/BenchReport.h"

#include "platform/widgets/MessageService.h"
#include "platform/widgets/SoundService.h"
#include "store/catalog/CatalogEngines.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <vector>

namespace
{
// A run that measured nothing. Benchmark 1.8 replaced error_occurred by
// skipped, which also covers a benchmark that skipped itself; the overload
// taking int is chosen where skipped exists.
template <typename Result>
auto failedOrSkipped(const Result& run, int) -> decltype(static_cast<int>(run.skipped) != 0)
{
    return static_cast<int>(run.skipped) != 0;
}

template <typename Result>
bool failedOrSkipped(const Result& run, long)
{
    return run.error_occurred;
}

struct Comparison
{
    std::string name;
    std::string baseline;
    double aim;
    std::string description;
    bool onRealTime;
};

std::vector<Comparison>& comparisons()
{
    static std::vector<Comparison> all;
    return all;
}

// The console output, plus every run's times per iteration in seconds.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (failedOrSkipped(run, 0)) {
                continue;
            }
            // A benchmark run in repetitions with a "min" statistic is
            // compared by its best repetition, which a busy machine disturbs
            // least; otherwise by its one run.
            const bool best = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            if (run.run_type != Run::RT_Iteration && !best) {
                continue;
            }
            const std::string name = run.run_name.str();
            if (!best && m_best.count(name)) {
                continue;
            }
            if (best) {
                m_best.insert(name);
            }
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            m_times[name] = {run.GetAdjustedCPUTime() / perSecond, run.GetAdjustedRealTime() / perSecond};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::ostream& out = GetOutputStream();
        bool header = false;
        for (const Comparison& comparison : comparisons()) {
            const std::string prefix = comparison.name + "/";
            for (const auto& [runName, times] : m_times) {
                if (runName.compare(0, prefix.size(), prefix) != 0) {
                    continue;
                }
                const std::string arguments = runName.substr(prefix.size());
                const auto baseline = m_times.find(comparison.baseline + "/" + arguments);
                if (baseline == m_times.end() || baseline->second.cpu <= 0 || baseline->second.real <= 0) {
                    continue;
                }
                if (!header) {
                    out << "\nComparisons with their baselines (ratio = time / baseline time; the aim is judged on CPU "
                           "time, which a busy machine disturbs least, unless marked [real]; \"min\" statistics "
                           "where a benchmark has them):\n";
                    header = true;
                }
                // "100000/min_warmup_time:0.200" shows as "100000".
                const std::string shown = arguments.substr(0, arguments.find('/'));
                const double cpuRatio = times.cpu / baseline->second.cpu;
                const double realRatio = times.real / baseline->second.real;
                const double judged = comparison.onRealTime ? realRatio : cpuRatio;
                char line[512];
                if (comparison.onRealTime) {
                    std::snprintf(line, sizeof line,
                                  "  %s, %s [real]: real %.1f ms vs %.1f ms = %.2fx (aim <= %.1fx: %s); CPU %.1f ms vs "
                                  "%.1f ms\n",
                                  comparison.description.c_str(), shown.c_str(), times.real * 1e3,
                                  baseline->second.real * 1e3, realRatio, comparison.aim,
                                  judged <= comparison.aim ? "met" : "MISSED", times.cpu * 1e3,
                                  baseline->second.cpu * 1e3);
                } else {
                    std::snprintf(
                        line, sizeof line,
                        "  %s, %s: CPU %.1f ms vs %.1f ms = %.2fx (aim <= %.1fx: %s); real %.1f ms vs %.1f ms "
                        "= %.2fx\n",
                        comparison.description.c_str(), shown.c_str(), times.cpu * 1e3, baseline->second.cpu * 1e3,
                        cpuRatio, comparison.aim, judged <= comparison.aim ? "met" : "MISSED", times.real * 1e3,
                        baseline->second.real * 1e3, realRatio);
                }
                out << line;
            }
        }
        out.flush();
    }

private:
    struct Times
    {
        double cpu;
        double real;
    };
    std::map<std::string, Times> m_times;
    std::set<std::string> m_best;
};
} // namespace

bool compareWithBaseline(const std::string& name, const std::string& baseline, double aim,
                         const std::string& description, bool onRealTime)
{
    comparisons().push_back({name, baseline, aim, description, onRealTime});
    return true;
}

int main(int argc, char** argv)
{
    CatalogEngines::install();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Benchmarks make and change catalogs: never in the user's own folder.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make a temporary device folder\n");
        return 1;
    }
    qputenv("GROCELLE_HOME", home.path().toUtf8());
    QApplication application(argc, argv);
    MessageService::setHandler([](const MessageService::Box& box) {
        return box.buttons == MessageService::Buttons::YesNo ? MessageService::IdYes : MessageService::IdOk;
    });
    SoundService::setHandler([](const QString&) { });

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
