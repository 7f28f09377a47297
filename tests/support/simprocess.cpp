#include "support/simprocess.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spectavo::test {

SimulatorProcess::SimulatorProcess(const std::string &program, std::vector<std::string> arguments) {
    int out[2];
    if (pipe(out) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        // The simulator dies with the test, even one that ends abruptly, so no orphan holds the
        // test runner's output open.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        std::vector<char *> argv{const_cast<char *>(program.c_str())};
        for (auto &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE *output = fdopen(out[0], "r");
    char line[256] = {};
    if (output && std::fgets(line, sizeof line, output))
        m_device = std::string(line, std::strcspn(line, "\n"));
    if (output)
        std::fclose(output);
}

void SimulatorProcess::kill() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
}

} // namespace spectavo::test
