#include "mirror/FolderRoutines.h"

#include "TempFolder.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

namespace fs = std::filesystem;

class FolderRoutinesTest : public testing::Test {
protected:
    FolderRoutinesTest() { fs::create_directory(root()); }

    fs::path root() const { return folder.path() / "网盘本地镜像"; }
    // The mirror root as the routines see it, with more path after it (UTF-8 in, GBK out).
    std::string under(const std::string& rest) const {
        return folder.programPath("网盘本地镜像") + gbk(rest);
    }
    // Every entry below the root, "/"-separated, folders with a trailing "/".
    std::set<std::string> tree() const {
        std::set<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(root())) {
            entries.insert(fs::relative(entry.path(), root()).string() +
                           (entry.is_directory() ? "/" : ""));
        }
        return entries;
    }

    test::TempFolder folder;
    const std::string tooLong = std::string(300, 'c'); // the file system refuses such a name
};

TEST_F(FolderRoutinesTest, ParentFolderOfKeepsTheLastBackslash) {
    EXPECT_EQ(parentFolderOf("a\\b\\c.txt"), "a\\b\\");
    EXPECT_EQ(parentFolderOf("c.txt"), "");
    EXPECT_EQ(parentFolderOf("a\\b\\"), "a\\b\\");
    EXPECT_EQ(parentFolderOf("a\\\xD4\x5C"), "a\\") << "0xD4 0x5C is one character";
}

TEST_F(FolderRoutinesTest, EnsureFolderPathReportsAndRewritesTheText) {
    struct Case {
        const char* what;
        std::string path;
        std::int32_t result;
        std::string textAfter;
        std::set<std::string> treeAfter;
    };
    const std::string r = under("");
    const Case cases[] = {
        {"empty", "", -1, "", {}},
        {"blanks", gbk("  　 "), -1, gbk("  　 "), {}},
        {"existing with separator", r + "\\", 0, r + "\\", {}},
        {"existing without separator", r, 0, r + "\\", {}},
        {"two missing levels", under("\\a\\b\\"), 1, under("\\a\\b\\"), {"a/", "a/b/"}},
        {"chinese levels", under("\\文档\\旧"), 1, under("\\文档\\旧\\"), {"文档/", "文档/旧/"}},
        {"doubled separator", under("\\\\apps\\x"), -1, under("\\\\apps\\x"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root());
        fs::create_directory(root());
        std::string path = c.path;
        EXPECT_EQ(ensureFolderPath(path), c.result);
        EXPECT_EQ(path, c.textAfter);
        EXPECT_EQ(tree(), c.treeAfter);
    }
}

TEST_F(FolderRoutinesTest, EnsureFolderPathRemovesOnlyWhatItCreated) {
    // a and b are made, c is refused: a goes again, with b inside.
    std::string path = under("\\a\\b\\" + tooLong);
    EXPECT_EQ(ensureFolderPath(path), -1);
    EXPECT_EQ(path, under("\\a\\b\\" + tooLong));
    EXPECT_TRUE(tree().empty());

    // a existed (with a file in it): nothing the call did not make is removed.
    test::writeFile(root() / "a" / "keep.txt", "data");
    path = under("\\a\\b\\" + tooLong);
    EXPECT_EQ(ensureFolderPath(path), -1);
    EXPECT_EQ(tree(), (std::set<std::string>{"a/", "a/keep.txt"}));

    // The first level fails: nothing to remove.
    path = under("\\" + tooLong + "\\x\\");
    EXPECT_EQ(ensureFolderPath(path), -1);
    EXPECT_EQ(path, under("\\" + tooLong + "\\x")) << "the trailing separator stays removed";

    // A level that is a file counts as missing, and making it fails.
    path = under("\\a\\keep.txt\\y");
    EXPECT_EQ(ensureFolderPath(path), -1);
    EXPECT_EQ(tree(), (std::set<std::string>{"a/", "a/keep.txt"}));
}

TEST_F(FolderRoutinesTest, EnsureFolderPathWithoutBackslashMakesNothing) {
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    std::string path = "Q";
    EXPECT_EQ(ensureFolderPath(path), 1);
    EXPECT_EQ(path, "Q\\");
    EXPECT_FALSE(fs::exists(folder.path() / "Q"));
    fs::current_path(before);
}

TEST_F(FolderRoutinesTest, CreateSizedFileMakesCutsAndRefuses) {
    test::writeFile(root() / "full.txt", "some data");
    EXPECT_EQ(createSizedFile(under("\\full.txt"), 0), 1);
    EXPECT_EQ(fs::file_size(root() / "full.txt"), 0u);

    EXPECT_EQ(createSizedFile(under("\\新\\文件夹\\报告.pdf"), 0), 1) << "folders made first";
    EXPECT_EQ(fs::file_size(root() / "新" / "文件夹" / "报告.pdf"), 0u);

    EXPECT_EQ(createSizedFile(under("\\sized.bin"), 5), 1);
    EXPECT_EQ(fs::file_size(root() / "sized.bin"), 5u);

    fs::create_directory(root() / "dir");
    test::writeFile(root() / "dir" / "inside", "x");
    EXPECT_EQ(createSizedFile(under("\\dir"), 0), -1);
    EXPECT_TRUE(fs::is_directory(root() / "dir"));
    EXPECT_EQ(test::readFile(root() / "dir" / "inside"), "x");

    EXPECT_EQ(createSizedFile(under("\\" + tooLong + "\\f"), 0), -1);
}

} // namespace
} // namespace lindquay
