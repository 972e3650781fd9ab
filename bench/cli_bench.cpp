// The command line and the sweep engine: one whole velmora-cli process (start,
// run, exit) as a script pays for it, and a 40-point mode-instability sweep
// on one and two threads (the ratio is the sweep's parallel speed-up).

#include "catalogue.h"
#include "heatgreensamples.h"
#include "sweep.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <ctime>
#include <map>
#include <mutex>
#include <string>
#include <thread>

extern char **environ;

namespace {

// velmora-cli lies beside the benchmark binary (both in build/bin).
std::string cliPath()
{
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    std::string path(self, std::size_t(n));
    return path.substr(0, path.rfind('/') + 1) + "velmora-cli";
}

// User and system time of every waited-for child process so far.
double childCpuSeconds()
{
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return double(children.ru_utime.tv_sec + children.ru_stime.tv_sec) +
           1e-6 * double(children.ru_utime.tv_usec + children.ru_stime.tv_usec);
}

void BM_CliRunRefraction(benchmark::State &state)
{
    const std::string path = cliPath();
    if (access(path.c_str(), X_OK) != 0) {
        state.SkipWithError("velmora-cli not built beside velmora_bench");
        return;
    }
    char *argv[] = {const_cast<char *>(path.c_str()), const_cast<char *>("run"),
                    const_cast<char *>("optics.refraction"), const_cast<char *>("n1=1.5"), nullptr};
    const double cpuBefore = childCpuSeconds();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("velmora-cli run failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    // The wall time includes waiting for a busy machine's scheduler; the
    // children's own CPU time is the part velmora-cli controls.
    state.counters["child_cpu_ms"] =
        1e3 * (childCpuSeconds() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_CliRunRefraction)->Unit(benchmark::kMillisecond)->UseRealTime();

// The calculator, timing each evaluation on its thread's CPU clock. On a
// machine shared with other work (where the scheduler's share, not the thread
// count, sets the wall time) the busiest thread's CPU time is the sweep's
// critical path: the wall time it takes on idle cores.
class ThreadTimedCalculator : public velmora::calc::Calculator
{
public:
    explicit ThreadTimedCalculator(const velmora::calc::Calculator &inner) : m_inner(inner) {}
    const velmora::calc::CalculatorDescription &description() const override
    {
        return m_inner.description();
    }
    velmora::calc::Result evaluate(const velmora::calc::Inputs &inputs) const override
    {
        const double start = threadCpuSeconds();
        velmora::calc::Result result = m_inner.evaluate(inputs);
        const double spent = threadCpuSeconds() - start;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cpu[std::this_thread::get_id()] += spent;
        return result;
    }
    velmora::calc::Inputs linkEdited(const velmora::calc::Inputs &inputs,
                                     const std::string &key) const override
    {
        return m_inner.linkEdited(inputs, key);
    }
    double busiestThreadSeconds() const
    {
        double most = 0;
        for (const auto &entry : m_cpu)
            most = std::max(most, entry.second);
        return most;
    }

private:
    static double threadCpuSeconds()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
    }

    const velmora::calc::Calculator &m_inner;
    mutable std::mutex m_mutex;
    mutable std::map<std::thread::id, double> m_cpu;
};

// 40 core radii from 10 to 30 μm, the other inputs at the page defaults.
void BM_SweepTmi(benchmark::State &state)
{
    using namespace velmora::calc;
    const Calculator *tmi = catalogue().find("tmi.threshold");
    if (!tmi) {
        state.SkipWithError("tmi.threshold is not in the catalogue");
        return;
    }
    const ThreadTimedCalculator timed(*tmi);
    SweepOptions options;
    options.threads = unsigned(state.range(0));
    const std::vector<SweepAxis> axes{{"a_um", 10, 30, 40, false}};
    for (auto _ : state) {
        forgetHeatGreenSamples(); // each run computes the Green's function once, as a first sweep
                                  // does
        const SweepResult result = runSweep(timed, axes, {}, options);
        benchmark::DoNotOptimize(result.points.data());
    }
    state.counters["critical_path_ms"] =
        1e3 * timed.busiestThreadSeconds() / double(state.iterations());
}
BENCHMARK(BM_SweepTmi)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
