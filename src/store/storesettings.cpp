#include "store/storesettings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "core/config/profilefile.h"
#include "core/config/settingsfolder.h"
#include "store/outbox.h"
#include "store/pgstore.h"
#include "store/sqlitestore.h"

namespace spectavo::store {
namespace {

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

StoreSettings readStoreSettings() {
    const ProfileFile file(kStoreSettingsFile, true);
    StoreSettings settings;
    settings.engine = file.GetString("Store", "Engine", "sqlite");
    settings.connection = file.GetString("Store", "Connection", "");
    settings.workstation = file.GetString("Store", "Workstation", "");
    settings.mode = file.GetString("Security", "Mode", "single") == "regulated" ? "regulated" : "single";
    SecurityPolicy &policy = settings.policy;
    policy.minimumPasswordLength = std::max(1, file.GetInt("Security", "MinimumPasswordLength", 8));
    policy.lockoutAttempts = std::max(1, file.GetInt("Security", "LockoutAttempts", 5));
    policy.idleLockMinutes = std::max(1, file.GetInt("Security", "IdleLockMinutes", 15));
    policy.separationOfDuties = file.GetInt("Security", "SeparationOfDuties", 1) != 0;
    return settings;
}

bool writeRegulatedMode() {
    ProfileFile file(kStoreSettingsFile, true);
    return file.PutString("Security", "Mode", "regulated");
}

std::string defaultSqlitePath(const SettingsFolder &settings, const std::string &xdgDataHome,
                              const std::string &home) {
    if (settings.defaults.empty())
        return (std::filesystem::path(settings.path) / "results.sqlite").string();
    const std::filesystem::path base = !xdgDataHome.empty()
                                           ? std::filesystem::path(xdgDataHome)
                                           : std::filesystem::path(home) / ".local" / "share";
    return (base / "spectavo" / "results.sqlite").string();
}

std::string outboxPath(const StoreSettings &settings) {
    if (settings.engine != "postgresql")
        return "";
    return outboxPathBeside(
        defaultSqlitePath(settingsFolder(), environment("XDG_DATA_HOME"), environment("HOME")));
}

std::string workstationName(const StoreSettings &settings) {
    if (!settings.workstation.empty())
        return settings.workstation;
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0 || host[0] == '\0')
        return "unnamed workstation";
    return host;
}

std::unique_ptr<ResultStore> openStore(const StoreSettings &settings) {
    std::error_code ignored;
    if (settings.engine == "postgresql")
        return std::make_unique<PgStore>(settings.connection, workstationName(settings));
    if (settings.engine != "sqlite")
        throw StoreError("the store engine '" + settings.engine + "' is not known");
    const std::string path =
        !settings.connection.empty()
            ? settings.connection
            : defaultSqlitePath(settingsFolder(), environment("XDG_DATA_HOME"), environment("HOME"));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return std::make_unique<SqliteStore>(path, workstationName(settings));
}

} // namespace spectavo::store
