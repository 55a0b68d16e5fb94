#include "platform/WorkerThread.h"

#include <system_error>
#include <thread>

namespace lindquay {

bool startDetachedThread(std::function<void()> routine) {
    try {
        std::thread(std::move(routine)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

} // namespace lindquay
