#pragma once

#include <string>

namespace lindquay {

class UiPort;

// The two mirror workers: each walks the file list on a thread of its own and builds the
// mirror under the root: 按钮1 makes every folder and a zero-length placeholder for every file,
// 按钮2 only the placeholders with the folders they need. Nothing is reported; a folder or file
// that can't be made is missing from the mirror, and entries whose paths would leave the root
// are skipped.
class MirrorWorkers {
public:
    // `mirrorRoot` is a GBK path without a trailing separator, relative paths resolving
    // against the current directory at the time of each operation.
    MirrorWorkers(UiPort& ui, std::string mirrorRoot);

    // Main thread: the clicks on 按钮1 and 按钮2.
    void onMirrorButtonClicked();
    void onPlaceholderButtonClicked();

    // The workers' routines; each runs on its own thread from start to end.
    void createMirrorTree() const;
    void createPlaceholderFiles() const;

private:
    void showProgress(bool mirrorTree, int row) const;

    UiPort& m_ui;
    std::string m_mirrorRoot;
};

} // namespace lindquay
