#include "platform/RunDirectory.h"

#include "TempFolder.h"
#include "platform/FileSystem.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

TEST(RunDirectoryTest, FolderOfPathCutsAtTheLastSeparator) {
    EXPECT_EQ(folderOfPath("/opt/lindquay/bin/lindquay"), "/opt/lindquay/bin");
    EXPECT_EQ(folderOfPath("D:\\Tools\\lindquay.exe"), "D:\\Tools");
    EXPECT_EQ(folderOfPath("D:\\\xD4\x5C"
                           "x.exe"),
              "D:");
    EXPECT_EQ(folderOfPath("lindquay"), "");
}

TEST(RunDirectoryTest, ProgramFolderIsTheTestBinarysFolder) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(programFolder(), utf8ToGbk(self.parent_path().string()).value());
}

TEST(RunDirectoryTest, SetCurrentDirectoryAcceptsGbkNames) {
    test::TempFolder folder;
    const std::filesystem::path before = std::filesystem::current_path();
    const std::string chinese = folder.programPath("运行 目录&'");
    ASSERT_TRUE(createFolder(chinese));
    EXPECT_TRUE(setCurrentDirectory(chinese));
    EXPECT_EQ(std::filesystem::current_path(), folder.path() / "运行 目录&'");
    EXPECT_FALSE(setCurrentDirectory(folder.programPath("missing")));
    std::filesystem::current_path(before);
}

} // namespace
} // namespace lindquay
