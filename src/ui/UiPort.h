#pragma once

#include "ui/Control.h"
#include "ui/ListRow.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lindquay {

enum class InputMode { Plain = 0, Masked = 4 };

// The open-file dialog: its initial folder and its filter as description and pattern pairs
// joined by "|", for example "图片格式（*.jpg）|*.jpg".
struct FileDialogRequest {
    std::string initialFolder;
    std::string filter;
};

// Everything the program's handlers ask of windows, boxes and controls. Texts are GBK.
// The handlers never touch the toolkit; the Qt windows implement this port, and tests use a
// scripted double. Unless said otherwise an operation is for the main thread only.
class UiPort {
public:
    virtual ~UiPort() = default;

    // A modal box; without a title it is captioned "信息：". Answers a MessageBoxResult.
    virtual int messageBox(const std::string& text, int style,
                           const std::optional<std::string>& title = std::nullopt) = 0;
    // A modal box with one edit field holding `initialText`, selected. On OK `value` takes the
    // typed text (empty included) and the answer is true; on Cancel, Esc or the close box the
    // answer is false and `value` is unchanged.
    virtual bool inputBox(const std::string& prompt, const std::string& title,
                          const std::string& initialText, std::string& value, InputMode mode) = 0;

    // The caption of a window, button or label. Safe from any thread: a worker's writes reach
    // the window in order of time, and of several writes to one control only the newest may
    // be drawn.
    virtual void setCaption(Control control, const std::string& text) = 0;
    // Safe from any thread, like setCaption.
    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual std::string editText(Control control) = 0;
    virtual void setEditText(Control control, const std::string& text) = 0;

    // Opens a window modeless and runs its created event before returning; an open window is
    // only brought to the front.
    virtual void loadWindow(WindowId window) = 0;
    // Marks the window; it goes once the running handler has returned, without being asked.
    virtual void destroyWindow(WindowId window) = 0;

    // The report list of the main window.
    virtual void clearRows() = 0;
    // Appends the rows at the end; answers the index of the first, -1 when refused.
    virtual int appendRows(std::vector<ListRow> rows) = 0;
    virtual void setCellText(int row, int column, const std::string& text) = 0;
    // Safe from any thread. Empty for a row or column that does not exist (row -1 too).
    virtual std::string cellText(int row, int column) const = 0;
    // Safe from any thread.
    virtual int rowCount() const = 0;
    // The first selected row, -1 when none.
    virtual int selectedRow() const = 0;

    // Sets the text of part n of the status bar; no part n: nothing happens.
    virtual void setStatusText(int part, const std::string& text) = 0;
    // Shows or hides page n of the tab control; no page n: nothing changes. Hiding the last
    // visible page is refused.
    virtual void setTabPageVisible(int page, bool visible) = 0;

    // Shows the open-file dialog modally; on OK `fileName` becomes the chosen file's full path
    // and the answer is true. `fileName` pre-fills the dialog and is left as it was on Cancel.
    virtual bool openFileDialog(const FileDialogRequest& request, std::string& fileName) = 0;
    // Makes the window a drop area for files; false when it is one already.
    virtual bool registerDropTarget(WindowId window) = 0;

    // Dispatches the events waiting on the main thread, then returns. Other handlers may run
    // meanwhile; a request to end the program stays pending.
    virtual void processEvents() = 0;
    // Starts the routine on a worker thread that nobody waits for.
    virtual void startWorker(std::function<void()> routine) = 0;
};

} // namespace lindquay
