#include "ui/qt/QtText.h"

#include "text/Encoding.h"

namespace lindquay {

QString toQString(std::string_view gbk) {
    const std::string utf8 = gbkToUtf8Lossy(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToGbkLossy(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString objectNameOf(std::string_view controlName) {
    return QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size()));
}

} // namespace lindquay
