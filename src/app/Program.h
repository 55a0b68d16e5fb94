#pragma once

#include "admin/ManagementPassword.h"
#include "admin/RecordEditor.h"
#include "app/Globals.h"
#include "db/FileList.h"
#include "mirror/MirrorWorkers.h"
#include "mirror/TreeExport.h"
#include "ui/qt/QtUi.h"

#include <functional>
#include <memory>
#include <string>

class QGuiApplication;

namespace lindquay {

class MainWindow;

// The program's parts and the binding of the windows' events to their handlers. A
// QApplication must exist. Main thread only.
class Program {
public:
    struct Setup {
        // The folder that holds the program file, also the current directory.
        std::string runDirectory;
        // Ends the process with the exit code at once; does not return in the program.
        std::function<void(int exitCode)> endProcess;
        // The host path of lindquay-tree, which draws the mirror for the tree export.
        std::string treeProgram;
    };

    explicit Program(Setup setup);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the main window; its created handler makes the mirror root.
    void start();
    // Asks the exit question when the desktop session ends; Cancel refuses the log-off.
    void bindSessionManagement(QGuiApplication& application);

    // The shutdown routine: releases the globals. Runs once however often it is called.
    void shutdown();
    // Runs the shutdown routine, then ends the process with the exit code.
    void endProgram(int exitCode);

    QtUi& ui() { return m_ui; }
    // Null once the shutdown routine has run.
    Globals* globals() { return m_globals.get(); }
    MainWindow* mainWindow();

private:
    MainWindow* createMainWindow();
    QWidget* createRecordEditorWindow();
    void onMainWindowCreated();
    void bindMenuCommand(MainWindow& window, const char* caption, std::function<void()> handler);

    Setup m_setup;
    std::unique_ptr<Globals> m_globals;
    QtUi m_ui;
    std::unique_ptr<FileList> m_fileList;
    std::unique_ptr<ManagementPassword> m_password;
    std::unique_ptr<RecordEditor> m_recordEditor;
    MirrorWorkers m_mirrorWorkers;
    TreeExport m_treeExport;
};

} // namespace lindquay
