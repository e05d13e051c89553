#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

/// In the child, before exec: only async-signal-safe calls from here on.
[[noreturn]] void execChild(char* const* argv, char* const* envp, const char* cwd,
                            const char* output) {
    const int out = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_RDWR);
    if (out < 0 || null < 0 || dup2(null, 0) < 0 || dup2(out, 1) < 0 || dup2(null, 2) < 0 ||
        chdir(cwd) != 0)
        _exit(127);
    execvpe(argv[0], argv, envp);
    _exit(127);
}

} // namespace

ChildRun runChild(const std::vector<std::string>& command, const std::string& cwd,
                  const std::vector<std::pair<std::string, std::string>>& environment,
                  const std::string& outputFile) {
    // Everything the child needs is built before the fork: it only opens, changes
    // folder and executes.
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const std::string output = outputFile.empty() ? "/dev/null" : outputFile;
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        bool replaced = false;
        for (const auto& [name, value] : environment)
            replaced = replaced || (std::strncmp(*entry, name.c_str(), name.size()) == 0 &&
                                    (*entry)[name.size()] == '=');
        if (!replaced)
            variables.push_back(*entry);
    }
    for (const auto& [name, value] : environment)
        variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0)
        execChild(argv.data(), envp.data(), cwd.c_str(), output.c_str());
    if (pid < 0)
        return run;

    int status = 0;
    struct rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return run;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKib = usage.ru_maxrss;
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

long ownPeakKib() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
