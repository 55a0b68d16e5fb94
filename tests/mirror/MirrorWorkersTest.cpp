#include "mirror/MirrorWorkers.h"

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "ui/ControlNames.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace lindquay {
namespace {

namespace fs = std::filesystem;
using Entries = std::set<std::string>;

class MirrorWorkersTest : public testing::Test {
protected:
    MirrorWorkersTest() {
        fs::create_directories(root());
        // Something outside the mirror that hostile rows aim at.
        test::writeFile(folder.path() / "outside.txt", "keep me");
        test::writeFile(folder.path() / "run" / "BaiduYunCacheFileV0.db", "db");
    }

    fs::path root() const { return folder.path() / "run" / "网盘本地镜像"; }
    Entries tree(const fs::path& top) const {
        Entries entries;
        for (const auto& entry : fs::recursive_directory_iterator(top)) {
            entries.insert(fs::relative(entry.path(), top).string() +
                           (entry.is_directory() ? "/" : ""));
        }
        return entries;
    }

    static Entries outsideTheMirror(Entries entries) {
        std::erase_if(entries,
                      [](const std::string& e) { return e.starts_with("run/网盘本地镜像/"); });
        return entries;
    }

    test::TempFolder folder;
    test::ScriptedUi ui;
    MirrorWorkers workers{ui, folder.programPath("run/网盘本地镜像")};
};

// parent_path, server_filename, file_size
const std::vector<std::vector<std::string>> kRows = {
    {"\\", "docs", "0"},
    {"\\docs\\", "old", "0"},
    {"\\docs\\", "a.txt", "1024"},
    {"\\docs", "b.txt", "5"},            // no trailing separator: runs into the name
    {"\\照片\\2024\\", "合影.jpg", "7"}, // parent folders not listed before
    {"\\", "empty-size", ""},            // an empty size is a file
    {"\\", "double-zero", "00"},         // so is "00"
    {"\\\\", "twice", "0"},              // a doubled separator right after the root
    {"\\..\\..\\", "outside.txt", "1"},
    {"..\\", "escape", "0"},
    {"\\a\\..\\..\\", "b", "1"},
    {"\\x/../../", "outside.txt", "1"},
    {"\\", "../outside.txt", "1"},
    {"\\..", "x", "1"},
};

TEST_F(MirrorWorkersTest, MirrorTreeBuildsEveryFolderAndPlaceholderInsideTheRootOnly) {
    ui.setRows(kRows);
    const Entries before = outsideTheMirror(tree(folder.path()));
    workers.onMirrorButtonClicked();

    EXPECT_EQ(tree(root()),
              (Entries{"docs/", "docs/old/", "docs/a.txt", "docsb.txt", "照片/", "照片/2024/",
                       "照片/2024/合影.jpg", "empty-size", "double-zero", "twice/"}));
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
        if (entry.is_regular_file()) {
            EXPECT_EQ(entry.file_size(), 0u) << entry.path();
        }
    }
    EXPECT_EQ(test::readFile(folder.path() / "outside.txt"), "keep me");
    EXPECT_EQ(outsideTheMirror(tree(folder.path())), before)
        << "nothing made outside the mirror root";

    const std::vector<std::string> log = ui.log();
    ASSERT_EQ(log.size(), 2u + kRows.size() + 1);
    EXPECT_EQ(log[0], "disable 按钮1");
    EXPECT_EQ(log[1], "start worker");
    EXPECT_EQ(log[2 + 2], "caption 标签2: 3/14");
    EXPECT_EQ(log.back(), "enable 按钮1");
    EXPECT_EQ(ui.caption(controls::kMirrorProgress), "14/14");
}

TEST_F(MirrorWorkersTest, PlaceholdersSkipFolderRowsAndMakeOnlyWhatFilesNeed) {
    ui.setRows(kRows);
    test::writeFile(root() / "docs" / "a.txt", "content");
    workers.onPlaceholderButtonClicked();

    // R + P doubles the separator after the root, so a file whose folder is missing gets no
    // placeholder: only files in folders that exist do.
    EXPECT_EQ(tree(root()),
              (Entries{"docs/", "docs/a.txt", "docsb.txt", "empty-size", "double-zero"}));
    EXPECT_EQ(fs::file_size(root() / "docs" / "a.txt"), 0u) << "cut to 0 bytes";
    EXPECT_EQ(test::readFile(folder.path() / "outside.txt"), "keep me");
    EXPECT_EQ(ui.caption(controls::kPlaceholderProgress), "14/14");
    EXPECT_EQ(ui.log().front(), "start worker") << "no button changes";
    EXPECT_EQ(ui.log().back(), "caption 标签3: 14/14");
}

TEST_F(MirrorWorkersTest, PlaceholdersFollowOnceTheMirrorTreeMadeTheirFolders) {
    ui.setRows({{"\\照片\\", "x.jpg", "1"}});
    workers.onPlaceholderButtonClicked();
    EXPECT_TRUE(tree(root()).empty());
    workers.onMirrorButtonClicked();
    EXPECT_EQ(tree(root()), (Entries{"照片/", "照片/x.jpg"}));
    fs::remove(root() / "照片" / "x.jpg");
    workers.onPlaceholderButtonClicked();
    EXPECT_TRUE(fs::exists(root() / "照片" / "x.jpg"));
}

TEST_F(MirrorWorkersTest, AListEmptiedWhileTheWorkerRunsEndsItsWorkAndGivesTheButtonBack) {
    ui.setRows(kRows);
    ui.onCaption = [this](Control, const std::string& text) {
        if (text == "2/14") {
            ui.clearRows(); // a reload starts while the worker is at its second row
        }
    };
    workers.onMirrorButtonClicked();

    EXPECT_EQ(tree(root()), (Entries{"docs/"})) << "rows past the list's end make nothing";
    EXPECT_EQ(ui.caption(controls::kMirrorProgress), "14/0");
    EXPECT_TRUE(ui.isEnabled(controls::kMirrorButton));
}

TEST_F(MirrorWorkersTest, AnEmptyListGivesTheButtonBackAtOnce) {
    workers.onMirrorButtonClicked();
    EXPECT_EQ(ui.log(),
              (std::vector<std::string>{"disable 按钮1", "start worker", "enable 按钮1"}));
}

} // namespace
} // namespace lindquay
