#include "SampleCache.h"

#include <array>
#include <cstdio>
#include <random>
#include <sqlite3.h>

namespace lindquay::sample {
namespace {

constexpr std::array kFolderWords = {"文档",   "照片",     "工作",     "项目", "备份",   "音乐",
                                     "视频",   "学习资料", "我的资源", "apps", "photos", "backup",
                                     "2024年", "合同",     "旅行",     "code", "电子书", "课件"};
constexpr std::array kFileWords = {"报告",   "会议纪要", "IMG",      "笔记",  "readme", "发票",
                                   "简历",   "data",     "演示文稿", "歌曲",  "截图",   "setup",
                                   "计划书", "notes",    "合影",     "扫描件"};
constexpr std::array kExtensions = {".pdf",  ".jpg", ".docx", ".txt", ".mp3",
                                    ".xlsx", ".zip", ".mp4",  ".png"};

struct Folder {
    std::string path; // "\a\b" with no trailing backslash; empty for the root
    int depth = 0;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
};

std::string randomHex(std::mt19937& random, int digits) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < digits; ++i) {
        text.push_back(kHex[random() % 16]);
    }
    return text;
}

bool run(sqlite3* db, const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        error = message != nullptr ? message : "unknown error";
        sqlite3_free(message);
        return false;
    }
    return true;
}

} // namespace

std::vector<CacheEntry> generateTree(const TreeShape& shape) {
    std::mt19937 random(shape.seed);
    std::vector<Folder> folders{{std::string(), 0}};
    std::vector<CacheEntry> entries;
    entries.reserve(static_cast<std::size_t>(shape.entries));
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    for (int i = 0; i < shape.entries; ++i) {
        // Most entries land in a recent folder, as a client lists a folder's contents together.
        const std::size_t recent = std::min<std::size_t>(folders.size(), 64);
        std::size_t pick = folders.size() - 1 - random() % recent;
        if (chance(random) < 0.2) {
            pick = random() % folders.size();
        }
        const Folder parent = folders[pick];
        CacheEntry entry;
        entry.parentPath = parent.path + "\\";
        const bool folder = parent.depth < shape.maxDepth && chance(random) < shape.folderShare;
        if (folder) {
            entry.serverFilename =
                std::string(kFolderWords[random() % kFolderWords.size()]) + "_" + std::to_string(i);
            entry.isFolder = true;
            folders.push_back({parent.path + "\\" + entry.serverFilename, parent.depth + 1});
        } else {
            entry.serverFilename = std::string(kFileWords[random() % kFileWords.size()]) + "_" +
                                   std::to_string(i) + kExtensions[random() % kExtensions.size()];
            entry.fileSize = 1 + static_cast<std::int64_t>(random() % 50'000'000);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<std::string> writeCacheDatabase(const std::string& path,
                                              const std::vector<CacheEntry>& entries,
                                              const std::string& managementPassword) {
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        std::string error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return error;
    }
    std::string error;
    const bool created =
        run(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;", error) &&
        run(db,
            "CREATE TABLE cache_file (id INTEGER PRIMARY KEY AUTOINCREMENT, fs_id TEXT, "
            "parent_path TEXT, server_filename TEXT, file_size INTEGER, md5 TEXT, isdir INTEGER, "
            "category INTEGER, server_mtime INTEGER, local_mtime INTEGER);"
            "CREATE INDEX cache_file_parent ON cache_file(parent_path);"
            "CREATE TABLE 系统 (ID INTEGER PRIMARY KEY, 管理密码 TEXT);"
            "CREATE TABLE 员工 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 姓名 TEXT, 性别 TEXT, "
            "职务 TEXT, 图片 TEXT, 好评 INTEGER, 差评 INTEGER, 一般 INTEGER, 简介 TEXT);"
            "INSERT INTO 员工 (姓名,性别,职务,图片,好评,差评,一般,简介) VALUES "
            "('李明','男','客服主管','Image\\李明.jpg',12,1,3,'负责售后'),"
            "('王芳','女','客服','Image\\王芳.jpg',8,0,2,'暂无介绍');",
            error);
    if (created) {
        Statement password(db, "INSERT INTO 系统 (ID, 管理密码) VALUES (1, ?)");
        sqlite3_bind_text(password.get(), 1, managementPassword.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(password.get());

        Statement insert(db, "INSERT INTO cache_file (fs_id, parent_path, server_filename, "
                             "file_size, md5, isdir, category, server_mtime, local_mtime) "
                             "VALUES (?,?,?,?,?,?,?,?,?)");
        std::mt19937 random(7);
        std::int64_t fsId = 100'000'000'000;
        for (const CacheEntry& entry : entries) {
            const std::int64_t mtime =
                1'600'000'000 + static_cast<std::int64_t>(random() % 100'000'000);
            sqlite3_bind_text(insert.get(), 1, std::to_string(fsId++).c_str(), -1,
                              SQLITE_TRANSIENT);
            sqlite3_bind_text(insert.get(), 2, entry.parentPath.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(insert.get(), 3, entry.serverFilename.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_int64(insert.get(), 4, entry.isFolder ? 0 : entry.fileSize);
            if (entry.isFolder) {
                sqlite3_bind_null(insert.get(), 5);
            } else {
                sqlite3_bind_text(insert.get(), 5, randomHex(random, 32).c_str(), -1,
                                  SQLITE_TRANSIENT);
            }
            sqlite3_bind_int(insert.get(), 6, entry.isFolder ? 1 : 0);
            sqlite3_bind_int(insert.get(), 7,
                             entry.isFolder ? 6 : 1 + static_cast<int>(random() % 7));
            sqlite3_bind_int64(insert.get(), 8, mtime);
            sqlite3_bind_int64(insert.get(), 9, mtime);
            if (sqlite3_step(insert.get()) != SQLITE_DONE) {
                error = sqlite3_errmsg(db);
                break;
            }
            sqlite3_reset(insert.get());
        }
    }
    const bool committed = error.empty() && run(db, "COMMIT;", error);
    sqlite3_close(db);
    if (!created || !committed) {
        return error;
    }
    return std::nullopt;
}

} // namespace lindquay::sample
