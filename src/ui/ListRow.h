#pragma once

#include <array>
#include <string>

namespace lindquay {

// The four columns of the file list: row number (from 1), parent_path, server_filename,
// file_size. GBK texts.
inline constexpr int kListColumnCount = 4;
using ListRow = std::array<std::string, kListColumnCount>;

} // namespace lindquay
