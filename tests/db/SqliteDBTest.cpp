#include "db/SqliteDB.h"

#include "SqlFile.h"
#include "TempFolder.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

class SqliteDBTest : public testing::Test {
protected:
    test::TempFolder folder;
    std::string file = folder.hostPath("cache.db");
    std::string programFile = folder.programPath("cache.db");
    SqliteDB db;
};

TEST_F(SqliteDBTest, OpenRefusesAMissingFileAndCreatesNothing) {
    EXPECT_FALSE(db.open(programFile, false));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(db.errorText(), "");
    EXPECT_TRUE(db.close());
}

TEST_F(SqliteDBTest, MemoryAndEmptyNamesOpenOnlyWhenCreatingIsAllowed) {
    for (const char* name : {"", ":memory:", ":MEMORY:"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(db.open(name, false));
        EXPECT_TRUE(db.open(name, true));
        EXPECT_TRUE(db.execute("create table t(x); insert into t values(1)"));
    }
}

TEST_F(SqliteDBTest, AFileThatIsNoDatabaseOpensButNothingRunsOnIt) {
    test::writeFile(file, std::string(4096, 'x'));
    ASSERT_TRUE(db.open(programFile, false));
    SqliteDataset cursor = db.query("select * from cache_file");
    EXPECT_FALSE(cursor.isOpen());
    EXPECT_TRUE(cursor.isEnd());
    EXPECT_EQ(db.errorText(), "file is not a database");
    EXPECT_EQ(test::readFile(file), std::string(4096, 'x'));
}

TEST_F(SqliteDBTest, ASecondOpenClosesTheFirstEvenWhenItFails) {
    test::runSql(file, "create table t(x)");
    ASSERT_TRUE(db.open(programFile, false));
    EXPECT_FALSE(db.open(folder.programPath("other.db"), false));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.execute("select 1"));
}

TEST_F(SqliteDBTest, ChineseFileNamesOpen) {
    test::runSql(folder.hostPath("百度 缓存.db"), "create table t(x); insert into t values('值')");
    ASSERT_TRUE(db.open(folder.programPath("百度 缓存.db"), false));
    SqliteDataset cursor = db.query("select x from t");
    ASSERT_TRUE(cursor.isOpen());
    cursor.next();
    EXPECT_EQ(cursor.readText("x"), gbk("值"));
}

TEST_F(SqliteDBTest, CursorRunsRewindsAndEndsByItsEndFlag) {
    test::runSql(file, "create table t(x); insert into t values(1),(2),(3); create table e(x)");
    ASSERT_TRUE(db.open(programFile, false));

    SqliteDataset fresh;
    EXPECT_FALSE(fresh.isOpen());
    EXPECT_TRUE(fresh.isEnd());
    EXPECT_FALSE(fresh.next());

    SqliteDataset cursor = db.query("select x from t order by x");
    EXPECT_TRUE(cursor.isEnd()) << "untested";
    ASSERT_TRUE(cursor.isOpen());
    EXPECT_FALSE(cursor.isEnd());
    std::string seen;
    for (cursor.next(); !cursor.isEnd(); cursor.next()) {
        seen += cursor.readText("X");
    }
    EXPECT_EQ(seen, "123");
    EXPECT_EQ(cursor.readText("x"), "") << "no current row after the end";

    ASSERT_TRUE(cursor.isOpen()) << "isOpen rewinds";
    cursor.next();
    EXPECT_EQ(cursor.readText("x"), "1");
    EXPECT_TRUE(cursor.close());
    EXPECT_TRUE(cursor.isEnd());
    EXPECT_EQ(cursor.readText("x"), "");

    SqliteDataset empty = db.query("select x from e");
    ASSERT_TRUE(empty.isOpen());
    EXPECT_TRUE(empty.isEnd());
    EXPECT_FALSE(empty.next());
    EXPECT_TRUE(empty.isEnd());
}

TEST_F(SqliteDBTest, ReadTextGivesEveryStorageClassAsText) {
    // U+1F600 is stored as four UTF-8 bytes and cannot become GBK.
    test::runSql(file, "create table t(ID integer, parent_path, n, r real, b blob, s);"
                       "insert into t values(0, '\\文档\\', null, 2.5, x'41420043', "
                       "'a\xF0\x9F\x98\x80');"
                       "insert into t values(-12, 'x', 'y', 1e300, x'', '');");
    ASSERT_TRUE(db.open(programFile, false));
    SqliteDataset cursor = db.query("select * from t order by ID desc");
    ASSERT_TRUE(cursor.isOpen());
    EXPECT_EQ(cursor.readText("ID"), "") << "before the first row";
    ASSERT_TRUE(cursor.next());
    struct Case {
        const char* column;
        std::string text;
    };
    const Case firstRow[] = {{"ID", "0"}, {"id", "0"},     {"PARENT_PATH", gbk("\\文档\\")},
                             {"n", ""},   {"r", "2.5"},    {"b", "AB"},
                             {"s", ""},   {"missing", ""}, {"", ""}};
    for (const auto& c : firstRow) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(cursor.readText(c.column), c.text);
    }
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.readText("id"), "-12");
    EXPECT_EQ(cursor.readText("r"), "1.0e+300");
    EXPECT_EQ(cursor.readText("b"), "");
}

TEST_F(SqliteDBTest, ExecuteRunsEveryStatementAndKeepsThoseBeforeAFailure) {
    ASSERT_TRUE(db.open(programFile, true));
    EXPECT_FALSE(db.execute(""));
    EXPECT_TRUE(db.execute("create table t(x); insert into t values(1)"));
    EXPECT_EQ(db.errorText(), "") << "not an error";
    EXPECT_FALSE(db.execute("insert into t values(2); insert into missing values(3)"));
    EXPECT_EQ(db.errorText(), "no such table: missing");
    SqliteDataset cursor = db.query("select count(*) as n from t");
    ASSERT_TRUE(cursor.isOpen());
    cursor.next();
    EXPECT_EQ(cursor.readText("n"), "2");
    EXPECT_FALSE(db.execute("insert into t values('\xFF')")) << "not valid GBK: nothing runs";
}

TEST_F(SqliteDBTest, ErrorTextIsCutAt199Bytes) {
    ASSERT_TRUE(db.open(programFile, true));
    const std::string longName(300, 'q');
    EXPECT_FALSE(db.execute("select * from " + longName));
    const std::string expected = ("no such table: " + longName).substr(0, 199);
    EXPECT_EQ(db.errorText(), expected);

    // A cut inside a multi-byte character leaves nothing that converts.
    const std::string chinese = "no such table: " + std::string(183, 'q') + "表表";
    EXPECT_FALSE(db.execute(gbk("select * from " + chinese.substr(15))));
    EXPECT_EQ(db.errorText(), "");
}

TEST_F(SqliteDBTest, ClosingWithAnOpenCursorReportsBusyAndStillLetsGo) {
    test::runSql(file, "create table t(x); insert into t values(1),(2)");
    ASSERT_TRUE(db.open(programFile, false));
    SqliteDataset cursor = db.query("select x from t");
    ASSERT_TRUE(cursor.isOpen());
    EXPECT_FALSE(db.close());
    EXPECT_FALSE(db.isOpen());
    EXPECT_TRUE(db.close());
    // The cursor still walks its rows; the connection goes when the cursor closes.
    cursor.next();
    EXPECT_EQ(cursor.readText("x"), "1");
    cursor.close();
    EXPECT_FALSE(db.execute("select 1"));
    EXPECT_EQ(db.query("select 1").isOpen(), false);
}

TEST_F(SqliteDBTest, AFailedStepEndsTheWalkInsteadOfStartingOver) {
    // abs() of the smallest integer overflows: the third row's step fails.
    test::runSql(file,
                 "create table t(id integer primary key, v); insert into t values(1, 1), (2, 2), "
                 "(3, -9223372036854775808), (4, 4)");
    ASSERT_TRUE(db.open(programFile, false));
    SqliteDataset cursor = db.query("select abs(v) as v from t order by id");
    ASSERT_TRUE(cursor.isOpen());
    std::vector<std::string> read;
    bool failed = false;
    cursor.next();
    while (!cursor.isEnd()) {
        read.push_back(cursor.readText("v"));
        if (!cursor.next() && !cursor.isEnd()) {
            failed = true;
            break;
        }
        ASSERT_LT(read.size(), 10u) << "the walk started over";
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(read, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(db.errorText(), "integer overflow");
}

} // namespace
} // namespace lindquay
