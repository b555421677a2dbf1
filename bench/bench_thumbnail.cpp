#include "BenchDrawing.h"
#include "RatioReporter.h"
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

// daubrix-cli thumbnail against daubrix-cli render of the same 1,000,000-glob drawing, each a
// whole run of the tool: reading, replaying, scaling and writing. The time counted is the
// tool's own processor time (user + system), steadier than the clock on a shared machine.
namespace {

extern "C" char** environ;

// The child's processor seconds, or a negative number when it failed.
double RunTool(std::vector<std::string> args)
{
    args.insert(args.begin(), DAUBRIX_CLI);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, DAUBRIX_CLI, nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Measure(benchmark::State& state, const std::vector<std::string>& args)
{
    for (auto _ : state) {
        const double cpu = RunTool(args);
        if (cpu < 0) {
            state.SkipWithError("daubrix-cli failed");
            break;
        }
        state.SetIterationTime(cpu);
    }
}

const std::string kOut = "/tmp/daubrix-bench-thumbnail-" + std::to_string(getpid());

void BM_Render(benchmark::State& state)
{
    Measure(state, {"render", bench::DrawingFile(static_cast<int>(state.range(0))), kOut + ".png"});
}
BENCHMARK(BM_Render)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_Thumbnail(benchmark::State& state)
{
    Measure(state, {"thumbnail", bench::DrawingFile(static_cast<int>(state.range(0))), kOut + "-t.png", "256"});
}
BENCHMARK(BM_Thumbnail)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    const int status = bench::RunWithRatios(argc, argv, {{"BM_Thumbnail/1000000", "BM_Render/1000000"}});
    unlink((kOut + ".png").c_str());
    unlink((kOut + "-t.png").c_str());
    return status;
}
