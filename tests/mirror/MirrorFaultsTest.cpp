// The mirror workers when the file system fails them: a full disk, a folder where a
// placeholder should go, a folder nobody may write to. The worker goes on, gives 按钮1 back,
// and touches nothing it should not.
#include "mirror/MirrorWorkers.h"

#include "ReadOnlyFolder.h"
#include "ScriptedUi.h"
#include "TempFolder.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

namespace fs = std::filesystem;

class MirrorFaultsTest : public testing::Test {
protected:
    fs::path root() const { return folder.path() / "网盘本地镜像"; }
    MirrorWorkers workersOn(const fs::path& mirrorRoot) {
        return MirrorWorkers(ui, utf8ToGbk(mirrorRoot.string()).value());
    }

    test::TempFolder folder;
    test::ScriptedUi ui;
};

TEST_F(MirrorFaultsTest, AFullFileSystemLeavesAPartialMirrorAndTheWorkerFinishes) {
    const test::SmallFileSystem small(root(), "256k", 64);
    if (!small.usable()) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    std::vector<std::vector<std::string>> rows;
    for (int f = 0; f < 20; ++f) {
        rows.push_back({"\\", "d" + std::to_string(f), "0"});
        for (int i = 0; i < 20; ++i) {
            rows.push_back({"\\d" + std::to_string(f) + "\\", "file" + std::to_string(i), "1"});
        }
    }
    ui.setRows(rows);
    MirrorWorkers workers = workersOn(root());
    workers.onMirrorButtonClicked();

    EXPECT_TRUE(ui.isEnabled(controls::kMirrorButton));
    EXPECT_EQ(ui.caption(controls::kMirrorProgress), "420/420");
    std::size_t made = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
        ++made;
        if (entry.is_regular_file()) {
            EXPECT_EQ(entry.file_size(), 0u);
        }
    }
    EXPECT_GT(made, 0u);
    EXPECT_LT(made, 420u) << "the file system ran out of room";
}

TEST_F(MirrorFaultsTest, AFolderWherePlaceholderGoesIsLeftAsItIs) {
    test::writeFile(root() / "taken" / "inside.txt", "data");
    ui.setRows({{"\\", "taken", "10"}, {"\\", "after", "1"}});
    MirrorWorkers workers = workersOn(root());
    workers.onMirrorButtonClicked();
    EXPECT_TRUE(fs::is_directory(root() / "taken"));
    EXPECT_EQ(test::readFile(root() / "taken" / "inside.txt"), "data");
    EXPECT_TRUE(fs::is_regular_file(root() / "after")) << "the next row is still made";
}

TEST_F(MirrorFaultsTest, AReadOnlyFolderInsideTheMirrorIsSkippedAndTheRestIsMade) {
    const test::ReadOnlyFolder readOnly(root() / "locked", [](const fs::path& locked) {
        test::writeFile(locked / "old.txt", "keep");
    });
    if (!readOnly.usable()) {
        GTEST_SKIP() << "no read-only folder can be made here";
    }
    ui.setRows({{"\\locked\\", "new.txt", "1"},
                {"\\locked\\", "old.txt", "1"},
                {"\\locked\\", "sub", "0"},
                {"\\open\\", "ok.txt", "1"}});
    MirrorWorkers workers = workersOn(root());
    workers.onMirrorButtonClicked();
    workers.onPlaceholderButtonClicked();

    EXPECT_FALSE(fs::exists(root() / "locked" / "new.txt"));
    EXPECT_FALSE(fs::exists(root() / "locked" / "sub"));
    EXPECT_EQ(test::readFile(root() / "locked" / "old.txt"), "keep")
        << "not cut: it can't be opened";
    EXPECT_TRUE(fs::is_regular_file(root() / "open" / "ok.txt"));
    EXPECT_TRUE(ui.isEnabled(controls::kMirrorButton));
}

} // namespace
} // namespace lindquay
