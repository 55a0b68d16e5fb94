#include "SqlFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace lindquay::test {

void runSql(const std::string& hostPath, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(hostPath.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error != nullptr ? error : "") << "\n" << sql;
    sqlite3_free(error);
    sqlite3_close(db);
}

} // namespace lindquay::test
