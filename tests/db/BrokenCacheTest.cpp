// Cache databases that are damaged, locked, crafted or read-only: each gives the message or
// the empty cells it should, the program goes on, and the file is never changed by a load.
#include "db/FileList.h"

#include "admin/ManagementPassword.h"
#include "ReadOnlyFolder.h"
#include "SampleCache.h"
#include "ScriptedUi.h"
#include "SqlFile.h"
#include "TempFolder.h"
#include "db/SqliteDB.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lindquay {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

const std::string kNotOpen = "box 提示 16: 记录集没打开！";
const std::string kDone = "box 信息： 0: 读取完毕可以其他操作！";

struct LoadResult {
    Log log;
    std::size_t rows = 0;
    bool ended = false;
};

LoadResult load(const fs::path& runDirectory) {
    test::ScriptedUi ui;
    SqliteDB db;
    bool ended = false;
    FileList list(ui, db, cacheDatabasePath(utf8ToGbk(runDirectory.string()).value()),
                  [&](int) { ended = true; });
    list.onReadButtonClicked();
    return {ui.log(), ui.rows().size(), ended};
}

bool says(const Log& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

class BrokenCacheTest : public testing::Test {
protected:
    void writeSample(int entries) {
        sample::TreeShape shape;
        shape.entries = entries;
        ASSERT_FALSE(sample::writeCacheDatabase(file.string(), sample::generateTree(shape)));
    }

    test::TempFolder runDirectory;
    fs::path file = runDirectory.path() / "BaiduYunCacheFileV0.db";
};

TEST_F(BrokenCacheTest, DamagedFilesAreReportedAndLeftAsTheyWere) {
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<void(const LoadResult&)> expect;
    };
    const auto notOpen = [](const LoadResult& r) {
        EXPECT_TRUE(says(r.log, kNotOpen));
        EXPECT_EQ(r.rows, 0u);
    };
    const Case cases[] = {
        {"zero-length file", [&] { test::writeFile(file, ""); }, notOpen},
        {"random bytes",
         [&] {
             std::mt19937 random(5);
             std::string bytes(64 * 1024, '\0');
             for (char& b : bytes) {
                 b = static_cast<char>(random());
             }
             test::writeFile(file, bytes);
         },
         notOpen},
        {"a database header and nothing else",
         [&] {
             writeSample(10);
             fs::resize_file(file, 100);
         },
         notOpen},
        {"truncated in the middle of the table",
         [&] {
             writeSample(20000);
             fs::resize_file(file, fs::file_size(file) / 2);
         },
         notOpen}, // the first step already meets the missing pages
        {"one page in the middle overwritten with garbage",
         [&] {
             writeSample(20000);
             std::string bytes = test::readFile(file);
             const std::size_t page = bytes.size() / 4096 / 2 * 4096;
             bytes.replace(page, 4096, std::string(4096, '\xA5'));
             test::writeFile(file, bytes);
         },
         [](const LoadResult& r) {
             // The rows before the damage are listed, and the walk stops there and says so.
             EXPECT_TRUE(says(
                 r.log, "box 提示 16: 读取中断！错误内容提示database disk image is malformed"));
             EXPECT_GT(r.rows, 0u);
             EXPECT_LT(r.rows, 20000u);
             EXPECT_FALSE(says(r.log, kDone));
         }},
        {"no table cache_file", [&] { test::runSql(file.string(), "create table other(x)"); },
         notOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(file);
        c.make();
        const std::string before = test::readFile(file);
        const LoadResult result = load(runDirectory.path());
        c.expect(result);
        EXPECT_FALSE(result.ended) << "the program goes on";
        EXPECT_EQ(test::readFile(file), before) << "a load changes nothing";
        EXPECT_EQ(
            std::distance(fs::directory_iterator(runDirectory.path()), fs::directory_iterator()), 1)
            << "no journal or other file left behind";
    }
}

TEST_F(BrokenCacheTest, OtherColumnTypesAndForeignTextsGiveTextOrEmptyCells) {
    test::runSql(
        file.string(),
        "create table cache_file (ID integer primary key, parent_path, server_filename, file_size);"
        "insert into cache_file values"
        "(1, x'5C64BC5C', x'410042', 2.5)," // invalid UTF-8 path; a name cut at its zero byte
        "(2, 5, 'Ω≈한글', -0.0),"           // a number as path; Hangul has no GBK form
        "(3, '\\', 'a\xF0\x9F\x98\x80', 1e20),"
        "(4, null, null, null)");
    test::ScriptedUi ui;
    SqliteDB db;
    FileList list(ui, db, cacheDatabasePath(runDirectory.programPath()), [](int) {});
    list.onReadButtonClicked();
    EXPECT_EQ(ui.rows(), (std::vector<std::vector<std::string>>{{"1", "", "A", "2.5"},
                                                                {"2", "5", "", "0.0"},
                                                                {"3", "\\", "", "1.0e+20"},
                                                                {"4", "", "", ""}}));
}

TEST_F(BrokenCacheTest, AFileLockedByAnotherProcessIsReportedAndReadLater) {
    writeSample(50);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        const bool locked =
            sqlite3_exec(db, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK;
        char byte = locked ? 1 : 0;
        (void)!write(ready[1], &byte, 1);
        (void)!read(release[0], &byte, 1);
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        _exit(0);
    }
    char locked = 0;
    ASSERT_EQ(read(ready[0], &locked, 1), 1);
    ASSERT_EQ(locked, 1);

    test::ScriptedUi ui;
    SqliteDB db;
    FileList list(ui, db, cacheDatabasePath(runDirectory.programPath()), [](int) {});
    list.onReadButtonClicked();
    EXPECT_TRUE(says(ui.log(), kNotOpen)) << "nothing waits for the lock";
    EXPECT_EQ(ui.rows().size(), 0u);

    const char go = 1;
    ASSERT_EQ(write(release[1], &go, 1), 1);
    waitpid(holder, nullptr, 0);
    ui.clearLog();
    list.onRefreshCommand();
    EXPECT_TRUE(says(ui.log(), kDone));
    EXPECT_EQ(ui.rows().size(), 50u);
}

TEST_F(BrokenCacheTest, AReadOnlyRunDirectoryStillListsAndRefusesWritesWithSqlitesMessage) {
    const test::ReadOnlyFolder readOnly(runDirectory.path() / "ro", [](const fs::path& folder) {
        sample::TreeShape shape;
        shape.entries = 30;
        sample::writeCacheDatabase((folder / "BaiduYunCacheFileV0.db").string(),
                                   sample::generateTree(shape));
    });
    if (!readOnly.usable()) {
        GTEST_SKIP() << "no read-only folder can be made here";
    }
    const std::string before = test::readFile(readOnly.path() / "BaiduYunCacheFileV0.db");
    test::ScriptedUi ui;
    SqliteDB db;
    FileList list(ui, db, cacheDatabasePath(utf8ToGbk(readOnly.path().string()).value()),
                  [](int) {});
    list.onReadButtonClicked();
    EXPECT_TRUE(says(ui.log(), kDone));
    EXPECT_EQ(ui.rows().size(), 30u);

    ManagementPassword password(ui, db, list);
    ui.inputAnswers = {"123456", "new"};
    password.onChangePassword();
    EXPECT_EQ(ui.log().back(),
              "box 提示 16: 操作失败！错误内容提示attempt to write a readonly database");
    EXPECT_EQ(test::readFile(readOnly.path() / "BaiduYunCacheFileV0.db"), before);
}

} // namespace
} // namespace lindquay
