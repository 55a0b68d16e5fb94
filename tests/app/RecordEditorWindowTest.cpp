#include "app/Program.h"

#include "ModalAnswerer.h"
#include "SampleCache.h"
#include "TempFolder.h"
#include "WaitUntil.h"
#include "ui/qt/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

using test::ModalAnswerer;

class RecordEditorWindowTest : public testing::Test {
protected:
    RecordEditorWindowTest() {
        std::filesystem::current_path(runDirectory.path());
        sample::TreeShape shape;
        shape.entries = 20;
        EXPECT_FALSE(sample::writeCacheDatabase(runDirectory.hostPath("BaiduYunCacheFileV0.db"),
                                                sample::generateTree(shape), "秘密"));
        program.start();
    }
    ~RecordEditorWindowTest() override {
        delete program.ui().window(WindowId::RecordEditor);
        std::filesystem::current_path(startedIn);
    }

    void trigger(const char* command) {
        program.mainWindow()->menuCommand(QString::fromUtf8(command))->trigger();
    }
    QWidget* editor() { return program.ui().window(WindowId::RecordEditor); }
    template <typename Widget> Widget* field(const char* name) {
        return editor()->findChild<Widget*>(QString::fromUtf8(name));
    }

    std::filesystem::path startedIn = std::filesystem::current_path();
    test::TempFolder runDirectory;
    Program program{{runDirectory.programPath(), [](int) {}, LINDQUAY_TREE_PROGRAM}};
};

TEST_F(RecordEditorWindowTest, AddOpensTheEditorLaidOutWithItsStoredTexts) {
    trigger("添加员工");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->windowTitle(), QStringLiteral("新增用户"));
    EXPECT_EQ(editor()->minimumSize(), editor()->maximumSize());
    EXPECT_FALSE(editor()->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(editor()->parentWidget(), nullptr);
    EXPECT_EQ(field<QPushButton>("按钮_确定")->text(), QStringLiteral("添加"));
    EXPECT_EQ(field<QPushButton>("按钮_确定")->geometry(), QRect(162, 425, 47, 20));

    auto* id = field<QLineEdit>("编辑框_id");
    EXPECT_EQ(id->text(), QString());
    EXPECT_FALSE(id->isEnabled());
    for (const char* zero : {"编辑框_图片", "编辑框_好评", "编辑框_差评", "编辑框_一般"}) {
        EXPECT_EQ(field<QLineEdit>(zero)->text(), QStringLiteral("0")) << zero;
    }
    EXPECT_EQ(field<QLineEdit>("编辑框_姓名")->geometry(), QRect(53, 60, 177, 20));
    auto* profile = field<QPlainTextEdit>("编辑框_简介");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->toPlainText(), QStringLiteral("暂无介绍"));
    EXPECT_EQ(profile->geometry(), QRect(55, 302, 254, 113));
    EXPECT_EQ(field<QLabel>("标签9")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(field<QLabel>("标签2")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(editor()->acceptDrops()) << "the whole window is the drop area";
}

TEST_F(RecordEditorWindowTest, LoadingItAgainOnlyBringsItToTheFront) {
    trigger("添加员工");
    field<QLineEdit>("编辑框_姓名")->setText(QStringLiteral("typed"));
    QWidget* first = editor();
    trigger("修改信息");
    EXPECT_EQ(editor(), first);
    EXPECT_EQ(editor()->windowTitle(), QStringLiteral("新增用户"))
        << "the created handler ran once";
    EXPECT_EQ(field<QLineEdit>("编辑框_姓名")->text(), QStringLiteral("typed"));
}

TEST_F(RecordEditorWindowTest, EscClosesTheEditorWithoutAsking) {
    trigger("添加员工");
    QApplication::setActiveWindow(editor());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_TRUE(test::waitUntil([&] { return editor() == nullptr; }));
}

TEST_F(RecordEditorWindowTest, TheEditorOutlivesTheMainWindowAndEndsTheProgramLast) {
    trigger("添加员工");
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok)); // the exit question
    boxes.then(ModalAnswerer::press(QMessageBox::Ok)); // the failed write
    bool editorAloneKeptRunning = false;
    // The program's own message loop: it must end when the last window goes, not before.
    QTimer::singleShot(0, [&] { program.mainWindow()->close(); });
    QTimer::singleShot(300, [&] {
        editorAloneKeptRunning = program.mainWindow() == nullptr && editor() != nullptr;
        if (editor() != nullptr) {
            field<QPushButton>("按钮_确定")->click();
            editor()->close();
        }
    });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(editorAloneKeptRunning);
    EXPECT_EQ(boxes.seen().value(1), QStringLiteral("提示|操作失败！错误内容提示|确定"));
}

TEST_F(RecordEditorWindowTest, EnterManagementAsksInAMaskedBoxAndLoadsTheList) {
    ModalAnswerer boxes;
    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    boxes.then([](QDialog& dialog) {
        auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("输入框_内容"));
        EXPECT_EQ(entry->echoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("输入框_取消"))->text(),
                  QStringLiteral("取消(&C)"));
        entry->setText(QStringLiteral("秘密"));
        dialog.findChild<QPushButton*>(QStringLiteral("输入框_确认"))->click();
    });
    boxes.then(ModalAnswerer::press(QMessageBox::Ok));
    trigger("刷新信息"); // opens the database
    trigger("进入管理");
    EXPECT_EQ(boxes.seen().value(0), QStringLiteral("信息：|读取完毕可以其他操作！|确定"));
    EXPECT_EQ(boxes.seen().value(1), QStringLiteral("提示"));
    EXPECT_EQ(boxes.seen().value(2), QStringLiteral("信息：|读取完毕可以其他操作！|确定"));
    EXPECT_EQ(program.mainWindow()->statusText(1), QStringLiteral("20"));
}

} // namespace
} // namespace lindquay
