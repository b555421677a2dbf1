// Writes the seed inputs of every fuzzer: seed_corpus DIR makes DIR/<entry>/seed-N.
#include "fuzz/FuzzEntries.h"
#include "core/base/AtomicFile.h"
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seed_corpus DIR\n");
        return 2;
    }
    for (const FuzzEntry& e : FuzzEntries()) {
        const std::string dir = std::string(argv[1]) + "/" + e.name;
        std::filesystem::create_directories(dir);
        int n = 0;
        for (const auto& seed : FuzzSeeds(e.name))
            if (!WriteFileAtomically(dir + "/seed-" + std::to_string(n++), seed))
                return 1;
    }
    return 0;
}
