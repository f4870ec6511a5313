// brelvan-bench: "brelvan-cli bericht" on the worked example as a whole process, from the start
// of the program to its exit, the way a script that evaluates many cases pays for each one.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

// Starts `argv` with its output to /dev/null and waits for it; false when it does not start
// or does not end with status 0.
bool runProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_berichtProcess(benchmark::State& state) {
    const std::vector<std::string> args = {BRELVAN_CLI, "bericht",
                                           BRELVAN_SOURCE_DIR "/examples/beispiel.brv"};
    for (auto _ : state) {
        if (!runProcess(args)) {
            state.SkipWithError("brelvan-cli bericht did not run to success");
            break;
        }
    }
}
BENCHMARK(BM_berichtProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
