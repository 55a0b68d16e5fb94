#pragma once

class QCoreApplication;

namespace lindquay {

// Loads Qt's own Chinese texts, so that standard buttons read 确定 and 取消.
void installChineseTranslations(QCoreApplication& application);

} // namespace lindquay
