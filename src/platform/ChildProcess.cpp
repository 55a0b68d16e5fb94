#include "platform/ChildProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lindquay {

bool startDetachedProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& outputFile) {
    // Everything the child needs is made before fork: after it, only async-signal-safe calls.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // The intermediate child ends at once, so the program is adopted by init and reaped
        // there: nobody here ever waits for it.
        if (fork() != 0) {
            _exit(0);
        }
        setsid();
        const int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (output >= 0) {
            dup2(output, STDOUT_FILENO);
        }
        const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
        }
        if (output < 0) {
            _exit(1);
        }
        execv(program.c_str(), argv.data());
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    waitpid(child, nullptr, 0);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == 0;
}

} // namespace lindquay
