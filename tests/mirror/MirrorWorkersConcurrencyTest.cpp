#include "mirror/MirrorWorkers.h"

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "ui/ControlNames.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace lindquay {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> listOf(const std::string& tag, int folders, int filesEach) {
    std::vector<std::vector<std::string>> rows;
    for (int f = 0; f < folders; ++f) {
        const std::string folder = tag + std::to_string(f);
        rows.push_back({"\\", folder, "0"});
        for (int i = 0; i < filesEach; ++i) {
            rows.push_back({"\\" + folder + "\\", "f" + std::to_string(i), "1"});
        }
        rows.push_back({"\\..\\", "escape" + std::to_string(f), "1"});
    }
    return rows;
}

// Workers read the list on their own threads while the main thread reloads it twice.
TEST(MirrorWorkersConcurrentTest, WorkersBesideListReloadsStayInsideTheRootAndFinish) {
    test::TempFolder folder;
    fs::create_directories(folder.path() / "run" / "网盘本地镜像");
    test::ScriptedUi ui;
    ui.holdWorkers = true;
    MirrorWorkers workers(ui, folder.programPath("run/网盘本地镜像"));
    ui.setRows(listOf("a", 40, 25));
    workers.onMirrorButtonClicked();
    workers.onPlaceholderButtonClicked();
    ASSERT_EQ(ui.heldWorkers.size(), 2u);

    std::vector<std::thread> threads;
    for (auto& routine : ui.heldWorkers) {
        threads.emplace_back(routine);
    }
    for (const char* tag : {"b", "c"}) {
        ui.clearRows();
        ui.setRows(listOf(tag, 30, 20));
    }
    for (std::thread& thread : threads) {
        thread.join();
    }

    EXPECT_TRUE(ui.isEnabled(controls::kMirrorButton));
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string relative = fs::relative(entry.path(), folder.path()).string();
        EXPECT_TRUE(relative.starts_with("run")) << relative;
        EXPECT_EQ(relative.find("escape"), std::string::npos) << relative;
    }
    // Every folder of the last list that a worker reached holds only names of some list.
    for (const auto& entry : fs::directory_iterator(folder.path() / "run" / "网盘本地镜像")) {
        const char tag = entry.path().filename().string().front();
        EXPECT_TRUE(tag == 'a' || tag == 'b' || tag == 'c') << entry.path();
    }
}

} // namespace
} // namespace lindquay
