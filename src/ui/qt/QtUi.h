#pragma once

#include "ui/RowStore.h"
#include "ui/UiPort.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

namespace lindquay {

class FileListModel;
class WorkerWrites;

// The UI port over Qt Widgets. Controls are found by objectName in their window. The report
// list lives in a row store owned here, so that it outlives the main window: a worker still
// reading it after the window has gone finds its rows, and writes to a window that is gone are
// dropped.
class QtUi final : public UiPort {
public:
    // How a window is made, and its created event.
    struct WindowBinding {
        std::function<QWidget*()> create;
        std::function<void()> created;
    };

    QtUi();
    ~QtUi() override;

    FileListModel& listModel() { return *m_model; }
    void bindWindow(WindowId window, WindowBinding binding);
    // The got-file event of a drop area: the dropped paths as one text.
    void setDropHandler(WindowId window, std::function<void(const std::string&)> handler);
    // The window while it is open, nullptr otherwise.
    QWidget* window(WindowId window) const;

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
    int selectedRow() const override;
    void setStatusText(int part, const std::string& text) override;
    void setTabPageVisible(int page, bool visible) override;
    bool openFileDialog(const FileDialogRequest& request, std::string& fileName) override;
    bool registerDropTarget(WindowId window) override;
    void processEvents() override;
    void startWorker(std::function<void()> routine) override;

private:
    struct OpenWindow {
        WindowBinding binding;
        QPointer<QWidget> widget;
        bool markedForDestruction = false;
        std::function<void(const std::string&)> dropHandler;
        bool dropAreaRegistered = false;
    };

    QWidget* find(Control control) const;
    void applyCaption(Control control, const std::string& text);
    void applyEnabled(Control control, bool enabled);

    RowStore m_rows;
    std::unique_ptr<FileListModel> m_model;
    std::unique_ptr<WorkerWrites> m_workerWrites;
    std::map<WindowId, OpenWindow> m_windows;
};

} // namespace lindquay
