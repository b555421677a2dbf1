// daubrix-cli: headless tool over the drawing engine.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: daubrix-cli --help");
        return argc < 2 ? 1 : 0;
    }
    std::fprintf(stderr, "daubrix-cli: unknown command '%s'\n", argv[1]);
    return 1;
}
