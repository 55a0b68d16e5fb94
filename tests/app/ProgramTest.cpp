#include "app/Program.h"

#include "ModalAnswerer.h"
#include "SampleCache.h"
#include "TempFolder.h"
#include "WaitUntil.h"
#include "ui/qt/MainWindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <set>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

using test::ModalAnswerer;

class ProgramTest : public testing::Test {
protected:
    ProgramTest() { std::filesystem::current_path(runDirectory.path()); }
    ~ProgramTest() override { std::filesystem::current_path(startedIn); }

    MainWindow& window() {
        MainWindow* main = program.mainWindow();
        EXPECT_NE(main, nullptr);
        return *main;
    }
    template <typename Widget> Widget* control(const char* name) {
        return window().findChild<Widget*>(QString::fromUtf8(name));
    }
    void writeSampleCache(int entries) {
        sample::TreeShape shape;
        shape.entries = entries;
        ASSERT_FALSE(sample::writeCacheDatabase(runDirectory.hostPath("BaiduYunCacheFileV0.db"),
                                                sample::generateTree(shape)));
    }

    std::filesystem::path startedIn = std::filesystem::current_path();
    test::TempFolder runDirectory;
    std::vector<int> endedWith;
    Program program{{runDirectory.programPath(), [this](int code) { endedWith.push_back(code); },
                     LINDQUAY_TREE_PROGRAM}};
};

TEST_F(ProgramTest, StartsWithTheMirrorRootAndTheWindowLaidOut) {
    program.start();
    EXPECT_TRUE(std::filesystem::is_directory(runDirectory.path() / "网盘本地镜像"));

    MainWindow& main = window();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Lindquay_Ostrel"));
    EXPECT_EQ(main.minimumSize(), main.maximumSize()) << "fixed size";
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(main.windowIcon().availableSizes().value(0), QSize(128, 128));

    struct Expected {
        const char* name;
        QRect geometry;
        const char* caption;
        bool enabled;
    };
    const Expected buttons[] = {
        {"按钮4", {0, 640, 152, 40}, "读取百度云数据库", true},
        {"按钮1", {152, 640, 144, 40}, "一键创建虚拟文件", false},
        {"按钮3", {448, 640, 160, 40}, "创建txt文本目录树结构", false},
        {"按钮2", {280, 752, 144, 40}, "本地创建虚拟文件", true},
    };
    for (const auto& e : buttons) {
        SCOPED_TRACE(e.name);
        auto* button = control<QPushButton>(e.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), e.geometry);
        EXPECT_EQ(button->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(button->isEnabled(), e.enabled);
        EXPECT_FALSE(button->isDefault());
    }
    const Expected labels[] = {{"标签1", {304, 648, 32, 24}, "进度", true},
                               {"标签2", {336, 648, 104, 24}, "", true},
                               {"标签4", {400, 816, 32, 24}, "进度", true},
                               {"标签3", {432, 816, 104, 24}, "", true}};
    for (const auto& e : labels) {
        SCOPED_TRACE(e.name);
        auto* label = control<QLabel>(e.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), e.geometry);
        EXPECT_EQ(label->text(), QString::fromUtf8(e.caption));
    }
    for (const char* hidden : {"按钮2", "标签3", "标签4"}) {
        EXPECT_GE(control<QWidget>(hidden)->y(), main.height())
            << hidden << " lies below the client area";
    }

    auto* tabs = control<QTabWidget>("高级选择夹1");
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("文件信息"));
    EXPECT_EQ(tabs->geometry(), QRect(-5, 4, 1053, 636));

    auto* list = control<QTableView>("超级列表框_员工信息");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->size(), QSize(1045, 599));
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    const QStringList titles{"ID", "路径", "文件", "0"};
    const int widths[] = {50, 700, 290, 0};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        EXPECT_EQ(list->horizontalHeader()->sectionSize(column), widths[column]);
    }

    auto* status = control<QStatusBar>("状态条1");
    EXPECT_EQ(status->geometry().bottom(), main.height() - 1) << "on the bottom edge";
    EXPECT_EQ(main.statusText(0), QStringLiteral("总数"));
    EXPECT_EQ(main.statusText(1), QStringLiteral("0"));

    auto* menuBar = control<QMenuBar>("菜单栏");
    ASSERT_NE(menuBar, nullptr);
    for (QAction* menu : menuBar->actions()) {
        EXPECT_FALSE(menu->isVisible()) << menu->text().toStdString();
    }
    for (const char* command : {"进入管理", "修改密码", "退出管理", "刷新信息", "修改信息",
                                "添加员工", "删除员工", "刷新客服"}) {
        EXPECT_NE(main.menuCommand(QString::fromUtf8(command)), nullptr) << command;
    }
}

TEST_F(ProgramTest, ReadButtonLoadsTheListAndEnablesTheMirrorCommands) {
    writeSampleCache(120);
    program.start();
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    control<QPushButton>("按钮4")->click();

    EXPECT_EQ(boxes.seen(), QStringList{"信息：|读取完毕可以其他操作！|确定"});
    auto* list = control<QTableView>("超级列表框_员工信息");
    EXPECT_EQ(list->model()->rowCount(), 120);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(list->model()->index(119, 0).data().toString(), QStringLiteral("120"));
    EXPECT_EQ(window().statusText(1), QStringLiteral("120"));
    EXPECT_TRUE(control<QPushButton>("按钮1")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("按钮3")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("按钮4")->isEnabled());
    EXPECT_EQ(control<QPushButton>("按钮4")->text(), QStringLiteral("读取百度云数据库"));
}

TEST_F(ProgramTest, MirrorButtonBuildsTheMirrorOfTheLoadedListOnAWorker) {
    sample::TreeShape shape;
    shape.entries = 400;
    const std::vector<sample::CacheEntry> entries = sample::generateTree(shape);
    ASSERT_FALSE(
        sample::writeCacheDatabase(runDirectory.hostPath("BaiduYunCacheFileV0.db"), entries));
    program.start();
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    control<QPushButton>("按钮4")->click();

    auto* mirrorButton = control<QPushButton>("按钮1");
    mirrorButton->click();
    EXPECT_FALSE(mirrorButton->isEnabled());
    ASSERT_TRUE(test::waitUntil([&] { return mirrorButton->isEnabled(); }, 30000));
    EXPECT_EQ(control<QLabel>("标签2")->text(), QStringLiteral("400/400"));

    std::set<std::string> expected;
    for (const sample::CacheEntry& entry : entries) {
        std::string path = entry.parentPath.substr(1) + entry.serverFilename;
        std::replace(path.begin(), path.end(), '\\', '/');
        expected.insert(path + (entry.isFolder ? "/" : ""));
    }
    const std::filesystem::path root = runDirectory.path() / "网盘本地镜像";
    std::set<std::string> made;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        made.insert(std::filesystem::relative(item.path(), root).string() +
                    (item.is_directory() ? "/" : ""));
        if (item.is_regular_file()) {
            EXPECT_EQ(item.file_size(), 0u);
        }
    }
    EXPECT_EQ(made, expected);
}

TEST_F(ProgramTest, ExitQuestionKeepsTheWindowOnCancelAndEndsOnOk) {
    writeSampleCache(10);
    program.start();
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok)); // the load's report
    window().menuCommand(QStringLiteral("刷新信息"))->trigger();
    ASSERT_TRUE(program.globals()->database.isOpen());

    boxes.then(ModalAnswerer::press(QMessageBox::Cancel));
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_Escape);
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(program.globals()->database.isOpen());
    EXPECT_EQ(boxes.seen().value(1), QStringLiteral("提示|您确定退出程序吗?|确定 取消"));

    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    window().close();
    EXPECT_TRUE(test::waitUntil([&] { return program.mainWindow() == nullptr; }));
    EXPECT_FALSE(program.globals()->database.isOpen());
    EXPECT_TRUE(endedWith.empty()) << "the message loop ends the program, not endProgram";
}

TEST_F(ProgramTest, MissingCacheDatabaseEndsTheProgramWithCodeZeroAndShutsDownOnce) {
    program.start();
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    control<QPushButton>("按钮4")->click();
    EXPECT_EQ(boxes.seen(), QStringList{"提示|数据库打开失败！|确定"});
    EXPECT_EQ(endedWith, std::vector<int>{0});
    EXPECT_EQ(program.globals(), nullptr) << "the shutdown routine ran";
    EXPECT_FALSE(std::filesystem::exists(runDirectory.path() / "BaiduYunCacheFileV0.db"));
}

} // namespace
} // namespace lindquay
