#pragma once

#include "admin/EditorState.h"
#include "db/SqliteDB.h"

namespace lindquay {

// The state that lives for the whole run, created before any window exists and touched on
// the main thread only.
struct Globals {
    // The program's one connection; only its connection opens and closes.
    SqliteDB database;
    // The record buffer and the editor mode.
    EditorState editor;
};

} // namespace lindquay
