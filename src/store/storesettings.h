#pragma once

#include <memory>
#include <string>

#include "store/accountbook.h"
#include "store/resultstore.h"

namespace spectavo {
struct SettingsFolder;
}

namespace spectavo::store {

// Where results and the audit trail go, from tarvesta.zav.store.ini ([Store] Engine, Connection,
// Workstation). An empty connection means the embedded store's default file.
// [Security] says how people log in: "single" (one shared password, the default) or "regulated"
// (named accounts in the store, with the policy's rules).
struct StoreSettings {
    std::string engine = "sqlite";
    std::string connection;
    std::string workstation;
    std::string mode = "single";
    SecurityPolicy policy;
};

inline constexpr const char *kStoreSettingsFile = "..\\config\\tarvesta.zav.store.ini";

StoreSettings readStoreSettings();
// Regulated mode from now on, in the settings file (after its first lab manager is set up).
bool writeRegulatedMode();

// The embedded store's default file: beside the settings of a program that keeps them in its own
// folder (the build tree, a portable copy), otherwise in the operator's data folder
// ($XDG_DATA_HOME/spectavo, by default ~/.local/share/spectavo).
std::string defaultSqlitePath(const SettingsFolder &settings, const std::string &xdgDataHome,
                              const std::string &home);

// Opens the configured store, creating the embedded store's folder and file when needed. Throws
// StoreError with the reason when it cannot.
std::unique_ptr<ResultStore> openStore(const StoreSettings &settings);

// Where this workstation keeps work for a lab-wide store it cannot reach: beside the embedded store's
// default file. Empty for the embedded store, which is on this workstation already.
std::string outboxPath(const StoreSettings &settings);

// The name of this workstation for the trail: the configured one, else the host name.
std::string workstationName(const StoreSettings &settings);

} // namespace spectavo::store
