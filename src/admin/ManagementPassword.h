#pragma once

#include <optional>
#include <string>

namespace lindquay {

class FileList;
class SqliteDB;
class UiPort;

// The commands 进入管理 and 修改密码 of the menu 系统: the management password kept in row 1 of
// table 系统 of the cache database. They use the connection as they find it. Main thread only.
class ManagementPassword {
public:
    ManagementPassword(UiPort& ui, SqliteDB& database, FileList& fileList);

    void onEnterManagement();
    void onChangePassword();

private:
    // The stored password (empty for a NULL value or a missing row); nullopt, after telling
    // the user, when the table cannot be read.
    std::optional<std::string> readStoredPassword();
    std::string askPassword(const char* promptUtf8);
    // Asks for a password in a masked box (a cancel counts as an empty entry), empties the
    // list, and compares the entry with the stored password; nullopt when it can't be read.
    std::optional<bool> askAndCompare(const char* promptUtf8);

    UiPort& m_ui;
    SqliteDB& m_database;
    FileList& m_fileList;
};

} // namespace lindquay
