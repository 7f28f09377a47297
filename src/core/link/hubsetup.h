#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/link/hubloader.h"

namespace spectavo::link {

// The Communication Hub Setup without its window: which drivers are installed, which one is
// preselected, opening a driver's own settings panel and storing the choice.
class HubSetupModel {
public:
    explicit HubSetupModel(HubLoader &loader) : m_loader(loader) {}
    ~HubSetupModel() { closeDriver(); }
    HubSetupModel(const HubSetupModel &) = delete;
    HubSetupModel &operator=(const HubSetupModel &) = delete;

    // File names in the program directory matching the configured search pattern (its ".dll" read as
    // ".so"), sorted.
    std::vector<std::string> installedDrivers() const;
    // The first entry that begins with the configured driver's file name; -1 when none does.
    static int preselectedIndex(const std::vector<std::string> &drivers, const std::string &configuredDriver);
    static std::string configuredDriver();

    enum class OpenResult { Opened, LoadFailed, EntryPointsMissing };
    // Loads the driver and creates its panel inside parent (a QWidget) in the given area; the panel
    // name is the file name without its extension.
    OpenResult openDriver(const std::string &fileName, void *parent, int left, int top, int right,
                          int bottom);
    void closeDriver();
    // Writes the chosen entry as the driver to load and lets the driver save its panel.
    bool confirm(const std::string &chosenEntry);

private:
    HubLoader &m_loader;
    std::unique_ptr<HubLibrary> m_library;
    HubSetupBinding m_setup;
    void *m_panel = nullptr;
};

} // namespace spectavo::link
