#include "ScriptedUi.h"

#include "text/Encoding.h"

namespace lindquay::test {
namespace {

// Takes the next scripted answer of a box: a text (UTF-8) is OK with that text, nullopt or no
// answer left is Cancel, which leaves `value` as it was.
bool takeAnswer(std::deque<std::optional<std::string>>& answers, std::string& value) {
    if (answers.empty()) {
        return false;
    }
    const std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    if (answer) {
        value = gbk(*answer);
    }
    return answer.has_value();
}

std::string windowName(WindowId window) {
    return window == WindowId::Main ? "main" : "editor";
}

} // namespace

std::string utf8(const std::string& gbk) {
    return gbkToUtf8Lossy(gbk);
}

std::string ScriptedUi::key(Control control) {
    return control.name.empty() ? windowName(control.window) : std::string(control.name);
}

void ScriptedUi::record(std::string line) {
    std::lock_guard lock(m_mutex);
    m_log.push_back(std::move(line));
}

std::vector<std::string> ScriptedUi::log() const {
    std::lock_guard lock(m_mutex);
    return m_log;
}

void ScriptedUi::clearLog() {
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

std::string ScriptedUi::caption(Control control) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_captions.find(key(control));
    return found == m_captions.end() ? std::string() : found->second;
}

bool ScriptedUi::isEnabled(Control control) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_enabled.find(key(control));
    return found == m_enabled.end() || found->second;
}

std::string ScriptedUi::status(int part) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_status.find(part);
    return found == m_status.end() ? std::string() : found->second;
}

std::string ScriptedUi::edit(Control control) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_edits.find(key(control));
    return found == m_edits.end() ? std::string() : found->second;
}

std::vector<std::vector<std::string>> ScriptedUi::rows() const {
    std::vector<std::vector<std::string>> cells;
    for (int row = 0; row < m_rows.rowCount(); ++row) {
        std::vector<std::string>& line = cells.emplace_back();
        for (int column = 0; column < kListColumnCount; ++column) {
            line.push_back(utf8(m_rows.cellText(row, column)));
        }
    }
    return cells;
}

int ScriptedUi::messageBox(const std::string& text, int style,
                           const std::optional<std::string>& title) {
    record("box " + (title ? utf8(*title) : std::string("信息：")) + " " + std::to_string(style) +
           ": " + utf8(text));
    if (messageBoxAnswers.empty()) {
        return 0;
    }
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

bool ScriptedUi::inputBox(const std::string& prompt, const std::string& title,
                          const std::string& initialText, std::string& value, InputMode mode) {
    record("input " + utf8(title) + ": " + utf8(prompt) +
           (initialText.empty() ? "" : " [" + utf8(initialText) + "]") +
           (mode == InputMode::Masked ? " (masked)" : ""));
    return takeAnswer(inputAnswers, value);
}

void ScriptedUi::setCaption(Control control, const std::string& text) {
    record("caption " + key(control) + ": " + utf8(text));
    {
        std::lock_guard lock(m_mutex);
        m_captions[key(control)] = utf8(text);
    }
    if (onCaption) {
        onCaption(control, utf8(text));
    }
}

void ScriptedUi::setEnabled(Control control, bool enabled) {
    record((enabled ? "enable " : "disable ") + key(control));
    std::lock_guard lock(m_mutex);
    m_enabled[key(control)] = enabled;
}

std::string ScriptedUi::editText(Control control) {
    return gbk(edit(control));
}

void ScriptedUi::setEditText(Control control, const std::string& text) {
    std::lock_guard lock(m_mutex);
    m_edits[key(control)] = utf8(text);
}

void ScriptedUi::loadWindow(WindowId window) {
    record("load " + windowName(window));
}

void ScriptedUi::destroyWindow(WindowId window) {
    record("destroy " + windowName(window));
}

void ScriptedUi::clearRows() {
    record("clear rows");
    m_rows.clear();
}

int ScriptedUi::appendRows(std::vector<ListRow> rows) {
    return m_rows.append(std::move(rows));
}

void ScriptedUi::setCellText(int row, int column, const std::string& text) {
    m_rows.setCellText(row, column, text);
}

std::string ScriptedUi::cellText(int row, int column) const {
    return m_rows.cellText(row, column);
}

int ScriptedUi::rowCount() const {
    return m_rows.rowCount();
}

void ScriptedUi::setStatusText(int part, const std::string& text) {
    record("status " + std::to_string(part) + ": " + utf8(text));
    std::lock_guard lock(m_mutex);
    m_status[part] = utf8(text);
}

void ScriptedUi::setTabPageVisible(int page, bool visible) {
    record((visible ? "show page " : "hide page ") + std::to_string(page));
}

bool ScriptedUi::openFileDialog(const FileDialogRequest& request, std::string& fileName) {
    record("file dialog " + utf8(request.initialFolder) + " " + utf8(request.filter) + " [" +
           utf8(fileName) + "]");
    return takeAnswer(fileDialogAnswers, fileName);
}

bool ScriptedUi::registerDropTarget(WindowId window) {
    record("drop target " + windowName(window));
    return true;
}

void ScriptedUi::processEvents() {
    if (onProcessEvents) {
        onProcessEvents();
    }
}

void ScriptedUi::startWorker(std::function<void()> routine) {
    record("start worker");
    if (holdWorkers) {
        heldWorkers.push_back(std::move(routine));
    } else {
        routine();
    }
}

void ScriptedUi::setRows(const std::vector<std::vector<std::string>>& cells) {
    m_rows.clear();
    std::vector<ListRow> rows;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        ListRow row{std::to_string(i + 1)};
        for (std::size_t column = 0; column < cells[i].size() && column + 1 < row.size();
             ++column) {
            row[column + 1] = gbk(cells[i][column]);
        }
        rows.push_back(std::move(row));
    }
    m_rows.append(std::move(rows));
}

} // namespace lindquay::test
