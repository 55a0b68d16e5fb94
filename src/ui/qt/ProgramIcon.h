#pragma once

#include <QIcon>

namespace lindquay {

// The program's icon: one 128 x 128 image with an alpha channel, drawn rather than shipped.
QIcon programIcon();

} // namespace lindquay
