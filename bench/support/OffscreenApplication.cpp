#include "OffscreenApplication.h"

#include "app/Translations.h"

namespace lindquay::bench {
namespace {

int& withOffscreenPlatform(int& argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

} // namespace

OffscreenApplication::OffscreenApplication()
    : m_application(withOffscreenPlatform(m_argc), m_argv) {
    installChineseTranslations(m_application);
}

} // namespace lindquay::bench
