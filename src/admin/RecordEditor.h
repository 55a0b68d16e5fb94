#pragma once

#include "admin/EditorState.h"

#include <optional>
#include <string>

namespace lindquay {

struct EmployeeFields;
class FileList;
class SqliteDB;
class UiPort;

// The record editor: the commands 修改信息, 添加员工 and 删除员工 of the menu 员工管理菜单, and
// the handlers of the record editor window, which adds and modifies rows of table 员工 and
// copies each record's picture into the folder "Image" of the run directory. Main thread only.
class RecordEditor {
public:
    // `runDirectory` is a GBK text.
    RecordEditor(UiPort& ui, SqliteDB& database, FileList& fileList, EditorState& state,
                 std::string runDirectory);

    // The menu commands.
    void onModifyRecord();
    void onAddRecord();
    void onDeleteRecord();

    // The record editor window's events.
    void onEditorCreated();
    void onFilesDropped(const std::string& files);
    void onUploadClicked();
    void onConfirmClicked();
    void onCancelClicked();

    void storePicture();
    void updateEmployeeRecord();
    void insertEmployeeRecord();

private:
    // The fields 姓名 to 简介, read in that order.
    EmployeeFields readFields() const;
    // The picture store's file for the name in 编辑框_姓名, nullopt when that name would lead
    // out of the folder "Image".
    std::optional<std::string> pictureTarget() const;
    std::string storedPictureText() const;
    void execute(const std::string& statement, const char* successUtf8, bool closeEditor);
    void showFailure(const std::string& detail);

    UiPort& m_ui;
    SqliteDB& m_database;
    FileList& m_fileList;
    EditorState& m_state;
    std::string m_runDirectory;
    // The open-file dialog's file name: the last choice pre-fills the next showing.
    std::string m_chosenPicture;
};

} // namespace lindquay
