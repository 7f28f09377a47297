#pragma once

#include <string>
#include <vector>

#include "core/strings/translation.h"

namespace spectavo::shell {

// What the program asks of the desktop and the operating system, behind an interface so that tests
// replace it: nothing in a test ever shuts a machine down or starts a browser.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    virtual bool programExists(const std::string &program) const = 0;
    virtual bool start(const std::string &program, const std::vector<std::string> &arguments) = 0;
    virtual bool fileExists(const std::string &path) const = 0;
};

// Ending the program shuts the computer down when the settings ask for it (Version nonzero) and the
// operator does not hold Shift.
bool shutDownAtExit(DesktopServices &desktop, int versionSetting, bool shiftHeld);

// The help page of a help command: "<program dir>/help/<context>.html" with context 0x10000 + id.
std::string helpPagePath(const std::string &programDirectory, int commandId);
// The help topics as the Help menu lists them: command id and menu text.
struct HelpTopic {
    int commandId;
    const char *menuText;
};
const std::vector<HelpTopic> &helpTopics();
inline constexpr const char *kHelpMissing = SPECTAVO_TEXT("The help page for this topic is not installed.");

// "Add a new printer": the desktop's printer tool, else the print server's administration page.
inline constexpr const char *kNoPrinterTool = SPECTAVO_TEXT("No printer settings tool is installed.");
bool openPrinterSettings(DesktopServices &desktop);

} // namespace spectavo::shell
