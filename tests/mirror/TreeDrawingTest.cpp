#include "mirror/TreeDrawing.h"

#include "TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

namespace fs = std::filesystem;

std::string draw(const fs::path& folder, const std::string& shown) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    drawTree(folder.string(), shown, out);
    std::fclose(out);
    std::string drawing(text, size);
    std::free(text);
    return drawing;
}

TEST(TreeDrawingTest, DrawsFilesThenFoldersInNameOrder) {
    test::TempFolder folder;
    const fs::path root = folder.path() / "网盘本地镜像";
    test::writeFile(root / "b.txt", "");
    test::writeFile(root / "a.txt", "");
    test::writeFile(root / "docs" / "readme.md", "");
    fs::create_directories(root / "docs" / "old");
    test::writeFile(root / "照片" / "合影.jpg", "");
    fs::create_symlink("/", root / "link");

    EXPECT_EQ(draw(root, "/run/网盘本地镜像"), "文件夹 PATH 列表\n"
                                               "/run/网盘本地镜像\n"
                                               "│  a.txt\n"
                                               "│  b.txt\n"
                                               "│  link\n"
                                               "│  \n"
                                               "├─docs\n"
                                               "│  │  readme.md\n"
                                               "│  │  \n"
                                               "│  └─old\n"
                                               "└─照片\n"
                                               "        合影.jpg\n"
                                               "        \n");
}

TEST(TreeDrawingTest, EmptyAndMissingFolders) {
    test::TempFolder folder;
    EXPECT_EQ(draw(folder.path(), "X"), "文件夹 PATH 列表\nX\n");
    EXPECT_EQ(draw(folder.path() / "missing", "M"), "文件夹 PATH 列表\nM\n无效的路径 - M\n");
}

} // namespace
} // namespace lindquay
