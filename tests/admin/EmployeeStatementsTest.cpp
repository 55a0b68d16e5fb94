#include "admin/EmployeeStatements.h"

#include "SqlFile.h"
#include "TempFolder.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace lindquay {
namespace {

std::string statementOf(const Statement& statement) {
    const auto* text = std::get_if<std::string>(&statement);
    return text != nullptr ? gbkToUtf8Lossy(*text)
                           : "refused: " + gbkToUtf8Lossy(std::get<Refusal>(statement).reason);
}

EmployeeFields fieldsOf(const std::string& name, const std::string& praise = "0") {
    return {gbk(name), gbk("男"), gbk("经理"), gbk("Image\\" + name + ".jpg"),
            praise,    "0",       "0",         gbk("暂无介绍")};
}

TEST(EmployeeStatementsTest, InsertJoinsItsPiecesExactly) {
    EXPECT_EQ(statementOf(employeeInsertStatement(fieldsOf("张三"))),
              "insert into 员工 (姓名,性别,职务,图片,好评,差评,一般,简介) "
              "values('张三','男','经理','Image\\张三.jpg',0,0,0,'暂无介绍')");
    EXPECT_EQ(statementOf(employeeUpdateStatement(fieldsOf("李四", "12"), "3")),
              "update 员工 set 姓名='李四',性别='男',职务='经理',图片='Image\\李四.jpg',好评=12,"
              "差评=0,一般=0,简介='暂无介绍' where ID=3");
    EXPECT_EQ(statementOf(employeeDeleteStatement("7")), "delete from 员工 where ID=7");
    EXPECT_EQ(statementOf(passwordUpdateStatement(gbk("新'密码"))),
              "update 系统 set 管理密码='新''密码' where ID=1");
}

TEST(EmployeeStatementsTest, NumbersMustBePlainAndEmptyOnesAreLeftForSqlite) {
    struct Case {
        std::string text;
        bool plain;
    };
    const Case cases[] = {
        {"0", true},         {"12", true},          {"-3", true},    {"4.5", true},  {"", false},
        {"1 or 1=1", false}, {"0,姓名='x'", false}, {"1;", false},   {"-", false},   {"1.", false},
        {".5", false},       {" 1", false},         {"0x10", false}, {"1e3", false}, {"１", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isPlainNumber(gbk(c.text)), c.plain);
    }
    EXPECT_EQ(statementOf(employeeDeleteStatement("")), "delete from 员工 where ID=");
    EXPECT_EQ(statementOf(employeeDeleteStatement("1 or 1=1")), "refused: ID只能填写数字");
    EXPECT_EQ(statementOf(employeeUpdateStatement(fieldsOf("x", "0,姓名='x'"), "1")),
              "refused: 好评只能填写数字");
    EXPECT_EQ(statementOf(employeeUpdateStatement(fieldsOf("x"), "2 or 1=1")),
              "refused: ID只能填写数字");
}

// Every text a user may type leaves exactly one statement that changes the named record only.
TEST(EmployeeStatementsTest, HostileTextsChangeOnlyTheNamedRecord) {
    test::TempFolder folder;
    const std::string file = folder.hostPath("cache.db");
    const char* hostile[] = {"a'b",        "x'; drop table 员工; --", "'",   "''",    "1 or 1=1",
                             "0,姓名='x'", "');delete from 员工;--",  "\\'", "張'\"`"};
    for (const char* text : hostile) {
        SCOPED_TRACE(text);
        std::remove(file.c_str());
        test::runSql(file,
                     "create table 员工 (ID integer primary key, 姓名, 性别, 职务, 图片, 好评, "
                     "差评, 一般, 简介); insert into 员工 (姓名) values ('甲'), ('乙'), ('丙')");
        EmployeeFields fields{gbk(text), gbk(text), gbk(text), gbk(text), "1", "2", "3", gbk(text)};
        for (const Statement& statement :
             {employeeUpdateStatement(fields, "2"), employeeInsertStatement(fields)}) {
            const std::string utf8 = gbkToUtf8(std::get<std::string>(statement)).value();
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
            sqlite3_stmt* prepared = nullptr;
            const char* tail = nullptr;
            ASSERT_EQ(sqlite3_prepare_v2(db, utf8.c_str(), -1, &prepared, &tail), SQLITE_OK)
                << utf8;
            EXPECT_STREQ(tail, "") << "one statement only";
            EXPECT_EQ(sqlite3_step(prepared), SQLITE_DONE);
            sqlite3_finalize(prepared);
            sqlite3_close(db);
        }
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, "select ID, 姓名, 简介 from 员工 order by ID", -1, &rows, nullptr);
        std::vector<std::string> seen;
        while (sqlite3_step(rows) == SQLITE_ROW) {
            seen.push_back(std::to_string(sqlite3_column_int(rows, 0)) + ":" +
                           reinterpret_cast<const char*>(sqlite3_column_text(rows, 1)));
            if (sqlite3_column_int(rows, 0) != 1 && sqlite3_column_int(rows, 0) != 3) {
                EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(rows, 2)), text);
            }
        }
        sqlite3_finalize(rows);
        sqlite3_close(db);
        EXPECT_EQ(seen, (std::vector<std::string>{"1:甲", std::string("2:") + text, "3:丙",
                                                  std::string("4:") + text}));
    }
}

} // namespace
} // namespace lindquay
