#include "BenchDrawing.h"
#include "RatioReporter.h"
#include "core/commands/DocumentIO.h"
#include <fcntl.h>
#include <span>
#include <sys/stat.h>

// Reading a .dbx drawing against reading the same file's bytes into memory and nothing more.
namespace {

std::vector<uint8_t> PlainRead(const std::string& path)
{
    std::vector<uint8_t> bytes;
    const int fd = open(path.c_str(), O_RDONLY);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0)
        return bytes;
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + used, bytes.size() - used);
        if (n <= 0)
            break;
        used += static_cast<size_t>(n);
    }
    close(fd);
    return bytes;
}

void BM_PlainRead(benchmark::State& state)
{
    const std::string& path = bench::DrawingFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> bytes = PlainRead(path);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainRead)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parse alone, from bytes already in memory.
void BM_ParseDbx(benchmark::State& state)
{
    bench::Program& p = bench::TheProgram();
    const std::vector<uint8_t> bytes = PlainRead(bench::DrawingFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        auto doc = p.NewDoc();
        DocumentBackground background;
        if (!CDocumentFile::Read(std::span<const uint8_t>(bytes), *doc, &background, false))
            state.SkipWithError("not parsed");
        benchmark::DoNotOptimize(doc->Globs().data());
    }
}
BENCHMARK(BM_ParseDbx)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What opening costs: the read and the parse.
void BM_OpenDbx(benchmark::State& state)
{
    bench::Program& p = bench::TheProgram();
    const std::string& path = bench::DrawingFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto doc = p.NewDoc();
        DocumentBackground background;
        if (!ReadDocument(path, *doc, &background, false))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(doc->Globs().data());
    }
}
BENCHMARK(BM_OpenDbx)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv,
                                {{"BM_ParseDbx/1000000", "BM_PlainRead/1000000"},
                                 {"BM_OpenDbx/1000000", "BM_PlainRead/1000000"},
                                 {"BM_ParseDbx/5000000", "BM_PlainRead/5000000"},
                                 {"BM_OpenDbx/5000000", "BM_PlainRead/5000000"}});
}
