#pragma once

#include <array>
#include <string>

namespace lindquay {

// What the record editor keeps between its uses: the record buffer (slot i takes column i of
// the selected list row) and the editor mode. GBK texts; main thread only.
struct EditorState {
    static constexpr std::size_t kRecordSlots = 9;

    // ID, 姓名, 性别, 职务, 图片, 好评, 差评, 一般, 简介
    std::array<std::string, kRecordSlots> recordBuffer;
    // Empty, "修改" or "添加".
    std::string editorMode;
};

} // namespace lindquay
