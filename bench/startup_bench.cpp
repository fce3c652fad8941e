// How long the host takes from start to its first painted main window
// (and quitting), beside a bare Qt program that shows an empty main window,
// in the same run. Both draw offscreen unless --display is given, in which
// case they use the display of the environment.
//
//   build/bench/startup_bench
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

bool g_useDisplay = false;
std::string g_registry;
std::vector<double> g_host;
std::vector<double> g_bare;

// Runs the program to its end; FALSE when it failed.
bool Run(const std::string& program, std::vector<std::string> extraEnvironment)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    for (std::string& entry : extraEnvironment)
        environment.push_back(std::move(entry));
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string name = program;
    char* argv[] = {name.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> CommonEnvironment()
{
    std::vector<std::string> env{"GLINTRA_QUIT_AFTER_PAINT=1", "GLINTRA_REGISTRY_DIR=" + g_registry};
    if (!g_useDisplay)
        env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

void Measure(benchmark::State& state, const std::string& program, std::vector<double>& times)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!Run(program, CommonEnvironment())) {
            state.SkipWithError(("could not run " + program).c_str());
            return;
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_BareQtMainWindow(benchmark::State& state)
{
    Measure(state, GLINTRA_BENCH_DIR "/bare_mainwindow", g_bare);
}

void BM_PallimaGlintraToFirstPaint(benchmark::State& state)
{
    Measure(state, GLINTRA_APP_DIR "/PallimaGlintra", g_host);
}

BENCHMARK(BM_BareQtMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_PallimaGlintraToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--display") == 0)
            g_useDisplay = true;
        else
            arguments.push_back(argv[i]);
    }
    int count = int(arguments.size());
    // The host needs its pagelet server registered: in a registry of the
    // benchmark's own.
    QTemporaryDir registry;
    g_registry = registry.path().toStdString();
    const std::string registerCommand =
        "GLINTRA_REGISTRY_DIR='" + g_registry + "' '" GLINTRA_APP_DIR "/glintra' register >/dev/null";
    if (std::system(registerCommand.c_str()) != 0) {
        std::fprintf(stderr, "startup_bench: could not register the pagelet server\n");
        return 1;
    }
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double bare = Median(g_bare);
    const double host = Median(g_host);
    if (bare > 0 && host > 0)
        std::printf("median start to first paint: bare Qt %.1f ms, PallimaGlintra %.1f ms, ratio %.2f (goal <= 2)\n",
                    bare, host, host / bare);
    return 0;
}
