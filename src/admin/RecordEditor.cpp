#include "admin/RecordEditor.h"

#include "admin/EmployeeStatements.h"
#include "db/FileList.h"
#include "db/SqliteDB.h"
#include "platform/FileSystem.h"
#include "text/DoubleByteText.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxStyle.h"
#include "ui/UiPort.h"

namespace lindquay {
namespace {

// The editor's fields in the order of the record buffer's slots.
constexpr Control kFieldOfSlot[EditorState::kRecordSlots] = {
    controls::kEditorId,         controls::kEditorName,    controls::kEditorSex,
    controls::kEditorPost,       controls::kEditorPicture, controls::kEditorPraise,
    controls::kEditorComplaints, controls::kEditorNeutral, controls::kEditorProfile,
};

// A name that would lead the picture's file out of its folder: a separator, or "." or "..".
bool leavesFolder(std::string_view name) {
    return name == "." || name == ".." || lastSeparator(name) != std::string_view::npos;
}

} // namespace

RecordEditor::RecordEditor(UiPort& ui, SqliteDB& database, FileList& fileList, EditorState& state,
                           std::string runDirectory)
    : m_ui(ui), m_database(database), m_fileList(fileList), m_state(state),
      m_runDirectory(std::move(runDirectory)) {}

void RecordEditor::onModifyRecord() {
    for (std::size_t column = 0; column < EditorState::kRecordSlots; ++column) {
        m_state.recordBuffer[column] = m_ui.cellText(m_ui.selectedRow(), static_cast<int>(column));
    }
    m_state.editorMode = gbk("修改");
    m_ui.loadWindow(WindowId::RecordEditor);
}

void RecordEditor::onAddRecord() {
    m_state.editorMode = gbk("添加");
    m_ui.loadWindow(WindowId::RecordEditor);
}

void RecordEditor::onDeleteRecord() {
    const std::string id = m_ui.cellText(m_ui.selectedRow(), 0);
    const Statement statement = employeeDeleteStatement(id);
    if (m_ui.messageBox(gbk("你确定要删除吗？"), MessageBoxStyle::kQuestion, gbk("提示")) !=
        MessageBoxResult::kOk) {
        return;
    }
    if (const auto* refusal = std::get_if<Refusal>(&statement)) {
        showFailure(refusal->reason);
        return;
    }
    execute(std::get<std::string>(statement), "删除成功！", false);
}

void RecordEditor::onEditorCreated() {
    m_chosenPicture.clear(); // a new window has a new dialog
    if (m_state.editorMode == gbk("修改")) {
        m_ui.setCaption(controls::kEditorWindow, gbk("用户信息修改"));
        m_ui.setCaption(controls::kEditorConfirm, gbk("修改"));
        for (std::size_t slot = 0; slot < EditorState::kRecordSlots; ++slot) {
            m_ui.setEditText(kFieldOfSlot[slot], m_state.recordBuffer[slot]);
        }
    } else if (m_state.editorMode == gbk("添加")) {
        m_ui.setCaption(controls::kEditorWindow, gbk("新增用户"));
        m_ui.setCaption(controls::kEditorConfirm, gbk("添加"));
    }
    m_ui.registerDropTarget(WindowId::RecordEditor);
}

void RecordEditor::onFilesDropped(const std::string& files) {
    if (findText(files, ".jpg") > 0) {
        m_ui.setEditText(controls::kEditorPicture, files);
    } else {
        m_ui.messageBox(gbk("目前只支持.jpg格式的图片"), MessageBoxStyle::kStop, gbk("提示"));
    }
}

void RecordEditor::onUploadClicked() {
    const FileDialogRequest request{m_runDirectory, gbk("图片格式（*.jpg）|*.jpg")};
    if (!m_ui.openFileDialog(request, m_chosenPicture) || m_chosenPicture.empty()) {
        return;
    }
    if (const std::optional<std::string> target = pictureTarget()) {
        copyFile(m_chosenPicture, *target);
    }
    m_ui.setEditText(controls::kEditorPicture, storedPictureText());
}

void RecordEditor::onConfirmClicked() {
    if (m_state.editorMode == gbk("修改")) {
        storePicture();
        updateEmployeeRecord();
    } else if (m_state.editorMode == gbk("添加")) {
        storePicture();
        insertEmployeeRecord();
    }
}

void RecordEditor::onCancelClicked() {
    m_ui.destroyWindow(WindowId::RecordEditor);
}

std::optional<std::string> RecordEditor::pictureTarget() const {
    const std::string name = m_ui.editText(controls::kEditorName);
    if (leavesFolder(name)) {
        return std::nullopt;
    }
    return m_runDirectory + "\\Image\\" + name + ".jpg";
}

std::string RecordEditor::storedPictureText() const {
    return "Image\\" + m_ui.editText(controls::kEditorName) + ".jpg";
}

void RecordEditor::storePicture() {
    // The field may hold a dropped full path, the relative text an upload left, "0" or
    // nothing; a copy that fails changes nothing.
    if (const std::optional<std::string> target = pictureTarget()) {
        copyFile(m_ui.editText(controls::kEditorPicture), *target);
    }
    m_ui.setEditText(controls::kEditorPicture, storedPictureText());
}

EmployeeFields RecordEditor::readFields() const {
    return {m_ui.editText(controls::kEditorName),    m_ui.editText(controls::kEditorSex),
            m_ui.editText(controls::kEditorPost),    m_ui.editText(controls::kEditorPicture),
            m_ui.editText(controls::kEditorPraise),  m_ui.editText(controls::kEditorComplaints),
            m_ui.editText(controls::kEditorNeutral), m_ui.editText(controls::kEditorProfile)};
}

void RecordEditor::updateEmployeeRecord() {
    const EmployeeFields fields = readFields();
    const std::string id = m_ui.editText(controls::kEditorId);
    const Statement statement = employeeUpdateStatement(fields, id);
    if (const auto* refusal = std::get_if<Refusal>(&statement)) {
        showFailure(refusal->reason);
        return;
    }
    execute(std::get<std::string>(statement), "修改成功！", true);
}

void RecordEditor::insertEmployeeRecord() {
    const EmployeeFields fields = readFields();
    const Statement statement = employeeInsertStatement(fields);
    if (const auto* refusal = std::get_if<Refusal>(&statement)) {
        showFailure(refusal->reason);
        return;
    }
    execute(std::get<std::string>(statement), "添加成功！", true);
}

void RecordEditor::execute(const std::string& statement, const char* successUtf8,
                           bool closeEditor) {
    if (!m_database.execute(statement)) {
        showFailure(m_database.errorText());
        return;
    }
    m_ui.messageBox(gbk(successUtf8), MessageBoxStyle::kInformation, gbk("提示"));
    m_fileList.loadFileList();
    if (closeEditor) {
        m_ui.destroyWindow(WindowId::RecordEditor);
    }
}

void RecordEditor::showFailure(const std::string& detail) {
    m_ui.messageBox(gbk("操作失败！错误内容提示") + detail, MessageBoxStyle::kStop, gbk("提示"));
}

} // namespace lindquay
