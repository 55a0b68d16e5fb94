#pragma once

#include <string_view>

namespace lindquay {

enum class WindowId { Main, RecordEditor };

// A control of one of the program's windows, named as in that window's layout. Names are per
// window (both windows have a 标签1). An empty name stands for the window itself. Names are
// identifiers written in UTF-8, like the widgets' objectName; texts shown to the user are GBK.
struct Control {
    WindowId window;
    std::string_view name;

    friend bool operator==(const Control&, const Control&) = default;
};

} // namespace lindquay
