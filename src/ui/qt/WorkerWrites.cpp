#include "ui/qt/WorkerWrites.h"

#include <QMetaObject>
#include <QTimer>

#include <chrono>

namespace lindquay {

namespace {
constexpr std::chrono::milliseconds kFrame(16);
} // namespace

WorkerWrites::WorkerWrites(ApplyCaption applyCaption, ApplyEnabled applyEnabled)
    : m_applyCaption(std::move(applyCaption)), m_applyEnabled(std::move(applyEnabled)) {}

void WorkerWrites::postCaption(Control control, std::string text) {
    post({control, true, std::move(text), false});
}

void WorkerWrites::postEnabled(Control control, bool enabled) {
    post({control, false, {}, enabled});
}

void WorkerWrites::post(Write write) {
    std::lock_guard lock(m_mutex);
    bool replaced = false;
    for (Write& pending : m_pending) {
        if (pending.control == write.control && pending.isCaption == write.isCaption) {
            pending = std::move(write);
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        m_pending.push_back(std::move(write));
    }
    if (!m_flushQueued) {
        m_flushQueued = true;
        // Writes that arrive within one frame are drawn together.
        QMetaObject::invokeMethod(
            this, [this] { QTimer::singleShot(kFrame, this, [this] { flush(); }); },
            Qt::QueuedConnection);
    }
}

void WorkerWrites::flush() {
    std::vector<Write> writes;
    {
        std::lock_guard lock(m_mutex);
        writes.swap(m_pending);
        m_flushQueued = false;
    }
    for (const Write& write : writes) {
        if (write.isCaption) {
            m_applyCaption(write.control, write.text);
        } else {
            m_applyEnabled(write.control, write.enabled);
        }
    }
}

} // namespace lindquay
