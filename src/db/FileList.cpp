#include "db/FileList.h"

#include "db/SqliteDB.h"
#include "text/DoubleByteText.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxStyle.h"
#include "ui/UiPort.h"

#include <vector>

namespace lindquay {

namespace {

// Rows read since the last event pass, numbered as they reach the list.
class PendingRows {
public:
    void add(std::string parentPath, std::string name, std::string size) {
        m_rows.push_back({std::string(), std::move(parentPath), std::move(name), std::move(size)});
    }

    // Nothing else writes the list between reading its count and appending (both run on the
    // main thread without an event pass in between), so the numbers follow on from the rows
    // that are there, also after another load ran in an event pass.
    void flushTo(UiPort& ui) {
        if (m_rows.empty()) {
            return;
        }
        const int first = ui.rowCount();
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            m_rows[i][0] = numberToText(first + static_cast<std::int64_t>(i) + 1);
        }
        ui.appendRows(std::move(m_rows));
        m_rows.clear();
    }

private:
    std::vector<ListRow> m_rows;
};

} // namespace

std::string cacheDatabasePath(std::string_view runDirectory) {
    return std::string(runDirectory) + "\\BaiduYunCacheFileV0.db";
}

FileList::FileList(UiPort& ui, SqliteDB& database, std::string databasePath, EndProgram endProgram,
                   std::chrono::milliseconds eventSlice)
    : m_ui(ui), m_database(database), m_databasePath(std::move(databasePath)),
      m_endProgram(std::move(endProgram)), m_eventSlice(eventSlice) {}

void FileList::onReadButtonClicked() {
    m_ui.setCaption(controls::kReadButton, gbk("读取中..."));
    if (openCacheDatabase()) {
        loadFileList();
    }
}

void FileList::onRefreshCommand() {
    if (openCacheDatabase()) {
        loadFileList();
    }
}

bool FileList::openCacheDatabase() {
    m_ui.setEnabled(controls::kReadButton, false);
    if (m_database.isOpen() || m_database.open(m_databasePath, false)) {
        return true;
    }
    m_ui.setEnabled(controls::kReadButton, true);
    m_ui.messageBox(gbk("数据库打开失败！"), MessageBoxStyle::kStop, gbk("提示"));
    m_endProgram(0);
    return false;
}

void FileList::loadFileList() {
    using Clock = std::chrono::steady_clock;

    m_ui.clearRows();
    SqliteDataset cursor = m_database.query("select * from cache_file order by ID Asc");
    if (!cursor.isOpen()) {
        m_ui.messageBox(gbk("记录集没打开！"), MessageBoxStyle::kStop, gbk("提示"));
        return;
    }

    // Rows are shown and events processed once per slice rather than after every row: an
    // event pass repaints the view, which would cost far more than reading the row.
    PendingRows pending;
    Clock::time_point sliceEnd = Clock::now() + m_eventSlice;
    bool stepFailed = false;
    cursor.next();
    while (!cursor.isEnd()) {
        std::string parentPath = cursor.readText("parent_path");
        std::string name = cursor.readText("server_filename");
        std::string size = cursor.readText("file_size");
        pending.add(std::move(parentPath), std::move(name), std::move(size));
        if (!cursor.next() && !cursor.isEnd()) {
            // Another step would start over from the first row; end the walk here.
            stepFailed = true;
            break;
        }
        if (Clock::now() >= sliceEnd) {
            pending.flushTo(m_ui);
            m_ui.processEvents();
            sliceEnd = Clock::now() + m_eventSlice;
        }
    }
    pending.flushTo(m_ui);
    const std::string stepError = stepFailed ? m_database.errorText() : std::string();

    m_ui.setStatusText(1, numberToText(m_ui.rowCount()));
    cursor.close();
    m_ui.setCaption(controls::kReadButton, gbk("读取百度云数据库"));
    if (stepFailed) {
        m_ui.messageBox(gbk("读取中断！错误内容提示") + stepError, MessageBoxStyle::kStop,
                        gbk("提示"));
    } else {
        m_ui.messageBox(gbk("读取完毕可以其他操作！"), MessageBoxStyle::kNote);
    }
    m_ui.setEnabled(controls::kTreeButton, true);
    m_ui.setEnabled(controls::kMirrorButton, true);
}

} // namespace lindquay
