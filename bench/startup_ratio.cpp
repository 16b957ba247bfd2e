// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up against a bare Qt 6 window, and its memory with every board open.
// Each round starts a fresh process of each kind in turn, under Qt's offscreen platform; the time
// runs from spawning the process to the end of its window's first paint. Prints the ratio of the
// medians (target: at most 1.3), the same for a bare window that draws one line of text, and the
// resident memory with the menu and all four boards open (target: under 45 MB).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long nowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

// Runs the probe once and returns the number it prints.
long long probe(char const* mode)
{
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string const spawned = std::to_string(nowNs());
    std::string program = ZELMORA_STARTUP_PROBE;
    std::string modeArg = mode;
    std::string spawnedArg = spawned;
    char* argv[] = { program.data(), modeArg.data(), spawnedArg.data(), nullptr };
    pid_t pid = 0;
    int const failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + program);
    }
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        throw std::runtime_error(std::string("the probe failed in mode ") + mode);
    return std::atoll(text.c_str());
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    auto const n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartupMenuAgainstBareWindow(benchmark::State& state)
{
    // One round of each first, so that all find the libraries and fonts in the page cache.
    for (char const* mode : { "menu", "bare", "text" })
        probe(mode);
    std::vector<double> menu, bare, text;
    for (auto _ : state) {
        menu.push_back(static_cast<double>(probe("menu")) / 1e6);
        bare.push_back(static_cast<double>(probe("bare")) / 1e6);
        text.push_back(static_cast<double>(probe("text")) / 1e6);
        state.SetIterationTime(menu.back() / 1e3);
    }
    double const ratio = median(menu) / median(bare);
    state.counters["menu_median_ms"] = median(menu);
    state.counters["bare_median_ms"] = median(bare);
    state.counters["text_median_ms"] = median(text);
    state.counters["ratio"] = ratio;
    std::printf("first paint, median of %zu rounds: menu %.1f ms, bare Qt window %.1f ms: ratio %.2f (target 1.3)\n",
        menu.size(), median(menu), median(bare), ratio);
    std::printf("for comparison, the bare window with one line of text: %.1f ms, the menu at %.2f times that\n",
        median(text), median(menu) / median(text));
}
BENCHMARK(BM_StartupMenuAgainstBareWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

void BM_ResidentMemoryWithEveryBoardOpen(benchmark::State& state)
{
    std::vector<double> kb;
    for (auto _ : state)
        kb.push_back(static_cast<double>(probe("boards")));
    double const mb = median(kb) / 1024;
    state.counters["rss_MB"] = mb;
    std::printf("resident memory with the menu and all four boards open: %.1f MB (target under 45 MB)\n", mb);
}
BENCHMARK(BM_ResidentMemoryWithEveryBoardOpen)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
