#include "mirror/TreeExport.h"

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "text/Encoding.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace lindquay {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

// Waits for the started program to finish writing: the drawing ends with the file's name.
std::string waitForDrawing(const fs::path& file, const std::string& lastLine) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
        text = test::readFile(file);
        if (text.ends_with(lastLine)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return text;
}

TEST(TreeExportTest, StartsTheTreeProgramWithoutAShellEvenForAnAwkwardRunDirectory) {
    test::TempFolder folder;
    const fs::path run = folder.path() / "运行 & 'q\" ; $(x)";
    test::writeFile(run / "网盘本地镜像" / "docs" / "a.txt", "");
    test::ScriptedUi ui;
    TreeExport exporter(ui, utf8ToGbk(run.string()).value(), LINDQUAY_TREE_PROGRAM);

    exporter.onTreeButtonClicked();
    EXPECT_EQ(ui.log(), (Log{"box 提示 0: 注意：创建目录树文本前请确保【网盘本地镜像】目录中有文件",
                             "box 提示 0: 生成目录树成功-文件在软件根目录下"}));
    EXPECT_EQ(waitForDrawing(run / "目录树.txt", "a.txt\n        \n"),
              "文件夹 PATH 列表\n" + (run / "网盘本地镜像").string() +
                  "\n└─docs\n        a.txt\n        \n");
    EXPECT_EQ(fs::directory_iterator(folder.path())->path(), run) << "no stray file from a shell";
}

TEST(TreeExportTest, AProgramThatCannotStartGivesOnlyTheFirstMessage) {
    test::TempFolder folder;
    test::ScriptedUi ui;
    TreeExport exporter(ui, folder.programPath(), folder.hostPath("no-such-program"));
    exporter.onTreeButtonClicked();
    EXPECT_EQ(ui.log(),
              (Log{"box 提示 0: 注意：创建目录树文本前请确保【网盘本地镜像】目录中有文件"}));
}

} // namespace
} // namespace lindquay
