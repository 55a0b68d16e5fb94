#pragma once

#include "db/SqliteDB.h"

#include <array>
#include <string>

namespace lindquay {

// The state that lives for the whole run, created before any window exists and touched on
// the main thread only.
struct Globals {
    static constexpr std::size_t kRecordSlots = 9;

    // The program's one connection; only its connection opens and closes.
    SqliteDB database;
    // The record editor's fields: ID, 姓名, 性别, 职务, 图片, 好评, 差评, 一般, 简介.
    std::array<std::string, kRecordSlots> recordBuffer;
    // Empty, "修改" or "添加" (GBK).
    std::string editorMode;
};

} // namespace lindquay
