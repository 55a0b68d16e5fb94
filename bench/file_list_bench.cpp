// The file list's load of a large cache database against its floor.
//
//   floor:  step "select * from cache_file order by ID Asc" and keep the three columns as
//           GBK texts, nothing else;
//   empty:  the program's window, shown, with no rows (what the window itself costs);
//   load:   the click on 按钮4 in the real window (offscreen): open, load into the model with
//           its event passes, up to the report box.
//
// usage: bench_file_list [entries=1000000] [runs=5]
#include "ChildMeasure.h"
#include "OffscreenApplication.h"
#include "SampleCache.h"
#include "app/Program.h"
#include "text/Encoding.h"
#include "ui/qt/MainWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using namespace lindquay;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bench::Figures measureFloor(const std::string& databaseFile) {
    const auto start = Clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(databaseFile.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select * from cache_file order by ID Asc", -1, &statement, nullptr);
    std::array<int, 3> columns{};
    const char* names[] = {"parent_path", "server_filename", "file_size"};
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
        for (int c = 0; c < 3; ++c) {
            if (sqlite3_stricmp(sqlite3_column_name(statement, i), names[c]) == 0) {
                columns[static_cast<std::size_t>(c)] = i;
            }
        }
    }
    std::vector<std::array<std::string, 3>> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::array<std::string, 3>& row = rows.emplace_back();
        for (std::size_t c = 0; c < 3; ++c) {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, columns[c]));
            row[c] = text != nullptr ? utf8ToGbk(text).value_or(std::string()) : std::string();
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return {{"seconds", secondsSince(start)}, {"rows", static_cast<double>(rows.size())}};
}

bench::Figures measureWindow(const std::filesystem::path& runDirectory, bool load) {
    const bench::OffscreenApplication application;
    std::filesystem::current_path(runDirectory);
    Program program(
        {utf8ToGbk(runDirectory.string()).value(), [](int code) { std::_Exit(code); }, ""});
    program.start();
    MainWindow* window = program.mainWindow();
    if (!load) {
        QApplication::processEvents();
        return {{"seconds", 0}};
    }

    // A timer that should fire every 5 ms: the longest gap between two of its firings is how
    // long the window left input unanswered during the load.
    QElapsedTimer sinceLastTick;
    double longestGapMs = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs =
            std::max(longestGapMs, static_cast<double>(sinceLastTick.nsecsElapsed()) / 1e6);
        sinceLastTick.restart();
        ++ticks;
    });

    auto* list = window->findChild<QTableView*>(QStringLiteral("超级列表框_员工信息"));
    double firstRowsSeconds = -1;
    double seconds = 0;
    int rows = 0;
    const auto start = Clock::now();
    QTimer boxWatcher;
    boxWatcher.setInterval(1);
    QObject::connect(&boxWatcher, &QTimer::timeout, [&] {
        if (firstRowsSeconds < 0 && list->model()->rowCount() > 0) {
            firstRowsSeconds = secondsSince(start);
        }
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seconds = secondsSince(start);
            rows = list->model()->rowCount();
            ticker.stop();
            boxWatcher.stop();
            box->accept();
        }
    });
    ticker.start();
    boxWatcher.start();
    sinceLastTick.start();
    window->findChild<QPushButton*>(QStringLiteral("按钮4"))->click();
    return {{"seconds", seconds},
            {"rows", static_cast<double>(rows)},
            {"first_rows_after_s", firstRowsSeconds},
            {"longest_input_gap_ms", longestGapMs},
            {"timer_ticks", static_cast<double>(ticks)}};
}

} // namespace

int main(int argc, char* argv[]) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;

    const std::filesystem::path runDirectory =
        std::filesystem::temp_directory_path() / ("lindquay-bench-list-" + std::to_string(entries));
    std::filesystem::create_directories(runDirectory);
    const std::string databaseFile = (runDirectory / "BaiduYunCacheFileV0.db").string();
    if (!std::filesystem::exists(databaseFile)) {
        // Written by a child, so that this process stays small: children inherit its pages.
        const bench::Figures written = bench::measureInChild([&] {
            sample::TreeShape shape;
            shape.entries = entries;
            const auto error =
                sample::writeCacheDatabase(databaseFile, sample::generateTree(shape));
            return bench::Figures{{"ok", error ? 0.0 : 1.0}};
        });
        if (written.count("ok") == 0 || written.at("ok") != 1.0) {
            std::fprintf(stderr, "cannot write %s\n", databaseFile.c_str());
            return 1;
        }
    }
    std::printf("file list load, %d entries, %s\n", entries, databaseFile.c_str());

    std::vector<bench::Figures> floor, empty, load;
    for (int run = 0; run < runs; ++run) {
        floor.push_back(bench::measureInChild([&] { return measureFloor(databaseFile); }));
        empty.push_back(bench::measureInChild([&] { return measureWindow(runDirectory, false); }));
        load.push_back(bench::measureInChild([&] { return measureWindow(runDirectory, true); }));
    }
    bench::printMedians({{"floor (step + copy as GBK)", floor},
                         {"window without rows", empty},
                         {"load in the real window", load}});
    return 0;
}
