#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace lindquay {

// A cursor over the rows of one query, made by SqliteDB::query. It never closes the
// connection it belongs to. Main thread only.
//
// Readers walk it as: isOpen (false: nothing to read); next; while !isEnd: readText..., next.
// When next answers false without isEnd, a step failed and the walk must end there: a further
// step would start the statement over from its first row.
class SqliteDataset {
public:
    SqliteDataset() = default;
    ~SqliteDataset() = default;
    SqliteDataset(const SqliteDataset&) = delete;
    SqliteDataset& operator=(const SqliteDataset&) = delete;
    SqliteDataset(SqliteDataset&&) noexcept = default;
    SqliteDataset& operator=(SqliteDataset&&) noexcept = default;

    // Runs the statement once and rewinds it: true when it runs (with rows or without).
    bool isOpen();
    // Steps to the next row; true when a row is there.
    bool next();
    // True while untested, then whether the rows are exhausted.
    bool isEnd() const { return !m_tested || m_atEnd; }
    // The current row's value of the first column with that name (ASCII case ignored), as
    // text; empty for NULL, an unknown column, no current row or a value that does not convert.
    std::string readText(std::string_view columnName);
    // Finalizes the statement and empties the cursor.
    bool close();

private:
    friend class SqliteDB;
    SqliteDataset(sqlite3* connection, sqlite3_stmt* statement);

    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };

    bool isPrepared() const { return m_connection != nullptr && m_statement != nullptr; }
    int columnIndex(std::string_view columnName);

    sqlite3* m_connection = nullptr;
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
    bool m_tested = false;
    bool m_atEnd = false;
    bool m_onRow = false;
    // Column lookups by the caller's name; a walk reads the same few columns on every row.
    std::vector<std::pair<std::string, int>> m_columnCache;
};

} // namespace lindquay
