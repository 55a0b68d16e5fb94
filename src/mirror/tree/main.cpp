// lindquay-tree <folder>: writes a text drawing of the folder's tree to standard output.
// The folder may be given with backslash separators; it is shown as given.
#include "mirror/TreeDrawing.h"

#include <algorithm>
#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string shown = argv[1];
    std::string folder = shown;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return lindquay::drawTree(folder, shown, stdout) ? 0 : 1;
}
