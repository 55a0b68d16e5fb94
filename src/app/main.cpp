#include "app/Program.h"
#include "app/Translations.h"
#include "platform/HostPath.h"
#include "platform/RunDirectory.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lindquay::installChineseTranslations(application);

    const std::string runDirectory = lindquay::programFolder();
    // Relative paths (the mirror root) resolve against the run directory from here on, even
    // when the program was started from elsewhere. A failure is not reported.
    lindquay::setCurrentDirectory(runDirectory);

    // The process ends at once on every way out, so that worker threads still running cannot
    // race the destructors of what they use; the exit code is 0 whatever happened.
    const std::string treeProgram =
        lindquay::toHostPath(runDirectory).value_or(std::string(".")) + "/lindquay-tree";
    lindquay::Program program(
        {runDirectory, [](int exitCode) { std::_Exit(exitCode); }, treeProgram});
    program.bindSessionManagement(application);
    program.start();
    QApplication::exec();
    program.shutdown();
    std::_Exit(0);
}
