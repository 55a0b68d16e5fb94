// Writes a sample cache database: lindquay-sample-db <file> [entries] [seed]
#include "SampleCache.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <database file> [entries] [seed]\n", argv[0]);
        return 2;
    }
    lindquay::sample::TreeShape shape;
    if (argc > 2) {
        shape.entries = std::atoi(argv[2]);
    }
    if (argc > 3) {
        shape.seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
    }
    const auto error =
        lindquay::sample::writeCacheDatabase(argv[1], lindquay::sample::generateTree(shape));
    if (error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error->c_str());
        return 1;
    }
    return 0;
}
