#include "admin/ManagementPassword.h"

#include "admin/EmployeeStatements.h"
#include "db/FileList.h"
#include "db/SqliteDB.h"
#include "text/Encoding.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxStyle.h"
#include "ui/UiPort.h"

namespace lindquay {

ManagementPassword::ManagementPassword(UiPort& ui, SqliteDB& database, FileList& fileList)
    : m_ui(ui), m_database(database), m_fileList(fileList) {}

std::string ManagementPassword::askPassword(const char* promptUtf8) {
    // A cancelled box leaves the entry empty: it counts as an empty password.
    std::string entered;
    m_ui.inputBox(gbk(promptUtf8), gbk("提示"), {}, entered, InputMode::Masked);
    return entered;
}

std::optional<std::string> ManagementPassword::readStoredPassword() {
    SqliteDataset cursor = m_database.query(gbk("select * from 系统 where id=1"));
    if (!cursor.isOpen()) {
        m_ui.messageBox(gbk("记录集没打开！"), MessageBoxStyle::kStop, gbk("提示"));
        return std::nullopt;
    }
    std::string stored;
    cursor.next();
    while (!cursor.isEnd()) {
        stored = cursor.readText(gbk("管理密码"));
        const bool anotherRow = cursor.next();
        m_ui.processEvents();
        if (!anotherRow) {
            break; // the end, or a failed step: either way the walk is over
        }
    }
    cursor.close();
    return stored;
}

std::optional<bool> ManagementPassword::askAndCompare(const char* promptUtf8) {
    const std::string entered = askPassword(promptUtf8);
    m_ui.clearRows();
    const std::optional<std::string> stored = readStoredPassword();
    if (!stored) {
        return std::nullopt;
    }
    return *stored == entered; // byte for byte: case and blanks count
}

void ManagementPassword::onEnterManagement() {
    const std::optional<bool> matches = askAndCompare("请输入管理密码");
    if (!matches) {
        return;
    }
    if (!*matches) {
        m_ui.messageBox(gbk("密码错误！"), MessageBoxStyle::kStop, gbk("'提示"));
        return;
    }
    // The management pages: the tab control has only its first, so nothing shows.
    m_ui.setTabPageVisible(2, true);
    m_ui.setTabPageVisible(3, true);
    m_fileList.loadFileList();
}

void ManagementPassword::onChangePassword() {
    const std::optional<bool> matches = askAndCompare("请输入原始密码");
    if (!matches) {
        return;
    }
    if (!*matches) {
        m_ui.messageBox(gbk("原始密码错误~"), MessageBoxStyle::kInformation, gbk("提示"));
        return;
    }
    std::string newPassword;
    if (!m_ui.inputBox(gbk("请输入新密码"), gbk("提示"), {}, newPassword, InputMode::Masked)) {
        return; // cancelled: the password stays as it is
    }
    const std::string statement = std::get<std::string>(passwordUpdateStatement(newPassword));
    if (m_database.execute(statement)) {
        m_ui.messageBox(gbk("修改成功~"), MessageBoxStyle::kInformation, gbk("提示"));
    } else {
        m_ui.messageBox(gbk("操作失败！错误内容提示") + m_database.errorText(),
                        MessageBoxStyle::kStop, gbk("提示"));
    }
}

} // namespace lindquay
