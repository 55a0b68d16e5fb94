#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace lindquay {

class SqliteDB;
class UiPort;

// The file list: every entry of the cache database's table cache_file as a row of the main
// window's report list. Main thread only.
class FileList {
public:
    using EndProgram = std::function<void(int exitCode)>;

    // `endProgram` ends the process and does not return in the program; a test's may return.
    // `eventSlice` is how long rows are read before they are shown and events are processed.
    FileList(UiPort& ui, SqliteDB& database, std::string databasePath, EndProgram endProgram,
             std::chrono::milliseconds eventSlice = std::chrono::milliseconds(15));

    // The click on 按钮4 and the menu command 刷新信息.
    void onReadButtonClicked();
    void onRefreshCommand();

    // Leaves the connection open; when the cache file cannot be opened it tells the user and
    // ends the program, answering false if ending returns.
    bool openCacheDatabase();
    // Rebuilds the list from cache_file and reports. Expects an open connection: without one
    // it reports that the records could not be opened.
    void loadFileList();

private:
    UiPort& m_ui;
    SqliteDB& m_database;
    std::string m_databasePath;
    EndProgram m_endProgram;
    std::chrono::milliseconds m_eventSlice;
};

// The cache database's full name in the run directory.
std::string cacheDatabasePath(std::string_view runDirectory);

} // namespace lindquay
