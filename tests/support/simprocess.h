#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace spectavo::test {

// photrak-sim in its own process; its first line of output (the pseudo-terminal's path or the TCP
// address) is read at start. The process is killed when the object goes.
class SimulatorProcess {
public:
    SimulatorProcess(const std::string &program, std::vector<std::string> arguments);
    ~SimulatorProcess() { kill(); }
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    void kill();
    const std::string &device() const { return m_device; }

private:
    pid_t m_pid = -1;
    std::string m_device;
};

} // namespace spectavo::test
