#pragma once

#include <functional>

namespace lindquay {

// Runs the routine on a new detached thread that nobody joins; it ends with the process at
// the latest. False when the thread could not be started.
bool startDetachedThread(std::function<void()> routine);

} // namespace lindquay
