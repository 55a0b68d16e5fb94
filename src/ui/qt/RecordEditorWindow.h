#pragma once

#include <QWidget>

namespace lindquay {

// The record editor window, laid out with absolute geometry; every control's objectName is its
// name in the layout (编辑框_姓名, 按钮_确定, ...). Esc closes it at once: it asks nobody.
class RecordEditorWindow : public QWidget {
    Q_OBJECT
public:
    RecordEditorWindow();
};

} // namespace lindquay
