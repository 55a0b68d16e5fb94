#include "db/SqliteDB.h"

#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "text/Encoding.h"

#include <sqlite3.h>

namespace lindquay {
namespace {

constexpr std::size_t kErrorTextLimit = 199;

bool isMemoryName(std::string_view fileName) {
    return fileName.empty() || sqlite3_stricmp(std::string(fileName).c_str(), ":memory:") == 0;
}

} // namespace

void SqliteDB::Closer::operator()(sqlite3* connection) const {
    // close_v2 lets a connection with open cursors go once the last of them is finalized,
    // instead of leaking it with its file lock.
    sqlite3_close_v2(connection);
}

SqliteDB::~SqliteDB() {
    close();
}

bool SqliteDB::open(std::string_view fileName, bool createIfMissing) {
    close();
    std::string target;
    int flags = SQLITE_OPEN_READWRITE;
    if (isMemoryName(fileName)) {
        if (!createIfMissing) {
            return false;
        }
        target = ":memory:";
        flags |= SQLITE_OPEN_CREATE;
    } else {
        if (!createIfMissing && !isReadableFile(fileName)) {
            return false;
        }
        std::optional<std::string> host = toHostPath(fileName);
        if (!host) {
            return false;
        }
        target = std::move(*host);
        if (createIfMissing) {
            flags |= SQLITE_OPEN_CREATE;
        }
    }
    // Without SQLITE_OPEN_CREATE SQLite itself refuses to make the file, so a file removed
    // after the check above is still never created. A write-protected file opens read-only.
    sqlite3* connection = nullptr;
    const int rc = sqlite3_open_v2(target.c_str(), &connection, flags, nullptr);
    m_connection.reset(connection); // owned before the check, so that a failed open closes it
    if (rc != SQLITE_OK) {
        m_connection.reset();
        return false;
    }
    return true;
}

bool SqliteDB::close() {
    if (!m_connection) {
        return true;
    }
    const bool busy = sqlite3_next_stmt(m_connection.get(), nullptr) != nullptr;
    m_connection.reset();
    return !busy;
}

bool SqliteDB::execute(std::string_view sql) {
    if (sql.empty() || !m_connection) {
        return false;
    }
    const std::optional<std::string> utf8 = gbkToUtf8(sql);
    if (!utf8) {
        return false;
    }
    return sqlite3_exec(m_connection.get(), utf8->c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteDataset SqliteDB::query(std::string_view sql) {
    if (!m_connection || sql.empty()) {
        return {};
    }
    sqlite3_stmt* statement = nullptr;
    if (const std::optional<std::string> utf8 = gbkToUtf8(sql)) {
        if (sqlite3_prepare_v2(m_connection.get(), utf8->c_str(), -1, &statement, nullptr) !=
            SQLITE_OK) {
            sqlite3_finalize(statement);
            statement = nullptr;
        }
    }
    return SqliteDataset(m_connection.get(), statement);
}

std::string SqliteDB::errorText() const {
    if (!m_connection) {
        return {};
    }
    const std::string_view message = sqlite3_errmsg(m_connection.get());
    if (sqlite3_stricmp(std::string(message).c_str(), "not an error") == 0) {
        return {};
    }
    return utf8ToGbk(message.substr(0, kErrorTextLimit)).value_or(std::string());
}

} // namespace lindquay
