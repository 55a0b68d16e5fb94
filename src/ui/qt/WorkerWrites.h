#pragma once

#include "ui/Control.h"

#include <QObject>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace lindquay {

// Caption and enable writes that worker threads post to the main thread. Writes to one
// control coalesce, the newest value winning, and reach the window once per frame (16 ms), so
// that a worker updating a label for every one of a million rows costs the main thread about
// sixty repaints a second, not a million.
// Lives on the main thread; post from any thread.
class WorkerWrites : public QObject {
public:
    using ApplyCaption = std::function<void(Control, const std::string&)>;
    using ApplyEnabled = std::function<void(Control, bool)>;

    WorkerWrites(ApplyCaption applyCaption, ApplyEnabled applyEnabled);

    void postCaption(Control control, std::string text);
    void postEnabled(Control control, bool enabled);

private:
    struct Write {
        Control control;
        bool isCaption = true;
        std::string text;
        bool enabled = false;
    };

    void post(Write write);
    void flush();

    ApplyCaption m_applyCaption;
    ApplyEnabled m_applyEnabled;
    std::mutex m_mutex;
    std::vector<Write> m_pending;
    bool m_flushQueued = false;
};

} // namespace lindquay
