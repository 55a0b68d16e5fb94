#include "admin/RecordEditor.h"

#include "ScriptedUi.h"
#include "SqlFile.h"
#include "TempFolder.h"
#include "db/FileList.h"
#include "db/SqliteDB.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxStyle.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lindquay {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class RecordEditorTest : public testing::Test {
protected:
    RecordEditorTest() {
        test::runSql(
            databaseFile,
            "create table cache_file (ID integer primary key, parent_path, server_filename, "
            "file_size); insert into cache_file values (1, '\\', 'a', 1), (2, '\\', 'b', 2),"
            "(3, '\\docs\\', '报告.pdf', 1024);"
            "create table 员工 (ID integer primary key autoincrement, 姓名, 性别, 职务, 图片, "
            "好评, 差评, 一般, 简介);"
            "insert into 员工 (姓名, 好评) values ('甲', 1), ('乙', 2), ('丙', 3)");
        fs::create_directory(runDirectory.path() / "Image");
        EXPECT_TRUE(db.open(cacheDatabasePath(runDirectory.programPath()), false));
        ui.setRows({{"\\", "a", "1"}, {"\\", "b", "2"}, {"\\docs\\", "报告.pdf", "1024"}});
    }

    // The fields as a freshly made editor window holds them.
    void setStoredFields() {
        for (const auto& [control, text] :
             std::vector<std::pair<Control, std::string>>{{controls::kEditorId, ""},
                                                          {controls::kEditorName, ""},
                                                          {controls::kEditorSex, ""},
                                                          {controls::kEditorPost, ""},
                                                          {controls::kEditorPicture, "0"},
                                                          {controls::kEditorPraise, "0"},
                                                          {controls::kEditorComplaints, "0"},
                                                          {controls::kEditorNeutral, "0"},
                                                          {controls::kEditorProfile, "暂无介绍"}}) {
            ui.setEditText(control, gbk(text));
        }
    }
    std::vector<std::string> employees() {
        std::vector<std::string> rows;
        SqliteDataset cursor = db.query(gbk("select * from 员工 order by ID"));
        cursor.isOpen();
        for (cursor.next(); !cursor.isEnd(); cursor.next()) {
            std::string row;
            for (const char* column :
                 {"ID", "姓名", "性别", "职务", "图片", "好评", "差评", "一般", "简介"}) {
                row += (row.empty() ? "" : "|") + gbkToUtf8Lossy(cursor.readText(gbk(column)));
            }
            rows.push_back(row);
        }
        return rows;
    }

    test::TempFolder runDirectory;
    std::string databaseFile = runDirectory.hostPath("BaiduYunCacheFileV0.db");
    test::ScriptedUi ui;
    SqliteDB db;
    EditorState state;
    FileList fileList{ui, db, cacheDatabasePath(runDirectory.programPath()), [](int) {}};
    RecordEditor editor{ui, db, fileList, state, runDirectory.programPath()};
};

TEST_F(RecordEditorTest, AddingWritesTheRecordCopiesThePictureAndClosesTheEditor) {
    test::writeFile(runDirectory.path() / "photo.jpg", "JPEG");
    editor.onAddRecord();
    editor.onEditorCreated();
    setStoredFields();
    ui.setEditText(controls::kEditorName, gbk("张三"));
    ui.setEditText(controls::kEditorSex, gbk("男"));
    ui.setEditText(controls::kEditorPost, gbk("经理"));
    editor.onFilesDropped(runDirectory.programPath("photo.jpg"));
    editor.onConfirmClicked();

    EXPECT_EQ(employees().back(), "4|张三|男|经理|Image\\张三.jpg|0|0|0|暂无介绍");
    EXPECT_EQ(test::readFile(runDirectory.path() / "Image" / "张三.jpg"), "JPEG");
    const Log log = ui.log();
    EXPECT_EQ(Log(log.begin(), log.begin() + 4),
              (Log{"load editor", "caption editor: 新增用户", "caption 按钮_确定: 添加",
                   "drop target editor"}));
    EXPECT_EQ(log[4], "box 提示 64: 添加成功！");
    EXPECT_EQ(log[5], "clear rows") << "the list is loaded again";
    EXPECT_EQ(log.back(), "destroy editor");
}

TEST_F(RecordEditorTest, ModifyingShowsTheSelectedListRowAndAnUnchangedConfirmFails) {
    ui.selected = 2;
    editor.onModifyRecord();
    editor.onEditorCreated();
    EXPECT_EQ(ui.edit(controls::kEditorId), "3");
    EXPECT_EQ(ui.edit(controls::kEditorName), "\\docs\\");
    EXPECT_EQ(ui.edit(controls::kEditorSex), "报告.pdf");
    EXPECT_EQ(ui.edit(controls::kEditorPost), "1024");
    EXPECT_EQ(ui.edit(controls::kEditorPraise), "");
    EXPECT_EQ(ui.caption(controls::kEditorWindow), "用户信息修改");

    ui.clearLog();
    editor.onConfirmClicked();
    EXPECT_EQ(ui.log(), (Log{"box 提示 16: 操作失败！错误内容提示near \",\": syntax error"}));
    EXPECT_EQ(ui.edit(controls::kEditorPicture), "Image\\\\docs\\.jpg");
    EXPECT_EQ(employees().size(), 3u);
}

TEST_F(RecordEditorTest, ModifyingChangesOnlyTheNamedRecord) {
    ui.selected = 1;
    editor.onModifyRecord();
    editor.onEditorCreated();
    setStoredFields();
    ui.setEditText(controls::kEditorId, "2");
    ui.setEditText(controls::kEditorName, gbk("x'; delete from 员工; --"));
    ui.setEditText(controls::kEditorPraise, "9");
    editor.onConfirmClicked();
    EXPECT_EQ(employees(),
              (std::vector<std::string>{
                  "1|甲||||1|||",
                  "2|x'; delete from 员工; --|||Image\\x'; delete from 员工; --.jpg|9|0|0|暂无介绍",
                  "3|丙||||3|||"}));
    EXPECT_EQ(ui.log().back(), "destroy editor");
}

TEST_F(RecordEditorTest, NumberFieldsThatAreNoNumbersAreRefusedBeforeAnythingRuns) {
    struct Case {
        Control field;
        std::string text;
        std::string reason;
    };
    const Case cases[] = {{controls::kEditorPraise, "1 or 1=1", "好评只能填写数字"},
                          {controls::kEditorComplaints, "0,姓名='x'", "差评只能填写数字"},
                          {controls::kEditorNeutral, "1); drop table 员工; --", "一般只能填写数字"},
                          {controls::kEditorId, "1 or 1=1", "ID只能填写数字"}};
    state.editorMode = gbk("修改");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        setStoredFields();
        ui.setEditText(controls::kEditorId, "1");
        ui.setEditText(c.field, gbk(c.text));
        ui.clearLog();
        editor.onConfirmClicked();
        EXPECT_EQ(ui.log(), (Log{"box 提示 16: 操作失败！错误内容提示" + c.reason}));
    }
    EXPECT_EQ(employees().size(), 3u);
    EXPECT_EQ(employees().front(), "1|甲||||1|||");
}

TEST_F(RecordEditorTest, DeletingAsksThenRemovesOnlyTheSelectedRecord) {
    ui.selected = 1;
    ui.messageBoxAnswers = {MessageBoxResult::kCancel};
    editor.onDeleteRecord();
    EXPECT_EQ(employees().size(), 3u);

    ui.messageBoxAnswers = {MessageBoxResult::kOk};
    editor.onDeleteRecord();
    EXPECT_EQ(employees(), (std::vector<std::string>{"1|甲||||1|||", "3|丙||||3|||"}));
    EXPECT_EQ(ui.log()[2], "box 提示 64: 删除成功！");

    ui.clearLog();
    ui.selected = -1;
    editor.onDeleteRecord();
    EXPECT_EQ(ui.log(), (Log{"box 提示 33: 你确定要删除吗？",
                             "box 提示 16: 操作失败！错误内容提示incomplete input"}));

    ui.clearLog();
    ui.setRows({{"\\", "a", "1"}});
    ui.setCellText(0, 0, "1 or 1=1");
    ui.selected = 0;
    editor.onDeleteRecord();
    EXPECT_EQ(ui.log().back(), "box 提示 16: 操作失败！错误内容提示ID只能填写数字");
    EXPECT_EQ(employees().size(), 2u);
}

TEST_F(RecordEditorTest, AWriteOnAClosedConnectionFailsWithoutSqlitesMessage) {
    db.close();
    editor.onAddRecord();
    setStoredFields();
    ui.clearLog();
    editor.onConfirmClicked();
    EXPECT_EQ(ui.log(), (Log{"box 提示 16: 操作失败！错误内容提示"}));
}

TEST_F(RecordEditorTest, DroppedFilesAreTakenOnlyWhenTheyNameAJpg) {
    struct Case {
        std::string dropped;
        bool taken;
    };
    const Case cases[] = {{"/p/a.jpg", true},
                          {"/p/a.JPG", false},
                          {"/p/a.jpg\r\n/p/b.png\r\n", true},
                          {"/p/x.jpgs/readme.txt", true},
                          {"/p/b.png", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dropped);
        ui.setEditText(controls::kEditorPicture, "0");
        ui.clearLog();
        editor.onFilesDropped(gbk(c.dropped));
        EXPECT_EQ(ui.edit(controls::kEditorPicture), c.taken ? c.dropped : "0");
        EXPECT_EQ(ui.log(), c.taken ? Log{} : Log{"box 提示 16: 目前只支持.jpg格式的图片"});
    }
}

TEST_F(RecordEditorTest, UploadCopiesTheChosenPictureAndRemembersTheChoice) {
    test::writeFile(runDirectory.path() / "pics" / "me.jpg", "ME");
    editor.onAddRecord();
    editor.onEditorCreated();
    setStoredFields();
    ui.setEditText(controls::kEditorName, gbk("王五"));
    ui.fileDialogAnswers = {runDirectory.programPath("pics/me.jpg"), std::nullopt};
    editor.onUploadClicked();
    EXPECT_EQ(test::readFile(runDirectory.path() / "Image" / "王五.jpg"), "ME");
    EXPECT_EQ(ui.edit(controls::kEditorPicture), "Image\\王五.jpg");

    ui.setEditText(controls::kEditorPicture, "0");
    editor.onUploadClicked(); // cancelled: nothing changes
    EXPECT_EQ(ui.edit(controls::kEditorPicture), "0");
    const Log log = ui.log();
    const std::string dialog =
        "file dialog " + runDirectory.path().string() + " 图片格式（*.jpg）|*.jpg";
    EXPECT_EQ(log[log.size() - 2], dialog + " []");
    EXPECT_EQ(log.back(), dialog + " [" + (runDirectory.path() / "pics/me.jpg").string() + "]");
}

TEST_F(RecordEditorTest, APictureNeverLeavesTheImageFolder) {
    test::writeFile(runDirectory.path() / "pics" / "me.jpg", "ME");
    state.editorMode = gbk("添加");
    setStoredFields();
    ui.setEditText(controls::kEditorName, gbk("../escaped"));
    ui.setEditText(controls::kEditorPicture, runDirectory.programPath("pics/me.jpg"));
    editor.storePicture();
    EXPECT_FALSE(fs::exists(runDirectory.path() / "escaped.jpg"));
    EXPECT_EQ(std::distance(fs::directory_iterator(runDirectory.path() / "Image"),
                            fs::directory_iterator()),
              0);
    EXPECT_EQ(ui.edit(controls::kEditorPicture), "Image\\../escaped.jpg");
}

} // namespace
} // namespace lindquay
