#pragma once

#include <cstdio>
#include <string>

namespace lindquay {

// Writes a text drawing of a folder tree, in UTF-8, laid out like the `tree /f` listing that
// Chinese users know:
//
//   文件夹 PATH 列表
//   <the folder's path as given>
//   │  a.txt
//   │
//   ├─docs
//   │  │  b.txt
//   │  │
//   │  └─old
//   └─photos
//           c.jpg
//
// Each folder lists its files first, prefixed "│  " when subfolders follow and four spaces
// otherwise, then a line holding only that prefix, then its subfolders after "├─" or "└─"
// (the last); each level is indented by four columns. Entries are in name order (bytes of
// their UTF-8 names). Symbolic links are listed as files and never followed.
// `hostFolder` is read; `shownPath` is what the second line shows. False when the folder
// cannot be read: the drawing then ends with a line saying so.
bool drawTree(const std::string& hostFolder, const std::string& shownPath, std::FILE* out);

} // namespace lindquay
