#include "app/Program.h"

#include "app/ExitQuestion.h"
#include "mirror/MirrorPath.h"
#include "platform/FileSystem.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/RecordEditorWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QSessionManager>

namespace lindquay {
namespace {

void bindClick(QWidget& window, const char* buttonName, std::function<void()> handler) {
    auto* button = window.findChild<QPushButton*>(QString::fromUtf8(buttonName));
    QObject::connect(button, &QPushButton::clicked, &window, std::move(handler));
}

} // namespace

Program::Program(Setup setup)
    : m_setup(std::move(setup)), m_globals(std::make_unique<Globals>()),
      m_mirrorWorkers(m_ui, defaultMirrorRoot()),
      m_treeExport(m_ui, m_setup.runDirectory, m_setup.treeProgram) {
    m_fileList = std::make_unique<FileList>(m_ui, m_globals->database,
                                            cacheDatabasePath(m_setup.runDirectory),
                                            [this](int exitCode) { endProgram(exitCode); });
    m_password = std::make_unique<ManagementPassword>(m_ui, m_globals->database, *m_fileList);
    m_recordEditor = std::make_unique<RecordEditor>(m_ui, m_globals->database, *m_fileList,
                                                    m_globals->editor, m_setup.runDirectory);
    m_ui.bindWindow(WindowId::Main,
                    {[this] { return createMainWindow(); }, [this] { onMainWindowCreated(); }});
    m_ui.bindWindow(WindowId::RecordEditor, {[this] { return createRecordEditorWindow(); },
                                             [this] { m_recordEditor->onEditorCreated(); }});
    m_ui.setDropHandler(WindowId::RecordEditor, [this](const std::string& files) {
        m_recordEditor->onFilesDropped(files);
    });
}

Program::~Program() {
    shutdown();
}

void Program::start() {
    m_ui.loadWindow(WindowId::Main);
}

MainWindow* Program::mainWindow() {
    return qobject_cast<MainWindow*>(m_ui.window(WindowId::Main));
}

void Program::shutdown() {
    // The file list and every handler refer to the connection; they stay, but the
    // connection object goes here, closing a connection that is still open.
    m_globals.reset();
}

void Program::endProgram(int exitCode) {
    shutdown();
    m_setup.endProcess(exitCode);
}

void Program::bindSessionManagement(QGuiApplication& application) {
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [this](QSessionManager& manager) {
                         if (!m_globals || !mainWindow() || !manager.allowsInteraction()) {
                             return;
                         }
                         const bool mayEnd = askExitQuestion(m_ui, m_globals->database);
                         manager.release();
                         if (!mayEnd) {
                             manager.cancel();
                         }
                     });
}

MainWindow* Program::createMainWindow() {
    auto* window = new MainWindow(m_ui.listModel());
    window->canClose = [this] { return !m_globals || askExitQuestion(m_ui, m_globals->database); };
    const auto onClick = [window](const char* name, std::function<void()> handler) {
        bindClick(*window, name, std::move(handler));
    };
    onClick("按钮4", [this] { m_fileList->onReadButtonClicked(); });
    onClick("按钮1", [this] { m_mirrorWorkers.onMirrorButtonClicked(); });
    onClick("按钮2", [this] { m_mirrorWorkers.onPlaceholderButtonClicked(); });
    onClick("按钮3", [this] { m_treeExport.onTreeButtonClicked(); });
    bindMenuCommand(*window, "进入管理", [this] { m_password->onEnterManagement(); });
    bindMenuCommand(*window, "修改密码", [this] { m_password->onChangePassword(); });
    bindMenuCommand(*window, "刷新信息", [this] { m_fileList->onRefreshCommand(); });
    bindMenuCommand(*window, "修改信息", [this] { m_recordEditor->onModifyRecord(); });
    bindMenuCommand(*window, "添加员工", [this] { m_recordEditor->onAddRecord(); });
    bindMenuCommand(*window, "删除员工", [this] { m_recordEditor->onDeleteRecord(); });
    return window;
}

QWidget* Program::createRecordEditorWindow() {
    auto* window = new RecordEditorWindow;
    const auto onClick = [window](const char* name, std::function<void()> handler) {
        bindClick(*window, name, std::move(handler));
    };
    onClick("按钮_上传", [this] { m_recordEditor->onUploadClicked(); });
    onClick("按钮_确定", [this] { m_recordEditor->onConfirmClicked(); });
    onClick("按钮_取消", [this] { m_recordEditor->onCancelClicked(); });
    return window;
}

void Program::bindMenuCommand(MainWindow& window, const char* caption,
                              std::function<void()> handler) {
    if (QAction* action = window.menuCommand(QString::fromUtf8(caption))) {
        QObject::connect(action, &QAction::triggered, &window, std::move(handler));
    }
}

void Program::onMainWindowCreated() {
    // Exactly one level, relative to the current directory (the run directory). When it
    // exists already or cannot be made, nothing is said: the mirror then fails on its own.
    createFolder(defaultMirrorRoot());
}

} // namespace lindquay
