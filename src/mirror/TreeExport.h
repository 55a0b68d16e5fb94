#pragma once

#include <string>

namespace lindquay {

class UiPort;

// The click on 按钮3: starts lindquay-tree on the run directory's mirror, its output going to
// "目录树.txt" in the run directory, and does not wait for it. Main thread only.
class TreeExport {
public:
    // `runDirectory` is a GBK text; `treeProgram` the host path of lindquay-tree.
    TreeExport(UiPort& ui, std::string runDirectory, std::string treeProgram);

    void onTreeButtonClicked();

private:
    bool startTreeProgram() const;

    UiPort& m_ui;
    std::string m_runDirectory;
    std::string m_treeProgram;
};

} // namespace lindquay
