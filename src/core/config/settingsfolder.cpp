#include "core/config/settingsfolder.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

#include <unistd.h>

#include "core/config/programdir.h"

namespace spectavo {
namespace {

namespace fs = std::filesystem;

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The folder beside "bin", as the configuration names ("..\config\...") have always meant it.
std::string ownFolder(const std::string &programDirectory) {
    return (fs::path(programDirectory) / ".." / "config").lexically_normal().string();
}

bool writableFolder(const std::string &path) {
    std::error_code error;
    return fs::is_directory(path, error) && access(path.c_str(), W_OK | X_OK) == 0;
}

} // namespace

SettingsPlaces currentSettingsPlaces() {
    return {programDirectory().value_or("."), environment("XDG_CONFIG_HOME"), environment("HOME")};
}

SettingsFolder chooseSettingsFolder(const SettingsPlaces &places) {
    const std::string own = ownFolder(places.programDirectory);
    if (writableFolder(own))
        return {own, {}, "the program's own settings folder is writable (a build tree or a portable copy)"};
    // A base directory must be absolute: a relative one is ignored, as the desktops themselves do.
    std::string base = places.xdgConfigHome;
    if (base.empty() || base.front() != '/')
        base = places.home.empty() ? std::string("/tmp") : places.home + "/.config";
    const std::string defaults = (fs::path(places.programDirectory) / ".." / "share" / "spectavo" / "config")
                                     .lexically_normal()
                                     .string();
    return {(fs::path(base) / "spectavo").lexically_normal().string(), defaults,
            "the program's settings folder " + own +
                " is not writable (an installation): the operator's own folder, filled from " + defaults};
}

bool seedSettingsFolder(const SettingsFolder &folder) {
    std::error_code error;
    fs::create_directories(folder.path, error);
    if (!fs::is_directory(folder.path, error))
        return false;
    if (folder.defaults.empty())
        return true;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder.defaults, error)) {
        if (!entry.is_regular_file(error))
            continue;
        const fs::path target = fs::path(folder.path) / entry.path().filename();
        if (!fs::exists(target, error))
            fs::copy_file(entry.path(), target, error);
    }
    return true;
}

SettingsFolder settingsFolder() {
    SettingsFolder folder = chooseSettingsFolder(currentSettingsPlaces());
    if (!folder.defaults.empty()) {
        // Seeded once per process and folder: later starts only add what a new version ships.
        static std::mutex mutex;
        static std::set<std::string> seeded;
        const std::lock_guard guard(mutex);
        if (seeded.insert(folder.path).second)
            seedSettingsFolder(folder);
    }
    return folder;
}

} // namespace spectavo
