#include "mirror/TreeExport.h"

#include "platform/ChildProcess.h"
#include "platform/HostPath.h"
#include "text/Encoding.h"
#include "ui/MessageBoxStyle.h"
#include "ui/UiPort.h"

namespace lindquay {

TreeExport::TreeExport(UiPort& ui, std::string runDirectory, std::string treeProgram)
    : m_ui(ui), m_runDirectory(std::move(runDirectory)), m_treeProgram(std::move(treeProgram)) {}

void TreeExport::onTreeButtonClicked() {
    m_ui.messageBox(gbk("注意：创建目录树文本前请确保【网盘本地镜像】目录中有文件"),
                    MessageBoxStyle::kNote, gbk("提示"));
    if (startTreeProgram()) {
        m_ui.messageBox(gbk("生成目录树成功-文件在软件根目录下"), MessageBoxStyle::kNote,
                        gbk("提示"));
    }
}

bool TreeExport::startTreeProgram() const {
    // No shell: a run directory holding spaces, "&" or quotes reaches the program unchanged.
    const std::optional<std::string> mirror = toHostPath(m_runDirectory + gbk("\\网盘本地镜像"));
    const std::optional<std::string> output = toHostPath(m_runDirectory + gbk("\\目录树.txt"));
    if (!mirror || !output) {
        return false;
    }
    return startDetachedProcess(m_treeProgram, {*mirror}, *output);
}

} // namespace lindquay
