#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Writes cache databases shaped like the cloud-drive client's: table cache_file with the
// columns the client keeps, and the tables 系统 and 员工. Texts here are UTF-8, as SQLite
// stores them.
namespace lindquay::sample {

struct CacheEntry {
    std::string parentPath; // starts and ends with a backslash
    std::string serverFilename;
    std::int64_t fileSize = 0; // 0 for a folder
    bool isFolder = false;
};

struct TreeShape {
    int entries = 200;
    double folderShare = 0.10;
    int maxDepth = 8;
    std::uint32_t seed = 20261211;
};

// A consistent folder tree: every parent path is a folder listed before the entries in it;
// names mix Chinese and ASCII and are unique within their folder.
std::vector<CacheEntry> generateTree(const TreeShape& shape);

// Creates (or replaces) the database file with the three tables and the entries, in one
// transaction. The management password is stored in 系统; a few employees in 员工.
// Answers an error message, or nothing on success.
std::optional<std::string> writeCacheDatabase(const std::string& path,
                                              const std::vector<CacheEntry>& entries,
                                              const std::string& managementPassword = "123456");

} // namespace lindquay::sample
