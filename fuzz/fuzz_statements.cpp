// The administration area's statement builders: whatever the fields hold, a built statement
// is exactly one statement, and running it changes at most the one record it names.
#include "admin/EmployeeStatements.h"
#include "text/Encoding.h"

#include <array>
#include <cstdlib>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using namespace lindquay;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

sqlite3* openDatabase() {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db,
                 "create table 员工 (ID integer primary key autoincrement, 姓名, 性别, 职务, 图片, "
                 "好评, 差评, 一般, 简介);"
                 "insert into 员工 (姓名) values ('甲'), ('乙'), ('丙');"
                 "create table 系统 (ID integer primary key, 管理密码);"
                 "insert into 系统 values (1, 'a'), (2, 'b');"
                 "create table cache_file (ID integer primary key, parent_path);"
                 "insert into cache_file values (1, '\\');",
                 nullptr, nullptr, nullptr);
    return db;
}

// Every row of the three tables but the one the statement may change, as one text.
std::string otherRows(sqlite3* db, const char* table, long long keptId) {
    std::string rows;
    for (const std::string& sql :
         {std::string("select * from ") + table + " where ID <> " + std::to_string(keptId),
          std::string("select * from cache_file"),
          std::string(std::string(table) == "员工" ? "select * from 系统"
                                                   : "select * from 员工")}) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                rows += text != nullptr ? reinterpret_cast<const char*>(text) : "<null>";
                rows += '|';
            }
            rows += '\n';
        }
        sqlite3_finalize(statement);
    }
    return rows;
}

void runOnce(sqlite3* db, const Statement& built, const char* table, const std::string& id) {
    const auto* text = std::get_if<std::string>(&built);
    if (text == nullptr) {
        return; // refused: nothing runs
    }
    const std::optional<std::string> utf8 = gbkToUtf8(*text);
    if (!utf8) {
        return; // the connection refuses texts that are not GBK
    }
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8->c_str(), -1, &statement, &tail) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return; // a syntax error, e.g. from an empty number field
    }
    check(statement != nullptr && *tail == '\0'); // exactly one statement
    const long long kept = id.empty() ? 0 : std::atoll(id.c_str());
    sqlite3_exec(db, "savepoint probe", nullptr, nullptr, nullptr);
    const std::string before = otherRows(db, table, kept);
    const int total = sqlite3_total_changes(db);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
    check(sqlite3_total_changes(db) - total <= 1);
    const bool isInsert = utf8->rfind("insert", 0) == 0;
    if (!isInsert) {
        check(otherRows(db, table, kept) == before);
    }
    sqlite3_exec(db, "rollback to probe; release probe", nullptr, nullptr, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static sqlite3* db = openDatabase();
    std::array<std::string, 9> parts;
    std::size_t field = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && field + 1 < parts.size()) {
            ++field;
        } else {
            parts[field].push_back(static_cast<char>(data[i]));
        }
    }
    const EmployeeFields fields{parts[0], parts[1], parts[2], parts[3],
                                parts[4], parts[5], parts[6], parts[7]};
    const std::string& id = parts[8];
    runOnce(db, employeeUpdateStatement(fields, id), "员工", id);
    runOnce(db, employeeInsertStatement(fields), "员工", id);
    runOnce(db, employeeDeleteStatement(id), "员工", id);
    runOnce(db, passwordUpdateStatement(parts[0]), "系统", "1");
    return 0;
}
