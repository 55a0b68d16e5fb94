#include "ui/qt/MainWindow.h"

#include "ui/qt/FileListModel.h"
#include "ui/qt/ProgramIcon.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace lindquay {
namespace {

// The layout gives the outer size of a framed window, 1053 x 733: with a frame of 3 pixels and
// a caption bar of 31 that is a client area of 1047 x 696, where every control is placed.
// The desktop adds its own frame around it.
constexpr int kClientWidth = 1047;
constexpr int kClientHeight = 696;
constexpr int kStatusBarHeight = 20;
// The group box is placed relative to the tab control, above its page area.
constexpr QPoint kListGroupOffset(5, 28);

struct ControlPlace {
    const char* name;
    QRect geometry;
    const char* caption;
};

QPushButton* makeButton(QWidget* parent, const ControlPlace& place, bool enabled) {
    auto* button = new QPushButton(QString::fromUtf8(place.caption), parent);
    button->setObjectName(QString::fromUtf8(place.name));
    button->setGeometry(place.geometry);
    button->setAutoDefault(false);
    button->setEnabled(enabled);
    return button;
}

QLabel* makeLabel(QWidget* parent, const ControlPlace& place) {
    auto* label = new QLabel(QString::fromUtf8(place.caption), parent);
    label->setObjectName(QString::fromUtf8(place.name));
    label->setGeometry(place.geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

MainWindow::MainWindow(FileListModel& model) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lindquay_Ostrel"));
    setWindowIcon(programIcon());
    setFixedSize(kClientWidth, kClientHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    createTabControl(model);
    createButtonsAndLabels();
    createStatusBar();
    createMenus();
    // Where the status bar meets the bottom edge of the buttons and labels, those stay on top.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QPushButton*>(control) || qobject_cast<QLabel*>(control)) {
            control->raise();
        }
    }

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::createTabControl(FileListModel& model) {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("高级选择夹1"));
    m_tabs->setGeometry(-5, 4, 1053, 636);
    // Only the tabs themselves use SimSun (or the nearest font the desktop has); the controls on
    // the page keep the default GUI font.
    QFont tabFont;
    tabFont.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                         QStringLiteral("WenQuanYi Micro Hei")});
    tabFont.setPixelSize(12);
    m_tabs->tabBar()->setFont(tabFont);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("文件信息"));
    m_tabs->addTab(page, QStringLiteral("文件信息"));

    auto* group = new QGroupBox(page);
    group->setObjectName(QStringLiteral("分组框2"));
    group->setAutoFillBackground(true);
    QPalette groupPalette = group->palette();
    groupPalette.setColor(QPalette::Window, Qt::white);
    group->setPalette(groupPalette);
    group->resize(1048, 608);
    m_listGroup = group;

    m_list = new QTableView(group);
    m_list->setObjectName(QStringLiteral("超级列表框_员工信息"));
    m_list->setAccessibleName(QStringLiteral("文件列表"));
    m_list->setGeometry(3, 9, 1045, 599);
    m_list->setModel(&model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setSortingEnabled(false);
    m_list->setDragEnabled(false);
    m_list->setFocusPolicy(Qt::StrongFocus);
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, Qt::white);
    listPalette.setColor(QPalette::Text, Qt::black);
    // The selection shows only while the list has the focus.
    listPalette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    listPalette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    m_list->setPalette(listPalette);

    QHeaderView* rows = m_list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* columns = m_list->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int widths[] = {50, 700, 290, 0};
    for (int column = 0; column < 4; ++column) {
        columns->resizeSection(column, widths[column]);
    }
}

void MainWindow::createButtonsAndLabels() {
    makeButton(this, {"按钮4", QRect(0, 640, 152, 40), "读取百度云数据库"}, true);
    makeButton(this, {"按钮1", QRect(152, 640, 144, 40), "一键创建虚拟文件"}, false);
    makeLabel(this, {"标签1", QRect(304, 648, 32, 24), "进度"});
    makeLabel(this, {"标签2", QRect(336, 648, 104, 24), ""});
    makeButton(this, {"按钮3", QRect(448, 640, 160, 40), "创建txt文本目录树结构"}, false);
    // These three lie below the client area: they exist and are updated, but nobody sees them.
    makeButton(this, {"按钮2", QRect(280, 752, 144, 40), "本地创建虚拟文件"}, true);
    makeLabel(this, {"标签4", QRect(400, 816, 32, 24), "进度"});
    makeLabel(this, {"标签3", QRect(432, 816, 104, 24), ""});
}

void MainWindow::createStatusBar() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("状态条1"));
    m_statusBar->setAccessibleName(QStringLiteral("状态条"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    const QList<QPair<QString, int>> parts = {{QStringLiteral("总数"), 30},
                                              {QStringLiteral("0"), 100}};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        auto* part = new QLabel(parts[i].first, m_statusBar);
        part->setObjectName(QStringLiteral("状态条1_%1").arg(i));
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setFixedWidth(parts[i].second);
        m_statusBar->addWidget(part);
        m_statusParts.append(part);
    }
}

void MainWindow::createMenus() {
    // The three menus are hidden: the bar shows none of their commands, but every command
    // exists and is bound.
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("菜单栏"));
    m_menuBar->hide();
    const QList<QPair<QString, QStringList>> menus = {
        {QStringLiteral("系统"),
         {QStringLiteral("进入管理"), QStringLiteral("修改密码"), QString(),
          QStringLiteral("退出管理")}},
        {QStringLiteral("员工管理菜单"),
         {QStringLiteral("刷新信息"), QString(), QStringLiteral("修改信息"),
          QStringLiteral("添加员工"), QStringLiteral("删除员工")}},
        {QStringLiteral("客服管理菜单"), {QStringLiteral("刷新客服")}},
    };
    for (const auto& [title, items] : menus) {
        QMenu* menu = m_menuBar->addMenu(title);
        menu->setObjectName(title);
        for (const QString& item : items) {
            if (item.isEmpty()) {
                menu->addSeparator();
            } else {
                menu->addAction(item)->setObjectName(item);
            }
        }
        menu->menuAction()->setVisible(false);
    }
}

QAction* MainWindow::menuCommand(const QString& caption) const {
    return m_menuBar->findChild<QAction*>(caption);
}

void MainWindow::setStatusText(int part, const QString& text) {
    if (part >= 0 && part < m_statusParts.size()) {
        m_statusParts[part]->setText(text);
    }
}

QString MainWindow::statusText(int part) const {
    return part >= 0 && part < m_statusParts.size() ? m_statusParts[part]->text() : QString();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The page area's place inside the tab control is known only once it is laid out.
    QWidget* page = m_tabs->widget(0);
    m_listGroup->move(kListGroupOffset - page->mapTo(m_tabs, QPoint(0, 0)));
}

} // namespace lindquay
