#pragma once

#include "ui/RowStore.h"
#include "ui/UiPort.h"

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lindquay::test {

// A double of the UI port: it records every call as a line of UTF-8 text and answers boxes
// and dialogs from a script. Without a scripted answer a message box answers OK and an input
// box or file dialog is cancelled. Workers run at once on the calling thread unless
// `holdWorkers` is set. Captions and enable writes are safe from any thread, like the port's.
class ScriptedUi : public UiPort {
public:
    // Script (UTF-8 texts).
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::string>> inputAnswers; // nullopt: cancel
    std::deque<std::optional<std::string>> fileDialogAnswers;
    std::function<void()> onProcessEvents;
    // Called after each caption write, on the writing thread (UTF-8 text).
    std::function<void(Control, const std::string&)> onCaption;
    bool holdWorkers = false;
    std::vector<std::function<void()>> heldWorkers;
    int selected = -1;

    // What happened.
    std::vector<std::string> log() const;
    std::string caption(Control control) const;
    bool isEnabled(Control control) const;
    std::string status(int part) const;
    std::string edit(Control control) const;            // UTF-8
    std::vector<std::vector<std::string>> rows() const; // UTF-8 cells
    void clearLog();

    int messageBox(const std::string& text, int style,
                   const std::optional<std::string>& title) override;
    bool inputBox(const std::string& prompt, const std::string& title,
                  const std::string& initialText, std::string& value, InputMode mode) override;
    void setCaption(Control control, const std::string& text) override;
    void setEnabled(Control control, bool enabled) override;
    std::string editText(Control control) override;
    void setEditText(Control control, const std::string& text) override;
    void loadWindow(WindowId window) override;
    void destroyWindow(WindowId window) override;
    void clearRows() override;
    int appendRows(std::vector<ListRow> rows) override;
    void setCellText(int row, int column, const std::string& text) override;
    std::string cellText(int row, int column) const override;
    int rowCount() const override;
    int selectedRow() const override { return selected; }
    void setStatusText(int part, const std::string& text) override;
    void setTabPageVisible(int page, bool visible) override;
    bool openFileDialog(const FileDialogRequest& request, std::string& fileName) override;
    bool registerDropTarget(WindowId window) override;
    void processEvents() override;
    void startWorker(std::function<void()> routine) override;

    // Seeds the list with rows of UTF-8 cells, numbered from 1.
    void setRows(const std::vector<std::vector<std::string>>& cells);

private:
    void record(std::string line);
    static std::string key(Control control);

    mutable std::mutex m_mutex;
    std::vector<std::string> m_log;
    std::map<std::string, std::string> m_captions;
    std::map<std::string, bool> m_enabled;
    std::map<std::string, std::string> m_edits;
    std::map<int, std::string> m_status;
    RowStore m_rows;
};

// GBK to UTF-8 for readable assertions.
std::string utf8(const std::string& gbk);

} // namespace lindquay::test
