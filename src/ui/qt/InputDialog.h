#pragma once

#include <QDialog>

class QLineEdit;

namespace lindquay {

// The input box: a prompt, one edit field and the buttons 确认输入(&O) and 取消(&C).
class InputDialog : public QDialog {
    Q_OBJECT
public:
    InputDialog(const QString& prompt, const QString& title, const QString& initialText,
                bool masked);
    QString text() const;

private:
    QLineEdit* m_field = nullptr;
};

} // namespace lindquay
