#include "mirror/MirrorWorkers.h"

#include "mirror/FolderRoutines.h"
#include "mirror/MirrorPath.h"
#include "platform/FileSystem.h"
#include "text/DoubleByteText.h"
#include "ui/ControlNames.h"
#include "ui/UiPort.h"

namespace lindquay {
namespace {

constexpr int kParentColumn = 1;
constexpr int kNameColumn = 2;
constexpr int kSizeColumn = 3;

bool isFolderRow(const std::string& size) {
    return size == "0";
}

// When P ends in a separator, R + P is an ancestor of R + P + N: if the entry itself could be
// made, its parent folder exists and making sure of it would change nothing. The common case
// then costs one call per entry; every other case takes the full way.
bool parentIsAncestorOfEntry(const std::string& parentPath) {
    return parentPath.empty() || endsWithSeparator(parentPath);
}

bool tryFolderAlone(const std::string& entry, const std::string& parentPath) {
    return parentIsAncestorOfEntry(parentPath) && makeSureDirectoryPathExists(entry + kBackslash);
}

bool tryFileAlone(const std::string& entry, const std::string& parentPath) {
    return parentIsAncestorOfEntry(parentPath) && createFileWithLength(entry, 0);
}

} // namespace

MirrorWorkers::MirrorWorkers(UiPort& ui, std::string mirrorRoot)
    : m_ui(ui), m_mirrorRoot(std::move(mirrorRoot)) {}

void MirrorWorkers::onMirrorButtonClicked() {
    m_ui.setEnabled(controls::kMirrorButton, false);
    m_ui.startWorker([this] { createMirrorTree(); });
}

void MirrorWorkers::onPlaceholderButtonClicked() {
    m_ui.startWorker([this] { createPlaceholderFiles(); });
}

void MirrorWorkers::showProgress(bool mirrorTree, int row) const {
    // The count is read again for every row: the list may be reloaded meanwhile (7/5).
    m_ui.setCaption(mirrorTree ? controls::kMirrorProgress : controls::kPlaceholderProgress,
                    numberToText(row) + "/" + numberToText(m_ui.rowCount()));
}

void MirrorWorkers::createMirrorTree() const {
    const int count = m_ui.rowCount();
    for (int i = 1; i <= count; ++i) {
        showProgress(true, i);
        // A row is read as a whole; past the list's end its cells are empty and nothing is made.
        const std::string parentPath = m_ui.cellText(i - 1, kParentColumn);
        const std::string name = m_ui.cellText(i - 1, kNameColumn);
        const std::string size = m_ui.cellText(i - 1, kSizeColumn);
        const std::optional<std::string> entry = mirrorEntryPath(m_mirrorRoot, parentPath, name);
        if (!entry) {
            continue;
        }
        if (isFolderRow(size)) {
            if (!tryFolderAlone(*entry, parentPath)) {
                makeSureDirectoryPathExists(mirrorParentFolder(m_mirrorRoot, parentPath));
                makeSureDirectoryPathExists(*entry + kBackslash);
            }
        } else if (!tryFileAlone(*entry, parentPath)) {
            makeSureDirectoryPathExists(mirrorParentFolder(m_mirrorRoot, parentPath));
            createSizedFile(*entry, 0);
        }
    }
    m_ui.setEnabled(controls::kMirrorButton, true);
}

void MirrorWorkers::createPlaceholderFiles() const {
    const int count = m_ui.rowCount();
    for (int i = 1; i <= count; ++i) {
        showProgress(false, i);
        const std::string size = m_ui.cellText(i - 1, kSizeColumn);
        if (isFolderRow(size)) {
            continue;
        }
        const std::optional<std::string> entry = mirrorEntryPath(
            m_mirrorRoot, m_ui.cellText(i - 1, kParentColumn), m_ui.cellText(i - 1, kNameColumn));
        if (entry) {
            createSizedFile(*entry, 0);
        }
    }
}

} // namespace lindquay
