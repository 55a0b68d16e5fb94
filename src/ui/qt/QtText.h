#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lindquay {

// The toolkit boundary: GBK program texts to and from QString.
QString toQString(std::string_view gbk);
std::string fromQString(const QString& text);
// A control name (UTF-8 identifier) as an objectName.
QString objectNameOf(std::string_view controlName);

} // namespace lindquay
