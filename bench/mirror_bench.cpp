// The mirror workers and the tree drawing against their floors, on the disk and on tmpfs.
//
//   floor:            a bare loop: one mkdir per folder (the generated order lists a folder
//                     before its contents), one open + close per file;
//   createMirrorTree: the click on 按钮1 in the real window (offscreen) with the list loaded,
//                     the progress label live, until the worker gives 按钮1 back;
//   lindquay-tree and `tree -a`: drawing the finished mirror into a file.
// Every run starts from an empty folder.
//
// usage: bench_mirror <lindquay-tree> [entries=1000000] [runs=3] [folders...]
#include "ChildMeasure.h"
#include "OffscreenApplication.h"
#include "SampleCache.h"
#include "mirror/MirrorWorkers.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtUi.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace lindquay;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<sample::CacheEntry> entriesOf(int count) {
    sample::TreeShape shape;
    shape.entries = count;
    return sample::generateTree(shape);
}

bench::Figures measureFloor(const fs::path& root, int count) {
    const std::vector<sample::CacheEntry> entries = entriesOf(count);
    const auto start = Clock::now();
    const std::string prefix = root.string();
    std::string path;
    for (const sample::CacheEntry& entry : entries) {
        path = prefix;
        path += entry.parentPath;
        path += entry.serverFilename;
        std::replace(path.begin() + static_cast<std::ptrdiff_t>(prefix.size()), path.end(), '\\',
                     '/');
        if (entry.isFolder) {
            mkdir(path.c_str(), 0777);
        } else {
            const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
            if (file >= 0) {
                close(file);
            }
        }
    }
    return {{"seconds", secondsSince(start)}};
}

bench::Figures measureMirrorTree(const fs::path& root, int count) {
    const std::vector<sample::CacheEntry> entries = entriesOf(count);
    const bench::OffscreenApplication application;

    QtUi ui;
    ui.bindWindow(WindowId::Main, {[&ui] { return new MainWindow(ui.listModel()); }, {}});
    ui.loadWindow(WindowId::Main);
    std::vector<ListRow> rows;
    rows.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const sample::CacheEntry& entry = entries[i];
        rows.push_back({std::to_string(i + 1), utf8ToGbk(entry.parentPath).value(),
                        utf8ToGbk(entry.serverFilename).value(),
                        entry.isFolder ? "0" : std::to_string(entry.fileSize)});
    }
    ui.appendRows(std::move(rows));
    QApplication::processEvents();

    MirrorWorkers workers(ui, utf8ToGbk(root.string()).value());
    auto* button = ui.window(WindowId::Main)->findChild<QPushButton*>(QStringLiteral("按钮1"));
    QObject::connect(button, &QPushButton::clicked, [&] { workers.onMirrorButtonClicked(); });
    button->setEnabled(true);
    const auto start = Clock::now();
    button->click();
    int passes = 0;
    while (!button->isEnabled()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ++passes;
    }
    return {{"seconds", secondsSince(start)}, {"event_passes", static_cast<double>(passes)}};
}

bench::Figures measureCommand(const std::string& command) {
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    return {{"seconds", secondsSince(start)}, {"status", static_cast<double>(status)}};
}

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

void fresh(const fs::path& root) {
    fs::remove_all(root);
    fs::create_directories(root);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <lindquay-tree> [entries] [runs] [folders...]\n", argv[0]);
        return 2;
    }
    const std::string treeProgram = argv[1];
    const int count = argc > 2 ? std::atoi(argv[2]) : 1'000'000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    std::vector<fs::path> bases;
    for (int i = 4; i < argc; ++i) {
        bases.emplace_back(argv[i]);
    }
    if (bases.empty()) {
        bases = {fs::temp_directory_path() / "lindquay-bench-mirror",
                 "/dev/shm/lindquay-bench-mirror"};
    }

    for (const fs::path& base : bases) {
        const fs::path root = base / "网盘本地镜像";
        const std::string listing = (base / "listing.txt").string();
        std::vector<bench::Figures> floor, mirror, ours, theirs;
        for (int run = 0; run < runs; ++run) {
            fresh(root);
            floor.push_back(bench::measureInChild([&] { return measureFloor(root, count); }));
            fresh(root);
            mirror.push_back(bench::measureInChild([&] { return measureMirrorTree(root, count); }));
            ours.push_back(measureCommand(quoted(treeProgram) + " " + quoted(root.string()) +
                                          " > " + quoted(listing)));
            theirs.push_back(
                measureCommand("tree -a " + quoted(root.string()) + " > " + quoted(listing)));
        }
        fs::remove_all(base);
        std::printf("mirror of %d entries in %s\n", count, base.c_str());
        bench::printMedians({{"floor (mkdir, open+close)", floor},
                             {"createMirrorTree", mirror},
                             {"lindquay-tree", ours},
                             {"tree -a", theirs}});
    }
    return 0;
}
