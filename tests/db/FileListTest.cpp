#include "db/FileList.h"

#include "ScriptedUi.h"
#include "SqlFile.h"
#include "TempFolder.h"
#include "db/SqliteDB.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

using Log = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

class FileListTest : public testing::Test {
protected:
    void makeCache(const std::string& rowsSql) {
        test::runSql(databaseFile, "create table cache_file (ID integer primary key, "
                                   "parent_path, server_filename, file_size, md5);" +
                                       rowsSql);
    }

    test::TempFolder runDirectory;
    std::string databaseFile = runDirectory.hostPath("BaiduYunCacheFileV0.db");
    test::ScriptedUi ui;
    SqliteDB db;
    std::vector<int> endedWith;
    FileList list{ui, db, cacheDatabasePath(runDirectory.programPath()),
                  [this](int code) { endedWith.push_back(code); }};
};

TEST_F(FileListTest, ReadButtonListsEveryEntryInIdOrderAndReports) {
    makeCache("insert into cache_file values (7, '\\docs\\', 'b.txt', 1024, 'x'),"
              "(3, '\\', 'docs', 0, null), (9, '\\docs\\', '报告.pdf', 5, null)");
    list.onReadButtonClicked();

    EXPECT_EQ(ui.log(),
              (Log{"caption 按钮4: 读取中...", "disable 按钮4", "clear rows", "status 1: 3",
                   "caption 按钮4: 读取百度云数据库", "box 信息： 0: 读取完毕可以其他操作！",
                   "enable 按钮3", "enable 按钮1"}));
    EXPECT_EQ(ui.rows(), (Rows{{"1", "\\", "docs", "0"},
                               {"2", "\\docs\\", "b.txt", "1024"},
                               {"3", "\\docs\\", "报告.pdf", "5"}}));
    EXPECT_TRUE(db.isOpen());
    EXPECT_FALSE(ui.isEnabled(controls::kReadButton)) << "stays disabled after a load";
}

TEST_F(FileListTest, RefreshOpensWhenNeededAndRebuildsFromOne) {
    makeCache("insert into cache_file values (1, '\\', 'a', 1, null), (2, '\\', 'b', 2, null)");
    list.onRefreshCommand();
    ASSERT_EQ(ui.rows().size(), 2u);
    ui.clearLog();

    list.onRefreshCommand();
    EXPECT_EQ(ui.log(),
              (Log{"disable 按钮4", "clear rows", "status 1: 2", "caption 按钮4: 读取百度云数据库",
                   "box 信息： 0: 读取完毕可以其他操作！", "enable 按钮3", "enable 按钮1"}));
    EXPECT_EQ(ui.rows().front().front(), "1");
}

TEST_F(FileListTest, MissingDatabaseEndsTheProgramAfterItsMessage) {
    list.onReadButtonClicked();
    EXPECT_EQ(ui.log(), (Log{"caption 按钮4: 读取中...", "disable 按钮4", "enable 按钮4",
                             "box 提示 16: 数据库打开失败！"}));
    EXPECT_EQ(endedWith, (std::vector<int>{0}));
    EXPECT_FALSE(std::filesystem::exists(databaseFile)) << "never created";
}

TEST_F(FileListTest, UnreadableContentReportsThatTheRecordsDidNotOpen) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    };
    const Case cases[] = {
        {"no database", [](const std::string& f) { test::writeFile(f, std::string(2048, 'z')); }},
        {"no table cache_file",
         [](const std::string& f) { test::runSql(f, "create table other(x)"); }},
        {"zero-length file", [](const std::string& f) { test::writeFile(f, ""); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedUi caseUi;
        SqliteDB caseDb;
        std::filesystem::remove(databaseFile);
        c.make(databaseFile);
        FileList caseList(caseUi, caseDb, cacheDatabasePath(runDirectory.programPath()),
                          [](int) {});
        caseList.onReadButtonClicked();
        EXPECT_EQ(caseUi.log(), (Log{"caption 按钮4: 读取中...", "disable 按钮4", "clear rows",
                                     "box 提示 16: 记录集没打开！"}));
        EXPECT_TRUE(caseDb.isOpen());
        EXPECT_EQ(caseUi.caption(controls::kReadButton), "读取中...");
        EXPECT_TRUE(caseUi.rows().empty());
    }
}

TEST_F(FileListTest, AnEmptyTableStillCompletesTheLoad) {
    makeCache("");
    list.onReadButtonClicked();
    EXPECT_EQ(ui.status(1), "0");
    EXPECT_EQ(ui.caption(controls::kReadButton), "读取百度云数据库");
    EXPECT_TRUE(ui.isEnabled(controls::kMirrorButton));
    EXPECT_TRUE(ui.isEnabled(controls::kTreeButton));
}

TEST_F(FileListTest, NullsOtherTypesAndUnconvertibleTextsGiveEmptyCells) {
    makeCache("insert into cache_file values (1, null, 'a\xF0\x9F\x98\x80', null, null),"
              "(2, x'5C5C', 'r', 2.0, null), (3, '\\', '\xE0\xB8\x81', 0, null)");
    list.onReadButtonClicked();
    EXPECT_EQ(ui.rows(),
              (Rows{{"1", "", "", ""}, {"2", "\\\\", "r", "2.0"}, {"3", "\\", "", "0"}}));
}

TEST_F(FileListTest, AFailedStepEndsTheLoadWithTheRowsReadSoFarAndSaysSo) {
    test::runSql(databaseFile, "create table t (ID integer primary key, p, n, s);"
                               "insert into t values (1, '\\', 'a', 1), (2, '\\', 'b', 2),"
                               "(3, '\\', 'c', -9223372036854775808), (4, '\\', 'd', 4);"
                               "create view cache_file as select ID, p as parent_path, "
                               "n as server_filename, abs(s) as file_size from t");
    list.onReadButtonClicked();
    EXPECT_EQ(ui.rows(), (Rows{{"1", "\\", "a", "1"}, {"2", "\\", "b", "2"}}));
    const Log log = ui.log();
    EXPECT_EQ(
        std::count(log.begin(), log.end(), "box 提示 16: 读取中断！错误内容提示integer overflow"),
        1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box 信息： 0: 读取完毕可以其他操作！"), 0);
    EXPECT_EQ(ui.status(1), "2");
}

TEST_F(FileListTest, ALoadStartedDuringAnEventPassIsFollowedByTheRestNumberedOn) {
    std::string rows;
    for (int i = 1; i <= 3000; ++i) {
        rows += (i > 1 ? "," : "") + std::string("(") + std::to_string(i) + ", '\\', 'f" +
                std::to_string(i) + "', 1)";
    }
    makeCache("insert into cache_file (ID, parent_path, server_filename, file_size) values " +
              rows);
    FileList sliced(
        ui, db, cacheDatabasePath(runDirectory.programPath()), [](int) {},
        std::chrono::milliseconds(0));
    int passes = 0;
    int rowsBeforeNestedLoad = -1;
    ui.onProcessEvents = [&] {
        if (++passes == 1) {
            rowsBeforeNestedLoad = ui.rowCount();
            sliced.loadFileList(); // runs to its end inside the first load's event pass
        }
    };
    sliced.onRefreshCommand();
    const Rows all = ui.rows();
    ASSERT_GT(rowsBeforeNestedLoad, 0);
    // The nested load rebuilt the list; the outer one then appended what it had left.
    ASSERT_EQ(all.size(), 3000u + (3000u - static_cast<std::size_t>(rowsBeforeNestedLoad)));
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i][0], std::to_string(i + 1));
    }
    EXPECT_EQ(all[3000][2], "f" + std::to_string(rowsBeforeNestedLoad + 1));
}

} // namespace
} // namespace lindquay
