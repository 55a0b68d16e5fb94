#include "admin/ManagementPassword.h"

#include "ScriptedUi.h"
#include "SqlFile.h"
#include "TempFolder.h"
#include "db/FileList.h"
#include "db/SqliteDB.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace lindquay {
namespace {

using Log = std::vector<std::string>;

class ManagementPasswordTest : public testing::Test {
protected:
    void makeCache(const std::string& systemRows) {
        test::runSql(
            databaseFile,
            "create table cache_file (ID integer primary key, parent_path, server_filename, "
            "file_size); insert into cache_file values (1, '\\', 'a.txt', 3);"
            "create table 系统 (ID integer primary key, 管理密码);" +
                systemRows);
        ASSERT_TRUE(db.open(cacheDatabasePath(runDirectory.programPath()), false));
    }
    std::string storedPassword() {
        SqliteDataset cursor = db.query(gbk("select 管理密码 from 系统 where ID=1"));
        cursor.isOpen();
        cursor.next();
        return gbkToUtf8Lossy(cursor.readText(gbk("管理密码")));
    }

    test::TempFolder runDirectory;
    std::string databaseFile = runDirectory.hostPath("BaiduYunCacheFileV0.db");
    test::ScriptedUi ui;
    SqliteDB db;
    FileList fileList{ui, db, cacheDatabasePath(runDirectory.programPath()), [](int) {}};
    ManagementPassword password{ui, db, fileList};
};

const std::string kAsk = "input 提示: 请输入管理密码 (masked)";
const Log kLoaded = {"show page 2",
                     "show page 3",
                     "clear rows",
                     "status 1: 1",
                     "caption 按钮4: 读取百度云数据库",
                     "box 信息： 0: 读取完毕可以其他操作！",
                     "enable 按钮3",
                     "enable 按钮1"};

TEST_F(ManagementPasswordTest, EnterComparesByteForByte) {
    struct Case {
        const char* what;
        std::string systemRows;
        std::optional<std::string> entry;
        bool passes;
    };
    const Case cases[] = {
        {"equal", "insert into 系统 values (1, 'Abc密码1')", "Abc密码1", true},
        {"other case", "insert into 系统 values (1, 'Abc密码1')", "abc密码1", false},
        {"trailing blank", "insert into 系统 values (1, 'Abc密码1')", "Abc密码1 ", false},
        {"cancelled against a password", "insert into 系统 values (1, 'x')", std::nullopt, false},
        {"empty stored, empty entry", "insert into 系统 values (1, '')", "", true},
        {"NULL stored, cancelled", "insert into 系统 values (1, null)", std::nullopt, true},
        {"no row 1, empty entry", "insert into 系统 values (2, 'x')", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        db.close();
        std::filesystem::remove(databaseFile);
        makeCache(c.systemRows);
        ui.clearLog();
        ui.inputAnswers = {c.entry};
        password.onEnterManagement();
        Log expected = {kAsk, "clear rows"};
        if (c.passes) {
            expected.insert(expected.end(), kLoaded.begin(), kLoaded.end());
        } else {
            expected.push_back("box '提示 16: 密码错误！");
        }
        EXPECT_EQ(ui.log(), expected);
    }
}

TEST_F(ManagementPasswordTest, BeforeTheDatabaseIsOpenBothCommandsClearTheListAndSaySo) {
    ui.setRows({{"\\", "a", "1"}});
    password.onEnterManagement();
    password.onChangePassword();
    EXPECT_EQ(ui.log(), (Log{kAsk, "clear rows", "box 提示 16: 记录集没打开！",
                             "input 提示: 请输入原始密码 (masked)", "clear rows",
                             "box 提示 16: 记录集没打开！"}));
    EXPECT_TRUE(ui.rows().empty());
}

TEST_F(ManagementPasswordTest, ChangeStoresTheNewPasswordExactlyAndLeavesTheListEmpty) {
    makeCache("insert into 系统 values (1, 'old'), (2, 'other')");
    ui.inputAnswers = {"old", "new'); drop table 系统; --"};
    password.onChangePassword();
    EXPECT_EQ(ui.log(), (Log{"input 提示: 请输入原始密码 (masked)", "clear rows",
                             "input 提示: 请输入新密码 (masked)", "box 提示 64: 修改成功~"}));
    EXPECT_EQ(storedPassword(), "new'); drop table 系统; --");
    SqliteDataset other = db.query(gbk("select 管理密码 from 系统 where ID=2"));
    other.isOpen();
    other.next();
    EXPECT_EQ(other.readText(gbk("管理密码")), "other");
    EXPECT_TRUE(ui.rows().empty());

    ui.clearLog();
    ui.inputAnswers = {"new'); drop table 系统; --"};
    password.onEnterManagement();
    EXPECT_EQ(ui.log().back(), "enable 按钮1") << "the new password lets in";
}

TEST_F(ManagementPasswordTest, WrongOldPasswordOrCancelledNewOneChangesNothing) {
    makeCache("insert into 系统 values (1, 'old')");
    ui.inputAnswers = {"OLD"};
    password.onChangePassword();
    EXPECT_EQ(ui.log().back(), "box 提示 64: 原始密码错误~");

    ui.clearLog();
    ui.inputAnswers = {"old", std::nullopt};
    password.onChangePassword();
    EXPECT_EQ(ui.log(), (Log{"input 提示: 请输入原始密码 (masked)", "clear rows",
                             "input 提示: 请输入新密码 (masked)"}));
    EXPECT_EQ(storedPassword(), "old");
}

TEST_F(ManagementPasswordTest, ARefusedUpdateShowsSqlitesMessage) {
    makeCache("insert into 系统 values (1, 'old')");
    // Another connection is writing: reading goes on, writing fails at once.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(databaseFile.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
    ui.inputAnswers = {"old", "new"};
    password.onChangePassword();
    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(ui.log().back(), "box 提示 16: 操作失败！错误内容提示database is locked");
    EXPECT_EQ(storedPassword(), "old");
}

} // namespace
} // namespace lindquay
