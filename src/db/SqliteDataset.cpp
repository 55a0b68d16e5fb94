#include "db/SqliteDataset.h"

#include "text/Encoding.h"

#include <cstring>
#include <sqlite3.h>

namespace lindquay {

void SqliteDataset::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

SqliteDataset::SqliteDataset(sqlite3* connection, sqlite3_stmt* statement)
    : m_connection(connection), m_statement(statement) {}

bool SqliteDataset::isOpen() {
    if (!isPrepared()) {
        return false;
    }
    sqlite3_reset(m_statement.get());
    const int rc = sqlite3_step(m_statement.get());
    m_atEnd = rc != SQLITE_ROW;
    sqlite3_reset(m_statement.get());
    m_onRow = false;
    m_tested = true;
    m_columnCache.clear();
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

bool SqliteDataset::next() {
    if (!isPrepared()) {
        return false;
    }
    const int rc = sqlite3_step(m_statement.get());
    if (m_tested) {
        m_atEnd = rc == SQLITE_DONE;
    }
    m_onRow = rc == SQLITE_ROW;
    return m_onRow;
}

int SqliteDataset::columnIndex(std::string_view columnName) {
    for (const auto& [name, index] : m_columnCache) {
        if (name == columnName) {
            return index;
        }
    }
    int found = -1;
    if (const std::optional<std::string> utf8 = gbkToUtf8(columnName)) {
        const int count = sqlite3_column_count(m_statement.get());
        for (int i = 0; i < count && found < 0; ++i) {
            const char* name = sqlite3_column_name(m_statement.get(), i);
            if (name != nullptr && sqlite3_stricmp(name, utf8->c_str()) == 0) {
                found = i;
            }
        }
    }
    m_columnCache.emplace_back(columnName, found);
    return found;
}

std::string SqliteDataset::readText(std::string_view columnName) {
    if (!isPrepared() || columnName.empty() || !m_onRow) {
        return {};
    }
    const int index = columnIndex(columnName);
    if (index < 0) {
        return {};
    }
    const auto* value =
        reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), index));
    if (value == nullptr) {
        return {};
    }
    return utf8ToGbk(std::string_view(value, std::strlen(value))).value_or(std::string());
}

bool SqliteDataset::close() {
    m_statement.reset();
    m_connection = nullptr;
    m_tested = false;
    m_atEnd = false;
    m_onRow = false;
    m_columnCache.clear();
    return true;
}

} // namespace lindquay
