#pragma once

#include <string>

namespace lindquay::test {

// Runs UTF-8 SQL on a database file through SQLite directly (creating the file), so that a
// test can shape a cache database freely. Fails the test on an error.
void runSql(const std::string& hostPath, const std::string& sql);

} // namespace lindquay::test
