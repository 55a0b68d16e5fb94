#include "TempFolder.h"

#include "text/Encoding.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lindquay::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lindquay-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable so that all goes.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::programPath(const std::string& name) const {
    const std::filesystem::path full = name.empty() ? m_path : m_path / name;
    return utf8ToGbk(full.string()).value();
}

std::string TempFolder::hostPath(const std::string& name) const {
    return (m_path / name).string();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace lindquay::test
