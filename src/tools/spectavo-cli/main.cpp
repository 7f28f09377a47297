// spectavo-cli: the headless client. It reads the same configuration as the workstation, so a
// service engineer can check an installation from a terminal.

#include <cstdio>
#include <cstring>
#include <string>

#include "core/config/profilefile.h"
#include "core/config/programdir.h"

namespace {

constexpr const char *kAnalystConfig = "..\\config\\tarvesta.zav.analyst.ini";

void printUsage() {
    std::puts("usage: spectavo-cli [--help] [--config]\n"
              "  --config   show where the configuration is read from and the main settings");
}

int showConfiguration() {
    const std::optional<std::string> directory = spectavo::programDirectory();
    const spectavo::ProfileFile analyst(kAnalystConfig, true);
    std::printf("program directory: %s\n", directory ? directory->c_str() : "(unknown)");
    std::printf("analyst settings:  %s\n", analyst.path().c_str());
    std::printf("peak threshold:    %s Abs\n", analyst.GetString("ZAV Range", "PeakHeight", "0.03").c_str());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2 || std::strcmp(argv[1], "--config") == 0)
        return showConfiguration();
    if (std::strcmp(argv[1], "--help") == 0) {
        printUsage();
        return 0;
    }
    std::fprintf(stderr, "spectavo-cli: unknown option '%s'\n", argv[1]);
    printUsage();
    return 2;
}
