#include "core/shell/desktopservices.h"

#include "core/shell/commandids.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

bool shutDownAtExit(DesktopServices &desktop, int versionSetting, bool shiftHeld) {
    if (versionSetting == 0 || shiftHeld)
        return false;
    return desktop.start("systemctl", {"poweroff"});
}

std::string helpPagePath(const std::string &programDirectory, int commandId) {
    return programDirectory + "/help/" + strings::formatC("%d", 0x10000 + commandId) + ".html";
}

const std::vector<HelpTopic> &helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {kCmdHelpMaintenance, SPECTAVO_TEXT("How to &Maintenance")},
        {kCmdHelpReplacement, SPECTAVO_TEXT("How to &Replacement")},
        {kCmdHelpQuantitative, SPECTAVO_TEXT("&Quantitative or multiwavelength")},
        {kCmdHelpWaveScan, SPECTAVO_TEXT("&Wavelength scanning")},
        {kCmdHelpTimeScan, SPECTAVO_TEXT("&Time scanning (Kinetic analysis)")}};
    return topics;
}

bool openPrinterSettings(DesktopServices &desktop) {
    if (desktop.programExists("system-config-printer"))
        return desktop.start("system-config-printer", {});
    if (desktop.programExists("xdg-open"))
        return desktop.start("xdg-open", {"http://localhost:631/admin"});
    return false;
}

} // namespace spectavo::shell
