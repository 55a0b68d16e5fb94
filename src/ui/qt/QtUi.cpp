#include "ui/qt/QtUi.h"

#include "platform/WorkerThread.h"
#include "ui/qt/FileListModel.h"
#include "ui/qt/InputDialog.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtText.h"
#include "ui/qt/WorkerWrites.h"
#include "ui/MessageBoxStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>

namespace lindquay {
namespace {

bool onMainThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

void centreOnScreen(QWidget* widget) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = widget->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    widget->move(frame.topLeft());
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// "描述|*.jpg;*.jpeg|..." to Qt's "描述 (*.jpg *.jpeg)" entries.
QStringList nameFiltersOf(const std::string& filter) {
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return filters;
}

// Makes a window a drop area for local files: each drop raises the got-file event with one
// text, the full path of one file, or every path followed by "\r\n" for several.
class FileDropFilter : public QObject {
public:
    FileDropFilter(QObject* parent, std::function<void(const std::string&)> gotFiles)
        : QObject(parent), m_gotFiles(std::move(gotFiles)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!localFiles(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList files = localFiles(drop->mimeData());
            if (!files.isEmpty()) {
                drop->acceptProposedAction();
                if (m_gotFiles) {
                    m_gotFiles(fromQString(joined(files)));
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QStringList localFiles(const QMimeData* data) {
        QStringList files;
        if (data == nullptr) {
            return files;
        }
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files.append(url.toLocalFile());
            }
        }
        return files;
    }

    static QString joined(const QStringList& files) {
        if (files.size() == 1) {
            return files.front();
        }
        QString text;
        for (const QString& file : files) {
            text += file + QStringLiteral("\r\n");
        }
        return text;
    }

    std::function<void(const std::string&)> m_gotFiles;
};

} // namespace

QtUi::QtUi()
    : m_model(std::make_unique<FileListModel>(m_rows)),
      m_workerWrites(std::make_unique<WorkerWrites>(
          [this](Control control, const std::string& text) { applyCaption(control, text); },
          [this](Control control, bool enabled) { applyEnabled(control, enabled); })) {}

QtUi::~QtUi() {
    for (auto& [id, open] : m_windows) {
        delete open.widget.data();
    }
}

void QtUi::bindWindow(WindowId window, WindowBinding binding) {
    m_windows[window].binding = std::move(binding);
}

void QtUi::setDropHandler(WindowId window, std::function<void(const std::string&)> handler) {
    m_windows[window].dropHandler = std::move(handler);
}

QWidget* QtUi::window(WindowId window) const {
    const auto found = m_windows.find(window);
    return found == m_windows.end() ? nullptr : found->second.widget.data();
}

QWidget* QtUi::find(Control control) const {
    QWidget* top = window(control.window);
    if (top == nullptr || control.name.empty()) {
        return top;
    }
    return top->findChild<QWidget*>(objectNameOf(control.name));
}

int QtUi::messageBox(const std::string& text, int style, const std::optional<std::string>& title) {
    QMessageBox box(iconOf(style), title ? toQString(*title) : QStringLiteral("信息："),
                    toQString(text));
    box.setObjectName(QStringLiteral("信息框"));
    if ((style & 0x0F) == 1) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageBoxResult::kOk
                                                              : MessageBoxResult::kCancel;
}

bool QtUi::inputBox(const std::string& prompt, const std::string& title,
                    const std::string& initialText, std::string& value, InputMode mode) {
    InputDialog dialog(toQString(prompt), toQString(title), toQString(initialText),
                       mode == InputMode::Masked);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = fromQString(dialog.text());
    return true;
}

void QtUi::setCaption(Control control, const std::string& text) {
    if (onMainThread()) {
        applyCaption(control, text);
    } else {
        m_workerWrites->postCaption(control, text);
    }
}

void QtUi::setEnabled(Control control, bool enabled) {
    if (onMainThread()) {
        applyEnabled(control, enabled);
    } else {
        m_workerWrites->postEnabled(control, enabled);
    }
}

void QtUi::applyCaption(Control control, const std::string& text) {
    QWidget* widget = find(control);
    if (widget == nullptr) {
        return;
    }
    const QString caption = toQString(text);
    if (control.name.empty()) {
        widget->setWindowTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    }
}

void QtUi::applyEnabled(Control control, bool enabled) {
    if (QWidget* widget = find(control)) {
        widget->setEnabled(enabled);
    }
}

std::string QtUi::editText(Control control) {
    QWidget* widget = find(control);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return fromQString(line->text());
    }
    if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
        // Lines are kept with "\r\n" between them, as in a Windows edit box.
        return fromQString(
            multiLine->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    }
    return {};
}

void QtUi::setEditText(Control control, const std::string& text) {
    QWidget* widget = find(control);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(toQString(text));
        line->setCursorPosition(0);
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
        multiLine->setPlainText(
            toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void QtUi::loadWindow(WindowId window) {
    OpenWindow& open = m_windows[window];
    if (open.widget && !open.markedForDestruction) {
        open.widget->showNormal();
        open.widget->raise();
        open.widget->activateWindow();
        return;
    }
    if (open.widget) {
        // A window marked for destruction goes at once and is made afresh.
        delete open.widget.data();
    }
    if (!open.binding.create) {
        return;
    }
    open.widget = open.binding.create();
    open.markedForDestruction = false;
    open.dropAreaRegistered = false;
    open.widget->ensurePolished();
    if (open.binding.created) {
        open.binding.created();
    }
    open.widget->show();
    centreOnScreen(open.widget);
}

void QtUi::destroyWindow(WindowId window) {
    OpenWindow& open = m_windows[window];
    if (!open.widget || open.markedForDestruction) {
        return;
    }
    open.markedForDestruction = true;
    QPointer<QWidget> widget = open.widget;
    // Closing (rather than deleting) lets the application notice when its last window is gone.
    QTimer::singleShot(0, widget, [widget] {
        if (widget) {
            widget->setAttribute(Qt::WA_DeleteOnClose);
            widget->close();
        }
    });
}

void QtUi::clearRows() {
    m_model->clear();
}

int QtUi::appendRows(std::vector<ListRow> rows) {
    return m_model->append(std::move(rows));
}

void QtUi::setCellText(int row, int column, const std::string& text) {
    m_model->setCell(row, column, text);
}

std::string QtUi::cellText(int row, int column) const {
    return m_rows.cellText(row, column);
}

int QtUi::rowCount() const {
    return m_rows.rowCount();
}

int QtUi::selectedRow() const {
    const auto* main = qobject_cast<MainWindow*>(window(WindowId::Main));
    if (main == nullptr) {
        return -1;
    }
    const QModelIndexList selected = main->fileList()->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : selected) {
        if (first < 0 || index.row() < first) {
            first = index.row();
        }
    }
    return first;
}

void QtUi::setStatusText(int part, const std::string& text) {
    if (auto* main = qobject_cast<MainWindow*>(window(WindowId::Main))) {
        main->setStatusText(part, toQString(text));
    }
}

void QtUi::setTabPageVisible(int page, bool visible) {
    auto* main = qobject_cast<MainWindow*>(window(WindowId::Main));
    if (main == nullptr || page < 0 || page >= main->tabControl()->count()) {
        return;
    }
    QTabWidget* tabs = main->tabControl();
    if (!visible) {
        int visiblePages = 0;
        for (int i = 0; i < tabs->count(); ++i) {
            visiblePages += tabs->isTabVisible(i) ? 1 : 0;
        }
        if (visiblePages <= 1 && tabs->isTabVisible(page)) {
            return;
        }
    }
    tabs->setTabVisible(page, visible);
}

bool QtUi::openFileDialog(const FileDialogRequest& request, std::string& fileName) {
    QFileDialog dialog(nullptr, QString(), toQString(request.initialFolder));
    dialog.setObjectName(QStringLiteral("通用对话框1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFiltersOf(request.filter));
    if (!fileName.empty()) {
        dialog.selectFile(toQString(fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    fileName = fromQString(dialog.selectedFiles().front());
    return true;
}

bool QtUi::registerDropTarget(WindowId window) {
    OpenWindow& open = m_windows[window];
    if (!open.widget || open.dropAreaRegistered) {
        return false;
    }
    open.dropAreaRegistered = true;
    auto* filter = new FileDropFilter(open.widget, [this, window](const std::string& files) {
        const auto found = m_windows.find(window);
        if (found != m_windows.end() && found->second.dropHandler) {
            found->second.dropHandler(files);
        }
    });
    // The whole window is the drop area: its controls would otherwise take a dropped file's
    // name as text themselves.
    QList<QWidget*> area = open.widget->findChildren<QWidget*>();
    area.prepend(open.widget);
    for (QWidget* widget : area) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(filter);
    }
    return true;
}

void QtUi::processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtUi::startWorker(std::function<void()> routine) {
    startDetachedThread(std::move(routine));
}

} // namespace lindquay
