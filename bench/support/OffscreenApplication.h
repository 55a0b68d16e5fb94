#pragma once

#include <QApplication>

namespace lindquay::bench {

// The QApplication of a benchmark: the offscreen platform and the program's translations.
class OffscreenApplication {
public:
    OffscreenApplication();

private:
    int m_argc = 1;
    char m_name[16] = "lindquay-bench";
    char* m_argv[2] = {m_name, nullptr};
    QApplication m_application;
};

} // namespace lindquay::bench
