#pragma once

#include "db/SqliteDataset.h"

#include <memory>
#include <string>
#include <string_view>

struct sqlite3;

namespace lindquay {

// A connection to one database file, or none. Every text in and out is GBK; the connection
// converts to and from SQLite's UTF-8 on its own. Main thread only.
class SqliteDB {
public:
    SqliteDB() = default;
    ~SqliteDB();
    SqliteDB(const SqliteDB&) = delete;
    SqliteDB& operator=(const SqliteDB&) = delete;

    // Closes any connection, then opens the file. With createIfMissing false the file must
    // already exist and be readable, and nothing is ever created. An empty name or ":memory:"
    // opens an in-memory database, and only with createIfMissing true.
    bool open(std::string_view fileName, bool createIfMissing);
    bool isOpen() const { return m_connection != nullptr; }
    // False only when cursors of the connection were still open; the connection is given up
    // either way and goes as soon as the last of them is closed.
    bool close();
    // Runs every statement of the text in turn, stopping at the first that fails; the ones
    // before it stay applied. True when all succeed.
    bool execute(std::string_view sql);
    // A cursor on the first statement of the text; without a connection, or when the text
    // does not convert or prepare, a cursor whose isOpen is false.
    SqliteDataset query(std::string_view sql);
    // SQLite's message for the last failure, at most 199 bytes; empty when there is none or
    // no connection is held.
    std::string errorText() const;

private:
    struct Closer {
        void operator()(sqlite3* connection) const;
    };
    std::unique_ptr<sqlite3, Closer> m_connection;
};

} // namespace lindquay
