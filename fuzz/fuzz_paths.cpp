// The mirror's path join and the folder routines against a real temporary folder: no path
// that the workers accept ever leaves the mirror root, and nothing outside it, or inside it
// but made before, is ever removed.
#include "mirror/FolderRoutines.h"
#include "mirror/MirrorPath.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "text/Encoding.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace lindquay;
namespace fs = std::filesystem;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Resolves "." and ".." by the names alone (the folder holds no symbolic links): false when
// the path climbs above its first component, the root.
bool staysBelowRoot(const std::string& hostPath, const std::string& root) {
    if (hostPath.compare(0, root.size(), root) != 0) {
        return false;
    }
    int depth = 0;
    std::size_t start = root.size();
    while (start <= hostPath.size()) {
        std::size_t end = hostPath.find('/', start);
        if (end == std::string::npos) {
            end = hostPath.size();
        }
        const std::string_view piece(hostPath.data() + start, end - start);
        if (piece == "..") {
            if (--depth < 0) {
                return false;
            }
        } else if (!piece.empty() && piece != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

struct Sandbox {
    fs::path base;
    fs::path root;
    std::string rootText;

    Sandbox() {
        std::string pattern = (fs::temp_directory_path() / "lindquay-fuzz-XXXXXX").string();
        base = mkdtemp(pattern.data());
        root = base / "网盘本地镜像";
        rootText = utf8ToGbk(root.string()).value();
    }

    // The same starting point for every input: the root with one folder made before.
    void reset() const {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        fs::create_directories(root / "keep" / "inner");
        fs::create_directories(base / "outside");
    }

    void checkUntouched() const {
        check(fs::is_directory(root / "keep" / "inner"));
        std::size_t entries = 0;
        for (const auto& entry : fs::directory_iterator(base)) {
            check(entry.path() == root || entry.path() == base / "outside");
            ++entries;
        }
        check(entries == 2);
        check(fs::is_empty(base / "outside"));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Sandbox sandbox;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string parentPath = input.substr(0, split);
    const std::string name = split == std::string::npos ? std::string() : input.substr(split + 1);

    const std::optional<std::string> entry = mirrorEntryPath(sandbox.rootText, parentPath, name);
    if (!entry) {
        return 0;
    }
    const std::string parent = mirrorParentFolder(sandbox.rootText, parentPath);
    const std::string rootHost = sandbox.root.string();
    for (const std::string& path : {*entry, parent, *entry + "\\"}) {
        if (const std::optional<std::string> host = toHostPath(path)) {
            check(staysBelowRoot(*host, rootHost));
        }
    }

    // What the workers do with an accepted entry, on the real folder.
    sandbox.reset();
    std::string ensured = parent;
    ensureFolderPath(ensured);
    makeSureDirectoryPathExists(parent);
    createSizedFile(*entry, 0);
    makeSureDirectoryPathExists(*entry + "\\");
    std::string again = *entry;
    ensureFolderPath(again);
    sandbox.checkUntouched();
    return 0;
}
