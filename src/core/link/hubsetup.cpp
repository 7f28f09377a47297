#include "core/link/hubsetup.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>

#include "core/config/profilefile.h"
#include "core/config/programdir.h"

namespace spectavo::link {
namespace {

constexpr const char *kCommConfig = "..\\config\\tarvesta.zav.comm.ini";

std::string withoutExtension(const std::string &fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

} // namespace

std::string HubSetupModel::configuredDriver() {
    return ProfileFile(kCommConfig, true).GetString("Hub", "Driver", "tarvesta.zav.comm.rs232.dll");
}

std::vector<std::string> HubSetupModel::installedDrivers() const {
    std::vector<std::string> drivers;
    const std::string pattern =
        driverFileName(ProfileFile(kCommConfig, true).GetString("Hub", "search", "tarvesta.zav.comm.*.dll"));
    for (const std::string &directory : driverDirectories()) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(directory, error)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(error) && fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
                drivers.push_back(name);
        }
    }
    std::sort(drivers.begin(), drivers.end());
    drivers.erase(std::unique(drivers.begin(), drivers.end()), drivers.end());
    return drivers;
}

int HubSetupModel::preselectedIndex(const std::vector<std::string> &drivers, const std::string &configured) {
    const std::string wanted = driverFileName(configured);
    for (std::size_t i = 0; i < drivers.size(); ++i)
        if (drivers[i].rfind(wanted, 0) == 0)
            return static_cast<int>(i);
    return -1;
}

HubSetupModel::OpenResult HubSetupModel::openDriver(const std::string &fileName, void *parent, int left,
                                                    int top, int right, int bottom) {
    closeDriver();
    m_library = m_loader.open(fileName);
    if (!m_library)
        return OpenResult::LoadFailed;
    const auto setup = bindHubSetup(*m_library);
    if (!setup) {
        m_library.reset();
        return OpenResult::EntryPointsMissing;
    }
    m_setup = *setup;
    m_panel = m_setup.create(parent, left, top, right, bottom, withoutExtension(fileName).c_str());
    return OpenResult::Opened;
}

void HubSetupModel::closeDriver() {
    if (m_library && m_setup.close)
        m_setup.close(m_panel);
    m_panel = nullptr;
    m_setup = {};
    m_library.reset();
}

bool HubSetupModel::confirm(const std::string &chosenEntry) {
    ProfileFile comm(kCommConfig, true);
    const bool written = comm.PutString("Hub", "Driver", chosenEntry);
    if (m_library && m_setup.save)
        m_setup.save(m_panel);
    closeDriver();
    return written;
}

} // namespace spectavo::link
