#include "ui/qt/InputDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lindquay {

InputDialog::InputDialog(const QString& prompt, const QString& title, const QString& initialText,
                         bool masked) {
    setObjectName(QStringLiteral("输入框"));
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* promptLabel = new QLabel(prompt, this);
    promptLabel->setWordWrap(true);
    m_field = new QLineEdit(initialText, this);
    m_field->setObjectName(QStringLiteral("输入框_内容"));
    m_field->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    m_field->selectAll();

    auto* okButton = new QPushButton(QStringLiteral("确认输入(&O)"), this);
    okButton->setObjectName(QStringLiteral("输入框_确认"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("取消(&C)"), this);
    cancelButton->setObjectName(QStringLiteral("输入框_取消"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InputDialog::text() const {
    return m_field->text();
}

} // namespace lindquay
