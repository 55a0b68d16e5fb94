#pragma once

#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;
class QTabWidget;
class QTableView;

namespace lindquay {

class FileListModel;

// The main window, laid out with absolute geometry. Every control's objectName is its name in
// the layout (按钮4, 标签2, 超级列表框_员工信息, ...), so handlers, tests and accessibility
// tools find it. The window has no logic of its own: the program binds its events.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(FileListModel& model);

    // Asked on every request to close (close button, Esc, Alt+F4, the system menu); true lets
    // the window go. Without it the window closes.
    std::function<bool()> canClose;

    // The command of the hidden menus with this caption, nullptr when there is none.
    QAction* menuCommand(const QString& caption) const;
    QTabWidget* tabControl() const { return m_tabs; }
    QTableView* fileList() const { return m_list; }
    // No part n: nothing happens.
    void setStatusText(int part, const QString& text);
    QString statusText(int part) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createTabControl(FileListModel& model);
    void createButtonsAndLabels();
    void createStatusBar();
    void createMenus();

    QTabWidget* m_tabs = nullptr;
    QWidget* m_listGroup = nullptr;
    QTableView* m_list = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QList<QLabel*> m_statusParts;
    QMenuBar* m_menuBar = nullptr;
};

} // namespace lindquay
