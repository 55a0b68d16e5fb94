#include "ui/qt/RecordEditorWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace lindquay {
namespace {

// The outer size 329 x 486 of a framed window with a thin caption bar: a client area of
// 323 x 459 holds the group box (3, 4, 317 x 452).
constexpr int kClientWidth = 323;
constexpr int kClientHeight = 459;

struct LabelPlace {
    const char* name;
    QRect geometry;
    const char* text;
    bool red;
};

struct EditPlace {
    const char* name;
    QRect geometry;
    const char* text;
};

constexpr LabelPlace kLabels[] = {
    {"标签1", {22, 28, 24, 16}, "ID：", false},
    {"标签8", {173, 28, 88, 16}, "* 员工ID", true},
    {"标签2", {14, 61, 32, 16}, "姓名：", false},
    {"标签9", {240, 61, 65, 16}, "* 员工姓名", true},
    {"标签3", {14, 96, 32, 16}, "性别：", false},
    {"标签10", {240, 96, 65, 16}, "* 员工性别", true},
    {"标签4", {14, 131, 32, 16}, "职务：", false},
    {"标签11", {240, 131, 65, 16}, "* 员工职务", true},
    {"标签5", {14, 169, 32, 16}, "图片：", false},
    {"标签6", {14, 209, 32, 16}, "好评：", false},
    {"标签12", {240, 208, 65, 16}, "* 员工好评", true},
    {"标签7", {14, 241, 32, 16}, "差评：", false},
    {"标签13", {240, 240, 65, 16}, "* 员工差评", true},
    {"标签14", {14, 270, 32, 16}, "一般：", false},
    {"标签15", {240, 269, 65, 16}, "* 员工一般", true},
    {"标签16", {16, 303, 32, 16}, "简介：", false},
};

constexpr EditPlace kEdits[] = {
    {"编辑框_id", {53, 27, 114, 20}, ""},     {"编辑框_姓名", {53, 60, 177, 20}, ""},
    {"编辑框_性别", {53, 95, 177, 20}, ""},   {"编辑框_职务", {53, 130, 177, 20}, ""},
    {"编辑框_图片", {53, 168, 177, 20}, "0"}, {"编辑框_好评", {53, 208, 177, 20}, "0"},
    {"编辑框_差评", {53, 240, 177, 20}, "0"}, {"编辑框_一般", {53, 269, 177, 20}, "0"},
};

QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

RecordEditorWindow::RecordEditorWindow() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("修改信息"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* group = new QGroupBox(QStringLiteral("用户信息"), this);
    group->setObjectName(QStringLiteral("分组框1"));
    group->setGeometry(3, 4, 317, 452);

    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(place.text), group);
        label->setObjectName(QString::fromUtf8(place.name));
        label->setGeometry(place.geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, place.red ? QColor(255, 0, 0) : QColor(Qt::black));
        label->setPalette(palette);
    }
    for (const EditPlace& place : kEdits) {
        auto* edit = new QLineEdit(QString::fromUtf8(place.text), group);
        edit->setObjectName(QString::fromUtf8(place.name));
        edit->setGeometry(place.geometry);
    }
    group->findChild<QLineEdit*>(QStringLiteral("编辑框_id"))->setEnabled(false);

    auto* profile = new QPlainTextEdit(QStringLiteral("暂无介绍"), group);
    profile->setObjectName(QStringLiteral("编辑框_简介"));
    profile->setGeometry(55, 302, 254, 113);
    profile->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    profile->setTabChangesFocus(true);

    makeButton(group, "按钮_上传", {248, 166, 48, 22}, "上传");
    makeButton(group, "按钮_确定", {162, 425, 47, 20}, "修改");
    makeButton(group, "按钮_取消", {238, 424, 47, 20}, "取消");

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

} // namespace lindquay
